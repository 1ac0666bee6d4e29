"""Drives the built program in a real X window on a virtual display.

Every scenario gets its own Xvfb display, its own data, cache and runtime folders, and a time
budget. The program is touched only through real input events (xdotool), its dialogs are
answered as a user would answer them, and what it shows is read from screenshots of the display.
"""

import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import traceback
import xml.etree.ElementTree as ElementTree
import zlib

SCREEN_WIDTH = 800
SCREEN_HEIGHT = 480
SKIP_EXIT_CODE = 77

WINDOW_TITLE = "Tovimar Lite"

# Colours of the interface, as the screens draw them.
HEADER_BLUE = (0x64, 0x75, 0x99)
CURRENT_HEADER_BLUE = (0xB4, 0xC5, 0xE9)
WINDOW_GREY = (0xFA, 0xFA, 0xFA)
WHITE = (0xFF, 0xFF, 0xFF)


# Where things are on the 800 x 480 screen. Every screen has a 70-high header; lists start
# below it after a spacing of 5 and have 70-high rows; the footer bar is the bottom 70 pixels.
HEADER_LEFT_BUTTON = (35, 35)
HEADER_RIGHT_BUTTON = (765, 35)
ROW_BUTTON_X = 765
FOOTER_Y = 445
MAIN_NEW_BUTTON = (200, FOOTER_Y)
MAIN_SETTINGS_BUTTON = (600, FOOTER_Y)
EDIT_CATEGORIES_BUTTON = (70, FOOTER_Y)
EDIT_NAME_INPUT = (435, FOOTER_Y)
CATEGORIES_NAME_INPUT = (365, FOOTER_Y)
CHECKOUT_OK_BUTTON = (400, 345)
DIALOG_DONE_BUTTON = (666, FOOTER_Y)
SETTINGS_DONE_BUTTON = (600, FOOTER_Y)
# The item dialog's two value selectors: seven wheels across the full width, the fourth digit
# followed by a 10-wide decimal point.
AMOUNT_WHEELS_BOTTOM = 145
PRICE_WHEELS_BOTTOM = 250
DIGIT_WHEEL_WIDTH = 790 / 7
# The settings screen's two wheels: 80-high frames.
LANGUAGE_WHEEL_BOTTOM = 195
CURRENCY_WHEEL_BOTTOM = 325
WHEEL_ENTRY_HEIGHT = 60


def row_centre(pRow):
    return 75 + 35 + 70 * pRow


def wheel_centre(pWheel):
    """The x of the middle of wheel 1 to 7 of a full-width value selector."""
    left = (pWheel - 1) * DIGIT_WHEEL_WIDTH + (10 if pWheel > 4 else 0)
    return round(left + DIGIT_WHEEL_WIDTH / 2)


class ScenarioFailed(Exception):
    pass


class ScenarioSkipped(Exception):
    pass


class TimeBudgetExceeded(Exception):
    pass


def check(condition, message):
    if not condition:
        raise ScenarioFailed(message)


def close_colour(pColour, pExpected, pTolerance=12):
    return all(abs(a - b) <= pTolerance for a, b in zip(pColour, pExpected))


def blue(pColour):
    return close_colour(pColour, HEADER_BLUE, 20)


def screen_of(pShot):
    """Which screen a resting screenshot shows, told apart by a few pixels of each layout."""
    if max(pShot.pixel(100, 250)) < 90:
        # Darkened: a menu, or the checkout box whose white body is 400 wide.
        return "checkout" if pShot.pixel(205, 250) == WHITE else "menu"
    if not blue(pShot.pixel(400, 20)):
        return None
    if close_colour(pShot.pixel(400, 60), WINDOW_GREY):
        return "item dialog"
    if min(pShot.pixel(35, 40)) > 200:
        if not blue(pShot.pixel(3, 440)):
            return "categories"
        return "shop" if blue(pShot.pixel(435, 440)) else "edit"
    return "settings" if blue(pShot.pixel(20, 150)) else "main"


def has_text(pShot, pLeft, pTop, pRight, pBottom):
    return bool(pShot.dark_columns(pLeft, pTop, pRight, pBottom))


def text_lines(pShot, pLeft, pTop, pRight, pBottom, pLimit=128):
    """The number of separate runs of pixel rows in the box that hold dark pixels."""
    lines = 0
    inLine = False
    for y in range(pTop, pBottom):
        dark = any(max(pShot.pixel(x, y)) < pLimit for x in range(pLeft, pRight))
        if dark and not inLine:
            lines += 1
        inLine = dark
    return lines


# --- files -------------------------------------------------------------------------------------

def read_compressed_xml(pPath):
    """The program's compressed file form: 4-byte big-endian length, then a zlib stream."""
    with open(pPath, "rb") as file:
        data = file.read()
    check(len(data) > 4, f"{pPath} is too short for the compressed form ({len(data)} bytes)")
    (length,) = struct.unpack(">I", data[:4])
    document = zlib.decompress(data[4:])
    check(len(document) == length,
          f"{pPath}: the length prefix says {length} bytes, the stream holds {len(document)}")
    return ElementTree.fromstring(document)


def compressed_xml_bytes(pDocument):
    data = pDocument.encode("utf-8")
    return struct.pack(">I", len(data)) + zlib.compress(data, 9)


def write_file(pPath, pData):
    os.makedirs(os.path.dirname(pPath), exist_ok=True)
    with open(pPath, "wb") as file:
        file.write(pData)


def read_file(pPath):
    with open(pPath, "rb") as file:
        return file.read()


# --- screenshots -------------------------------------------------------------------------------

class Screenshot:
    """An RGB picture of the whole display."""

    def __init__(self, pWidth, pHeight, pPixels):
        self.width = pWidth
        self.height = pHeight
        self.pixels = pPixels

    def pixel(self, pX, pY):
        offset = (pY * self.width + pX) * 3
        return tuple(self.pixels[offset:offset + 3])

    def row(self, pY, pLeft=0, pRight=None):
        right = self.width if pRight is None else pRight
        start = (pY * self.width + pLeft) * 3
        return self.pixels[start:start + (right - pLeft) * 3]

    def region(self, pLeft, pTop, pRight, pBottom):
        return b"".join(self.row(y, pLeft, pRight) for y in range(pTop, pBottom))

    def differing_rows(self, pOther, pLeft=0, pTop=0, pRight=None, pBottom=None):
        bottom = self.height if pBottom is None else pBottom
        return sum(1 for y in range(pTop, bottom)
                   if self.row(y, pLeft, pRight) != pOther.row(y, pLeft, pRight))

    def differing_pixels(self, pOther, pLeft, pTop, pRight, pBottom, pThreshold=40):
        """Pixels of the box whose colour differs by more than the threshold in a channel."""
        mine = self.region(pLeft, pTop, pRight, pBottom)
        theirs = pOther.region(pLeft, pTop, pRight, pBottom)
        if mine == theirs:
            return 0
        return sum(1 for offset in range(0, len(mine), 3)
                   if max(abs(mine[offset + c] - theirs[offset + c]) for c in range(3))
                   > pThreshold)

    def same_region(self, pOther, pLeft, pTop, pRight, pBottom):
        """The box shows the same: text may be smoothed a shade differently from run to run
        (a frame drawn at the end of a fade against a first frame), but not more."""
        return self.differing_pixels(pOther, pLeft, pTop, pRight, pBottom) <= 10

    def dark_columns(self, pLeft, pTop, pRight, pBottom, pLimit=128):
        """The x of every column in the box that holds a dark (text) pixel."""
        columns = []
        for x in range(pLeft, pRight):
            if any(max(self.pixel(x, y)) < pLimit for y in range(pTop, pBottom)):
                columns.append(x)
        return columns

    def save_png(self, pPath):
        subprocess.run(["convert", "-size", f"{self.width}x{self.height}", "-depth", "8",
                        "rgb:-", pPath], input=self.pixels, check=True, timeout=10)


# --- the virtual display -----------------------------------------------------------------------

class VirtualDisplay:
    """An Xvfb server of its own, 800 x 480, 24 bits, on a display number it picks itself."""

    def __init__(self, pLogPath):
        self.number = None
        self.process = None
        self.logPath = pLogPath

    def start(self):
        # Given no number, Xvfb takes a free one and writes it to the pipe once it accepts
        # clients.
        readEnd, writeEnd = os.pipe()
        with open(self.logPath, "ab") as log:
            self.process = subprocess.Popen(
                ["Xvfb", "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-nolisten",
                 "tcp", "-noreset", "-displayfd", str(writeEnd)],
                stdout=log, stderr=log, pass_fds=(writeEnd,), start_new_session=True)
        os.close(writeEnd)
        with os.fdopen(readEnd, "rb") as pipe:
            answer = pipe.readline().strip()
        if not answer.isdigit():
            self.stop()
            raise ScenarioFailed(f"Xvfb did not start; see {self.logPath}")
        self.number = int(answer)

    def stop(self):
        if self.process is None:
            return
        stop_process(self.process)
        self.process = None

    @property
    def name(self):
        return f":{self.number}"


def stop_process(pProcess, pGrace=3):
    if pProcess.poll() is None:
        pProcess.terminate()
        try:
            pProcess.wait(pGrace)
        except subprocess.TimeoutExpired:
            pProcess.kill()
            pProcess.wait(pGrace)


# --- one scenario ------------------------------------------------------------------------------

class Scenario:
    """The program on a display of its own, with its own data folder, driven by real input."""

    # The programs that run the display and drive the program on it.
    TOOLS = ("Xvfb", "xdotool", "import")

    def __init__(self, pName, pProgram, pShotsDir):
        self.name = pName
        self.program = os.path.abspath(pProgram)
        self.root = tempfile.mkdtemp(prefix=f"tovimar-e2e-{pName}-")
        self.dataHome = os.path.join(self.root, "data-home")
        self.shotsDir = pShotsDir
        self.shotNumber = 0
        self.lastShotPath = None
        self.process = None
        self.programLog = os.path.join(pShotsDir, "program.log")
        self.display = VirtualDisplay(os.path.join(pShotsDir, "xvfb.log"))
        shutil.rmtree(pShotsDir, ignore_errors=True)
        os.makedirs(pShotsDir)
        for folder in ("data-home", "cache", "config", "runtime", "home"):
            os.makedirs(os.path.join(self.root, folder), mode=0o700)

    # Paths of the program's files.
    @property
    def appDataDir(self):
        return os.path.join(self.dataHome, "Velmora", "Tovimar")

    @property
    def listFile(self):
        return os.path.join(self.appDataDir, "lists", "demo-list.kpl")

    @property
    def configFile(self):
        return os.path.join(self.appDataDir, "data", "config.db")

    def catalogueFile(self, pLanguageCode="en"):
        return os.path.join(self.appDataDir, "data", f"categories_{pLanguageCode}.db")

    def installedCatalogueFile(self, pLanguageCode="en"):
        return os.path.join(os.path.dirname(os.path.realpath(self.program)), "data",
                            f"categories_{pLanguageCode}.db")

    def environment(self):
        environment = {key: value for key, value in os.environ.items()
                       if not key.startswith(("QT_", "WAYLAND_", "XDG_"))}
        environment.update({
            "DISPLAY": self.display.name,
            "HOME": os.path.join(self.root, "home"),
            "XDG_DATA_HOME": self.dataHome,
            "XDG_CACHE_HOME": os.path.join(self.root, "cache"),
            "XDG_CONFIG_HOME": os.path.join(self.root, "config"),
            "XDG_RUNTIME_DIR": os.path.join(self.root, "runtime"),
            "LANG": "C.UTF-8",
        })
        return environment

    # Lifetime.
    def __enter__(self):
        try:
            self.display.start()
        except BaseException:
            self.display.stop()
            shutil.rmtree(self.root, ignore_errors=True)
            raise
        self.log(f"display {self.display.name}, data in {self.dataHome}")
        return self

    def __exit__(self, pType, pValue, pTraceback):
        if pType is not None and self.display.process is not None:
            try:
                self.shot("failure")
            except Exception:  # the picture of a failure is a help, not a requirement
                pass
        self.stop_program()
        self.display.stop()
        shutil.rmtree(self.root, ignore_errors=True)
        return False

    def log(self, pText):
        print(f"[{self.name}] {pText}", flush=True)

    # The program.
    def start_program(self):
        check(self.process is None, "the program is running already")
        log = open(self.programLog, "ab")
        log.write(f"--- start at {time.strftime('%H:%M:%S')}\n".encode())
        log.flush()
        self.process = subprocess.Popen([self.program], env=self.environment(), stdout=log,
                                        stderr=log, stdin=subprocess.DEVNULL,
                                        cwd=self.root, start_new_session=True)
        log.close()

    def start_program_window(self):
        """Starts the program and waits for its first frame of the main screen."""
        self.start_program()
        window = self.wait_window(WINDOW_TITLE, 20)
        geometry = self.window_geometry(window)
        check(geometry == (0, 0, SCREEN_WIDTH, SCREEN_HEIGHT),
              f"the window does not fill the 800 x 480 screen: {geometry}")
        self.wait_screen(lambda shot: close_colour(shot.pixel(400, 50), HEADER_BLUE),
                         "the main screen's first frame")
        return window

    def stop_program(self):
        if self.process is not None:
            stop_process(self.process)
            self.process = None

    def wait_exit(self, pTimeout):
        try:
            status = self.process.wait(pTimeout)
        except subprocess.TimeoutExpired:
            raise ScenarioFailed(f"the program did not end within {pTimeout} s")
        self.process = None
        return status

    def check_running(self):
        check(self.process is not None and self.process.poll() is None,
              f"the program ended unexpectedly (status "
              f"{None if self.process is None else self.process.returncode}); "
              f"see {self.programLog}")

    # Input and windows.
    def xdotool(self, *pArguments, pTimeout=10):
        try:
            result = subprocess.run(["xdotool", *map(str, pArguments)], env=self.environment(),
                                    capture_output=True, text=True, timeout=pTimeout)
        except subprocess.TimeoutExpired:
            raise ScenarioFailed(f"xdotool {' '.join(map(str, pArguments))} hung")
        return result.stdout

    def find_windows(self, pTitle):
        output = self.xdotool("search", "--onlyvisible", "--name", f"^({pTitle})$")
        return [line for line in output.split() if line.isdigit()]

    def wait_window(self, pTitle, pTimeout=10):
        deadline = time.monotonic() + pTimeout
        while time.monotonic() < deadline:
            windows = self.find_windows(pTitle)
            if windows:
                return windows[-1]
            self.check_running()
            time.sleep(0.1)
        raise ScenarioFailed(f'no window titled "{pTitle}" within {pTimeout} s')

    def wait_window_gone(self, pTitle, pTimeout=5):
        deadline = time.monotonic() + pTimeout
        while time.monotonic() < deadline:
            if not self.find_windows(pTitle):
                return
            time.sleep(0.1)
        raise ScenarioFailed(f'the window "{pTitle}" is still shown after {pTimeout} s')

    def focus(self, pWindow):
        """Gives the window the keyboard focus (there is no window manager to do it)."""
        deadline = time.monotonic() + 3
        while time.monotonic() < deadline:
            self.xdotool("windowfocus", pWindow)
            if self.xdotool("getwindowfocus").strip() == pWindow:
                return
            time.sleep(0.1)
        raise ScenarioFailed(f"window {pWindow} does not take the keyboard focus")

    def tap(self, pX, pY):
        self.check_running()
        # No --sync: it waits for a pointer motion that never comes when the pointer is there
        # already.
        self.xdotool("mousemove", pX, pY, "click", "1")

    def drag_up(self, pX, pY, pDistance):
        """A slow drag that ends at rest, so that a wheel snaps without being flicked."""
        self.check_running()
        steps = ["mousemove", pX, pY, "mousedown", "1"]
        for moved in range(6, pDistance + 1, 6):
            steps += ["sleep", "0.01", "mousemove", pX, pY - moved]
        steps += ["mousemove", pX, pY - pDistance, "sleep", "0.2", "mouseup", "1"]
        self.xdotool(*steps)

    def turn_wheel(self, pX, pBottom, pEntries):
        """Turns a wheel on by a number of entries, dragging it up as far as the screen allows.

        A drag only moves the wheel once it has passed the drag threshold, so each drag goes
        that far beyond the entries it turns; the wheel then snaps to the nearest entry.
        """
        start = pBottom - 5
        perDrag = min(3, (start - 16) // WHEEL_ENTRY_HEIGHT)
        left = pEntries
        while left > 0:
            if left < pEntries:
                self.settle()  # a wheel still snapping would be caught by the next press
            entries = min(perDrag, left)
            self.drag_up(pX, start, entries * WHEEL_ENTRY_HEIGHT + 12)
            left -= entries

    def type_text(self, pText):
        self.xdotool("type", "--delay", "25", pText)

    def key(self, pKey):
        self.xdotool("key", pKey)

    def answer_text_dialog(self, pTitle, pText):
        """Types into the program's text input dialog and confirms it with Return."""
        dialog = self.wait_window(pTitle)
        self.focus(dialog)
        time.sleep(0.1)
        self.shot(f"dialog {pTitle}")
        self.type_text(pText)
        self.key("Return")
        self.wait_window_gone(pTitle)

    def window_geometry(self, pWindow):
        """Left, top, width and height of a top-level window."""
        output = self.xdotool("getwindowgeometry", pWindow)
        position = re.search(r"Position: (-?\d+),(-?\d+)", output)
        size = re.search(r"Geometry: (\d+)x(\d+)", output)
        check(position and size, f"no geometry for window {pWindow}:\n{output}")
        return tuple(int(v) for v in position.groups() + size.groups())

    def has_window(self, pTitle):
        return bool(self.find_windows(pTitle))

    # Screenshots.
    def screenshot(self):
        try:
            result = subprocess.run(["import", "-display", self.display.name, "-window", "root",
                                     "-depth", "8", "rgb:-"],
                                    capture_output=True, timeout=10)
        except subprocess.TimeoutExpired:
            raise ScenarioFailed("taking a screenshot hung")
        check(result.returncode == 0
              and len(result.stdout) == SCREEN_WIDTH * SCREEN_HEIGHT * 3,
              f"import failed: {result.stderr.decode(errors='replace')}")
        return Screenshot(SCREEN_WIDTH, SCREEN_HEIGHT, result.stdout)

    def shot(self, pLabel, pScreenshot=None):
        """Saves a screenshot under a numbered name and returns it."""
        screenshot = pScreenshot or self.screenshot()
        self.shotNumber += 1
        safe = "".join(c if c.isalnum() else "-" for c in pLabel).strip("-")
        self.lastShotPath = os.path.join(self.shotsDir, f"{self.shotNumber:02d}-{safe}.png")
        screenshot.save_png(self.lastShotPath)
        return screenshot

    def settle(self, pTimeout=5, pQuiet=0.3):
        """Waits until the screen stops moving (fades, row and wheel animations).

        A blinking text cursor changes a few dozen rows; anything moving changes more. The
        longest still moment within a move is the 100 ms pause between two fades.
        """
        time.sleep(0.05)
        deadline = time.monotonic() + pTimeout
        previous = self.screenshot()
        quietSince = time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.08)
            current = self.screenshot()
            if current.differing_rows(previous) > 40:
                quietSince = time.monotonic()
            elif time.monotonic() - quietSince >= pQuiet:
                return current
            previous = current
        raise ScenarioFailed(f"the screen did not come to rest within {pTimeout} s")

    def wait_screen(self, pCondition, pWhat, pTimeout=8):
        """Waits until the screen rests on a picture that fulfils the condition."""
        deadline = time.monotonic() + pTimeout
        while True:
            self.check_running()
            screenshot = self.settle()
            if pCondition(screenshot):
                return screenshot
            if time.monotonic() > deadline:
                self.shot(f"not {pWhat}", screenshot)
                raise ScenarioFailed(f"{pWhat}: not shown within {pTimeout} s "
                                     f"(screenshot {self.lastShotPath})")

    def wait_for(self, pScreen, pTimeout=8):
        """Waits until the named screen (see screen_of) rests on the display."""
        return self.wait_screen(lambda shot: screen_of(shot) == pScreen,
                                f"the {pScreen} screen", pTimeout)


# --- running a scenario ------------------------------------------------------------------------

def run(pScenarioFunction, pTimeBudget=90, pScenarioClass=Scenario):
    """The test's entry: arguments are the program and the folder for screenshots and logs."""
    if len(sys.argv) < 3:
        print(f"usage: {sys.argv[0]} PROGRAM SHOTS_DIR [VARIANT]", file=sys.stderr)
        sys.exit(2)
    program, shotsDir = sys.argv[1], sys.argv[2]
    variant = sys.argv[3] if len(sys.argv) > 3 else None
    for tool in pScenarioClass.TOOLS:
        if shutil.which(tool) is None:
            print(f"SKIP: {tool} is not installed (scripts/install-deps.sh installs it)")
            sys.exit(SKIP_EXIT_CODE)

    def out_of_time(pSignal, pFrame):
        raise TimeBudgetExceeded(f"the scenario took longer than {pTimeBudget} s")

    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(pTimeBudget)
    started = time.monotonic()
    name = os.path.basename(shotsDir.rstrip("/"))
    try:
        with pScenarioClass(name, program, shotsDir) as scenario:
            pScenarioFunction(scenario, variant) if variant else pScenarioFunction(scenario)
    except ScenarioSkipped as skipped:
        print(f"SKIP: {skipped}")
        sys.exit(SKIP_EXIT_CODE)
    except (ScenarioFailed, TimeBudgetExceeded) as failure:
        print(f"FAIL: {failure}")
        print(f"screenshots and the program's output: {shotsDir}")
        print_program_log(shotsDir)
        sys.exit(1)
    except Exception:
        traceback.print_exc()
        print(f"screenshots and the program's output: {shotsDir}")
        sys.exit(1)
    finally:
        signal.alarm(0)
    print(f"PASS in {time.monotonic() - started:.1f} s; screenshots in {shotsDir}")


def program_log_lines(pShotsDir):
    path = os.path.join(pShotsDir, "program.log")
    if not os.path.exists(path):
        return []
    with open(path, errors="replace") as log:
        return log.read().splitlines()


def print_program_log(pShotsDir):
    lines = program_log_lines(pShotsDir)
    if lines:
        print("last lines of the program's output:")
        print("\n".join("  " + line for line in lines[-20:]))
