# 64-bit ARM (Debian arm64): `cmake --toolchain cmake/toolchain-arm64.cmake`, or `make package
# ARCH=arm64`.
set(TOVIMAR_DEBIAN_ARCH arm64)
set(TOVIMAR_CROSS_TRIPLET aarch64-linux-gnu)
set(TOVIMAR_CROSS_PROCESSOR aarch64)
set(TOVIMAR_CROSS_EMULATOR qemu-aarch64-static)
include(${CMAKE_CURRENT_LIST_DIR}/CrossDebian.cmake)
