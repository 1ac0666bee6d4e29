"""Products ticked in the default catalogue go onto the open list.

The list is opened for editing, "Categories" shows the catalogue installed beside the program,
two of its products are ticked, back and home: both are on the list file as items still to
buy, and the user's own copy of the catalogue has been written.
"""

import os

import tovimar_e2e as e2e

LIST_DOCUMENT = ('<tovimar_list version="1.0.0" name="Party" items_list="1" price_list="">\n'
                 '    <item name="birthday candles" category="party" price="" count=""'
                 ' count_unit="" note="" status="unchecked"/>\n'
                 '</tovimar_list>\n')


def first_two_products(pCatalogue):
    """The products on rows 1 and 2 of the catalogue grouped by category: the first category
    in code-unit order, and its first two products by name."""
    items = pCatalogue.findall("item")
    category = min((item.get("category") for item in items), key=lambda name: name + ":")
    names = sorted(item.get("name") for item in items if item.get("category") == category)
    e2e.check(len(names) >= 2, f"the first category {category!r} has fewer than two products")
    return category, names[:2]


def has_check_mark(pShot, pRow):
    """The check-mark area at the row's left edge shows more than the row's background."""
    top = e2e.row_centre(pRow) - 35
    for y in range(top + 15, top + 55, 2):
        for x in range(5, 45, 2):
            colour = pShot.pixel(x, y)
            if not (e2e.close_colour(colour, e2e.WINDOW_GREY)
                    or e2e.close_colour(colour, (0xE0, 0xE0, 0xE0))):
                return True
    return False


def scenario(pScenario):
    installed = pScenario.installedCatalogueFile("en")
    if not os.path.exists(installed):
        raise e2e.ScenarioSkipped(f"blocked by missing code: no default catalogue {installed}")
    catalogue = e2e.read_compressed_xml(installed)
    category, products = first_two_products(catalogue)
    installedProducts = sorted((item.get("category"), item.get("name"))
                               for item in catalogue.findall("item"))
    e2e.write_file(pScenario.listFile, e2e.compressed_xml_bytes(LIST_DOCUMENT))

    pScenario.start_program_window()
    pScenario.wait_for("main")
    pScenario.tap(e2e.ROW_BUTTON_X, e2e.row_centre(0))
    pScenario.wait_for("edit")
    pScenario.shot("edit")
    e2e.check(not os.path.exists(pScenario.catalogueFile("en")),
              "a user copy of the catalogue exists before the catalogue was used")

    pScenario.tap(*e2e.EDIT_CATEGORIES_BUTTON)
    shot = pScenario.wait_for("categories")
    pScenario.shot("categories")
    e2e.check(not any(has_check_mark(shot, row) for row in (1, 2, 3)),
              "products are ticked before the user ticked any")
    for row in (1, 2):
        pScenario.tap(300, e2e.row_centre(row))
        pScenario.settle()
    shot = pScenario.shot("two ticked")
    e2e.check(has_check_mark(shot, 1) and has_check_mark(shot, 2),
              f"rows 1 and 2 show no check mark (screenshot {pScenario.lastShotPath})")
    e2e.check(not has_check_mark(shot, 3), "row 3 shows a check mark without a tap")

    pScenario.tap(*e2e.HEADER_RIGHT_BUTTON)
    pScenario.wait_for("edit")
    pScenario.shot("edit with the products")
    pScenario.tap(*e2e.HEADER_RIGHT_BUTTON)
    pScenario.wait_for("main")
    pScenario.shot("home")

    root = e2e.read_compressed_xml(pScenario.listFile)
    e2e.check(root.get("items_list") == "3", f"items_list is {root.get('items_list')!r}")
    items = {item.get("name"): item for item in root.findall("item")}
    expected = sorted(["birthday candles"] + products)
    e2e.check(sorted(items) == expected, f"the list holds {sorted(items)}, expected {expected}")
    for name in products:
        e2e.check(items[name].get("category") == category,
                  f"{name} is filed under {items[name].get('category')!r}, not {category!r}")
    for name, item in items.items():
        e2e.check(item.get("status") == "unchecked", f"{name} is {item.get('status')!r}")

    e2e.check(os.path.exists(pScenario.catalogueFile("en")),
              "leaving the edit screen wrote no user copy of the catalogue")
    copy = e2e.read_compressed_xml(pScenario.catalogueFile("en"))
    e2e.check(copy.tag == "tovimar_categories" and copy.get("version") == "1.0.0",
              f"the user copy's root is {copy.tag} {copy.attrib}")
    copied = sorted((item.get("category"), item.get("name")) for item in copy.findall("item"))
    e2e.check(copied == installedProducts,
              "the user copy does not hold the installed catalogue's products")
    ticked = [item.get("name") for item in copy.findall("item")
              if item.get("status") != "unchecked"]
    e2e.check(not ticked, f"the user copy keeps ticks or marks: {ticked}")


if __name__ == "__main__":
    e2e.run(scenario, pTimeBudget=60)
