"""The program as a Wayland client, as on a handheld's shell: sway headless (unprivileged: it
refuses root), the handheld's screen, no input devices, X server or borders. The first frame fills
the output (read with grim); a second start's activation token reaches the compositor; asked to close
by the compositor, the program ends with status 0."""

import os
import pwd
import re
import shutil
import subprocess
import tempfile
import time

import tovimar_e2e as e2e


class Compositor:
    TOOLS = ("sway", "swaymsg", "grim")

    def __init__(self, pLogDir):
        # In /tmp and owned by the compositor's user: a root run's own TMPDIR may be closed to it.
        self.runtimeDir = tempfile.mkdtemp(prefix="tovimar-sway-", dir="/tmp")
        config = os.path.join(self.runtimeDir, "config")
        with open(config, "w") as file:
            file.write(f"xwayland disable\noutput * mode {e2e.WIDTH}x{e2e.HEIGHT}\n"
                       "default_border none\n")
        command = ["sway", "--config", config]
        if os.getuid() == 0:
            user = pwd.getpwnam("nobody")
            for path in (self.runtimeDir, config):
                os.chown(path, user.pw_uid, user.pw_gid)
            command = ["setpriv", f"--reuid={user.pw_uid}", f"--regid={user.pw_gid}",
                       "--clear-groups", "--", *command]
        self.log = os.path.join(pLogDir, "sway.log")
        with open(self.log, "ab") as log:
            self.process = subprocess.Popen(
                command, stdout=log, stderr=log,
                env={"PATH": os.environ["PATH"], "HOME": self.runtimeDir,
                     "XDG_RUNTIME_DIR": self.runtimeDir, "WLR_BACKENDS": "headless",
                     "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_RENDERER": "pixman"})

    def socket(self, pPattern):
        names = [name for name in os.listdir(self.runtimeDir) if re.fullmatch(pPattern, name)]
        return os.path.join(self.runtimeDir, names[0]) if names else ""

    def environment(self):
        return {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": self.socket(r"wayland-\d+"),
                "SWAYSOCK": self.socket(r"sway-ipc\..*\.sock")}

    def capture(self):  # the output as grim shows it (a binary PPM), once the compositor offers it
        deadline = time.monotonic() + 20
        while (grim := subprocess.run(["grim", "-t", "ppm", "-"], env=self.environment(),
                                      capture_output=True, timeout=20)).returncode != 0:
            if self.process.poll() is not None:
                e2e.skip(f"sway cannot run here, see {self.log}")
            e2e.check(time.monotonic() < deadline, "sway offers no output")
            time.sleep(0.1)
        _, size, _, pixels = grim.stdout.split(b"\n", 3)
        return e2e.Shot(*map(int, size.split()), pixels)

    def stop(self):
        e2e.stop(self.process)
        shutil.rmtree(self.runtimeDir, ignore_errors=True)


def scenario(pScenario):
    blank = pScenario.blank
    e2e.check((blank.width, blank.height) == (e2e.WIDTH, e2e.HEIGHT),
              f"the output is {blank.width} x {blank.height}, not the handheld's screen")
    pScenario.start_main_screen(WAYLAND_DEBUG="client")
    # A second start hands the launcher's activation token to the running copy, which shows it
    # to the compositor as it comes forward.
    e2e.check(pScenario.launch(XDG_ACTIVATION_TOKEN="launcher-token").wait(20) == 0,
              "the second start failed")
    with open(os.path.join(pScenario.shotsDir, "program.log"), errors="replace") as log:
        e2e.until(lambda: 'activate("launcher-token"' in log.read(), "the token activating")
    subprocess.run(["swaymsg", f"[pid={pScenario.process.pid}]", "kill"], check=True,
                   env=dict(os.environ, **pScenario.display.environment()), timeout=20)
    status = pScenario.process.wait(20)
    e2e.check(status == 0, f"the program ended with status {status} when its window was closed")


if __name__ == "__main__":
    e2e.run(scenario, Compositor)
