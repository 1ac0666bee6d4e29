"""One running copy: a second start brings the running window to the front over another
program's (which ends with the display), handing it the startup id of its launcher, and ends with
status 0, with no second window. A copy
that was killed keeps no later start from coming up, and of two starts at once exactly one runs."""

import signal
import subprocess
import time

import tovimar_e2e as e2e


def one_of_two_starts_runs(pScenario):
    starts = [pScenario.launch(), pScenario.launch()]
    deadline = time.monotonic() + 20 * e2e.SLOWER
    while all(each.poll() is None for each in starts):
        e2e.check(time.monotonic() < deadline, "two copies run at once")
        time.sleep(0.05)
    [ended] = [each for each in starts if each.poll() is not None]
    e2e.check(ended.returncode == 0, f"the second of two starts ended with {ended.returncode}")
    pScenario.process = next(each for each in starts if each is not ended)


def xprop(pScenario, pWindow, pProperty):
    return subprocess.run(["xprop", "-id", pWindow, pProperty], env=pScenario.environment(),
                          capture_output=True, text=True, timeout=20).stdout


def scenario(pScenario):
    main = pScenario.start_main_screen()
    window = pScenario.window("Tovimar Lite")
    pScenario.launch(["xmessage", "-geometry", f"{e2e.WIDTH}x{e2e.HEIGHT}+0+0", "over"])
    pScenario.wait(lambda shot: not shot.like(main), "another program in front")
    status = pScenario.launch(DESKTOP_STARTUP_ID="launcher_TIME42").wait(20 * e2e.SLOWER)
    e2e.check(status == 0, f"the second start ended with status {status}")
    pScenario.wait(lambda shot: shot.like(main), "the running window in front")
    # The launcher's startup id is the running copy's now, for the window manager to grant focus.
    leader = xprop(pScenario, window, "WM_CLIENT_LEADER").split()[-1]
    e2e.check(xprop(pScenario, leader, "_NET_STARTUP_ID").endswith('"launcher_TIME42"\n'),
              "the startup id did not reach the running copy")
    e2e.check(pScenario.xdotool("search", "--onlyvisible", "--name", "^Tovimar Lite$").split()
              == [window], "the second start opened a window")
    pScenario.process.send_signal(signal.SIGKILL)
    pScenario.process.wait(10)
    one_of_two_starts_runs(pScenario)
    pScenario.wait(lambda shot: shot.fills(pScenario.blank), "a first frame after the kill", 30)


if __name__ == "__main__":
    e2e.run(scenario, pTools=("xmessage", "xprop"))
