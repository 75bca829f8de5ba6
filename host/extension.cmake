# libfidforge_tsql.so: the SQL Server functions as a loadable SQLite
# extension, for SQLite data sources reached through ODBC. It needs no
# SQLite library of its own (the loading SQLite hands over its routines)
# and nothing of the engine but the GBK conversion.
add_library(fidforge_tsql MODULE
  ${CMAKE_CURRENT_LIST_DIR}/sqlite_ext/tsql_extension.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gbk_text.cpp)
target_include_directories(fidforge_tsql PRIVATE ${CMAKE_SOURCE_DIR} ${SQLITE3_INCLUDE_DIRS})
set_target_properties(fidforge_tsql PROPERTIES
  CXX_VISIBILITY_PRESET hidden
  VISIBILITY_INLINES_HIDDEN ON)
target_link_options(fidforge_tsql PRIVATE -Wl,--no-undefined)
