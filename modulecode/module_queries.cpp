#include "modulecode/module_queries.h"

#include <cmath>
#include <cstdlib>
#include <span>
#include <vector>

#include "codetext/config_query.h"
#include "host/gbk_text.h"
#include "modulecode/module_list.h"
#include "res/function_templates.h"
#include "res/module_queries.h"
#include "res/tree_queries.h"

namespace ff::code {

namespace {

namespace fn = res::fn;

// `from` without its last `extra` columns: what the module's own query gives.
void Copy(const CMemRecord& from, size_t extra, CMemRecord& to) {
  const size_t columns = from.Columns().size() >= extra ? from.Columns().size() - extra : 0;
  to.SetColumns(std::vector<std::string>(from.Columns().begin(), from.Columns().begin() + static_cast<long>(columns)));
  to.ReserveRows(static_cast<size_t>(from.GetCount()));
  for (int row = 0; row < from.GetCount(); ++row) {
    std::span<std::string> values = to.AddRow();
    for (size_t column = 0; column < columns; ++column) values[column] = from.Value(row, static_cast<int>(column));
  }
}

// The module key of a row as a number (long double: every module id
// exactly); `plain` when it is a whole number's digits. A text that reads
// as no number sorts after every number.
long double KeyOf(const std::string& text, bool& plain) {
  if (const std::optional<long> id = ExactModuleId(text)) {
    plain = true;
    return static_cast<long double>(*id);
  }
  plain = false;
  char* end = nullptr;
  const long double value = std::strtold(text.c_str(), &end);
  while (end && *end == ' ') ++end;
  return end && end != text.c_str() && *end == '\0' ? value : HUGE_VALL;
}

}  // namespace

std::string ModuleFunctionsQuery(Kind kind, long moduleId) {
  return QueryWithId(Of(kind).functionQueryTemplate, moduleId);
}

std::string ModuleParametersQuery(Kind kind, bool answers, long moduleId) {
  const std::string& query = answers ? Of(kind).moduleAnswerQuery : Of(kind).moduleRequestQuery;
  return QueryWithId(query, moduleId);
}

ModuleRows ReadModuleRows(Kind kind, long moduleId) {
  ModuleRows rows;
  rows.kind = kind;
  rows.moduleId = moduleId;
  RunQuery(ModuleFunctionsQuery(kind, moduleId), rows.functions);
  return rows;
}

bool KindRows::Take(Stream& stream, const std::string& sql, long moduleId, CMemRecord& to) {
  // A module at or below one asked before has passed: the query again.
  if (!stream.cursor || (stream.any && moduleId <= stream.asked)) {
    stream.cursor.reset();
    stream.cursor.emplace(OpenQuery(sql));
    stream.waiting = stream.read = stream.disordered = false;
  }
  stream.any = true;
  stream.asked = moduleId;
  const std::vector<std::string>& columns = stream.cursor->Columns();
  to.SetColumns(columns);
  const int key = to.ColumnIndex(fn::CaptionModuleKey());
  if (key < 0) stream.disordered = true;
  const long double id = static_cast<long double>(moduleId);
  bool known = true;
  for (;;) {
    if (!stream.waiting) {
      const long double last = stream.key;
      if (!stream.cursor->Next(stream.row)) break;
      stream.key = KeyOf(stream.row.Value(0, key), stream.plainKey);
      stream.disordered |= stream.read && stream.key < last;
      stream.read = stream.waiting = true;
    }
    if (stream.key > id) break;
    if (stream.key == id) {
      known &= stream.plainKey;
      std::span<std::string> values = to.AddRow();
      for (size_t column = 0; column < values.size(); ++column)
        values[column] = stream.row.Value(0, static_cast<int>(column));
    }
    stream.waiting = false;
  }
  return known && !stream.disordered;
}

ModuleRows KindRows::Functions(long moduleId) {
  CMemRecord all;
  const bool known = Take(functions_, Of(kind_).kindFunctionsQuery, moduleId, all);
  if (!known) return ReadModuleRows(kind_, moduleId);
  ModuleRows rows;
  rows.kind = kind_;
  rows.moduleId = moduleId;
  const int flag = all.ColumnIndex(fn::CaptionUnfound());
  long unfound = 0;
  for (int row = 0; row < all.GetCount(); ++row) unfound += gbk::AtoL(gbk::Trim(all.Value(row, flag)));
  rows.unfoundPadded = unfound;
  Copy(all, 2, rows.functions);
  // Two functions of one number (or none) come in the order the server
  // happens to choose, maybe another one in the module's own query.
  const int number = rows.functions.ColumnIndex(Of(kind_).numberCaption);
  for (int row = 1; row < rows.functions.GetCount(); ++row) {
    if (gbk::Trim(rows.functions.Value(row - 1, number)) == gbk::Trim(rows.functions.Value(row, number))) {
      RunQuery(ModuleFunctionsQuery(kind_, moduleId), rows.functions);
      break;
    }
  }
  return rows;
}

void KindRows::AddParameters(ModuleRows& rows, bool answers) {
  const std::string& sql = answers ? Of(kind_).kindAnswerQuery : Of(kind_).kindRequestQuery;
  CMemRecord all;
  // Otherwise the module's own parameter query is sent.
  if (Take(answers ? answer_ : request_, sql, rows.moduleId, all))
    Copy(all, 1, (answers ? rows.answer : rows.request).emplace());
}

}  // namespace ff::code
