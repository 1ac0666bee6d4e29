"""The built program in a real window, driven by real input and read from screenshots; where to
tap comes from the window itself (its accessibility tree), never from a copy of the layout."""

import os
import pwd
import shutil
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ElementTree
import zlib

WIDTH, HEIGHT = 800, 480
SLOWER = int(os.environ.get("TOVIMAR_TEST_TIMEOUT_SCALE", "1"))  # emulated or sanitized


class Failed(Exception):
    pass


def check(pCondition, pMessage):
    if not pCondition:
        raise Failed(pMessage)


def read_compressed_xml(pPath):  # the program's form: a 4-byte length, then a zlib stream
    with open(pPath, "rb") as file:
        return ElementTree.fromstring(zlib.decompress(file.read()[4:]))


def skip(pWhy):
    print(f"SKIP: {pWhy}")
    sys.exit(77)


def until(pLook, pWhat, pTimeout=20):
    """What the look finds, once it finds something; a slower run waits as much longer."""
    deadline = time.monotonic() + pTimeout * SLOWER
    while not (found := pLook()):
        check(time.monotonic() < deadline, f"not within {pTimeout} s: {pWhat}")
        time.sleep(0.1)
    return found


def unprivileged(*pPaths):
    """The start of a command run as nobody where the test is root (wlroots refuses root)."""
    if os.getuid() != 0:
        return []
    user = pwd.getpwnam("nobody")
    for path in pPaths:
        os.chown(path, user.pw_uid, user.pw_gid)
    return ["setpriv", f"--reuid={user.pw_uid}", f"--regid={user.pw_gid}", "--clear-groups", "--"]


def centre(pRect):
    return round(pRect[0] + pRect[2] / 2), round(pRect[1] + pRect[3] / 2)


def stop(pProcess):
    pProcess.terminate()
    pProcess.wait(10 * SLOWER)


class Shot:  # an RGB picture of the screen

    def __init__(self, pWidth, pHeight, pPixels):
        self.width, self.height, self.pixels = pWidth, pHeight, pPixels

    def row(self, pY, pLeft=0, pWidth=None):
        start = (pY * self.width + pLeft) * 3
        return self.pixels[start:start + (pWidth or self.width) * 3]

    def differing(self, pOther, pRect=None, pThreshold=40):
        """The pixels of the rectangle (or screen) that differ by more than a shade of smoothing."""
        left, top, width, height = map(round, pRect or (0, 0, self.width, self.height))
        count = 0
        for y in range(top, top + height):
            mine, theirs = self.row(y, left, width), pOther.row(y, left, width)
            if mine != theirs:
                count += sum(max(abs(mine[i + c] - theirs[i + c]) for c in range(3)) > pThreshold
                             for i in range(0, len(mine), 3))
        return count

    def like(self, pOther, pRect=None):
        return self.differing(pOther, pRect) <= 50  # a blinking text cursor aside

    def fills(self, pBlank):
        """Every edge is drawn over the blank screen, with more than a plain background."""
        edges = ((0, 0, self.width, 1), (0, self.height - 1, self.width, 1),
                 (0, 0, 1, self.height), (self.width - 1, 0, 1, self.height))
        colours = {self.pixels[i:i + 3] for i in range(0, len(self.pixels), 3 * 7)}
        return len(colours) > 50 and all(self.differing(pBlank, edge, 20) > 0.9 * edge[2]
                                         * edge[3] for edge in edges)


class XDisplay:
    """Xvfb at the handheld's screen size, never reset (closed to clients) as its clients leave."""

    TOOLS = ("Xvfb", "xdotool", "import")

    def __init__(self, pLogDir):
        readEnd, writeEnd = os.pipe()
        with open(os.path.join(pLogDir, "xvfb.log"), "ab") as log:
            self.process = subprocess.Popen(
                ["Xvfb", "-screen", "0", f"{WIDTH}x{HEIGHT}x24", "-nolisten", "tcp", "-noreset",
                 "-displayfd", str(writeEnd)], stdout=log, stderr=log, pass_fds=(writeEnd,))
        os.close(writeEnd)
        # Told once the server takes clients.
        with os.fdopen(readEnd) as pipe:
            self.name = ":" + pipe.readline().strip()

    def environment(self):
        return {"DISPLAY": self.name}

    def capture(self):
        return Shot(WIDTH, HEIGHT, subprocess.run(
            ["import", "-display", self.name, "-window", "root", "-depth", "8", "rgb:-"],
            capture_output=True, check=True, timeout=20).stdout)

    def stop(self):
        stop(self.process)


class Scenario:
    """The program on a display of its own, with data folders of its own."""

    def __init__(self, pProgram, pShotsDir):
        self.program, self.shotsDir, self.shots = os.path.abspath(pProgram), pShotsDir, 0
        self.process = self.display = None
        shutil.rmtree(pShotsDir, ignore_errors=True)
        os.makedirs(pShotsDir)
        self.root = tempfile.mkdtemp(prefix="tovimar-e2e-")
        self.listFile = f"{self.root}/home/.local/share/Velmora/Tovimar/lists/demo-list.kpl"

    def close(self):
        if self.process is not None:
            stop(self.process)
        if self.display is not None:
            self.display.stop()
        shutil.rmtree(self.root, ignore_errors=True)

    def environment(self, pHome="home"):
        """Nothing of the caller's desktop: the data, cache and settings folders are the home's."""
        environment = {key: value for key, value in os.environ.items()
                       if not key.startswith(("QT_", "WAYLAND_", "XDG_", "DISPLAY"))}
        return dict(environment, **self.display.environment(), LANG="C.UTF-8",
                    HOME=os.path.join(self.root, pHome), XDG_RUNTIME_DIR=self.root)

    def launch(self, pCommand=None, pHome="home", **pEnvironment):
        """The program, or the command given; the environment adds such as switches of Qt's own."""
        with open(os.path.join(self.shotsDir, "program.log"), "ab") as log:
            return subprocess.Popen(pCommand or [self.program], stdout=log, stderr=log,
                                    env=dict(self.environment(pHome), **pEnvironment),
                                    stdin=subprocess.DEVNULL, cwd=self.root)

    def start_main_screen(self, pHome="home", **pEnvironment):
        self.process = self.launch(None, pHome, **pEnvironment)
        return self.save("main screen", self.wait(lambda shot: shot.fills(self.blank),
                                                  "a first frame filling the screen", 30))

    def xdotool(self, *pArguments):
        return subprocess.run(["xdotool", *map(str, pArguments)], env=self.environment(),
                              capture_output=True, text=True, timeout=20).stdout

    def window(self, pTitle, pShown=True):  # the window once it is shown, or once it is gone
        def look():
            found = self.xdotool("search", "--onlyvisible", "--name", f"^({pTitle})$").split()
            return (found[-1] if found else None) if pShown else not found
        found = until(look, f'the window "{pTitle}", {pShown=}')
        return found if pShown else None

    def answer(self, pTitle, pText=""):
        """Types into a dialog and presses Return; with no window manager, focus is given."""
        dialog = self.window(pTitle)
        while self.xdotool("getwindowfocus").strip() != dialog:
            self.xdotool("windowfocus", dialog)
        self.xdotool("type", "--delay", "25", pText)
        self.xdotool("key", "Return")
        self.window(pTitle, False)

    def tap(self, pPoint):  # a display that takes input itself, a kiosk's panel, taps
        if hasattr(self.display, "tap"):
            return self.display.tap(pPoint)
        self.xdotool("mousemove", *map(round, pPoint), "click", "1")

    def wait(self, pCondition=lambda shot: True, pWhat="rest", pTimeout=20):
        """The screen once it fulfils the condition and has not moved for five times the pause
        between the fades of a move. A blinking cursor changes fewer rows than a move."""
        deadline = time.monotonic() + pTimeout * SLOWER
        previous, quietSince = self.display.capture(), time.monotonic()
        while True:
            check(self.process.poll() is None, f"the program ended ({self.process.returncode})")
            current = self.display.capture()
            if sum(current.row(y) != previous.row(y) for y in range(HEIGHT)) > 40:
                quietSince = time.monotonic()
            elif time.monotonic() - quietSince >= 0.5 and pCondition(current):
                return current
            if time.monotonic() > deadline:
                raise Failed(f"not shown within {pTimeout} s: {pWhat} "
                             f"({self.save('not ' + pWhat, current).path})")
            previous = current

    def save(self, pLabel, pShot=None):  # a screenshot kept for a look, a numbered PPM picture
        shot, self.shots = pShot or self.display.capture(), self.shots + 1
        shot.path = os.path.join(self.shotsDir, f"{self.shots:02d}-{pLabel.replace(' ', '-')}.ppm")
        with open(shot.path, "wb") as file:
            file.write(b"P6 %d %d 255\n" % (shot.width, shot.height) + shot.pixels)
        return shot


def run(pScenario, pDisplayClass=XDisplay, pTools=()):
    """Arguments: program, folder for screenshots and logs, the scenario's; skips without tools."""
    program, shotsDir, *arguments = sys.argv[1:]
    scenario = Scenario(program, shotsDir)
    try:
        missing = [tool for tool in (*pDisplayClass.TOOLS, *pTools) if shutil.which(tool) is None]
        if missing:
            skip(f"{', '.join(missing)} not installed (scripts/install-deps.sh)")
        scenario.display = pDisplayClass(shotsDir)
        scenario.blank = getattr(scenario.display, "blank", None) or scenario.display.capture()
        pScenario(scenario, *arguments)
    except Failed as failure:
        sys.exit(f"FAIL: {failure}\nscreenshots and the program's output: {shotsDir}")
    finally:
        scenario.close()
    print(f"PASS; screenshots in {shotsDir}")
