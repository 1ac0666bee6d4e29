"""The program's accessibility tree (AT-SPI) as a screen reader reads it, on a session bus of its
own: what a real-window scenario taps is found there by role and name."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import tovimar_e2e as e2e

# What a user works needs a name (a wheel's is the entry it shows, which may be blank: no unit).
CONTROLS = {"push button", "menu item", "list item", "text", "dialog"}


class Tree:
    """The program's part of the tree, read afresh at each look."""

    def __init__(self, pScenario):
        import pyatspi
        from gi.repository import GLib
        self.atspi, self.gone, self.scenario, self.counts = pyatspi, GLib.GError, pScenario, {}
        # A call the program has not answered within the library's 0.8 s fails the whole look,
        # and the next look queues behind the calls it still owes: an emulated program under load
        # never catches up. How long a look may take is the waits' to say, not the call's.
        pyatspi.setTimeout(5000 * e2e.SLOWER, 15000 * e2e.SLOWER)
        self.application = self.until(lambda: next(
            (application for application in pyatspi.Registry.getDesktop(0)
             if application and application.get_process_id() == pScenario.process.pid), None),
            "the program")

    def until(self, pLook, pWhat):
        """What the look finds; failing that, what the tree and the screen showed instead."""
        try:
            return e2e.until(lambda: self.look(pLook), f"in the tree: {pWhat}")
        except e2e.Failed as failure:
            shown = getattr(self, "application", None) and self.look(lambda: [
                (node.getRoleName(), node.name) for node in self.shown()])
            shot = self.scenario.save("not " + pWhat.replace('"', ""))
            raise e2e.Failed(f"{failure}; shown instead: {shown} ({shot.path})") from None

    def look(self, pLook):
        """What the look finds; nothing yet where an accessible went while it was read."""
        try:
            return pLook()
        except self.gone:
            return None

    def shown(self, pNode=None):
        """Every accessible that shows, in reading order; a hidden one hides its children."""
        for child in pNode or self.application:
            if child and child.getState().contains(self.atspi.STATE_SHOWING):
                yield child
                yield from self.shown(child)

    def find(self, pRole, pName=None, pWithin=None):
        """The first shown accessible of the role whose name is or starts with the name given."""
        return self.until(lambda: next(
            (node for node in self.shown(pWithin) if node.getRoleName() == pRole
             and node.name.startswith(pName or "")), None), f'{pRole} "{pName}"')

    def rectangle(self, pNode):
        extents = pNode.queryComponent().getExtents(self.atspi.DESKTOP_COORDS)
        return extents.x, extents.y, extents.width, extents.height

    def tap(self, pRole, pName, pWithin=None):
        """Once the window rests, as a user waits for a move to end."""
        self.scenario.wait()
        self.scenario.tap(e2e.centre(self.rectangle(self.find(pRole, pName, pWithin))))

    def answer(self, pTitle, pText):
        """Types into the window's prompt, whose field has the focus as it opens; Return."""
        field, _, _ = (self.find(role, name, self.find("dialog", pTitle)) for role, name in
                       (("text", None), ("push button", "OK"), ("push button", "Cancel")))
        self.scenario.xdotool("type", "--delay", "25", pText)
        self.until(lambda: field.queryText().getText(0, -1) == pText, f'"{pText}" typed')
        self.scenario.xdotool("key", "Return")
        self.until(lambda: all(node.name != pTitle for node in self.shown()), f'"{pTitle}" gone')

    def act(self, pNode, pAction):
        actions = pNode.queryAction()
        actions.doAction([actions.getName(i) for i in range(actions.nActions)].index(pAction))

    def screen(self, pLabel):
        """Once the window rests: the names its shown controls announce, all of them named."""
        self.scenario.wait()
        nodes = [(node.getRoleName(), node.name)
                 for node in self.shown(self.find("filler", "Tovimar Lite"))]
        unnamed = [role for role, name in nodes if role in CONTROLS and not name]
        e2e.check(not unnamed, f"{pLabel}: controls without a name: {unnamed}")
        self.counts[pLabel] = sum(bool(name) for _, name in nodes)
        return {name for _, name in nodes if name}


def main(pScenario):
    """Under a session bus of its own with the accessibility bus on it, in a home of its own."""
    if os.environ.get("TOVIMAR_ACCESSIBILITY_BUS"):
        e2e.run(pScenario)
        return
    home = tempfile.mkdtemp(prefix="tovimar-a11y-")
    environment = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=home, TOVIMAR_ACCESSIBILITY_BUS="1")
    try:
        sys.exit(subprocess.run(["dbus-run-session", "--", "sh", "-c",
                                 "/usr/libexec/at-spi-bus-launcher --launch-immediately & "
                                 'exec "$@"', "-", sys.executable, *sys.argv],
                                env=environment).returncode)
    finally:
        shutil.rmtree(home, ignore_errors=True)
