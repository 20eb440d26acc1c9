# ARMv6 Linux (Raspberry Pi 1 and Zero) with Debian's armel compiler
# (g++-arm-linux-gnueabi), whose code runs on ARMv5TE and later; armhf code
# needs ARMv7 and dies there of an illegal instruction. The tests run under
# qemu-user on an ARM1176, the Pi's own CPU.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR armv6l)
set(triple arm-linux-gnueabi)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm -cpu arm1176 -L /usr/${triple})
