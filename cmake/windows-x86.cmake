# 32-bit Windows, with Debian's MinGW-w64 (g++-mingw-w64-i686-posix). Its
# programs cannot run here: Wine runs 32-bit code only with wine32, whose
# loader replaces the 64-bit one, and this kernel runs no 32-bit x86 code.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
