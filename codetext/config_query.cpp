#include "codetext/config_query.h"

#include "codetext/text_fill.h"
#include "host/config_db.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/record.h"
#include "host/sim_db.h"
#include "res/function_templates.h"
#include "res/system_format.h"

namespace ff::code {

std::string QueryWithId(std::string_view query, long id) {
  return res::SystemFormat(query, {std::to_string(id)});
}

std::string QueryWithCode(std::string_view query, long moduleId, std::string_view code) {
  // The module id goes in first: a code holding "%d" must stay as it is.
  return FillTemplate(QueryWithId(query, moduleId),
                      {{res::fn::kFuncCode, gbk::Replaced(code, "'", "''")}});
}

std::string Trimmed(const CMemRecord& record, const std::string& caption) {
  return gbk::Trim(record.GetRef(caption));
}

void RunQuery(const std::string& sql, CMemRecord& record) {
  record.Empty();
  if (!g_pConfigDB) throw QueryError(kNotConnected);
  g_pConfigDB->Cmd(sql);
  g_pConfigDB->SelectChecked(&record);
}

CSimDB::Cursor OpenQuery(const std::string& sql) {
  if (!g_pConfigDB) throw QueryError(kNotConnected);
  return g_pConfigDB->OpenChecked(sql);
}

}  // namespace ff::code
