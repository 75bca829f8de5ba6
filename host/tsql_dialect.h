// SQL Server query text made acceptable to SQLite.
//
// The stored queries are SQL Server text and are sent as they stand, with
// one exception: SQLite reads ISNULL as its own postfix operator
// ("x ISNULL" means "x IS NULL"), so a call ISNULL(a, b) never reaches a
// function of that name. Every call is renamed to IFNULL, which means the
// same. String literals, quoted identifiers and comments are left alone.
#pragma once

#include <string>
#include <string_view>

namespace ff::tsql {

// The text with each call "ISNULL (" (any case, blanks allowed before the
// parenthesis) outside literals, quoted identifiers ("..", [..], `..`) and
// comments (-- and /* */) turned into "IFNULL (". The text must be in an
// encoding whose multi-byte characters contain no ASCII bytes (UTF-8).
std::string AdaptForSqlite(std::string_view sql);

// Same, in place; returns true when something changed.
bool AdaptForSqliteInPlace(std::string& sql);

}  // namespace ff::tsql
