# A Debian package of the installed layout: `cmake --build <build> --target package`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tovimar)
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_CONTACT "Velmora <packages@velmora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "touch-screen shopping list")
# Debian shows the long description as it is: lines within 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tovimar Lite keeps one shopping list: items with a name, a category, an"
    "amount and unit, a price and a note, typed in or ticked in a product"
    "catalogue that learns from the list. In the shop the items are tapped into"
    "the cart while the counts and totals are kept, up to a checkout summary."
    "English and Russian, fourteen currencies.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Cross-built, the package is the target architecture's. dpkg-shlibdeps finds the libraries, and
# the packages they come from, by the architecture of the program itself; told the target's, it
# reads the program with the target's objdump.
if(CMAKE_CROSSCOMPILING)
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${TOVIMAR_DEBIAN_ARCH})
    set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackTargetArchitecture.cmake)
    file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE}
        CONTENT "set(ENV{DEB_HOST_ARCH} ${TOVIMAR_DEBIAN_ARCH})\n")
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

# Depends, from lists of one package a line (lines starting with # are comments): the QML modules
# the program loads; the libraries it links come from dpkg-shlibdeps, with the versions their
# symbols need, and without it from their list, unversioned.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/depends-qml.txt TOVIMAR_QML_DEPENDS REGEX "^[^#]")
find_program(TOVIMAR_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TOVIMAR_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(TOVIMAR_LIBRARY_DEPENDS)
else()
    file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/depends-libraries.txt TOVIMAR_LIBRARY_DEPENDS
        REGEX "^[^#]")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/depends-qml.txt ${CMAKE_CURRENT_LIST_DIR}/depends-libraries.txt)
list(JOIN TOVIMAR_QML_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
if(TOVIMAR_LIBRARY_DEPENDS)
    list(JOIN TOVIMAR_LIBRARY_DEPENDS ", " libraryDepends)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${libraryDepends}")
endif()

# Handheld shells are Wayland compositors: with Qt's Wayland platform the program runs there
# natively, without it only through an X server the shell may not offer.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
# A kiosk's panel without a keyboard of its own types on Qt's on-screen keyboard, which the
# program then draws in its window.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-virtualkeyboard-plugin, qml6-module-qtquick-virtualkeyboard, qml6-module-qt-labs-folderlistmodel")

include(CPack)
