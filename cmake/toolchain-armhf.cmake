# 32-bit ARM with hardware floating point (Debian armhf): `cmake --toolchain
# cmake/toolchain-armhf.cmake`, or `make package ARCH=armhf`.
set(TOVIMAR_DEBIAN_ARCH armhf)
set(TOVIMAR_CROSS_TRIPLET arm-linux-gnueabihf)
set(TOVIMAR_CROSS_PROCESSOR arm)
set(TOVIMAR_CROSS_EMULATOR qemu-arm-static)
include(${CMAKE_CURRENT_LIST_DIR}/CrossDebian.cmake)
