# Cross compiling for 64-bit Windows with Debian's mingw-w64 (posix thread model), against
# the Qt, GoogleTest and hidapi that scripts/build-windows.sh builds into its cache.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_AR x86_64-w64-mingw32-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB x86_64-w64-mingw32-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
# The Qt, GoogleTest and hidapi builds themselves use the bare compiler
# (CARDDEMO_TOOLCHAIN_BARE).
if(NOT CARDDEMO_TOOLCHAIN_BARE)
  if(DEFINED ENV{CARDDEMO_MINGW_CACHE})
    set(CARDDEMO_MINGW_CACHE $ENV{CARDDEMO_MINGW_CACHE})
  else()
    set(CARDDEMO_MINGW_CACHE $ENV{HOME}/.cache/carddemo/mingw)
  endif()
  foreach(part qt6 gtest hidapi)
    list(APPEND CMAKE_FIND_ROOT_PATH ${CARDDEMO_MINGW_CACHE}/${part})
    list(APPEND CMAKE_PREFIX_PATH ${CARDDEMO_MINGW_CACHE}/${part})
  endforeach()
  # Tests run under Wine, with the Qt and mingw runtime DLLs on the program's path.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
