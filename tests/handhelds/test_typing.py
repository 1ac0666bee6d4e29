"""Typing by touch alone on a handheld's shell ("kiosk", "phosh" or "plasma"; language, size,
gallery): New brings the keyboard up with the name prompt; a name, a product and its category tapped
on its keys are what the list file holds. A kiosk's Qt keyboard speaks the program's language, its
keys full, its hide key leaving the screen as it was; a phone shell's goes as no field takes it."""

import os
import subprocess
import sys

import tovimar_atspi as atspi
import tovimar_e2e as e2e
import tovimar_handhelds as handhelds

WORDS = {"en": ("week", "eggs", "dairy"), "ru": ("неделя", "хлеб", "выпечка")}
ROW_BUTTON = 70  # and bar: a kiosk's panel has no accessibility tree, taps go by the screens


def shown(pScenario, pGallery, pName, pShot):  # a picture for the gallery too
    subprocess.run(["convert", pScenario.save(pName, pShot).path,
                    os.path.join(pGallery, f"{pName}.png")], check=True)
    return pShot


def keys_shown(pScenario, pLetters, pGallery, pName):
    """The keyboard once it rests; every key at least nine tenths of a letter's width."""
    shot = shown(pScenario, pGallery, pName, pScenario.wait(
        lambda shot: handhelds.letter_keys(shot, pLetters), "the keyboard"))
    rows = handhelds.key_rows(shot, 4)
    widths = [[key[2] for key in row] for row in rows]
    e2e.check(min(map(min, widths)) >= 0.9 * sorted(widths[0])[len(widths[0]) // 2],
              f"a key narrower than a letter: {widths}")
    return rows


def kiosk(pScenario, pLanguage, pSize, pGallery):
    letters, width, height = handhelds.LETTERS[pLanguage], e2e.WIDTH, e2e.HEIGHT
    if pLanguage == "ru":  # the program speaks Russian from its first frame on
        os.makedirs(folder := os.path.join(os.path.dirname(pScenario.listFile), "../data"))
        with open(os.path.join(folder, "config.db"), "w") as file:
            file.write('<tovimar_settings><item name="language" value="1"/></tovimar_settings>')
    pScenario.start_main_screen()
    pScenario.tap((width / 4, height - ROW_BUTTON / 2))  # New, left of Settings
    keys_shown(pScenario, letters, pGallery, f"kiosk-{pLanguage}-{pSize}-name-prompt")
    yield letters
    edit = pScenario.wait(lambda shot: not handhelds.letter_keys(shot, letters), "the edit screen")
    field = ((2 * ROW_BUTTON + width - ROW_BUTTON) / 2, height - ROW_BUTTON / 2)
    pScenario.tap(field)  # between Categories and Ok
    hide = keys_shown(pScenario, letters, pGallery, f"kiosk-{pLanguage}-{pSize}-edit")[-1][-2]
    pScenario.tap(e2e.centre(hide))
    pScenario.wait(lambda shot: shot.like(edit), "the screen as before the keyboard")
    pScenario.tap(field)
    yield letters
    pScenario.wait(lambda shot: not shot.like(edit, (0, 0, width, ROW_BUTTON)), "the shade")
    yield letters
    pScenario.tap((width - ROW_BUTTON / 2, ROW_BUTTON / 2))  # Home, which saves the list
    yield None


def shell(pScenario, pName):
    display = pScenario.display

    def keyboard(pShown):
        e2e.until(lambda: display.keyboard_shown() is pShown, f"the keyboard shown: {pShown}")
    pScenario.start_main_screen(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", WAYLAND_DEBUG="client")
    second = pScenario.launch(XDG_ACTIVATION_TOKEN="launcher-token")  # handed on, to the shell
    e2e.check(second.wait(20 * e2e.SLOWER) == 0, "the second start failed")
    log = os.path.join(pScenario.shotsDir, "program.log")
    e2e.until(lambda: 'activate("launcher-token"' in open(log, errors="replace").read(),
              "the token shown to the shell")
    tree = atspi.Tree(pScenario)
    tree.tap("push button", "New")
    tree.find("dialog", "List name")
    keyboard(True)
    yield display.letters
    tree.find("heading", "week")
    keyboard(False)
    tree.tap("text", "Product name")
    keyboard(True)
    yield display.letters
    tree.find("dialog", "Category")
    yield display.letters
    tree.find("list item", "eggs")
    display.language("ru")
    handhelds.type_keys(pScenario, "хлеб\n", display.letters)
    tree.find("list item", "хлеб")
    if pName == "phosh":  # squeekboard hidden with its own key: a tap on the field calls it back
        display.call("sm.puri.OSK0", "/sm/puri/OSK0", "sm.puri.OSK0.SetVisible", "false")
        keyboard(False)
        tree.tap("text", "Product name")
        keyboard(True)
    tree.tap("push button", "Home")
    keyboard(False)
    yield None
    if pName == "plasma":  # asked by the shell to close, the program ends as it should
        display.write("close.js", "for (const window of workspace.clientList()) if (window.pid"
                      f" == {pScenario.process.pid}) window.closeWindow();")
        display.call("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting.loadScript",
                     f"{display.folder}/close.js", "close")
        display.call("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting.start")
        e2e.check(pScenario.process.wait(20 * e2e.SLOWER) == 0, "closed, the program failed")


def scenario(pScenario, pShell, pLanguage, pSize, pGallery):
    """The shell's own steps hand over the keys' letters wherever the keys are to be typed."""
    os.makedirs(pGallery, exist_ok=True)
    name, product, category = WORDS[pLanguage]
    steps = (kiosk(pScenario, pLanguage, pSize, pGallery) if pShell == "kiosk"
             else shell(pScenario, pShell))
    handhelds.type_keys(pScenario, name + "\n", next(steps))
    handhelds.type_keys(pScenario, product + "\n", next(steps))
    handhelds.type_keys(pScenario, category + "\n", next(steps))  # in the prompt, once it shows
    shown(pScenario, pGallery, f"{pShell}-{pLanguage}-{pSize}-typed", pScenario.wait())
    next(steps)
    name = name.capitalize() if pShell == "kiosk" else name
    # Home saves the list: a slower program may not have written it yet.
    e2e.until(lambda: os.path.exists(pScenario.listFile)
              and (listed := e2e.read_compressed_xml(pScenario.listFile)).get("name") == name
              and [(item.get("name"), item.get("category")) for item in listed.iter("item")]
              [:1] == [(product, category)], "the list file holding what was typed")
    next(steps, None)


if __name__ == "__main__":
    e2e.WIDTH, e2e.HEIGHT = map(int, sys.argv[5].split("x"))
    e2e.run(scenario, {"kiosk": handhelds.Kiosk, "phosh": handhelds.Phosh,
                       "plasma": handhelds.Plasma}[sys.argv[3]])
