"""A list file cut off before the end of a save: at start-up the program shows its "Error" box,
not its window, ends with status 1 once the box is closed with Return, and leaves the file."""

import os
import shutil

import tovimar_e2e as e2e

TRUNCATED = os.path.join(os.path.dirname(__file__), "../data/damaged/truncated.kpl")


def scenario(pScenario):
    os.makedirs(os.path.dirname(pScenario.listFile))
    shutil.copyfile(TRUNCATED, pScenario.listFile)
    before = os.stat(pScenario.listFile)
    pScenario.process = pScenario.launch()
    pScenario.window("Error")
    pScenario.window("Tovimar Lite", False)
    pScenario.save("error box", pScenario.wait(lambda shot: not shot.like(pScenario.blank),
                                               "the box"))
    pScenario.answer("Error")
    status = pScenario.process.wait(20 * e2e.SLOWER)
    e2e.check(status == 1, f"exit status {status} after the error box, expected 1")
    after = os.stat(pScenario.listFile)
    e2e.check((after.st_size, after.st_mtime_ns) == (before.st_size, before.st_mtime_ns),
              "the damaged list file was changed")


if __name__ == "__main__":
    e2e.run(scenario)
