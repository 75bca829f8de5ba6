# What the Windows build takes instead of the Debian libraries of the Linux
# build: no Qt (Debian ships none for Windows, so only the command line and
# the engine tests are built), SQLite compiled in from the amalgamation that
# scripts/build_windows.sh makes of Debian's own source package, ODBC
# through MinGW's odbc32, CLI11's headers and GoogleTest's sources as Debian
# ships them.
set(FIDFORGE_GUI OFF CACHE BOOL "" FORCE)
enable_language(RC)  # the exe's manifest
set(FIDFORGE_INSTALL_EXTRAS OFF CACHE BOOL "" FORCE)

set(FF_SQLITE_SOURCE "" CACHE PATH "Folder holding sqlite3.c and sqlite3.h (the amalgamation)")
if(NOT EXISTS "${FF_SQLITE_SOURCE}/sqlite3.c")
  message(FATAL_ERROR "FF_SQLITE_SOURCE must name the folder of sqlite3.c (scripts/build_windows.sh makes it)")
endif()
add_library(ff_sqlite3 STATIC ${FF_SQLITE_SOURCE}/sqlite3.c)
target_include_directories(ff_sqlite3 SYSTEM PUBLIC ${FF_SQLITE_SOURCE})
# With the options Debian's own build of the package gives it (its
# debian/rules), so that a query behaves as with the Linux build's library.
target_compile_definitions(ff_sqlite3 PRIVATE
  SQLITE_SECURE_DELETE SQLITE_ENABLE_COLUMN_METADATA SQLITE_ENABLE_FTS3 SQLITE_ENABLE_FTS3_PARENTHESIS
  SQLITE_ENABLE_RTREE=1 SQLITE_SOUNDEX=1 SQLITE_ENABLE_UNLOCK_NOTIFY SQLITE_OMIT_LOOKASIDE=1
  SQLITE_ENABLE_DBSTAT_VTAB SQLITE_ALLOW_ROWID_IN_VIEW SQLITE_ENABLE_UPDATE_DELETE_LIMIT=1
  SQLITE_ENABLE_LOAD_EXTENSION SQLITE_ENABLE_JSON1 SQLITE_LIKE_DOESNT_MATCH_BLOBS SQLITE_THREADSAFE=1
  SQLITE_ENABLE_FTS3_TOKENIZER=1 SQLITE_USE_URI=1 SQLITE_MAX_SCHEMA_RETRY=25 SQLITE_ENABLE_PREUPDATE_HOOK
  SQLITE_ENABLE_SESSION SQLITE_ENABLE_STMTVTAB SQLITE_MAX_VARIABLE_NUMBER=250000
  SQLITE_ENABLE_MATH_FUNCTIONS)
target_compile_options(ff_sqlite3 PRIVATE -w)
add_library(PkgConfig::SQLITE3 ALIAS ff_sqlite3)
set(SQLITE3_INCLUDE_DIRS ${FF_SQLITE_SOURCE})

add_library(ff_odbc INTERFACE)
target_link_libraries(ff_odbc INTERFACE odbc32)
add_library(PkgConfig::ODBC ALIAS ff_odbc)

# CLI11 is header-only: its folder alone, never the build machine's whole
# /usr/include.
set(_cli11 ${CMAKE_BINARY_DIR}/cli11-include)
file(MAKE_DIRECTORY ${_cli11})
file(CREATE_LINK /usr/include/CLI ${_cli11}/CLI SYMBOLIC)
add_library(ff_cli11 INTERFACE)
target_include_directories(ff_cli11 SYSTEM INTERFACE ${_cli11})
add_library(CLI11::CLI11 ALIAS ff_cli11)

# The time functions of POSIX (localtime_r, gmtime_r) that MinGW's headers
# offer on request.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _POSIX_THREAD_SAFE_FUNCTIONS)

if(BUILD_TESTING)
  # GoogleTest from Debian's sources, built for Windows like the engine.
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # (its own CMakeLists names the targets GTest::gtest and GTest::gtest_main)
endif()
