// The SQL Server functions STR, ISNULL and DATALENGTH as a loadable SQLite
// extension, libfidforge_tsql.so, for SQLite reached through ODBC (the
// SQLite ODBC driver loads it with LoadExt=) or the sqlite3 shell
// (.load). The same bodies as the functions of the SQLite store, with
// every sqlite3_* call going through the loading SQLite's routine table.
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

#include "host/gbk_text.h"

// Everything else stays inside the library; only the entry points are seen.
#define FF_TSQL_EXTENSION
#pragma GCC visibility push(default)
#include "host/tsql_functions_body.inc"

// SQLite looks for sqlite3_extension_init first and then for a name made
// from the file name ("libfidforge_tsql.so" -> sqlite3_fidforgetsql_init).
extern "C" int sqlite3_extension_init(sqlite3* db, char** error, const sqlite3_api_routines* api) {
  return sqlite3_fftsql_init(db, error, api);
}

extern "C" int sqlite3_fidforgetsql_init(sqlite3* db, char** error, const sqlite3_api_routines* api) {
  return sqlite3_fftsql_init(db, error, api);
}
#pragma GCC visibility pop
