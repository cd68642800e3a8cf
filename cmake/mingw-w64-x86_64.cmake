# Cross-builds konwpl for 64-bit Windows with Debian's MinGW-w64 (the POSIX-threads variant,
# package g++-mingw-w64-x86-64-posix), and runs what it builds under Wine:
#
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#
# Every program is linked statically, so that one .exe runs on its own. Tests and
# gtest_discover_tests start the programs through cmake/wine-run, which keeps a Wine prefix of
# its own in the build folder and runs headless.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KONWPL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KONWPL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KONWPL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KONWPL_MINGW_TRIPLET}-windres)

# Libraries and headers for Windows come from the MinGW tree only; programs run on this machine.
set(CMAKE_FIND_ROOT_PATH /usr/${KONWPL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No libgcc, libstdc++ or winpthread DLLs to ship beside the programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The build folder is known here for the project itself; try_compile projects run nothing.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run;${CMAKE_BINARY_DIR}/wine")
