# Writes OUT, the definition of ff::BuildVersion(), from VERSION and the
# git state of SOURCE_DIR. Runs at every build; OUT is rewritten only when
# its text changes, so an unchanged commit recompiles nothing.
set(_text "${VERSION}")
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS "${SOURCE_DIR}/.git")
  execute_process(COMMAND "${GIT_EXECUTABLE}" -C "${SOURCE_DIR}" rev-parse --short=12 HEAD
                  OUTPUT_VARIABLE _commit OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE _failed ERROR_QUIET)
  if(NOT _failed AND _commit)
    execute_process(COMMAND "${GIT_EXECUTABLE}" -C "${SOURCE_DIR}" status --porcelain --untracked-files=no
                    OUTPUT_VARIABLE _changes OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(_changes)
      set(_text "${VERSION} (commit ${_commit}, modified)")
    else()
      set(_text "${VERSION} (commit ${_commit})")
    endif()
  endif()
endif()
set(_source "// Written by version/write_version.cmake at build time.
#include \"version/build_version.h\"

const char* ff::BuildVersion() { return \"${_text}\"; }
")
if(EXISTS "${OUT}")
  file(READ "${OUT}" _old)
endif()
if(NOT "${_old}" STREQUAL "${_source}")
  file(WRITE "${OUT}" "${_source}")
endif()
