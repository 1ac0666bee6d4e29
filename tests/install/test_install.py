"""The program as a user gets it: installed with `cmake --install`, and as the Debian package.

Both layouts hold the program with its default catalogues in "data" beside it, and the desktop
entry, the AppStream description and the icon in every size where a desktop looks for them;
the two descriptions pass their validators without a remark. Then the installed program runs
on a virtual display with a data folder of its own, and its catalogue screen shows, ticks and
copies the catalogue installed beside it.

Arguments as for every scenario: the program as it will be installed, and the folder for the
installed files, the package, screenshots and logs. The build tree comes from the environment.
"""

import configparser
import glob
import os
import re
import shutil
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "e2e"))
import tovimar_e2e as e2e  # noqa: E402
import test_catalogue  # noqa: E402

APP_ID = "org.velmora.Tovimar"
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
LANGUAGE_CODES = ("en", "ru")
# The QML modules are loaded at run time, so that only the package's own list can name them;
# of the libraries, those the program links itself.
REQUIRED_PACKAGES = ("qml6-module-qtquick", "qml6-module-qtqml-workerscript", "libqt6core6",
                     "libqt6qml6", "libqt6widgets6", "libqt6quickwidgets6", "zlib1g", "libc6")
# Qt's Wayland platform, for the shells of handhelds.
RECOMMENDED_PACKAGES = ("qt6-wayland",)
TOOLS = (("desktop-file-validate", "desktop-file-utils"), ("appstreamcli", "appstream"),
         ("dpkg-deb", "dpkg"))


def run_tool(pArguments, pTimeout=60):
    """The tool's output; a failure of the tool fails the scenario with what it said."""
    try:
        result = subprocess.run(pArguments, capture_output=True, text=True, timeout=pTimeout)
    except subprocess.TimeoutExpired:
        raise e2e.ScenarioFailed(f"{' '.join(pArguments)} hung")
    e2e.check(result.returncode == 0, f"{' '.join(pArguments)} failed ({result.returncode}):\n"
              f"{result.stdout}{result.stderr}")
    return result.stdout + result.stderr


def png_size(pPath):
    with open(pPath, "rb") as file:
        header = file.read(24)
    e2e.check(header[:8] == b"\x89PNG\r\n\x1a\n" and header[12:16] == b"IHDR",
              f"{pPath} is not a PNG")
    return struct.unpack(">II", header[16:24])


def read_desktop_entry(pPath):
    entry = configparser.ConfigParser(interpolation=None, strict=True)
    entry.optionxform = str  # keys are case-sensitive, "Name[ru]" included
    entry.read(pPath, encoding="utf-8")
    e2e.check(entry.has_section("Desktop Entry"), f"{pPath} has no [Desktop Entry] group")
    return entry["Desktop Entry"]


def check_descriptions(pShare, pVersion):
    """The desktop entry and the AppStream description: valid, and naming each other, the
    installed program and its icon."""
    desktopFile = os.path.join(pShare, "applications", f"{APP_ID}.desktop")
    metainfoFile = os.path.join(pShare, "metainfo", f"{APP_ID}.metainfo.xml")
    for path in (desktopFile, metainfoFile):
        e2e.check(os.path.isfile(path), f"{path} is not installed")

    remarks = run_tool(["desktop-file-validate", desktopFile]).strip()
    e2e.check(not remarks, f"desktop-file-validate remarks:\n{remarks}")
    # Errors, warnings and infos all count; only the pedantic hints are let pass.
    output = run_tool(["appstreamcli", "validate", "--no-net", metainfoFile])
    remarks = [line for line in output.splitlines() if re.match(r"[EWI]: ", line)]
    e2e.check(not remarks, "appstreamcli validate remarks:\n" + "\n".join(remarks))

    entry = read_desktop_entry(desktopFile)
    e2e.check(entry.get("Exec") == "tovimar", f"Exec is {entry.get('Exec')!r}")
    e2e.check(entry.get("Icon") == APP_ID, f"Icon is {entry.get('Icon')!r}")
    for key in ("Name", "Comment"):
        e2e.check(entry.get(f"{key}[ru]"), f"the desktop entry has no Russian {key}")

    component = ElementTree.parse(metainfoFile).getroot()
    e2e.check(component.findtext("id") == APP_ID,
              f"the component id is {component.findtext('id')!r}")
    launchable = component.findtext("launchable[@type='desktop-id']")
    e2e.check(launchable == os.path.basename(desktopFile),
              f"the description launches {launchable!r}, not the installed desktop entry")
    releases = [release.get("version") for release in component.iter("release")]
    e2e.check(releases and releases[0] == pVersion,
              f"the newest release described is {releases[:1]}, the program is {pVersion}")


def check_icons(pShare):
    icons = os.path.join(pShare, "icons", "hicolor")
    scalable = os.path.join(icons, "scalable", "apps", f"{APP_ID}.svg")
    e2e.check(os.path.isfile(scalable), f"{scalable} is not installed")
    e2e.check(ElementTree.parse(scalable).getroot().tag == "{http://www.w3.org/2000/svg}svg",
              f"{scalable} is not an SVG document")
    for size in ICON_SIZES:
        path = os.path.join(icons, f"{size}x{size}", "apps", f"{APP_ID}.png")
        e2e.check(os.path.isfile(path), f"{path} is not installed")
        e2e.check(png_size(path) == (size, size),
                  f"{path} is {'x'.join(map(str, png_size(path)))}, not {size}x{size}")


def check_layout(pPrefix, pVersion):
    """The program below an installation prefix, with everything it and a desktop need."""
    program = os.path.join(pPrefix, "bin", "tovimar")
    e2e.check(os.path.isfile(program) and os.access(program, os.X_OK),
              f"{program} is not installed as a program")
    # Relative, so that it holds wherever the tree is unpacked.
    e2e.check(os.readlink(program) == "../lib/tovimar/tovimar",
              f"{program} does not link to the program beside its catalogues")
    for code in LANGUAGE_CODES:
        catalogue = os.path.join(pPrefix, "lib", "tovimar", "data", f"categories_{code}.db")
        e2e.check(os.path.isfile(catalogue), f"{catalogue} is not installed")
        root = e2e.read_compressed_xml(catalogue)
        e2e.check(root.tag == "tovimar_categories" and root.findall("item"),
                  f"{catalogue} holds no catalogue")
    share = os.path.join(pPrefix, "share")
    check_descriptions(share, pVersion)
    check_icons(share)


def control_field(pPackage, pField):
    return run_tool(["dpkg-deb", "--field", pPackage, pField]).strip()


def check_package(pBuildDir, pFolder, pVersion):
    """Packs the build tree as CPack does for `make package`, then looks into the package."""
    output = os.path.join(pFolder, "output")
    run_tool([os.environ.get("CPACK_COMMAND", "cpack"),
              "--config", os.path.join(pBuildDir, "CPackConfig.cmake"), "-B", output])
    packages = glob.glob(os.path.join(output, "*.deb"))
    e2e.check(len(packages) == 1, f"cpack made {packages}, not one Debian package")
    package = packages[0]
    e2e.check(control_field(package, "Package") == "tovimar", "the package is not named tovimar")
    e2e.check(control_field(package, "Version") == pVersion,
              f"the package's version is {control_field(package, 'Version')!r}, not {pVersion}")
    for field, expected in (("Depends", REQUIRED_PACKAGES),
                            ("Recommends", RECOMMENDED_PACKAGES)):
        named = {re.split(r"[\s(]", clause.strip())[0]
                 for clause in control_field(package, field).split(",")}
        missing = [name for name in expected if name not in named]
        e2e.check(not missing, f"the package's {field} lacks {missing}; it names "
                  f"{sorted(named - {''})}")

    root = os.path.join(pFolder, "root")
    run_tool(["dpkg-deb", "--extract", package, root])
    check_layout(os.path.join(root, "usr"), pVersion)
    outside = [name for name in os.listdir(root) if name != "usr"]
    e2e.check(not outside, f"the package installs outside /usr: {outside}")


def scenario(pScenario):
    for tool, package in TOOLS:
        if shutil.which(tool) is None:
            raise e2e.ScenarioSkipped(f"{tool} is not installed (Debian package {package}; "
                                      "scripts/install-deps.sh installs it)")
    buildDir = os.environ["TOVIMAR_BUILD_DIR"]
    version = os.environ["TOVIMAR_VERSION"]
    prefix = os.path.dirname(os.path.dirname(pScenario.program))
    run_tool([os.environ.get("CMAKE_COMMAND", "cmake"), "--install", buildDir, "--prefix", prefix])
    check_layout(prefix, version)
    pScenario.log(f"installed into {prefix}")
    check_package(buildDir, os.path.join(pScenario.shotsDir, "package"), version)
    pScenario.log("the Debian package holds the same layout")

    # The installed program, not the one in the build tree, reads the catalogue beside it.
    test_catalogue.scenario(pScenario)


if __name__ == "__main__":
    e2e.run(scenario, pTimeBudget=100)
