"""Qt's on-screen keyboard in a real window: a tap on the list-name dialog's field raises the
keyboard and the whole dialog stands above it; a tap on the edit screen's product-name input
raises it and the input bar, with what is typed, stands right above it."""

import time

import tovimar_e2e as e2e

LAYOUT = {"mainNew": "ScreenMain TextButton[label=New]",
          "editInput": "QQuickTextInput[objectName=editProductNameInput]",
          "editCategories": "ScreenEdit TextButton[label=Categories]"}


def keyboard_top(pShot):
    """The first row of the keyboard's dark ground across the lower screen, or None."""
    def dark(pRow):
        return all(max(pRow[i:i + 3]) < 0x40 for i in range(0, len(pRow), 3 * 20))
    return next((y for y in range(e2e.HEIGHT // 3, e2e.HEIGHT) if dark(pShot.row(y))), None)


def with_keyboard(pScenario):
    """The screen once the keyboard has come up and the window has made room; a blinking cursor
    never lets it rest."""
    deadline = time.monotonic() + 20
    while keyboard_top(pScenario.display.capture()) is None:
        e2e.check(time.monotonic() < deadline, "the keyboard did not show")
        time.sleep(0.1)
    time.sleep(0.5)
    return pScenario.save("keyboard")


def geometry(pScenario, pWindow):
    shell = dict(line.split("=") for line in
                 pScenario.xdotool("getwindowgeometry", "--shell", pWindow).split())
    return [int(shell[key]) for key in ("X", "Y", "WIDTH", "HEIGHT")]


def scenario(pScenario, pLayoutHelper):
    layout = pScenario.layout(pLayoutHelper, LAYOUT)
    pScenario.programEnvironment = {"QT_IM_MODULE": "qtvirtualkeyboard"}
    pScenario.start_main_screen()
    pScenario.tap(e2e.centre(layout["mainNew"]))
    dialog = pScenario.window("List name")
    x, y, width, height = geometry(pScenario, dialog)
    # The field lies below the label, above the buttons.
    pScenario.tap((x + width // 2, y + height * 3 // 10))
    top = keyboard_top(with_keyboard(pScenario))
    x, y, width, height = geometry(pScenario, dialog)
    e2e.check(0 <= y and y + height <= top, f"the dialog {y}..{y + height}, the keyboard at {top}")
    pScenario.xdotool("type", "--delay", "25", "Week")
    pScenario.xdotool("key", "Return")
    pScenario.window("List name", False)
    edit = pScenario.wait(lambda shot: keyboard_top(shot) is None, "the keyboard gone")

    pScenario.tap(e2e.centre(layout["editInput"]))
    pScenario.xdotool("type", "--delay", "25", "Milk")
    shot = with_keyboard(pScenario)
    top = keyboard_top(shot)
    _, barTop, buttonWidth, barHeight = layout["editCategories"]
    lifted = top - barHeight
    # Drawn as before, but for a shade of smoothing.
    moved = sum(abs(a - b) > 40 for row in range(barHeight) for a, b in zip(
        shot.row(lifted + row, 0, buttonWidth), edit.row(barTop + row, 0, buttonWidth)))
    e2e.check(moved <= 50, f"the input bar is not right above the keyboard at {top}")
    middle = barTop + barHeight // 2
    e2e.check(shot.row(lifted + barHeight // 2) != edit.row(middle), "the typed name is not shown")


if __name__ == "__main__":
    e2e.run(scenario)
