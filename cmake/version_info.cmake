# The project's one version, stamped into what ships: the Windows programs'
# version resources and the client's bin/client_version.ini.

set(ZTV_PUBLISHER "Zentrova Games")

# A version resource for a Windows program, as a source file to add to it.
function(ztv_version_resource out internal_name original_filename description)
  set(ZTV_INTERNAL_NAME ${internal_name})
  set(ZTV_ORIGINAL_FILENAME ${original_filename})
  set(ZTV_FILE_DESCRIPTION ${description})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${internal_name}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${rc} @ONLY)
  set(${out} ${rc} PARENT_SCOPE)
endfunction()

# The manifest <template> (a .manifest.in file), naming the processor the
# build is for, where the resource script of <target> finds it by its plain
# name.
function(ztv_manifest target template)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(ZTV_MANIFEST_ARCH amd64)
  else()
    set(ZTV_MANIFEST_ARCH x86)
  endif()
  get_filename_component(name ${template} NAME_WLE)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/${target}_manifest)
  configure_file(${template} ${folder}/${name} @ONLY)
  target_include_directories(${target} PRIVATE ${folder})
endfunction()
