"""A whole shopping trip from a first start: a new list named in the window system's dialog, an
item typed in whose category the program asks for, home (the list file holds it), the shop, the
item into the cart, the checkout box, and the list, with nothing left to buy, gone."""

import os

import tovimar_e2e as e2e

# What the trip taps and compares, found by component and label, image or object name.
LAYOUT = {"mainNew": "ScreenMain TextButton[label=New]", "mainList": "ScreenMain QQuickListView",
          "editList": "ScreenEdit QQuickListView",
          "editInput": "QQuickTextInput[objectName=editProductNameInput]",
          "editHome": "ScreenEdit ImageButton[imageNormal=qrc:/images/home-button.png]",
          "shopList": "ScreenShop QQuickListView", "checkoutOk": "ScreenShop TextButton[label=Ok]",
          "rowHeight": "=Theme.rowHeight"}


def row(pLayout, pList, pRow):
    x, y, width, _ = pLayout[pList]
    return x, y + pRow * pLayout["rowHeight"], width, pLayout["rowHeight"]


def scenario(pScenario, pLayoutHelper):
    layout = pScenario.layout(pLayoutHelper, LAYOUT)
    main = pScenario.start_main_screen()
    pScenario.window("Tovimar Lite")
    # A new list and its item, from the main screen to the edit screen.
    pScenario.tap(e2e.centre(layout["mainNew"]))
    pScenario.answer("List name", "Weekly shop")
    edit = pScenario.wait(lambda shot: not shot.like(main, layout["mainNew"]), "edit screen")
    pScenario.tap(e2e.centre(layout["editInput"]))
    pScenario.xdotool("type", "--delay", "25", "Milk")
    pScenario.xdotool("key", "Return")
    # No row is current in an empty list: the program asks where the item belongs.
    pScenario.answer("Category", "Dairy")
    pScenario.wait(lambda shot: not shot.like(edit, row(layout, "editList", 1)), "the item")
    pScenario.tap(e2e.centre(layout["editHome"]))
    pScenario.save("home", pScenario.wait(lambda shot: shot.like(main, layout["mainNew"]),
                                          "main screen"))
    saved = [item.get("name") for item in e2e.read_compressed_xml(pScenario.listFile).iter("item")]
    e2e.check(saved == ["milk"], f"the list file holds {saved}")
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
