"""A list file cut off half-way through a save: at start-up the program shows its "Error" box,
not its window, ends with status 1 once the box is closed with Return, and leaves the file."""

import os
import zlib

import tovimar_e2e as e2e

DOCUMENT = b'<tovimar_list version="1.0.0" name="Weekend"><item name="bread"/></tovimar_list>'


def scenario(pScenario):
    whole = len(DOCUMENT).to_bytes(4, "big") + zlib.compress(DOCUMENT)
    os.makedirs(os.path.dirname(pScenario.listFile))
    with open(pScenario.listFile, "wb") as file:
        file.write(whole[:len(whole) // 2])
    before = os.stat(pScenario.listFile)
    pScenario.start()
    pScenario.window("Error")
    pScenario.window("Tovimar Lite", False)
    pScenario.save("error box", pScenario.wait(
        lambda shot: not shot.like(pScenario.blank, (0, 0, e2e.WIDTH, e2e.HEIGHT)), "the box"))
    pScenario.answer("Error")
    status = pScenario.process.wait(20)
    e2e.check(status == 1, f"exit status {status} after the error box, expected 1")
    after = os.stat(pScenario.listFile)
    e2e.check((after.st_size, after.st_mtime_ns) == (before.st_size, before.st_mtime_ns),
              "the damaged list file was changed")


if __name__ == "__main__":
    e2e.run(scenario)
