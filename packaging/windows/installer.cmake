# ztv_nsis_installer(<target> <output exe> <version> <install tree>
#                    [DEPENDS <targets>...] [CLIENT_VERSION <text>]
#                    [STAND_IN_CLIENT <program>] [EXTRA_FILES <paths>...]
#                    [TEST_STOPS])
# Builds a Windows installer with makensis from an install tree made by
# `cmake --install` of this build. For the tests: CLIENT_VERSION overrides
# the tree's bin/client_version.ini, STAND_IN_CLIENT is installed as
# bin/game.ztv, and each of EXTRA_FILES (paths relative to the tree, in a
# folder it has) is added as an empty file, and TEST_STOPS makes an installer
# that stops dead after the step ZTV_SETUP_STOP_AFTER numbers. With
# SIGN_COMMAND set, makensis signs the installer and its uninstaller with it.

function(ztv_nsis_installer target output version stage)
  set(ZTV_NSIS_DIR ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  cmake_parse_arguments(ARG "TEST_STOPS" "CLIENT_VERSION;STAND_IN_CLIENT"
                        "DEPENDS;EXTRA_FILES" ${ARGN})
  get_filename_component(work ${output} DIRECTORY)
  set(lists ${work}/${target}_lists)
  set(test_files "")
  if(ARG_STAND_IN_CLIENT)
    list(APPEND test_files COMMAND ${CMAKE_COMMAND} -E copy
         ${ARG_STAND_IN_CLIENT} ${stage}/bin/game.ztv)
  endif()
  foreach(file IN LISTS ARG_EXTRA_FILES)
    list(APPEND test_files COMMAND ${CMAKE_COMMAND} -E touch ${stage}/${file})
  endforeach()
  # The installer is of the build's architecture: x86 for players, amd64
  # for the 64-bit test build, whose tests run where 32-bit code cannot.
  set(target_cpu "")
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(target_cpu "-XTarget amd64-unicode")
  endif()
  set(stops "")
  if(ARG_TEST_STOPS)
    set(stops "-DTEST_STOPS")
  endif()
  set(sign "")
  if(SIGN_COMMAND)
    set(sign "-DSIGN_COMMAND=${SIGN_COMMAND}")
  endif()
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${stage}
            --config $<CONFIG>
    ${test_files}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${lists}
    COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage} -DOUT_DIR=${lists}
            -DCLIENT_VERSION=${ARG_CLIENT_VERSION}
            -P ${ZTV_NSIS_DIR}/file_lists.cmake
    COMMAND ${MAKENSIS} -V2 -NOCD -DVERSION=${version}
            "-DPUBLISHER=${ZTV_PUBLISHER}"
            -DICON=${PROJECT_SOURCE_DIR}/launcher/ztv.ico
            -DOUTFILE=${output}
            -DSTAGE_FILES=${lists}/stage_files.nsh
            -DINSTALLED_FILES=${lists}/installed_files.nsh
            -DSHIPPED_FILE=${lists}/shipped_file.nsh
            -DINSTALLED_FOLDERS=${lists}/installed_folders.nsh
            ${target_cpu} ${stops} ${sign}
            ${ZTV_NSIS_DIR}/zentrova.nsi
    DEPENDS ${ARG_DEPENDS} ${ZTV_NSIS_DIR}/zentrova.nsi
            ${ZTV_NSIS_DIR}/file_lists.cmake
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
