"""Russian and the rouble chosen on the settings screen, kept across a restart.

"Done" switches the interface at once and writes both choices to config.db; the next start
shows the same Russian screen, with the new symbol after the list's price. What the screen
says is compared between the runs: the English start, the switched screen and the restart.
"""

import xml.etree.ElementTree as ElementTree

import tovimar_e2e as e2e

RUSSIAN_ROW = 1
ROUBLE_ROW = 6
LIST_DOCUMENT = ('<tovimar_list version="1.0.0" name="Groceries" items_list="1"'
                 ' price_list="4.50">\n'
                 '    <item name="tea" category="drinks" price="4.5" count="1" count_unit=" "'
                 ' note="" status="unchecked"/>\n'
                 '</tovimar_list>\n')

# Regions of the main screen: the header's title, the footer's two labels, and the lower half
# of the list's row, where its price and the currency symbol stand.
TITLE = (70, 0, 730, 70)
FOOTER = (0, 410, 800, 480)
PRICE = (300, 112, 725, 143)


def check_config(pScenario):
    with open(pScenario.configFile, "rb") as file:
        root = ElementTree.fromstring(file.read())
    e2e.check(root.tag == "tovimar_settings" and root.get("version") == "1.0.0",
              f"config.db's root is {root.tag} {root.attrib}")
    settings = {item.get("name"): item.get("value") for item in root.iter("item")}
    expected = {"language": str(RUSSIAN_ROW), "currency_unit": str(ROUBLE_ROW)}
    e2e.check(settings == expected, f"config.db holds {settings}, expected {expected}")


def choose_russian_and_roubles(pScenario):
    pScenario.tap(*e2e.MAIN_SETTINGS_BUTTON)
    pScenario.wait_for("settings")
    pScenario.shot("settings")
    pScenario.turn_wheel(400, e2e.LANGUAGE_WHEEL_BOTTOM, RUSSIAN_ROW)
    pScenario.turn_wheel(400, e2e.CURRENCY_WHEEL_BOTTOM, ROUBLE_ROW)
    pScenario.shot("russian and roubles turned", pScenario.settle())
    pScenario.tap(*e2e.SETTINGS_DONE_BUTTON)
    return pScenario.wait_for("main")


def scenario(pScenario):
    e2e.write_file(pScenario.listFile, e2e.compressed_xml_bytes(LIST_DOCUMENT))

    pScenario.start_program_window()
    english = pScenario.shot("english", pScenario.wait_for("main"))
    e2e.check(e2e.has_text(english, *PRICE), "the list's price is not shown")

    switched = pScenario.shot("switched", choose_russian_and_roubles(pScenario))
    check_config(pScenario)
    for name, region in (("title", TITLE), ("footer", FOOTER), ("price", PRICE)):
        e2e.check(not switched.same_region(english, *region),
                  f"the main screen's {name} did not change after Done")
    pScenario.stop_program()

    pScenario.start_program_window()
    restarted = pScenario.shot("restarted", pScenario.wait_for("main"))
    for name, region in (("title", TITLE), ("footer", FOOTER), ("price", PRICE)):
        e2e.check(restarted.same_region(switched, *region),
                  f"after the restart the main screen's {name} differs from the one chosen")
        e2e.check(not restarted.same_region(english, *region),
                  f"after the restart the main screen's {name} is the English one")
    # The price is right-aligned: a symbol longer than the euro sign starts it further left.
    englishStart = english.dark_columns(*PRICE)[0]
    russianStart = restarted.dark_columns(*PRICE)[0]
    e2e.check(russianStart < englishStart - 10,
              f"the price starts at x {russianStart}, the euro price at {englishStart}: "
              f"no longer symbol after it")
    check_config(pScenario)


if __name__ == "__main__":
    e2e.run(scenario, pTimeBudget=60)
