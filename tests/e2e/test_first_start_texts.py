"""A first start already speaks proper English.

Without a settings file the program must look exactly as it does once English and the euro
have been confirmed on the settings screen: "Done" with the wheels untouched may not change a
single text of the main screen, such as the plural form of the list's item count.
"""

import os

import tovimar_e2e as e2e

LIST_DOCUMENT = ('<tovimar_list version="1.0.0" name="Bakery" items_list="1" price_list="2.20">\n'
                 '    <item name="bread" category="bakery" price="2.2" count="1" count_unit=" "'
                 ' note="" status="unchecked"/>\n'
                 '</tovimar_list>\n')

MAIN_SCREEN = (0, 0, 800, 480)
COUNT = (300, 77, 725, 110)


def scenario(pScenario):
    e2e.write_file(pScenario.listFile, e2e.compressed_xml_bytes(LIST_DOCUMENT))
    pScenario.start_program_window()
    first = pScenario.shot("first start", pScenario.wait_for("main"))
    e2e.check(not os.path.exists(pScenario.configFile), "starting wrote a settings file")

    pScenario.tap(*e2e.MAIN_SETTINGS_BUTTON)
    pScenario.wait_for("settings")
    pScenario.shot("settings")
    pScenario.tap(*e2e.SETTINGS_DONE_BUTTON)
    confirmed = pScenario.shot("english confirmed", pScenario.wait_for("main"))
    e2e.check(os.path.exists(pScenario.configFile), "Done wrote no settings file")

    e2e.check(confirmed.same_region(first, *COUNT),
              "the item count reads differently once English is confirmed: the first start "
              f"shows an untranslated text (compare {pScenario.shotsDir}/01-first-start.png "
              "and 03-english-confirmed.png)")
    e2e.check(confirmed.same_region(first, *MAIN_SCREEN),
              "the main screen looks different once English and the euro are confirmed")


if __name__ == "__main__":
    e2e.run(scenario, pTimeBudget=40)
