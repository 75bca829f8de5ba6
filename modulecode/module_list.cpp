#include "modulecode/module_list.h"

#include <charconv>
#include <map>
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

std::vector<ModuleRow> ReadModules(Kind kind) {
  CMemRecord modules;
  try {
    RunQuery(Of(kind).exactModuleQuery, modules);
  } catch (const QueryError& error) {
    throw error.Within(std::string("cannot list the ") + Of(kind).name + " modules");
  }
  std::vector<ModuleRow> rows;
  rows.reserve(modules.GetCount());
  std::map<long, std::vector<size_t>> claims;  // id -> the rows that claim it
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
    } else {
      row.id = *id;
      row.idText = std::to_string(*id);
      claims[*id].push_back(rows.size());
    }
    rows.push_back(std::move(row));
  }
  // Which of two modules of one id is the real one cannot be told from
  // the list: neither is generated.
  for (const auto& [id, claimants] : claims) {
    if (claimants.size() < 2) continue;
    for (size_t row : claimants) {
      ModuleRow& module = rows[row];
      module.problem = ModuleRow::Problem::Repeated;
      for (size_t other : claimants) {
        if (other == row) continue;
        if (!module.sharedWith.empty()) module.sharedWith += ", ";
        module.sharedWith += gbk::Trim(rows[other].name);
      }
    }
  }
  return rows;
}

}  // namespace ff::code
