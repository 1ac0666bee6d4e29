"""A whole shopping trip from a first start, as a user makes it.

A new list under a name typed with extra blanks, three items typed in (the first without a
current row, so that the program asks for its category), one item's amount, unit and price set
on the item dialog's wheels, home: the list file holds all of it with the right totals. Then
the list is opened in the shop, every item tapped into the cart, the checkout box confirmed, and
the list, having nothing left to buy, is gone.
"""

import os

import tovimar_e2e as e2e

LIST_NAME_TYPED = "  Weekly   shop  "
LIST_NAME = "Weekly shop"
CATEGORY = "dairy"
ITEMS = ["butter", "cheese", "milk"]  # the order of the rows in the category


def type_item(pScenario, pName):
    pScenario.tap(*e2e.EDIT_NAME_INPUT)
    pScenario.type_text(pName)
    pScenario.key("Return")


def compose_list(pScenario):
    pScenario.tap(*e2e.MAIN_NEW_BUTTON)
    pScenario.answer_text_dialog("List name", LIST_NAME_TYPED)
    pScenario.wait_for("edit")
    e2e.check(not os.path.exists(pScenario.listFile),
              "a new list with nothing to buy already has a file")

    # Nothing is current in the empty list, so the program asks where the item belongs.
    type_item(pScenario, "Milk")
    pScenario.answer_text_dialog("Category", "Dairy")
    shot = pScenario.wait_screen(lambda shot: e2e.has_text(shot, 5, 150, 300, 205),
                                 "the first item's row")

    # The next items go where the current row is: the new category's header.
    if not e2e.close_colour(shot.pixel(400, 90), e2e.CURRENT_HEADER_BLUE):
        pScenario.tap(400, e2e.row_centre(0))
        pScenario.wait_screen(
            lambda shot: e2e.close_colour(shot.pixel(400, 90), e2e.CURRENT_HEADER_BLUE),
            "the category header as current row")
    for name in ("Butter", "Cheese"):
        type_item(pScenario, name)
        pScenario.settle()
        e2e.check(not pScenario.has_window("Category"),
                  f"the program asked for the category of {name} although a row was current")
    shot = pScenario.wait_screen(lambda shot: e2e.has_text(shot, 5, 290, 300, 345),
                                 "three item rows")
    pScenario.shot("three items")
    e2e.check(not e2e.has_text(shot, 5, 360, 300, 400), "a fourth row appeared")


def set_cheese_values(pScenario):
    """Amount 2 kg and price 1.35 on the wheels of the cheese row's item dialog."""
    pScenario.tap(e2e.ROW_BUTTON_X, e2e.row_centre(1 + ITEMS.index("cheese")))
    pScenario.wait_for("item dialog")
    pScenario.shot("item dialog")
    pScenario.turn_wheel(e2e.wheel_centre(4), e2e.AMOUNT_WHEELS_BOTTOM, 2)
    pScenario.turn_wheel(e2e.wheel_centre(7), e2e.AMOUNT_WHEELS_BOTTOM, 2)  # " ", "g", "kg"
    pScenario.turn_wheel(e2e.wheel_centre(4), e2e.PRICE_WHEELS_BOTTOM, 1)
    pScenario.turn_wheel(e2e.wheel_centre(5), e2e.PRICE_WHEELS_BOTTOM, 3)
    pScenario.turn_wheel(e2e.wheel_centre(6), e2e.PRICE_WHEELS_BOTTOM, 5)
    pScenario.shot("wheels turned", pScenario.settle())
    pScenario.tap(*e2e.DIALOG_DONE_BUTTON)
    shot = pScenario.wait_for("edit")
    pScenario.shot("cheese with amount and price")
    cheeseTop = e2e.row_centre(1 + ITEMS.index("cheese")) - 35
    e2e.check(e2e.has_text(shot, 400, cheeseTop + 5, 725, cheeseTop + 33),
              "the cheese row shows no amount")
    e2e.check(e2e.has_text(shot, 400, cheeseTop + 37, 725, cheeseTop + 65),
              "the cheese row shows no price")


def check_saved_list(pScenario):
    e2e.check(os.path.exists(pScenario.listFile), "going home did not save the list")
    root = e2e.read_compressed_xml(pScenario.listFile)
    e2e.check(root.tag == "tovimar_list", f"the list file's root is {root.tag}")
    expected = {"version": "1.0.0", "name": LIST_NAME, "items_list": "3", "price_list": "2.70+"}
    actual = {key: root.get(key) for key in expected}
    e2e.check(actual == expected, f"list header {actual}, expected {expected}")

    items = {item.get("name"): item for item in root.findall("item")}
    e2e.check(sorted(items) == ITEMS, f"items {sorted(items)}, expected {ITEMS}")
    for name, item in items.items():
        e2e.check(item.get("category") == CATEGORY,
                  f"{name} is filed under {item.get('category')!r}")
        e2e.check(item.get("status") == "unchecked", f"{name} is {item.get('status')!r}")
    cheese = {key: items["cheese"].get(key) for key in ("count", "count_unit", "price")}
    e2e.check(cheese == {"count": "2", "count_unit": "kg", "price": "1.35"},
              f"cheese holds {cheese}")
    for name in ("butter", "milk"):
        values = {key: items[name].get(key) for key in ("count", "count_unit", "price")}
        e2e.check(values == {"count": "", "count_unit": "", "price": ""},
                  f"{name} holds {values} though it was never edited")


def shop(pScenario):
    pScenario.tap(300, e2e.row_centre(0))
    pScenario.wait_for("shop")
    pScenario.shot("shop")
    # Each tapped item leaves the list and the rows below move up into its place.
    for number in range(len(ITEMS)):
        shot = pScenario.screenshot()
        e2e.check(e2e.screen_of(shot) == "shop", "the checkout came before the last item")
        pScenario.tap(300, e2e.row_centre(1))
        pScenario.settle()
    shot = pScenario.wait_for("checkout")
    pScenario.shot("checkout")
    # "Items in cart: 3" and "Total price: 2.70+ €".
    lines = e2e.text_lines(shot, 210, 150, 590, 300)
    e2e.check(lines == 2, f"the checkout summary has {lines} lines, expected 2")
    e2e.check(os.path.exists(pScenario.listFile), "the list file went before the checkout")

    pScenario.tap(*e2e.CHECKOUT_OK_BUTTON)
    shot = pScenario.wait_for("main")
    pScenario.shot("home after checkout")
    e2e.check(not os.path.exists(pScenario.listFile),
              "the list file is still there after the checkout")
    e2e.check(not e2e.has_text(shot, 5, 80, 725, 140), "the overview still shows a list")


def scenario(pScenario):
    pScenario.start_program_window()
    shot = pScenario.wait_for("main")
    pScenario.shot("first start")
    e2e.check(not e2e.has_text(shot, 5, 80, 725, 400), "a first start shows a list")

    compose_list(pScenario)
    set_cheese_values(pScenario)

    pScenario.tap(*e2e.HEADER_RIGHT_BUTTON)
    shot = pScenario.wait_for("main")
    pScenario.shot("home with the list")
    check_saved_list(pScenario)
    e2e.check(e2e.has_text(shot, 400, 80, 725, 108), "the overview shows no item count")
    e2e.check(e2e.has_text(shot, 400, 112, 725, 140), "the overview shows no price")

    shop(pScenario)


if __name__ == "__main__":
    e2e.run(scenario, pTimeBudget=100)
