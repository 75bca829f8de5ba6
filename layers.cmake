# The layers of the code, lowest first, and the folders (or single files)
# each holds. This table is the one place that says so: CMake builds each
# engine layer from it as a static library that links only the layer below,
# and tests/layers/layers_test.cpp reads it to check that every include
# points to its own layer or below.
#
#   ff_layer(<name> [ENGINE] <folder or file>...)
#
# An ENGINE layer becomes the library ff_<name>. Above the engine stand the
# edges (the command line; the window framework the pages stand on), the
# pages (the GUI files each folder names with ff_subsystem(GUI ...)) and
# the entry (the sheet that holds the pages, the module entry, the host
# program), all in the module library or the programs.

set(FF_ENGINE_LAYERS)

function(ff_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 FF "ENGINE" "" "")
  if(NOT FF_ENGINE)
    return()
  endif()
  set(_library ff_${name})
  add_library(${_library} STATIC)
  target_include_directories(${_library} PUBLIC ${CMAKE_SOURCE_DIR})
  list(LENGTH FF_ENGINE_LAYERS _below)
  if(_below GREATER 0)
    list(GET FF_ENGINE_LAYERS -1 _lower)
    target_link_libraries(${_library} PUBLIC ${_lower})
  endif()
  foreach(_folder ${FF_UNPARSED_ARGUMENTS})
    set_property(GLOBAL PROPERTY FF_LAYER_LIBRARY_${_folder} ${_library})
  endforeach()
  list(APPEND FF_ENGINE_LAYERS ${_library})
  set(FF_ENGINE_LAYERS ${FF_ENGINE_LAYERS} PARENT_SCOPE)
endfunction()

# The engine library that takes the sources of `folder` (a full path).
function(ff_layer_library_of folder out)
  get_filename_component(_name ${folder} NAME)
  get_property(_library GLOBAL PROPERTY FF_LAYER_LIBRARY_${_name})
  if(NOT _library)
    message(FATAL_ERROR "${_name}/ is in no engine layer: add it to layers.cmake")
  endif()
  set(${out} ${_library} PARENT_SCOPE)
endfunction()

ff_layer(platform   ENGINE host data version)
ff_layer(texts      ENGINE res)
ff_layer(codetext   ENGINE codetext)
ff_layer(generators ENGINE headers modulecode singlecode fidcheck lint docsite merge login)
ff_layer(edges      cli module tds_server)
ff_layer(pages)
ff_layer(entry      app module/main_sheet.cpp module/main_sheet.h module/module_entry.cpp module/client_module.h)

# What the layers need of the system: the stores and files below, and
# Qt Core for the settings (host/settings_key.cpp); on Windows the
# registry instead.
if(WIN32)
  target_link_libraries(ff_platform PUBLIC PkgConfig::SQLITE3 PkgConfig::ODBC advapi32)
else()
  target_link_libraries(ff_platform PUBLIC Qt6::Core PkgConfig::SQLITE3 PkgConfig::ODBC)
endif()
target_compile_definitions(ff_platform PRIVATE FF_MODULE_DIR="${FF_MODULE_DIR_FROM_BIN}")

# The whole engine, for the programs and the tests.
add_library(ff_engine INTERFACE)
list(GET FF_ENGINE_LAYERS -1 _top)
target_link_libraries(ff_engine INTERFACE ${_top})
