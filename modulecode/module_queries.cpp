#include "modulecode/module_queries.h"

#include "codetext/config_query.h"
#include "host/gbk_text.h"
#include "modulecode/module_list.h"
#include "res/function_templates.h"
#include "res/module_queries.h"
#include "res/tree_queries.h"

namespace ff::code {

namespace {

namespace fn = res::fn;

// The rows [first, first + count) of `from` with its first `columns`
// columns: what the module's own query gives.
void Copy(const CMemRecord& from, int first, int count, size_t columns, CMemRecord& to) {
  to.SetColumns(std::vector<std::string>(from.Columns().begin(), from.Columns().begin() + static_cast<long>(columns)));
  to.ReserveRows(static_cast<size_t>(count));
  for (int row = first; row < first + count; ++row) {
    std::span<std::string> values = to.AddRow();
    for (size_t column = 0; column < columns; ++column) values[column] = from.Value(row, static_cast<int>(column));
  }
}

// The rows of one module of a whole result, without the key (and flag)
// columns after its module query's; no rows when the module has none.
void Run(const CMemRecord& from, const std::map<long, std::pair<int, int>>& runs, long moduleId, size_t extraColumns,
         CMemRecord& to) {
  const size_t columns = from.Columns().size() >= extraColumns ? from.Columns().size() - extraColumns : 0;
  const auto found = runs.find(moduleId);
  if (found == runs.end()) {
    Copy(from, 0, 0, columns, to);
  } else {
    Copy(from, found->second.first, found->second.second, columns, to);
  }
}

}  // namespace

std::string ModuleFunctionsQuery(bool bls, long moduleId) {
  return QueryWithId(res::FunctionQueryTemplate(bls), moduleId);
}

std::string ModuleParametersQuery(bool bls, bool answers, long moduleId) {
  const std::string& query = bls ? (answers ? fn::BlsModuleAnswerQuery() : fn::BlsModuleRequestQuery())
                                 : (answers ? fn::FosModuleAnswerQuery() : fn::FosModuleRequestQuery());
  return QueryWithId(query, moduleId);
}

ModuleRows ReadModuleRows(bool bls, long moduleId) {
  ModuleRows rows;
  rows.bls = bls;
  rows.moduleId = moduleId;
  RunQuery(ModuleFunctionsQuery(bls, moduleId), rows.functions);
  return rows;
}

bool KindRows::ReadRuns(const std::string& sql, CMemRecord& rows, Runs& runs) {
  RunQuery(sql, rows);
  runs.clear();
  const int key = rows.ColumnIndex(fn::CaptionModuleKey());
  if (key < 0) return false;
  long current = 0;
  bool any = false;
  for (int row = 0; row < rows.GetCount(); ++row) {
    // The module query compares the key with the id's digits: a key that is
    // no plain integer (a fraction, a text) is left to the database.
    const std::optional<long> id = ExactModuleId(rows.Value(row, key));
    if (!id) return false;
    if (any && *id == current) {
      ++runs[current].second;
      continue;
    }
    // A module whose rows do not come as one run: the result is not ordered as asked.
    if (!runs.try_emplace(*id, row, 1).second) return false;
    current = *id;
    any = true;
  }
  return true;
}

ModuleRows KindRows::Functions(long moduleId) {
  if (!functions_.read) {
    functions_.known = ReadRuns(bls_ ? fn::BlsKindFunctionsQuery() : fn::FosKindFunctionsQuery(), functions_.rows,
                                functions_.runs);
    functions_.read = true;
  }
  if (!functions_.known) return ReadModuleRows(bls_, moduleId);
  ModuleRows rows;
  rows.bls = bls_;
  rows.moduleId = moduleId;
  Run(functions_.rows, functions_.runs, moduleId, 2, rows.functions);
  // Two functions of one number (or none) come in the order the server
  // happens to choose, maybe another one in the module's own query.
  const int number = rows.functions.ColumnIndex(bls_ ? fn::CaptionBlsNumber() : fn::CaptionFosNumber());
  for (int row = 1; row < rows.functions.GetCount(); ++row) {
    if (gbk::Trim(rows.functions.Value(row - 1, number)) == gbk::Trim(rows.functions.Value(row, number))) {
      RunQuery(ModuleFunctionsQuery(bls_, moduleId), rows.functions);
      break;
    }
  }
  long unfound = 0;
  if (const auto found = functions_.runs.find(moduleId); found != functions_.runs.end()) {
    const int flag = functions_.rows.ColumnIndex(fn::CaptionUnfound());
    for (int row = found->second.first; row < found->second.first + found->second.second; ++row)
      unfound += gbk::AtoL(gbk::Trim(functions_.rows.Value(row, flag)));
  }
  rows.unfoundPadded = unfound;
  return rows;
}

void KindRows::AddParameters(ModuleRows& rows, bool answers) {
  Whole& whole = answers ? answer_ : request_;
  if (!whole.read) {
    const std::string& sql = bls_ ? (answers ? fn::BlsKindAnswerQuery() : fn::BlsKindRequestQuery())
                                  : (answers ? fn::FosKindAnswerQuery() : fn::FosKindRequestQuery());
    whole.known = ReadRuns(sql, whole.rows, whole.runs);
    whole.read = true;
  }
  // Otherwise the module's own parameter query is sent.
  if (whole.known) Run(whole.rows, whole.runs, rows.moduleId, 1, (answers ? rows.answer : rows.request).emplace());
}

}  // namespace ff::code
