#include "modulecode/module_list.h"

#include <charconv>
#include <set>
#include <system_error>

#include "codetext/config_query.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/record.h"
#include "res/module_texts.h"
#include "res/tree_queries.h"

namespace ff::code {

std::optional<long> ExactModuleId(const std::string& text) {
  long id = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, id);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return id;
}

std::vector<ModuleRow> ReadModules(bool bls) {
  CMemRecord modules;
  try {
    RunQuery(res::ExactModuleQuery(bls), modules);
  } catch (const QueryError& error) {
    throw error.Within(std::string("cannot list the ") + (bls ? "BLS" : "FOS") + " modules");
  }
  std::vector<ModuleRow> rows;
  rows.reserve(modules.GetCount());
  std::set<long> seen;
  for (modules.GoTop(); !modules.Eof(); modules.Skip(1)) {
    ModuleRow row;
    row.stored = gbk::Trim(modules.GetRef(res::module::CaptionModuleId()));
    row.name = modules.GetRef(res::module::CaptionModuleName());
    row.chineseName = modules.GetRef(res::module::CaptionModuleChineseName());
    const std::optional<long> id = ExactModuleId(row.stored);
    if (row.stored.empty()) {
      row.problem = ModuleRow::Problem::NoId;
    } else if (!id) {
      row.problem = ModuleRow::Problem::NotANumber;
    } else if (!seen.insert(*id).second) {
      row.problem = ModuleRow::Problem::Repeated;
    } else {
      row.id = *id;
      row.idText = std::to_string(*id);
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace ff::code
