# ztv_nsis_installer(<target> <output exe> <version> <install tree>
#                    [DEPENDS <targets>...] [CLIENT_VERSION <text>])
# Builds a Windows installer with makensis from an install tree made by
# `cmake --install` of this build. CLIENT_VERSION overrides the tree's
# bin/client_version.ini (for tests that need an older installer).

function(ztv_nsis_installer target output version stage)
  set(ZTV_NSIS_DIR ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  cmake_parse_arguments(ARG "" "CLIENT_VERSION" "DEPENDS" ${ARGN})
  get_filename_component(work ${output} DIRECTORY)
  set(lists ${work}/${target}_lists)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${lists}
    COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage} -DOUT_DIR=${lists}
            -DCLIENT_VERSION=${ARG_CLIENT_VERSION}
            -P ${ZTV_NSIS_DIR}/file_lists.cmake
    COMMAND ${MAKENSIS} -V2 -NOCD -DVERSION=${version}
            "-DPUBLISHER=${ZTV_PUBLISHER}"
            -DICON=${PROJECT_SOURCE_DIR}/launcher/ztv.ico
            -DOUTFILE=${output}
            -DINSTALL_FILES=${lists}/install_files.nsh
            -DUNINSTALL_FILES=${lists}/uninstall_files.nsh
            ${ZTV_NSIS_DIR}/zentrova.nsi
    DEPENDS ${ARG_DEPENDS} ${ZTV_NSIS_DIR}/zentrova.nsi
            ${ZTV_NSIS_DIR}/file_lists.cmake
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
