"""The program as the Debian package installs it: its catalogues beside it, its descriptions
passing their validators and its icons where a desktop looks; the package's architecture and
dependencies (Qt's Wayland platform recommended); and the installed program's main screen."""

import glob
import os
import re
import subprocess
import xml.etree.ElementTree as ElementTree

import tovimar_e2e as e2e

APP_ID = "org.velmora.Tovimar"


def listed_packages(pName):  # a list in cmake/: one package a line, # starting a comment
    path = os.path.join(os.path.dirname(__file__), "..", "..", "cmake", pName)
    with open(path, encoding="utf-8") as file:
        return {line.strip() for line in file if line.strip() and not line.startswith("#")}


# The QML modules, loaded at run time, which only the package can name; the libraries it links,
# which dpkg-shlibdeps must find, as its fallback names them.
DEPENDS = listed_packages("depends-qml.txt") | listed_packages("depends-libraries.txt")


def tool(*pArguments):
    result = subprocess.run(pArguments, capture_output=True, text=True, timeout=300)
    e2e.check(result.returncode == 0, f"{pArguments} failed:\n{result.stdout}{result.stderr}")
    return result.stdout + result.stderr


def check_layout(pPrefix, pVersion):
    program = os.path.join(pPrefix, "bin", "tovimar")
    # Relative, so that it holds wherever the tree is unpacked.
    e2e.check(os.readlink(program) == "../lib/tovimar/tovimar" and os.access(program, os.X_OK),
              f"{program} does not link to the program beside its catalogues")
    # Products and categories are matched in lower case: the catalogues must hold them so.
    for code in ("en", "ru"):
        path = os.path.join(pPrefix, "lib", "tovimar", "data", f"categories_{code}.db")
        items = e2e.read_compressed_xml(path).findall("item")
        texts = [item.get(key) for item in items for key in ("name", "category")]
        e2e.check(len(items) >= 130 and len(set(texts[1::2])) >= 10
                  and all(text and text == text.lower() for text in texts),
                  f"{path} holds no catalogue in lower case")
    share = os.path.join(pPrefix, "share")
    desktop = os.path.join(share, "applications", f"{APP_ID}.desktop")
    metainfo = os.path.join(share, "metainfo", f"{APP_ID}.metainfo.xml")
    # Errors, warnings and infos all count; only the pedantic hints are let pass.
    remarks = tool("desktop-file-validate", desktop) + "".join(re.findall(
        r"(?m)^[EWI]: .*\n", tool("appstreamcli", "validate", "--no-net", metainfo)))
    e2e.check(not remarks.strip(), f"the validators remark:\n{remarks}")
    with open(desktop, encoding="utf-8") as file:
        entry = dict(line.strip().split("=", 1) for line in file if "=" in line)
    e2e.check((entry["Exec"], entry["Icon"]) == ("tovimar", APP_ID) and "Name[ru]" in entry,
              f"the desktop entry is {entry}")
    component = ElementTree.parse(metainfo).getroot()
    described = (component.findtext("launchable"), component.find(".//release").get("version"))
    e2e.check(described == (os.path.basename(desktop), pVersion), f"AppStream: {described}")
    icons = os.path.join(share, "icons", "hicolor")
    ElementTree.parse(os.path.join(icons, "scalable", "apps", f"{APP_ID}.svg"))
    for size in (16, 24, 32, 48, 64, 128, 256):
        with open(os.path.join(icons, f"{size}x{size}", "apps", f"{APP_ID}.png"), "rb") as file:
            e2e.check(file.read(24)[12:] == b"IHDR" + size.to_bytes(4, "big") * 2,
                      f"the {size} x {size} icon is not a PNG of that size")


def scenario(pScenario):  # packs the build tree as `make package` does, then looks into it
    buildDir, version, folder = (os.environ["TOVIMAR_BUILD_DIR"], os.environ["TOVIMAR_VERSION"],
                                 pScenario.shotsDir)
    tool(os.environ["CPACK_COMMAND"], "--config", f"{buildDir}/CPackConfig.cmake", "-B", folder)
    packages = glob.glob(f"{folder}/*.deb")
    e2e.check(len(packages) == 1, f"cpack made {packages}, not one Debian package")
    fields = {field: tool("dpkg-deb", "--field", packages[0], field).strip()
              for field in ("Package", "Version", "Architecture", "Depends", "Recommends")}
    named = {name: {re.split(r"[\s(]", clause.strip())[0] for clause in fields[name].split(",")}
             for name in ("Depends", "Recommends")}
    e2e.check((fields["Package"], fields["Version"], fields["Architecture"])
              == ("tovimar", version, os.environ["TOVIMAR_DEBIAN_ARCH"])
              and DEPENDS <= named["Depends"] and "qt6-wayland" in named["Recommends"],
              f"the package's fields are {fields}")
    tool("dpkg-deb", "--extract", packages[0], f"{folder}/root")
    e2e.check(os.listdir(f"{folder}/root") == ["usr"], "the package installs outside /usr")
    check_layout(f"{folder}/root/usr", version)
    shot = pScenario.start_main_screen()
    # Cross-built: as the build machine's program draws it, but for a few shades at glyph edges.
    if host := os.environ.get("TOVIMAR_HOST_BUILD_DIR"):
        e2e.stop(pScenario.process)
        pScenario.program = os.path.join(host, "tovimar")
        hostShot = pScenario.start_main_screen("host")
        differing = shot.differing(hostShot, None, 8)
        e2e.check(differing == 0, f"{differing} pixels differ from the build machine's screen")


if __name__ == "__main__":
    e2e.run(scenario, pTools=("desktop-file-validate", "appstreamcli", "dpkg-deb"))
