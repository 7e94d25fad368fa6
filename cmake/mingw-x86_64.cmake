# 64-bit Windows: a test build only, since 64-bit Wine runs where 32-bit
# code cannot. Nothing of it ships.
set(ZTV_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
