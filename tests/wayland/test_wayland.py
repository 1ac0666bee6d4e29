"""The built program as a Wayland client, as on a handheld's shell: a wlroots compositor, no X.

sway runs headless with one output the size of the handheld's screen, no input devices and no
X server. wlroots compositors refuse to run as root, so a root run starts it as an unprivileged
user in a runtime folder of that user's own; the program, run as the invoking user with its own
data folders, reaches the compositor's socket by its absolute path. The program's first frame
must show the main screen filling the output, read from screenshots taken with grim. Then the
compositor asks the window to close, as a shell does, and the program must end by itself with
status 0.

Arguments as for every scenario: the program and the folder for screenshots and logs.
"""

import os
import pwd
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "e2e"))
import tovimar_e2e as e2e  # noqa: E402

UNPRIVILEGED_USER = "nobody"
# No X server, so that the program can only be a Wayland client; no borders, so that the window
# is the whole output, as under a handheld's shell.
SWAY_CONFIG = (f"xwayland disable\n"
               f"output * mode {e2e.SCREEN_WIDTH}x{e2e.SCREEN_HEIGHT}\n"
               f"default_border none\n")
SWAY_ENVIRONMENT = {
    "WLR_BACKENDS": "headless",
    "WLR_LIBINPUT_NO_DEVICES": "1",
    # No GPU here: the software renderer needs no render node.
    "WLR_RENDERER": "pixman",
    "LANG": "C.UTF-8",
}


def log_tail(pPath, pLines=15):
    with open(pPath, errors="replace") as log:
        return "\n".join("  " + line for line in log.read().splitlines()[-pLines:])


class Compositor:
    """sway on the headless back end, in a runtime folder of its own."""

    def __init__(self, pLogPath):
        self.logPath = pLogPath
        self.process = None
        self.runtimeDir = None
        self.socket = None

    @property
    def name(self):
        return self.socket

    def start(self):
        # As root, in /tmp: a TMPDIR of root's own may be closed to the compositor's user.
        self.runtimeDir = tempfile.mkdtemp(prefix="tovimar-sway-",
                                           dir="/tmp" if os.getuid() == 0 else None)
        config = os.path.join(self.runtimeDir, "config")
        with open(config, "w") as file:
            file.write(SWAY_CONFIG)
        command = ["sway", "--config", config]
        if os.getuid() == 0:
            command = self.unprivileged(command, config)
        environment = dict(SWAY_ENVIRONMENT, PATH=os.environ["PATH"], HOME=self.runtimeDir,
                           XDG_RUNTIME_DIR=self.runtimeDir)
        with open(self.logPath, "ab") as log:
            self.process = subprocess.Popen(command, env=environment, stdout=log, stderr=log,
                                            stdin=subprocess.DEVNULL, start_new_session=True)
        self.wait_ready()

    def unprivileged(self, pCommand, pConfig):
        """The command run as the unprivileged user, who owns the runtime folder (mode 0700)."""
        try:
            user = pwd.getpwnam(UNPRIVILEGED_USER)
        except KeyError:
            raise e2e.ScenarioSkipped(f"there is no user {UNPRIVILEGED_USER!r} to run sway as; "
                                      "it refuses to run as root")
        for path in (self.runtimeDir, pConfig):
            os.chown(path, user.pw_uid, user.pw_gid)
        return ["setpriv", f"--reuid={user.pw_uid}", f"--regid={user.pw_gid}", "--clear-groups",
                "--"] + pCommand

    def wait_ready(self, pTimeout=10):
        """Waits for the socket and a first picture of the output, which clients show on."""
        deadline = time.monotonic() + pTimeout
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                raise e2e.ScenarioSkipped(
                    f"sway cannot start here (status {self.process.returncode}):\n"
                    f"{log_tail(self.logPath)}")
            self.socket = self.runtime_file(r"wayland-\d+")
            if self.socket and self.capture(pCheck=False):
                return
            time.sleep(0.1)
        raise e2e.ScenarioFailed(f"sway offered no output within {pTimeout} s; "
                                 f"see {self.logPath}")

    def runtime_file(self, pPattern):
        """The absolute path of the socket in the runtime folder with a name of the pattern."""
        for name in os.listdir(self.runtimeDir):
            if re.fullmatch(pPattern, name):
                return os.path.join(self.runtimeDir, name)
        return None

    def client_environment(self):
        return {"PATH": os.environ["PATH"], "WAYLAND_DISPLAY": self.socket,
                "SWAYSOCK": self.runtime_file(r"sway-ipc\..*\.sock") or ""}

    def capture(self, pCheck=True):
        """A screenshot of the whole output; None if grim fails and that is not checked."""
        try:
            result = subprocess.run(["grim", "-t", "ppm", "-"], env=self.client_environment(),
                                    capture_output=True, timeout=10)
        except subprocess.TimeoutExpired:
            raise e2e.ScenarioFailed("grim hung")
        if result.returncode != 0 and not pCheck:
            return None
        e2e.check(result.returncode == 0,
                  f"grim failed: {result.stderr.decode(errors='replace')}")
        # grim writes a binary PPM: "P6", width and height, maximum 255, then RGB bytes.
        magic, size, maximum, pixels = result.stdout.split(b"\n", 3)
        width, height = map(int, size.split())
        e2e.check(magic == b"P6" and maximum == b"255" and len(pixels) == width * height * 3,
                  "grim wrote no 8-bit RGB picture")
        return e2e.Screenshot(width, height, pixels)

    def close_window(self, pPid):
        """Asks the window of the process to close, as the shell's close gesture does."""
        result = subprocess.run(["swaymsg", f"[pid={pPid}]", "kill"],
                                env=self.client_environment(), capture_output=True, text=True,
                                timeout=10)
        e2e.check(result.returncode == 0,
                  f"swaymsg could not close the window: {result.stdout}{result.stderr}")

    def stop(self):
        if self.process is not None:
            e2e.stop_process(self.process)
            self.process = None
        if self.runtimeDir is not None:
            shutil.rmtree(self.runtimeDir, ignore_errors=True)
            self.runtimeDir = None


class WaylandScenario(e2e.Scenario):
    """The program as a Wayland client of a compositor of its own."""

    TOOLS = ("sway", "swaymsg", "grim")

    def __init__(self, pName, pProgram, pShotsDir):
        super().__init__(pName, pProgram, pShotsDir)
        self.display = Compositor(os.path.join(pShotsDir, "sway.log"))

    def environment(self):
        environment = super().environment()
        del environment["DISPLAY"]
        environment.update(QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=self.display.socket)
        return environment

    def screenshot(self):
        return self.display.capture()


def fills_output(pShot):
    """The main screen from edge to edge: header, list area and footer bar."""
    right = pShot.width - 3
    return all((e2e.blue(pShot.pixel(x, 50)) and
                e2e.close_colour(pShot.pixel(x, pShot.height // 2), e2e.WINDOW_GREY) and
                e2e.blue(pShot.pixel(x, pShot.height - 15))) for x in (2, right))


def scenario(pScenario):
    output = pScenario.screenshot()
    e2e.check((output.width, output.height) == (e2e.SCREEN_WIDTH, e2e.SCREEN_HEIGHT),
              f"the output is {output.width} x {output.height}, not the handheld's screen")
    pScenario.start_program()
    shot = pScenario.shot("main screen", pScenario.wait_for("main", 20))
    e2e.check(fills_output(shot),
              f"the main screen does not fill the output (screenshot {pScenario.lastShotPath})")

    pScenario.display.close_window(pScenario.process.pid)
    status = pScenario.wait_exit(10)
    e2e.check(status == 0, f"the program ended with status {status} when its window was "
              f"closed; see {pScenario.programLog}")


if __name__ == "__main__":
    e2e.run(scenario, pTimeBudget=60, pScenarioClass=WaylandScenario)
