# 64-bit Windows, with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix); the
# tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)

# Wine with a prefix of the build's own (Wine wants it owned by whoever runs
# the tests), no debug chatter on standard error, and no offer to install
# Mono or Gecko, which the programs do not need.
set(LODEWISE_WINE_ENV
	WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
	WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR env ${LODEWISE_WINE_ENV} wine)
