// Running the stored queries of the code generators on the shared
// connection.
#pragma once

#include <string>
#include <string_view>

#include "host/sim_db.h"

class CMemRecord;

namespace ff::code {

// The query with its "%d" filled with `id` (signed decimal).
std::string QueryWithId(std::string_view query, long id);
// The single-function query: "%d" filled with the module id, "%FuncCode%"
// with the code. A single quote in the code is doubled, so that the code
// stays one SQL string literal and the function is found like any other.
std::string QueryWithCode(std::string_view query, long moduleId, std::string_view code);

// The value under `caption` in the current row, blanks trimmed at both
// ends (STR() writes numbers right-aligned in ten characters).
std::string Trimmed(const CMemRecord& record, const std::string& caption);

// Runs `sql` on g_pConfigDB into `record`. A failed query throws
// ff::QueryError with the database's message, and so does a missing
// connection: no generator takes a failure for an empty result.
void RunQuery(const std::string& sql, CMemRecord& record);

// Opens `sql` on g_pConfigDB as a cursor over its rows; fails as RunQuery
// does, when opened and when read.
CSimDB::Cursor OpenQuery(const std::string& sql);

}  // namespace ff::code
