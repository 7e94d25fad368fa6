# Writes the installer's file lists from an install tree, as NSIS commands:
#   cmake -DSTAGE=<install tree> -DOUT_DIR=<folder> [-DCLIENT_VERSION=<text>]
#         -P file_lists.cmake
# A CLIENT_VERSION replaces the tree's bin/client_version.ini first.
#
# The tree gets install.files, the record of what this version installs (one
# Windows path a line, relative to the install folder), which the next
# version reads to remove what it no longer ships. The lists:
# - stage_files.nsh extracts every file into the folder in $StageDir;
# - installed_files.nsh defines ZtvForEachFile (and ZtvForEachFileReversed),
#   which insert a given macro with each file's relative path;
# - shipped_file.nsh defines ZtvIsShipped: whether the path in $R1 is one of
#   this version's files ($R2 is "yes" or "no");
# - installed_folders.nsh removes each folder, deepest first, when empty.

if(CLIENT_VERSION)
  file(WRITE ${STAGE}/bin/client_version.ini "${CLIENT_VERSION}")
endif()

# The uninstaller and the record are installed too, but made here and by
# the installer.
set(record install.files)
file(REMOVE ${STAGE}/${record})
file(GLOB_RECURSE files RELATIVE ${STAGE} LIST_DIRECTORIES false ${STAGE}/*)
list(APPEND files ${record} uninstall.exe)
list(SORT files)

# A path for NSIS: Windows separators, "$" escaped, quoted.
function(nsis_path out path)
  string(REPLACE "$" "$$" path "${path}")
  string(REPLACE "/" "\\" path "${path}")
  set(${out} "${path}" PARENT_SCOPE)
endfunction()

set(record_text "")
set(stage "")
set(each "")
set(shipped "")
set(folders "")
set(current_folder "-")
foreach(file IN LISTS files)
  nsis_path(windows_path "${file}")
  string(REPLACE "/" "\\" plain "${file}")
  string(APPEND record_text "${plain}\r\n")
  string(APPEND each "  !insertmacro \${_MACRO} \"${windows_path}\"\n")
  string(APPEND shipped "  StrCmp $R1 \"${windows_path}\" ztv_shipped\n")
  get_filename_component(folder "${file}" DIRECTORY)
  if(NOT file STREQUAL "uninstall.exe")
    if(NOT folder STREQUAL current_folder)
      nsis_path(windows_folder "${folder}")
      if(windows_folder)
        set(windows_folder "\\${windows_folder}")
      endif()
      string(APPEND stage "SetOutPath \"$StageDir${windows_folder}\"\n")
      set(current_folder "${folder}")
    endif()
    string(REPLACE "$" "$$" source "${STAGE}/${file}")
    string(APPEND stage "File \"${source}\"\n")
  endif()
  while(folder)
    list(APPEND folders "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()
# The same insertions, last file first, for undoing.
string(REGEX MATCHALL "[^\n]+" lines "${each}")
list(REVERSE lines)
list(JOIN lines "\n" reversed_each)

list(REMOVE_DUPLICATES folders)
list(SORT folders)
list(REVERSE folders)
set(remove_folders "")
foreach(folder IN LISTS folders)
  nsis_path(windows_folder "${folder}")
  string(APPEND remove_folders "RMDir \"$INSTDIR\\${windows_folder}\"\n")
endforeach()

file(WRITE ${STAGE}/${record} "${record_text}")
file(WRITE ${OUT_DIR}/stage_files.nsh "${stage}")
file(WRITE ${OUT_DIR}/installed_files.nsh
     "!macro ZtvForEachFile _MACRO\n${each}!macroend\n"
     "!macro ZtvForEachFileReversed _MACRO\n${reversed_each}\n!macroend\n")
file(WRITE ${OUT_DIR}/shipped_file.nsh
     "!macro ZtvIsShipped\n${shipped}  StrCpy $R2 no\n  Goto ztv_shipped_end\n"
     "  ztv_shipped:\n  StrCpy $R2 yes\n  ztv_shipped_end:\n!macroend\n")
file(WRITE ${OUT_DIR}/installed_folders.nsh "${remove_folders}")
