# 32-bit Windows, the architecture players get.
set(ZTV_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
