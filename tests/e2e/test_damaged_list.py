"""A damaged list file at start-up: the program says so in its "Error" box, ends with status 1
once the box is closed, and leaves the file as it was, so nothing more of the list is lost.

Each variant closes the box another way: Return, Escape, or a click on its Ok button.
"""

import os

import tovimar_e2e as e2e

GOOD_DOCUMENT = ('<tovimar_list version="1.0.0" name="Weekend" items_list="2" price_list="">\n'
                 '    <item name="bread" category="bakery" status="unchecked"/>\n'
                 '    <item name="milk" category="dairy" status="unchecked"/>\n'
                 '</tovimar_list>\n')


def close_box(pScenario, pBox, pVariant):
    left, top, width, height = pScenario.window_geometry(pBox)
    if pVariant == "empty":
        pScenario.focus(pBox)
        pScenario.key("Return")
    elif pVariant == "plain":
        pScenario.focus(pBox)
        pScenario.key("Escape")
    else:
        # The only button sits in the box's lower right corner, 11 pixels in from both edges.
        pScenario.tap(left + width - 51, top + height - 23)


def damaged_contents(pVariant):
    if pVariant == "empty":
        return b""
    if pVariant == "plain":
        return GOOD_DOCUMENT.encode()
    if pVariant == "truncated":
        whole = e2e.compressed_xml_bytes(GOOD_DOCUMENT)
        return whole[:len(whole) // 2]
    raise ValueError(f"unknown variant {pVariant}")


def scenario(pScenario, pVariant):
    contents = damaged_contents(pVariant)
    e2e.write_file(pScenario.listFile, contents)
    before = os.stat(pScenario.listFile)

    pScenario.start_program()
    box = pScenario.wait_window("Error|" + e2e.WINDOW_TITLE, 20)
    e2e.check(pScenario.xdotool("getwindowname", box).strip() == "Error",
              "the program started normally instead of reporting the damaged file")
    left, top, width, height = pScenario.window_geometry(box)
    # Xvfb's root is black; the box is drawn in the light colours of the widget style.
    pScenario.wait_screen(lambda shot: min(shot.pixel(left + width // 2, top + 5)) > 180,
                          "the error box")
    pScenario.shot("error box")
    e2e.check(not pScenario.has_window(e2e.WINDOW_TITLE),
              "the main window opened beside the error box")

    close_box(pScenario, box, pVariant)
    pScenario.wait_window_gone("Error")
    status = pScenario.wait_exit(10)
    e2e.check(status == 1, f"exit status {status} after the error box, expected 1")

    e2e.check(os.path.exists(pScenario.listFile), "the damaged list file was removed")
    e2e.check(e2e.read_file(pScenario.listFile) == contents, "the damaged list file was changed")
    after = os.stat(pScenario.listFile)
    e2e.check(after.st_mtime_ns == before.st_mtime_ns, "the damaged list file was rewritten")


if __name__ == "__main__":
    e2e.run(scenario, pTimeBudget=40)
