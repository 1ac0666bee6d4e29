"""A kiosk's panel, touch alone: no window manager, no keyboard but Qt's, which the program takes
up by itself and draws inside its window, in its own language. New brings up the list-name
prompt with the keyboard, no tap on the field needed; the name, a product and its new category are
typed by tapping keys, each taken with the keyboard's Enter, and the list file then holds exactly
that (the keyboard starts a field with a capital; the list files products and categories in small
letters). Every key is a full key, at least as wide as a letter's; the hide key leaves the screen
as it was. Arguments: the language, the panel's size, and the gallery folder for its pictures."""

import os
import subprocess
import sys

import tovimar_e2e as e2e
import tovimar_handhelds as handhelds

WORDS = {"en": ("week", "eggs", "dairy"), "ru": ("неделя", "хлеб", "выпечка")}
# The panel has no accessibility tree: taps go by the screens' bars and row buttons, 70 pixels.
ROW_BUTTON = 70


def keys_shown(pScenario, pLanguage, pGallery, pName):
    """The keyboard once it rests; every key at least nine tenths of a letter's width."""
    shot = pScenario.save(pName, pScenario.wait(
        lambda shot: handhelds.letter_keys(shot, handhelds.LETTERS[pLanguage]), "the keyboard"))
    rows = handhelds.key_rows(shot, 4)
    widths = [[key[2] for key in row] for row in rows]
    print(f"{pName}: key widths {widths}")
    e2e.check(min(map(min, widths)) >= 0.9 * sorted(widths[0])[len(widths[0]) // 2],
              f"a key narrower than a letter: {widths}")
    subprocess.run(["convert", shot.path, os.path.join(pGallery, f"{pName}.png")], check=True)
    return rows


def scenario(pScenario, pLanguage, pSize, pGallery):
    os.makedirs(pGallery, exist_ok=True)
    name, product, category = WORDS[pLanguage]
    if pLanguage == "ru":  # the program speaks Russian from its first frame on
        os.makedirs(folder := os.path.join(os.path.dirname(pScenario.listFile), "../data"))
        with open(os.path.join(folder, "config.db"), "w") as file:
            file.write('<tovimar_settings><item name="language" value="1"/></tovimar_settings>')
    pScenario.start_main_screen()
    width, height = e2e.WIDTH, e2e.HEIGHT
    bar = height - ROW_BUTTON / 2
    pScenario.tap((width / 4, bar))  # New, left of Settings
    keys_shown(pScenario, pLanguage, pGallery, f"kiosk-{pLanguage}-{pSize}-name-prompt")
    handhelds.type_keys(pScenario, name + "\n", handhelds.LETTERS[pLanguage])
    edit = pScenario.wait(lambda shot: not handhelds.letter_keys(shot, handhelds.LETTERS[pLanguage]),
                          "the edit screen without the keyboard")
    field = ((2 * ROW_BUTTON + width - ROW_BUTTON) / 2, bar)  # between Categories and Ok
    pScenario.tap(field)
    hide = keys_shown(pScenario, pLanguage, pGallery, f"kiosk-{pLanguage}-{pSize}-edit")[-1][-2]
    pScenario.tap(e2e.centre(hide))
    pScenario.wait(lambda shot: shot.like(edit), "the screen as before the keyboard")
    pScenario.tap(field)
    handhelds.type_keys(pScenario, product + "\n" + category + "\n", handhelds.LETTERS[pLanguage])
    pScenario.save("typed", pScenario.wait())
    pScenario.tap((width - ROW_BUTTON / 2, ROW_BUTTON / 2))  # home, which saves the list

    def saved():
        listed = e2e.read_compressed_xml(pScenario.listFile)
        return listed.get("name"), [(item.get("name"), item.get("category"))
                                    for item in listed.iter("item")]
    e2e.until(lambda: saved() == (name.capitalize(), [(product, category)]),
              f"the list file holding what was typed, not {saved()}")

if __name__ == "__main__":
    e2e.WIDTH, e2e.HEIGHT = map(int, sys.argv[4].split("x"))
    e2e.run(scenario, handhelds.Kiosk)
