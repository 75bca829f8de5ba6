#include "host/tsql_functions.h"

#include <sqlite3.h>

#include "host/tsql_functions_body.inc"

namespace ff::tsql {

bool RegisterFunctions(sqlite3* db, std::string* error) {
  int rc = body::RegisterAll(db);
  if (rc == SQLITE_OK) return true;
  if (error) *error = sqlite3_errmsg(db);
  return false;
}

std::string FormatStr(double value, int length, int decimals) {
  return body::FormatReal(value, length, decimals);
}

std::string FormatStr(long long value, int length, int decimals) {
  return body::FormatInteger(value, length, decimals);
}

}  // namespace ff::tsql
