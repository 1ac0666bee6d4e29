"""The shells of handhelds: a kiosk's panel (Qt's vnc platform, with the screen code of eglfs and
linuxfb; this is its RFB client), Phosh and Plasma Mobile. Keys are found as the keyboard draws."""

import itertools
import os
import shutil
import socket
import struct
import subprocess
import tempfile
import time

import tovimar_e2e as e2e

LETTERS = {"en": ("qwertyuiop", "asdfghjkl", "zxcvbnm"),
           "ru": ("йцукенгшщзх", "фывапролджэ", "ячсмитьбю")}


def key_rows(pShot, pCount):
    """The keyboard's lowest rows, each key as (x, y, width, height): a row is a band of lines a
    quarter off the ground (the last line's colour), a key columns off it in most of its lines."""
    ground, rows, y = pShot.row(pShot.height - 1, 0, 1), [], pShot.height - 1
    while len(rows) < pCount and y >= 0:
        lines = []
        while y >= 0 and 4 * sum(off := [pixel != ground for pixel in map(
                bytes, zip(*[iter(pShot.row(y))] * 3))]) > pShot.width:
            lines.append(off)
            y -= 1
        keys, x = [], 0
        for isKey, run in itertools.groupby(2 * sum(pixels) > len(lines) for pixels in zip(*lines)):
            width = len(list(run))
            keys += [(x, y + 1, width, len(lines))] if isKey else []
            x += width
        rows[:0] = [keys] if keys else []
        y -= 1
    return rows


def letter_keys(pShot, pLetters):
    """Each letter's key, and Enter's ("\\n", the last), once the rows hold the letters, between
    one other key at each end at most (Shift, Backspace)."""
    rows = key_rows(pShot, len(pLetters) + 1)
    found = {"\n": rows[-1][-1]} if len(rows) > len(pLetters) else None
    for letters, row in zip(pLetters, rows if found else []):
        if len(row) - len(letters) not in (0, 2):
            return None
        found.update(zip(letters, row[(len(row) - len(letters)) // 2:]))
    return found


def type_keys(pScenario, pText, pLetters):
    """Taps the text's keys once the keyboard rests showing them."""
    keys = letter_keys(pScenario.wait(lambda shot: letter_keys(shot, pLetters), "the keys"),
                       pLetters)
    for character in pText:
        pScenario.tap(e2e.centre(keys[character]))
        time.sleep(0.1)


class Kiosk:
    """The program's screen over RFB, black while nothing listens. Qt's server speaks RFB 3.3 and
    answers once told the encoding and the pixel format: 32 bits as B, G, R, whatever is asked."""

    TOOLS = ()

    def __init__(self, pLogDir):
        with socket.create_server(("127.0.0.1", 0)) as probe:  # a port free now, for the program
            self.port = probe.getsockname()[1]
        self.socket = None

    def environment(self):
        return {"QT_QPA_PLATFORM": f"vnc:size={e2e.WIDTH}x{e2e.HEIGHT}:port={self.port}"}

    def read(self, pSize):
        data = self.stream.read(pSize)
        e2e.check(len(data) == pSize, "the program closed the RFB connection")
        return data

    def capture(self):
        try:
            if not self.socket:  # RFB 3.3, no password, the size is ours, a name; then raw pixels
                self.socket = socket.create_connection(("127.0.0.1", self.port), 20 * e2e.SLOWER)
                self.stream = self.socket.makefile("rb")
                self.read(12)
                self.socket.sendall(b"RFB 003.003\n")
                self.read(4)
                self.socket.sendall(b"\1")
                self.read(struct.unpack(">20xI", self.read(24))[0])
                self.socket.sendall(struct.pack(">4x4B3H3B3xBxHi", 32, 24, 0, 1, 255, 255, 255,
                                                16, 8, 0, 2, 1, 0))
            self.socket.sendall(struct.pack(">BBHHHH", 3, 0, 0, 0, e2e.WIDTH, e2e.HEIGHT))
            frame = self.read(16 + e2e.WIDTH * e2e.HEIGHT * 4)[16:]
        except OSError:  # not listening yet
            self.stop()
            return e2e.Shot(e2e.WIDTH, e2e.HEIGHT, bytes(e2e.WIDTH * e2e.HEIGHT * 3))
        pixels = bytearray(e2e.WIDTH * e2e.HEIGHT * 3)
        pixels[0::3], pixels[1::3], pixels[2::3] = frame[2::4], frame[1::4], frame[0::4]
        time.sleep(0.04)  # asked for without a pause while the screen rests
        return e2e.Shot(e2e.WIDTH, e2e.HEIGHT, bytes(pixels))

    def tap(self, pPoint):
        for buttons in (1, 0):
            self.socket.sendall(struct.pack(">BBHH", 5, buttons, *map(round, pPoint)))
            time.sleep(0.05)

    def stop(self):
        self.socket = self.socket and self.socket.close()


class Session(e2e.XDisplay):
    """Xvfb with session and accessibility buses of their own, for the test, the program and the
    shell, which runs unprivileged (wlroots refuses root) in a window where xdotool taps."""

    TOOLS = (*e2e.XDisplay.TOOLS, "dbus-daemon", "gdbus", "gsettings")

    def __init__(self, pLogDir):
        super().__init__(pLogDir)
        self.folder, self.processes = tempfile.mkdtemp(dir="/tmp"), []
        self.log, bus = open(os.path.join(pLogDir, "shell.log"), "ab"), f"{self.folder}/bus"
        self.user = e2e.unprivileged(self.folder)
        self.helpers = {"PATH": os.environ["PATH"], "HOME": self.folder, "DISPLAY": self.name,
                        "XDG_RUNTIME_DIR": self.folder,
                        "DBUS_SESSION_BUS_ADDRESS": f"unix:path={bus}"}
        self.write("bus.conf", "<busconfig><include>/usr/share/dbus-1/session.conf</include>"
                   '<policy context="default"><allow user="root"/></policy></busconfig>')
        self.start("dbus-daemon", "--nofork", f"--config-file={self.folder}/bus.conf",
                   f"--address={self.helpers['DBUS_SESSION_BUS_ADDRESS']}")
        e2e.until(lambda: os.path.exists(bus), "the session bus")
        os.environ.update(DISPLAY=self.name, DBUS_SESSION_BUS_ADDRESS=f"unix:path={bus}")
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        self.start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")  # before Qt looks
        e2e.until(lambda: "true" in self.call("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                              "org.freedesktop.DBus.NameHasOwner", "org.a11y.Bus"),
                  "the accessibility bus")

    def write(self, pName, pText):
        os.makedirs(os.path.dirname(path := os.path.join(self.folder, pName)), exist_ok=True)
        with open(path, "w") as file:
            file.write(pText)

    def start(self, *pCommand, **pEnvironment):
        self.processes.append(subprocess.Popen(
            [*self.user, *pCommand], stdout=self.log, stderr=self.log, stdin=subprocess.DEVNULL,
            env=dict(self.helpers, **pEnvironment)))
        return self.processes[-1]

    def run(self, *pCommand):
        return subprocess.run([*self.user, *pCommand], env=self.helpers, capture_output=True,
                              text=True, timeout=20).stdout

    def call(self, pService, pPath, pMethod, *pArguments):
        return self.run("gdbus", "call", "--session", "--dest", pService, "--object-path", pPath,
                        "--method", pMethod, *pArguments)

    def keyboard_shown(self):
        """Whether the shell's keyboard shows, by its own word; None while it is not on the bus."""
        reply = self.call(*self.KEYBOARD[:2], "org.freedesktop.DBus.Properties.Get",
                          *self.KEYBOARD[2:])
        return "true" in reply if reply else None

    def environment(self):
        """Without Qt's title bar the window, and its tree's places, start at the corner."""
        return {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": f"{self.folder}/wayland-0",
                "DBUS_SESSION_BUS_ADDRESS": self.helpers["DBUS_SESSION_BUS_ADDRESS"],
                "DISPLAY": self.name, "QT_WAYLAND_DISABLE_WINDOWDECORATION": "1"}

    def stop(self):
        for process in reversed(self.processes):
            e2e.stop(process)
        self.log.close()
        shutil.rmtree(self.folder, ignore_errors=True)
        super().stop()


class Phosh(Session):
    """phoc on wlroots' X11 back end (the headless one has no seat for squeekboard)."""

    TOOLS = (*Session.TOOLS, "phoc", "squeekboard")
    KEYBOARD = ("sm.puri.OSK0", "/sm/puri/OSK0", "sm.puri.OSK0", "Visible")

    def __init__(self, pLogDir):
        super().__init__(pLogDir)
        self.write("phoc.ini", f"[core]\nxwayland = false\n[output:X11-1]\n"
                   f"mode = {e2e.WIDTH}x{e2e.HEIGHT}\nscale = 1\n")
        self.run("gsettings", "set", "org.gnome.desktop.a11y.applications",
                 "screen-keyboard-enabled", "true")
        self.language("en")
        self.start("phoc", "-C", f"{self.folder}/phoc.ini", WLR_BACKENDS="x11",
                   WLR_RENDERER="pixman")
        e2e.until(lambda: os.path.exists(f"{self.folder}/wayland-0"), "phoc")
        self.blank = self.capture()  # before squeekboard, which shows for a blink as it starts
        self.start("squeekboard")

    def language(self, pCode):
        self.letters = LETTERS[pCode]
        layout = {"en": "us"}.get(pCode, pCode)
        self.run("gsettings", "set", "org.gnome.desktop.input-sources", "sources",
                 f"[('xkb', '{layout}')]")



class Plasma(Session):
    """KWin, drawing with QPainter, with maliit, which it shows as a field asks through text-input
    after touch input (KWIN_IM_SHOW_ALWAYS stands in for a touch screen)."""

    TOOLS = (*Session.TOOLS, "kwin_wayland", "maliit-keyboard")
    KEYBOARD = ("org.kde.KWin", "/VirtualKeyboard", "org.kde.kwin.VirtualKeyboard", "visible")

    def __init__(self, pLogDir):
        super().__init__(pLogDir)
        self.helpers.update(GSETTINGS_BACKEND="keyfile", KWIN_IM_SHOW_ALWAYS="1", KWIN_COMPOSE="Q")
        self.language("en")
        kwin = shutil.which("kwin_wayland")
        try:
            subprocess.run([kwin, "--help"], capture_output=True, timeout=20)
        except PermissionError:
            # A container refuses its file capability; a copy has none (shutil.copy drops it).
            kwin = shutil.copy(kwin, self.folder)
        self.kwin = self.start(kwin, "--x11-display", self.name, "--width", str(e2e.WIDTH),
                               "--height", str(e2e.HEIGHT), "--no-lockscreen", "--inputmethod",
                               "maliit-keyboard")
        e2e.until(lambda: self.kwin.poll() is not None or self.keyboard_shown() is not None,
                  "KWin")
        if self.kwin.poll() is not None:
            self.stop()
            e2e.skip(f"kwin_wayland cannot run here ({self.kwin.returncode})")

    def language(self, pCode):
        """maliit's layout, taken up as its file changes; no guessed words, capitals or sounds."""
        self.letters = ("йцукенгшщзхъ", *LETTERS["ru"][1:]) if pCode == "ru" else LETTERS["en"]
        self.write(".config/glib-2.0/settings/keyfile",
                   f"[org/maliit/keyboard/maliit]\nactive-language='{pCode}'\n"
                   "enabled-languages=['en', 'ru']\npredictive-text=false\nauto-completion=false\n"
                   "auto-capitalization=false\nspell-checking=false\nkey-press-feedback=false\n"
                   "key-press-haptic-feedback=false\n")
