# Cross-compiles for 64-bit Windows with Debian's mingw-w64 compiler (the posix
# thread model, which std::thread and std::mutex need) and links the C and C++
# runtimes statically, so that the programs run without any DLL beside them.
# Built programs run under wine64, which CTest uses as the emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VERBODEX_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VERBODEX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VERBODEX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VERBODEX_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VERBODEX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Debian installs the 64-bit loader outside the PATH.
find_program(VERBODEX_WINE NAMES wine64 wine PATHS /usr/lib/wine /usr/lib/wine64 NO_CMAKE_FIND_ROOT_PATH)
if(VERBODEX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VERBODEX_WINE})
endif()
