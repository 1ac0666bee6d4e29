"""Qt's on-screen keyboard in a real window, what is tapped found in the accessibility tree: a tap
on the list-name dialog's field raises the keyboard and the whole dialog stands above it; a tap on
the edit or the categories screen's product-name input raises it, and the input bar with its Ok
and the typed name stands right above it. Each sight goes into the gallery folder given."""

import os
import subprocess

import tovimar_atspi as atspi
import tovimar_e2e as e2e


def keyboard_top(pShot):
    """The first row of the keyboard's dark ground across the lower screen, or None."""
    def dark(pRow):
        return all(max(pRow[i:i + 3]) < 0x40 for i in range(0, len(pRow), 3 * 20))
    return next((y for y in range(e2e.HEIGHT // 3, e2e.HEIGHT) if dark(pShot.row(y))), None)


def type_into(pScenario, pTree, pField, pText, pGallery, pName):
    """Taps the field and types; once the text shows, to the gallery. Returns the keyboard's top."""
    pScenario.tap(e2e.centre(pTree.rectangle(pField)))
    empty, area = pScenario.wait(keyboard_top, "the keyboard"), pTree.rectangle(pField)  # at rest
    pScenario.xdotool("type", "--delay", "25", pText)
    typed = pScenario.wait(lambda shot: keyboard_top(shot) and shot.differing(empty, area) > 100,
                           f'"{pText}" over the keyboard')
    pTree.until(lambda: pField.queryText().getText(0, -1) == pText, f'"{pText}" typed')
    pScenario.save(pName, typed)
    subprocess.run(["convert", typed.path, os.path.join(pGallery, f"en-{pName}.png")], check=True)
    return keyboard_top(typed)


def bottom_above(pTree, pNode, pTop):
    _, y, _, height = pTree.rectangle(pNode)
    e2e.check(0 <= y and y + height <= pTop, f"{pNode.name} at {y}..{y + height}, keys at {pTop}")
    return y + height


def type_product(pScenario, pTree, pGallery, pName):
    """Types into the product-name input: the bar with its Ok ends right where the keys begin."""
    pScenario.wait(lambda shot: keyboard_top(shot) is None, "the keyboard gone")
    field = pTree.find("text", "Product name")
    top = type_into(pScenario, pTree, field, "Milk", pGallery, pName)
    bottom_above(pTree, field, top)
    e2e.check(bottom_above(pTree, pTree.find("push button", "Ok"), top) == top, "Ok not on keys")


def scenario(pScenario, pGallery):
    os.makedirs(pGallery, exist_ok=True)
    pScenario.start_main_screen(QT_IM_MODULE="qtvirtualkeyboard",
                                QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    tree = atspi.Tree(pScenario)
    tree.tap("push button", "New")
    dialog = tree.find("dialog", "List name")
    bottom_above(tree, dialog, type_into(pScenario, tree, tree.find("text", None, dialog), "Week",
                                         pGallery, "12-list-name-keyboard"))
    pScenario.xdotool("key", "Return")
    tree.find("heading", "Week")
    type_product(pScenario, tree, pGallery, "13-edit-keyboard")
    tree.tap("push button", "Categories")
    tree.find("heading", "Categories")
    type_product(pScenario, tree, pGallery, "14-categories-keyboard")


if __name__ == "__main__":
    atspi.main(scenario)
