# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads, for std::jthread
# and std::mutex). Tests run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_host x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_host}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_host}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_host}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_host})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Statically linked: the program runs on a Windows machine with nothing installed.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(TALLYDENE_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(TALLYDENE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TALLYDENE_WINE})
endif()
