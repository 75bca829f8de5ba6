# Writes the man page OUT (gzip-compressed) of PROGRAM with help2man: the
# options from the program's own --help, the hand-written sections of
# INCLUDE (synopsis, description, exit status, environment, files,
# examples), and, for a program with subcommands, a COMMANDS section with
# each command's own options, so that a new option appears by itself.
#   cmake -DPROGRAM=... -DNAME=... -DDESCRIPTION=... -DVERSION=... -DINCLUDE=... -DOUT=... -P man_page.cmake
find_program(HELP2MAN help2man REQUIRED)
find_program(GZIP gzip REQUIRED)
find_program(AWK awk REQUIRED)
set(_awk ${CMAKE_CURRENT_LIST_DIR}/cli_help.awk)

file(READ "${INCLUDE}" _include)
execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE _help RESULT_VARIABLE _failed)
if(_failed)
  message(FATAL_ERROR "${PROGRAM} --help failed")
endif()
if(_help MATCHES "\nSubcommands:\n(.*)")
  string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" _commands "\n${CMAKE_MATCH_1}")
  set(_section "[COMMANDS]\n")
  foreach(_command ${_commands})
    string(STRIP "${_command}" _command)
    execute_process(COMMAND "${PROGRAM}" ${_command} --help
                    COMMAND "${AWK}" -v MODE=roff -f ${_awk}
                    OUTPUT_VARIABLE _command_roff RESULT_VARIABLE _failed)
    if(_failed)
      message(FATAL_ERROR "${PROGRAM} ${_command} --help failed")
    endif()
    string(REGEX REPLACE "^\\.PP\n" "" _command_roff "${_command_roff}")
    string(APPEND _section ".SS \"${_command}\"\n${_command_roff}")
  endforeach()
  # Before the hand-written sections: help2man places them in the order
  # it meets them.
  set(_include "${_section}${_include}")
endif()
file(WRITE "${OUT}.h2m" "${_include}")

# help2man runs the program by this name; its help goes through the same
# script, so that an option whose value fills its column is still read as
# an option and not as a paragraph.
set(_run ${OUT}.bin)
file(MAKE_DIRECTORY ${_run})
file(WRITE ${_run}/${NAME}
     "#!/bin/sh\n'${PROGRAM}' \"$@\" | '${AWK}' -v MODE=fix -f '${_awk}'\n")
file(CHMOD ${_run}/${NAME} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)

execute_process(
  COMMAND "${HELP2MAN}" --no-info --no-discard-stderr --locale=C.UTF-8 "--name=${DESCRIPTION}" "--version-string=${VERSION}"
          "--include=${OUT}.h2m" "--output=${OUT}.tmp" "${_run}/${NAME}"
  RESULT_VARIABLE _failed)
if(_failed)
  message(FATAL_ERROR "help2man could not write the man page of ${NAME}")
endif()
file(REMOVE_RECURSE "${OUT}" "${OUT}.h2m" "${_run}")
execute_process(COMMAND "${GZIP}" -n -9 "${OUT}.tmp" RESULT_VARIABLE _failed)
if(_failed)
  message(FATAL_ERROR "gzip failed on the man page of ${NAME}")
endif()
file(RENAME "${OUT}.tmp.gz" "${OUT}")
