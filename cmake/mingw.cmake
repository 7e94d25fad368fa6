# Windows through MinGW-w64, for the processor the including toolchain file
# sets in ZTV_MINGW_ARCH (i686 or x86_64). Tests run under Wine, each
# architecture in a prefix of its own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ZTV_MINGW_ARCH})

set(triple ${ZTV_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

if(ZTV_MINGW_ARCH STREQUAL "i686")
  set(ZTV_WINE_ARCH win32)
else()
  set(ZTV_WINE_ARCH win64)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run
                                  ${ZTV_WINE_ARCH})
