"""A shopping trip from a first start, as a screen reader reads the accessibility tree: a list
named in the window's prompt, an item whose category is asked for, its wheel turned, the
catalogue, home (the file holds the item), the item into the cart, the checkout, the list and its
file gone; then the settings to Russian. The tree holds only the shown screen's controls, each
named in the language."""

import os

import tovimar_atspi as atspi
import tovimar_e2e as e2e


def scenario(pScenario):
    pScenario.start_main_screen(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    tree = atspi.Tree(pScenario)
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
    tree.tap("push button", "Edit", row)
    tree.find("dialog", "milk")
    tree.screen("item dialog")
    thousands = next(tree.shown(tree.find("panel", "Amount")))
    tree.act(thousands, "Increase")
    tree.until(lambda: thousands.name == "1", "the wheel turned to 1")
    tree.tap("push button", "Cancel")
    tree.tap("push button", "Categories")
    tree.find("heading", "Categories")
    tree.screen("categories")
    tree.tap("push button", "Back")
    tree.find("push button", "Categories")
    tree.tap("push button", "Menu")
    tree.screen("edit menu")
    tree.tap("menu item", "Sort by product")
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
    tree.tap("push button", "Settings")
    tree.screen("settings")
    e2e.check(not os.path.exists(pScenario.listFile), "the list file outlived the checkout")
    tree.act(tree.find("spin button", "English"), "Increase")
    tree.tap("push button", "Done")
    tree.find("push button", "Новый")
    names = tree.screen("main in Russian")
    e2e.check(names == {"Списки покупок", "О программе", "Новый", "Настройки"}, f"{names}")
    print("named controls shown:", tree.counts)


if __name__ == "__main__":
    atspi.main(scenario)
