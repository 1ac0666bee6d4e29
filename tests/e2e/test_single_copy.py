"""One running copy: a second start brings the running window to the front over another
program's (which ends with the display) and ends with status 0, with no second window. A copy
that was killed keeps no later start from coming up, and of two starts at once exactly one runs."""

import signal
import time

import tovimar_e2e as e2e


def one_of_two_starts_runs(pScenario):
    starts = [pScenario.launch(), pScenario.launch()]
    deadline = time.monotonic() + 20
    while all(each.poll() is None for each in starts):
        e2e.check(time.monotonic() < deadline, "two copies run at once")
        time.sleep(0.05)
    [ended] = [each for each in starts if each.poll() is not None]
    e2e.check(ended.returncode == 0, f"the second of two starts ended with {ended.returncode}")
    pScenario.process = next(each for each in starts if each is not ended)


def scenario(pScenario):
    main = pScenario.start_main_screen()
    window = pScenario.window("Tovimar Lite")
    pScenario.launch(["xmessage", "-geometry", f"{e2e.WIDTH}x{e2e.HEIGHT}+0+0", "over"])
    pScenario.wait(lambda shot: not shot.like(main), "another program in front")
    status = pScenario.launch().wait(20)
    e2e.check(status == 0, f"the second start ended with status {status}")
    pScenario.wait(lambda shot: shot.like(main), "the running window in front")
    e2e.check(pScenario.xdotool("search", "--onlyvisible", "--name", "^Tovimar Lite$").split()
              == [window], "the second start opened a window")
    pScenario.process.send_signal(signal.SIGKILL)
    pScenario.process.wait(10)
    one_of_two_starts_runs(pScenario)
    pScenario.wait(lambda shot: shot.fills(pScenario.blank), "a first frame after the kill", 30)


if __name__ == "__main__":
    e2e.run(scenario, pTools=("xmessage",))
