# Cross-building on a Debian machine for another Debian architecture, included by the toolchain
# file of each, which sets TOVIMAR_DEBIAN_ARCH, TOVIMAR_CROSS_TRIPLET (the GNU triplet, which
# names Debian's multiarch folders too), TOVIMAR_CROSS_PROCESSOR and TOVIMAR_CROSS_EMULATOR.
# Everything comes from Debian's archive: the cross compiler, Qt's libraries of the target
# architecture, and the build machine's own Qt tools (moc, rcc, qmlcachegen, lrelease), which run
# here.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${TOVIMAR_CROSS_PROCESSOR})
set(CMAKE_C_COMPILER ${TOVIMAR_CROSS_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${TOVIMAR_CROSS_TRIPLET}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${TOVIMAR_CROSS_TRIPLET})

set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake)
set(CMAKE_PREFIX_PATH /usr/lib/${TOVIMAR_CROSS_TRIPLET}/cmake)
# Programs run here, so they are the build machine's; libraries and headers are the target's,
# also where Qt's find modules ask pkg-config (for xkbcommon, which Qt's private GUI parts use).
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${TOVIMAR_CROSS_TRIPLET}/pkgconfig:/usr/share/pkgconfig)

# No binfmt handler is assumed: the target's programs (the tests) run through the emulator named
# here, which finds the target's loader and libraries in their multiarch folders below /.
set(CMAKE_CROSSCOMPILING_EMULATOR ${TOVIMAR_CROSS_EMULATOR} -L /)
