# Writes the man page OUT (gzip-compressed) of PROGRAM from its own --help
# with help2man, adding the sections of INCLUDE and, for a program with
# subcommands, one subsection per command with that command's --help.
#   cmake -DPROGRAM=... -DNAME=... -DDESCRIPTION=... -DVERSION=... -DINCLUDE=... -DOUT=... -P man_page.cmake
find_program(HELP2MAN help2man REQUIRED)
find_program(GZIP gzip REQUIRED)

# roff: a backslash prints as \e, a line starting with . or ' as text.
function(roff_text text out_var)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

file(READ "${INCLUDE}" _include)
execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE _help RESULT_VARIABLE _failed)
if(_failed)
  message(FATAL_ERROR "${PROGRAM} --help failed")
endif()
if(_help MATCHES "\nSubcommands:\n(.*)")
  string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" _commands "\n${CMAKE_MATCH_1}")
  # After the global options, each command with its own options.
  string(APPEND _include "[>OPTIONS]\n")
  foreach(_command ${_commands})
    string(STRIP "${_command}" _command)
    execute_process(COMMAND "${PROGRAM}" ${_command} --help OUTPUT_VARIABLE _command_help
                    RESULT_VARIABLE _failed)
    if(_failed)
      message(FATAL_ERROR "${PROGRAM} ${_command} --help failed")
    endif()
    roff_text("${_command_help}" _command_help)
    string(APPEND _include ".SS \"${NAME} ${_command}\"\n.nf\n${_command_help}.fi\n")
  endforeach()
endif()
file(WRITE "${OUT}.h2m" "${_include}")

execute_process(
  COMMAND "${HELP2MAN}" --no-info --no-discard-stderr --locale=C.UTF-8 "--name=${DESCRIPTION}" "--version-string=${VERSION}"
          "--include=${OUT}.h2m" "--output=${OUT}.tmp" "${PROGRAM}"
  RESULT_VARIABLE _failed)
if(_failed)
  message(FATAL_ERROR "help2man could not write the man page of ${NAME}")
endif()
file(REMOVE "${OUT}" "${OUT}.h2m")
execute_process(COMMAND "${GZIP}" -n -9 "${OUT}.tmp" RESULT_VARIABLE _failed)
if(_failed)
  message(FATAL_ERROR "gzip failed on the man page of ${NAME}")
endif()
file(RENAME "${OUT}.tmp.gz" "${OUT}")
