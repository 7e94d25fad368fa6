# A build under AddressSanitizer (linux-asan, fuzz): what Qt WebEngine's own
# code trips on runs in the plain build only, and nothing of it ships.
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=address")
  set(ZTV_SANITIZED ON)
else()
  set(ZTV_SANITIZED OFF)
endif()

# Every target of ours builds with warnings as errors; third-party code
# (GoogleTest, CEF's wrapper) keeps its own flags.
add_library(ztv_warnings INTERFACE)
if(MSVC)
  target_compile_options(ztv_warnings INTERFACE /W4 /WX)
  # CEF's wrapper library is built with the static runtime, and objects of
  # both runtimes do not link together.
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
else()
  target_compile_options(ztv_warnings INTERFACE -Wall -Wextra -Werror)
endif()

if(WIN32)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                          _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()
if(MINGW)
  # The programs ship without MinGW's runtime DLLs.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()
