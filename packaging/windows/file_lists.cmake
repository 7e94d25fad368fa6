# Writes the installer's file lists from an install tree, as NSIS commands:
#   cmake -DSTAGE=<install tree> -DOUT_DIR=<folder> [-DCLIENT_VERSION=<text>]
#         -P file_lists.cmake
# A CLIENT_VERSION replaces the tree's bin/client_version.ini first.
# install_files.nsh puts each file in place; bin\version.ini only where none
# is yet. uninstall_files.nsh deletes each file, then each folder deepest
# first, a folder only when empty.

if(CLIENT_VERSION)
  file(WRITE ${STAGE}/bin/client_version.ini "${CLIENT_VERSION}")
endif()

file(GLOB_RECURSE files RELATIVE ${STAGE} LIST_DIRECTORIES false ${STAGE}/*)
list(SORT files)

# A path under $INSTDIR, in Windows form and quoted for NSIS.
function(installed_path out relative)
  string(REPLACE "$" "$$" relative "${relative}")
  string(REPLACE "/" "\\" relative "${relative}")
  if(relative)
    set(relative "\\${relative}")
  endif()
  set(${out} "\"$INSTDIR${relative}\"" PARENT_SCOPE)
endfunction()

# A file of the install tree on the build machine, quoted for NSIS.
function(source_path out relative)
  string(REPLACE "$" "$$" relative "${relative}")
  set(${out} "\"${STAGE}/${relative}\"" PARENT_SCOPE)
endfunction()

set(install "")
set(uninstall "")
set(folders "")
set(current_folder "-")
foreach(file IN LISTS files)
  get_filename_component(folder "${file}" DIRECTORY)
  if(NOT folder STREQUAL current_folder)
    installed_path(target "${folder}")
    string(APPEND install "SetOutPath ${target}\n")
    set(current_folder "${folder}")
    while(folder)
      list(APPEND folders "${folder}")
      get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
  endif()
  source_path(source "${file}")
  installed_path(installed "${file}")
  if(file STREQUAL "bin/version.ini")
    string(APPEND install "SetOverwrite off\nFile ${source}\n"
                          "SetOverwrite on\n")
  else()
    string(APPEND install "File ${source}\n")
  endif()
  string(APPEND uninstall "Delete ${installed}\n")
endforeach()

list(REMOVE_DUPLICATES folders)
list(SORT folders)
list(REVERSE folders)
foreach(folder IN LISTS folders)
  installed_path(installed "${folder}")
  string(APPEND uninstall "RMDir ${installed}\n")
endforeach()

file(WRITE ${OUT_DIR}/install_files.nsh "${install}")
file(WRITE ${OUT_DIR}/uninstall_files.nsh "${uninstall}")
