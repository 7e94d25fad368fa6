# The Linux programs ship in a Debian package: the plain build takes Debian's
# hardening flags (fortified functions, stack protector, full RELRO with
# immediate binding) as dpkg-buildflags gives them with every hardening
# feature on. Optimisation and debug flags stay the build type's.
if(UNIX AND NOT ZTV_SANITIZED)
  find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
  set(hardening_flags "")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g|O[0-9s]?|ffile-prefix-map=.*)$")
    set(ZTV_HARDENING_${kind} ${flags})
  endforeach()
  add_compile_options(${ZTV_HARDENING_CPPFLAGS} ${ZTV_HARDENING_CXXFLAGS})
  add_link_options(${ZTV_HARDENING_LDFLAGS})
endif()
