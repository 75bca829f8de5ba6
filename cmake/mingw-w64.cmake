# Cross-building the command line for 64-bit Windows with Debian's
# MinGW-w64 (g++-mingw-w64-x86-64-posix: the POSIX thread model, which
# std::thread and std::mutex need):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# scripts/build_windows.sh does this and installs what it needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)

# Headers and libraries of the target only; programs of the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One exe that needs no DLL of the compiler: the C and C++ runtimes and
# the threads are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# ctest runs the programs through Wine, quietly, in the prefix the tests
# keep outside the clone (scripts/test_windows.sh).
find_program(FF_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(FF_WINE)
  if(DEFINED ENV{FIDFORGE_WINEPREFIX})
    set(_prefix $ENV{FIDFORGE_WINEPREFIX})
  elseif(DEFINED ENV{FIDFORGE_CI_CACHE})
    set(_prefix $ENV{FIDFORGE_CI_CACHE}/wine)
  else()
    set(_prefix /var/cache/fidforge-ci/wine)
  endif()
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all WINEPREFIX=${_prefix} ${FF_WINE})
endif()
# The test lists are asked of the programs when ctest runs, not at every
# link (each ask starts Wine).
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
