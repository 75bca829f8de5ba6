// The SQL Server functions the stored queries call, for SQLite:
//   STR(x [, length [, decimals]])  x rounded to `decimals` places (default 0,
//       halves away from zero) and right-aligned in `length` characters
//       (default 10); `length` asterisks when the result does not fit; NULL
//       for NULL; text that is not a number counts as 0.
//   ISNULL(a, b)   b when a is NULL, else a.
//   DATALENGTH(x)  NULL for NULL, else the byte length of x in GBK (text),
//       of the bytes themselves (blob), 4 or 8 for an integer, 8 for a real.
//
// The bodies live in host/tsql_functions_body.inc so that the same code
// also builds as a loadable SQLite extension (define FF_TSQL_EXTENSION and
// include the body after <sqlite3ext.h>; the entry point is
// sqlite3_fftsql_init).
#pragma once

#include <string>

struct sqlite3;

namespace ff::tsql {

// Registers STR, ISNULL and DATALENGTH on `db`. False with SQLite's reason
// (UTF-8) in `error` on failure.
bool RegisterFunctions(sqlite3* db, std::string* error = nullptr);

// STR's formatting on its own (text, ASCII): `value` rounded and aligned.
std::string FormatStr(double value, int length = 10, int decimals = 0);
std::string FormatStr(long long value, int length = 10, int decimals = 0);

}  // namespace ff::tsql
