# 64-bit big-endian Linux on IBM Z (Debian: g++-s390x-linux-gnu); the tests
# run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(triple s390x-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-s390x -L /usr/${triple})
