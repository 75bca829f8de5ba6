#include "docsite/site_query.h"

#include "host/query_error.h"
#include "codetext/config_query.h"

namespace ff::site {

void RunQuery(const std::string& sql, CMemRecord& record, const std::string& what) {
  try {
    code::RunQuery(sql, record);
  } catch (const QueryError& error) {
    throw error.Within("cannot read " + what);
  }
}

}  // namespace ff::site
