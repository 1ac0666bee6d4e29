"""A whole shopping trip from a first start: a new list named in the window system's dialog, an
item typed in whose category the program asks for, its amount and price set on the item
dialog's wheels by real drags, home (the files hold it all), the shop, the item into the cart,
the checkout box, and the list, with nothing left to buy, gone."""

import os

import tovimar_e2e as e2e

# What the trip taps and compares, found by component and label, image or object name.
LAYOUT = {"mainNew": "ScreenMain TextButton[label=New]", "mainList": "ScreenMain QQuickListView",
          "editList": "ScreenEdit QQuickListView",
          "editInput": "QQuickTextInput[objectName=editProductNameInput]",
          "editHome": "ScreenEdit ImageButton[imageNormal=qrc:/images/home-button.png]",
          "amount": "DigitsSelector[objectName=amountSelector] SelectorListView*",
          "price": "DigitsSelector[objectName=priceSelector] SelectorListView*",
          "wheelEntry": "WheelEntry", "dialogDone": "ScreenEdit TextButton[label=Done]",
          "shopList": "ScreenShop QQuickListView", "checkoutOk": "ScreenShop TextButton[label=Ok]",
          "rowHeight": "=Theme.rowHeight"}


def turn(pScenario, pWheel, pEntries, pEntryHeight):
    """Drags the wheel on entry by entry, each drag an entry and past the drag threshold. A drag
    that the loaded machine delivers short leaves the wheel as it was, and is made again."""
    shot, turned, drags = pScenario.wait(), 0, 0
    while turned < pEntries and drags < pEntries + 3:
        pScenario.drag_up(e2e.centre(pWheel)[0], round(pWheel[1] + pWheel[3] - 5),
                          pEntryHeight + 12)
        previous, shot, drags = shot, pScenario.wait(), drags + 1
        turned += not shot.like(previous, pWheel)
    e2e.check(turned == pEntries, f"{drags} drags turned the wheel at {pWheel} {turned} times")


def compose(pScenario, pLayout, pMain):
    """A new list and its item, with amount and price, from the main screen to the edit screen."""
    pScenario.tap(e2e.centre(pLayout["mainNew"]))
    pScenario.answer("List name", "Weekly shop")
    edit = pScenario.wait(lambda shot: not shot.like(pMain, pLayout["mainNew"]), "edit screen")
    pScenario.tap(e2e.centre(pLayout["editInput"]))
    pScenario.xdotool("type", "--delay", "25", "Milk")
    pScenario.xdotool("key", "Return")
    # No row is current in an empty list: the program asks where the item belongs.
    pScenario.answer("Category", "Dairy")
    # The item's row, below its category's header, ends in an edit button as wide as the
    # header's buttons.
    x, y, width, height = row(pLayout, "editList", 1)
    item = pScenario.wait(lambda shot: not shot.like(edit, (x, y, width, height)), "the item")
    button = pLayout["editHome"][2]
    pScenario.tap(e2e.centre((x + width - button, y, button, height)))
    amount, price = pLayout["amount"], pLayout["price"]
    pScenario.wait(lambda shot: not shot.like(item, amount[0]), "item dialog")
    # 2 kg at 1.01.
    for wheel, entries in ((amount[3], 2), (amount[6], 2), (price[3], 1), (price[5], 1)):
        turn(pScenario, wheel, entries, pLayout["wheelEntry"][3])
    pScenario.save("wheels turned")
    pScenario.tap(e2e.centre(pLayout["dialogDone"]))
    pScenario.wait(lambda shot: shot.like(edit, pLayout["editHome"]), "edit screen again")


def check_files(pScenario):
    root = e2e.read_compressed_xml(pScenario.listFile)
    saved = [root.get("name"), root.get("items_list")] + [
        item.get(key) for item in root.iter("item")
        for key in ("name", "category", "count", "count_unit", "price", "status")]
    expected = ["Weekly shop", "1", "milk", "dairy", "2", "kg", "1.01", "unchecked"]
    e2e.check(saved == expected, f"the list file holds {saved}, expected {expected}")
    # The catalogue began as the copy installed beside the program, and learnt the product.
    catalogue = e2e.read_compressed_xml(os.path.join(pScenario.appData, "data/categories_en.db"))
    products = {item.get("name") for item in catalogue.iter("item")}
    e2e.check("milk" in products and len(products) > 1, f"the catalogue holds {products}")


def row(pLayout, pList, pRow):
    x, y, width, _ = pLayout[pList]
    return x, y + pRow * pLayout["rowHeight"], width, pLayout["rowHeight"]


def scenario(pScenario, pLayoutHelper):
    layout = pScenario.layout(pLayoutHelper, LAYOUT)
    main = pScenario.start_main_screen()
    pScenario.window("Tovimar Lite")
    compose(pScenario, layout, main)
    pScenario.tap(e2e.centre(layout["editHome"]))
    pScenario.save("home", pScenario.wait(lambda shot: shot.like(main, layout["mainNew"]),
                                          "main screen"))
    check_files(pScenario)
    pScenario.tap(e2e.centre(row(layout, "mainList", 0)))
    shop = pScenario.wait(lambda shot: not shot.like(main, layout["mainNew"]), "shop screen")
    pScenario.tap(e2e.centre(row(layout, "shopList", 1)))
    pScenario.save("checkout", pScenario.wait(
        lambda shot: not shot.like(shop, layout["checkoutOk"]), "checkout box"))
    pScenario.tap(e2e.centre(layout["checkoutOk"]))
    pScenario.wait(lambda shot: shot.like(main, layout["mainNew"])
                   and shot.like(main, layout["mainList"]), "the empty main screen")
    e2e.check(not os.path.exists(pScenario.listFile), "the list file outlived the checkout")


if __name__ == "__main__":
    e2e.run(scenario)
