"""A phone shell's own keyboard, touch alone: Phosh's squeekboard, which the program calls up over
the session bus, or Plasma Mobile's maliit, which KWin shows as a field asks through text-input.
It comes up as the list-name prompt opens and with a tap on the product-name input, no tap on the
prompt's field needed, and goes when no field takes text. A name, a product and its category typed
on its keys arrive, then a product in Russian on its Russian keys. Argument: "phosh" or "plasma"."""

import sys

import tovimar_atspi as atspi
import tovimar_e2e as e2e
import tovimar_handhelds as handhelds


def scenario(pScenario, pShell):
    display = pScenario.display

    def keyboard(pShown):
        e2e.until(lambda: display.keyboard_shown() is pShown, f"the keyboard shown: {pShown}")

    def type_keys(pText):
        handhelds.type_keys(pScenario, pText, display.letters)

    pScenario.start_main_screen(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    tree = atspi.Tree(pScenario)
    tree.tap("push button", "New")
    tree.find("dialog", "List name")
    keyboard(True)
    type_keys("week\n")
    tree.find("heading", "week")
    keyboard(False)
    tree.tap("text", "Product name")
    keyboard(True)
    type_keys("eggs\n")  # an empty list has no row to file it under
    tree.find("dialog", "Category")
    type_keys("dairy\n")
    tree.find("list item", "eggs")
    pScenario.save(f"{pShell} typed", pScenario.wait())
    display.language("ru")
    type_keys("хлеб\n")
    tree.find("list item", "хлеб")
    tree.tap("push button", "Home")
    keyboard(False)
    saved = [item.get("name") for item in e2e.read_compressed_xml(pScenario.listFile).iter("item")]
    e2e.check(sorted(saved) == ["eggs", "хлеб"], f"the list file holds {saved}")


if __name__ == "__main__":
    e2e.run(scenario, {"phosh": handhelds.Phosh, "plasma": handhelds.Plasma}[sys.argv[3]])
