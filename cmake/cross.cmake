# What the cross toolchains share. The file that includes this one sets
# CMAKE_SYSTEM_NAME, CMAKE_SYSTEM_PROCESSOR and the triple of Debian's cross
# compiler; the target's libraries and headers are looked up under its root
# only, and programs on the build machine only.
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
	# The posix-thread variant: GoogleTest does not build with the win32 one.
	set(suffix -posix)
	set(CMAKE_RC_COMPILER ${triple}-windres)
	# No DLL beside the programs: a missing one shows under Wine only as
	# exit status 53, with no message.
	set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
endif()
set(CMAKE_C_COMPILER ${triple}-gcc${suffix})
set(CMAKE_CXX_COMPILER ${triple}-g++${suffix})

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
