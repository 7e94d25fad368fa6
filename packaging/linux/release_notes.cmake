# Reads the project's NEWS into the Debian changelog and the AppStream
# releases of the package, so that both always name the version built.
#
#   ztv_release_notes(<NEWS> <version> <changelog var> <appstream var>)
#
# The newest release of NEWS must be <version>: a build whose version has no
# entry stops here rather than ship last release's notes.

function(ztv_xml_escape out text)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Debian's changelog dates: RFC 5322 at midnight UTC.
function(ztv_changelog_date out day)
  execute_process(COMMAND date -u -R -d "${day}"
                  OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  set(${out} "${date}" PARENT_SCOPE)
endfunction()

# A change as a changelog entry: "  * " and its words, wrapped before
# column 80 with the lines that go on indented under the first.
function(ztv_changelog_item out item)
  string(REPLACE " " ";" words "${item}")
  set(text "  *")
  set(line "  *")
  foreach(word IN LISTS words)
    string(LENGTH "${line} ${word}" length)
    if(length GREATER 79)
      string(APPEND text "\n    ${word}")
      set(line "    ${word}")
    else()
      string(APPEND text " ${word}")
      string(APPEND line " ${word}")
    endif()
  endforeach()
  set(${out} "${text}\n" PARENT_SCOPE)
endfunction()

function(ztv_release_notes news version changelog_var appstream_var)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${news})
  file(STRINGS ${news} lines)
  set(releases "")
  set(current "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^([0-9]+(\\.[0-9]+)*) \\(([0-9]+-[0-9]+-[0-9]+)\\)$")
      set(current "${CMAKE_MATCH_1}")
      list(APPEND releases "${current}")
      set(date_${current} "${CMAKE_MATCH_3}")
      set(items_${current} "")
    elseif(current AND line MATCHES "^- (.*)$")
      list(APPEND items_${current} "${CMAKE_MATCH_1}")
    elseif(current AND line MATCHES "^  +(.*)$")
      # A change's text goes on over indented lines.
      list(POP_BACK items_${current} item)
      list(APPEND items_${current} "${item} ${CMAKE_MATCH_1}")
    elseif(current AND NOT line STREQUAL "")
      message(FATAL_ERROR "${news}: not a change of ${current}: ${line}")
    endif()
  endforeach()
  list(GET releases 0 newest)
  if(NOT newest STREQUAL version)
    message(FATAL_ERROR
            "${news}: the newest release is ${newest}, the build is ${version}")
  endif()

  set(changelog "")
  set(appstream "")
  foreach(release IN LISTS releases)
    if(NOT items_${release})
      message(FATAL_ERROR "${news}: release ${release} lists no change")
    endif()
    ztv_changelog_date(date "${date_${release}}")
    string(APPEND changelog "zentrova (${release}) stable; urgency=medium\n\n")
    string(APPEND appstream
           "    <release version=\"${release}\" date=\"${date_${release}}\">\n"
           "      <description>\n        <ul>\n")
    foreach(item IN LISTS items_${release})
      ztv_changelog_item(entry "${item}")
      string(APPEND changelog "${entry}")
      ztv_xml_escape(item "${item}")
      string(APPEND appstream "          <li>${item}</li>\n")
    endforeach()
    string(APPEND changelog
           "\n -- Zentrova Games <support@zentrova.com>  ${date}\n\n")
    string(APPEND appstream "        </ul>\n      </description>\n"
                            "    </release>\n")
  endforeach()
  string(STRIP "${changelog}" changelog)
  string(STRIP "${appstream}" appstream)
  set(${changelog_var} "${changelog}\n" PARENT_SCOPE)
  set(${appstream_var} "    ${appstream}" PARENT_SCOPE)
endfunction()
