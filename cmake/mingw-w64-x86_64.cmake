# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix thread model, for std::thread and Qt).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine runs the cross-built tests; CTest needs to know how to start a .exe.
find_program(TAVELON_WINE NAMES wine wine64 NO_CMAKE_FIND_ROOT_PATH)
if(TAVELON_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TAVELON_WINE})
endif()

# Debian's Qt leaves a static Qt's plugins out of the programs linked with it unless told otherwise
# (a patch of its own); the Windows program needs its platform and style plugins linked in.
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)
