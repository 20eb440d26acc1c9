# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64);
# the tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix-thread variant: GoogleTest does not build with the win32 one.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No DLL beside the programs: a missing one shows under Wine only as exit
# status 53, with no message.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Wine with a prefix of the build's own (Wine wants it owned by whoever runs
# the tests), no debug chatter on standard error, and no offer to install
# Mono or Gecko, which the programs do not need.
set(LODEWISE_WINE_ENV
	WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
	WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR env ${LODEWISE_WINE_ENV} wine)
