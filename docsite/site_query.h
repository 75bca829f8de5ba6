// The site's reads of the configuration database: a failed query fails the
// whole site (no page changes), told with what the site was reading.
#pragma once

#include <string>

class CMemRecord;

namespace ff::site {

// Runs `sql` on g_pConfigDB into `record`. Throws ff::QueryError within
// "cannot read " + `what` (GBK).
void RunQuery(const std::string& sql, CMemRecord& record, const std::string& what);

}  // namespace ff::site
