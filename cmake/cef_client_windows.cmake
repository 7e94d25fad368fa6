# The release build of the Windows client against a CEF binary distribution
# of branch 3538, found through CEF_ROOT (see README). Not built here: no CEF
# distribution is installed on the development machines.

# The client runs without the sandbox (no_sandbox), so cef_sandbox.lib is
# not linked.
set(USE_SANDBOX OFF CACHE BOOL "Link CEF's sandbox library" FORCE)
list(APPEND CMAKE_MODULE_PATH ${CEF_ROOT}/cmake)
find_package(CEF REQUIRED)
add_subdirectory(${CEF_LIBCEF_DLL_WRAPPER_PATH} libcef_dll_wrapper)

ADD_LOGICAL_TARGET("libcef_lib" "${CEF_LIB_DEBUG}" "${CEF_LIB_RELEASE}")
SET_CEF_TARGET_OUT_DIR()

add_executable(ZTVClient WIN32
  ${PROJECT_SOURCE_DIR}/client/resources/client.rc
  ${version_rc})
ztv_manifest(ZTVClient ${PROJECT_SOURCE_DIR}/client/resources/client.manifest.in)
add_dependencies(ZTVClient libcef_dll_wrapper)
SET_EXECUTABLE_TARGET_PROPERTIES(ZTVClient)
target_link_libraries(ZTVClient PRIVATE
  ztv_client_entry ztv_client_notices libcef_lib libcef_dll_wrapper ${CEF_STANDARD_LIBS})
# client.rc carries the program's manifest.
if(MSVC)
  target_link_options(ZTVClient PRIVATE /MANIFEST:NO)
endif()
# Installed under the name the launcher starts by default.
set_target_properties(ZTVClient PROPERTIES OUTPUT_NAME game SUFFIX .ztv)
ztv_sign_program(ZTVClient)

COPY_FILES(ZTVClient "${CEF_BINARY_FILES}" "${CEF_BINARY_DIR}"
           "${CEF_TARGET_OUT_DIR}")
COPY_FILES(ZTVClient "${CEF_RESOURCE_FILES}" "${CEF_RESOURCE_DIR}"
           "${CEF_TARGET_OUT_DIR}")
install(TARGETS ZTVClient RUNTIME DESTINATION bin)
install(DIRECTORY ${CEF_TARGET_OUT_DIR}/ DESTINATION bin
        FILES_MATCHING PATTERN "*.dll" PATTERN "*.bin" PATTERN "*.pak"
        PATTERN "*.dat" PATTERN "locales/*")

# Distributing the engine requires its licence and the licensing notes of
# the distribution's README.txt; the engine's own credits page
# (chrome://credits) lists Chromium's parts.
file(READ ${CEF_ROOT}/README.txt cef_readme)
string(FIND "${cef_readme}" "LICENSING" licensing_at)
if(licensing_at EQUAL -1)
  message(FATAL_ERROR "${CEF_ROOT}/README.txt has no LICENSING section")
endif()
string(SUBSTRING "${cef_readme}" ${licensing_at} -1 cef_licensing)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/CEF-LICENSING.txt "${cef_licensing}")
install(FILES ${CEF_ROOT}/LICENSE.txt DESTINATION licenses
        RENAME CEF-LICENSE.txt)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/CEF-LICENSING.txt
        DESTINATION licenses)
PRINT_CEF_CONFIG()
