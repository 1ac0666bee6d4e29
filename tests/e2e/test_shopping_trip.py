"""A whole shopping trip from a first start, found and read as a screen reader finds and reads it,
through the accessibility tree (AT-SPI) on a session bus of its own: a new list named in the
window system's dialog, an item typed in whose category the program asks for, its dialog's wheel
turned, the catalogue, home (the list file holds the item), the shop, the item into the cart, the
checkout box, and the list, with nothing left to buy, gone; then the settings switched to Russian.
Only the shown screen's controls show in the tree, every one named in the current language."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import tovimar_e2e as e2e

# What a user works, which therefore needs a name. A wheel's name is the entry it shows, which may
# be blank (no unit).
CONTROLS = {"push button", "menu item", "list item", "text", "dialog"}


class Tree:
    """The program's part of the tree, read afresh at each look."""

    def __init__(self, pScenario):
        import pyatspi
        self.atspi, self.scenario, self.counts = pyatspi, pScenario, {}
        self.application = self.until(lambda: next(
            (application for application in pyatspi.Registry.getDesktop(0)
             if application and application.get_process_id() == pScenario.process.pid), None),
            "the program")

    def until(self, pLook, pWhat):
        deadline = time.monotonic() + 20
        while not (found := pLook()):
            e2e.check(time.monotonic() < deadline, f"not in the tree: {pWhat}")
            time.sleep(0.1)
        return found

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

    def tap(self, pRole, pName, pWithin=None):
        extents = self.find(pRole, pName, pWithin).queryComponent().getExtents(
            self.atspi.DESKTOP_COORDS)
        self.scenario.tap(e2e.centre((extents.x, extents.y, extents.width, extents.height)))

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

    def answer(self, pTitle, pText):
        """Fills in a dialog of the window system and confirms it."""
        dialog = self.find("dialog", pTitle)
        self.until(lambda: self.find("text", None, dialog).queryEditableText().setTextContents(
            pText), f'the text of "{pTitle}"')
        self.tap("push button", "OK", dialog)
        self.until(lambda: not dialog.getState().contains(self.atspi.STATE_SHOWING), "no dialog")


def scenario(pScenario):
    pScenario.programEnvironment = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
    pScenario.start_main_screen()
    tree = Tree(pScenario)
    names = tree.screen("main")
    e2e.check(names == {"Shopping lists", "About", "New", "Settings"}, f"main screen: {names}")
    tree.tap("push button", "New")
    tree.answer("List name", "Weekly shop")
    tree.find("heading", "Weekly shop")
    tree.screen("edit")
    tree.tap("text", "Product name")
    pScenario.xdotool("type", "--delay", "25", "Milk")
    pScenario.xdotool("key", "Return")
    # No row is current in an empty list: the program asks where the item belongs.
    tree.answer("Category", "Dairy")
    row = tree.find("list item", "milk")
    pScenario.wait()
    tree.tap("push button", "Edit", row)
    tree.find("dialog", "milk")
    tree.screen("item dialog")
    thousands = next(tree.shown(tree.find("panel", "Amount")))
    tree.act(thousands, "Increase")
    tree.until(lambda: thousands.name == "1", "the wheel turned to 1")
    tree.tap("push button", "Cancel")
    pScenario.wait()
    tree.tap("push button", "Categories")
    tree.find("heading", "Categories")
    tree.screen("categories")
    tree.tap("push button", "Back")
    tree.find("push button", "Categories")
    pScenario.wait()
    tree.tap("push button", "Menu")
    tree.screen("edit menu")
    tree.tap("menu item", "Sort by product")
    pScenario.wait()
    tree.tap("push button", "Home")
    # A list without prices: the row says its name and its number of items, and no more.
    e2e.check(tree.find("list item", "Weekly shop").name == "Weekly shop, 1 item", "the row")
    saved = [item.get("name") for item in e2e.read_compressed_xml(pScenario.listFile).iter("item")]
    e2e.check(saved == ["milk"], f"the list file holds {saved}")
    tree.screen("main with a list")
    tree.tap("list item", "Weekly shop, 1 item")
    tree.find("push button", "Cart")
    tree.screen("shop")
    tree.tap("list item", "milk")
    tree.find("dialog", "Weekly shop")
    tree.screen("checkout")
    tree.act(tree.find("push button", "Ok"), "Press")
    tree.find("heading", "Shopping lists")
    pScenario.wait()
    tree.tap("push button", "Settings")
    tree.screen("settings")
    e2e.check(not os.path.exists(pScenario.listFile), "the list file outlived the checkout")
    tree.act(tree.find("spin button", "English"), "Increase")
    tree.tap("push button", "Done")
    tree.find("push button", "Новый")
    names = tree.screen("main in Russian")
    e2e.check(names == {"Списки покупок", "О программе", "Новый", "Настройки"}, f"{names}")
    print("named controls shown:", tree.counts)


def main():
    """Under a session bus of its own with the accessibility bus on it, in a home of its own."""
    if os.environ.get("TOVIMAR_ACCESSIBILITY_BUS"):
        e2e.run(scenario)
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


if __name__ == "__main__":
    main()
