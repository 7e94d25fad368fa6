# A release's Windows programs and installers are signed, so that the
# elevated launcher's prompt names its publisher. SIGN_COMMAND is the
# command line that signs the file given as its last argument, for example
# "signtool sign /fd SHA256 /tr http://timestamp.example /td SHA256 /a".
set(SIGN_COMMAND "" CACHE STRING
    "Command that signs the Windows program or installer given last")

# Signs |target|'s program after each link, when SIGN_COMMAND is set.
function(ztv_sign_program target)
  if(SIGN_COMMAND)
    separate_arguments(command NATIVE_COMMAND "${SIGN_COMMAND}")
    add_custom_command(TARGET ${target} POST_BUILD
                       COMMAND ${command} $<TARGET_FILE:${target}>
                       VERBATIM)
  endif()
endfunction()
