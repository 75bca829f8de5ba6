#include "modulecode/module_parameters.h"

#include "host/gbk_text.h"
#include "codetext/config_query.h"
#include "modulecode/module_queries.h"
#include "modulecode/server_collation.h"
#include "res/function_templates.h"
#include "res/module_queries.h"
#include "res/param_captions.h"

namespace ff::code {

void ModuleParameters::Load() {
  ran_ = true;
  runs_.clear();
  if (!read_) RunQuery(sql_, rows_);
  loaded_ = true;
  const int owner = rows_.ColumnIndex(res::fn::CaptionParamOwner());
  const int code = rows_.ColumnIndex(res::CaptionFidCode());
  const int type = rows_.ColumnIndex(res::CaptionDataType());
  if (owner < 0 || code < 0 || type < 0) {
    loaded_ = false;
    return;
  }
  const int count = rows_.GetCount();
  Run* run = nullptr;
  long runId = 0;
  for (int row = 0; row < count; ++row) {
    const long id = gbk::AtoL(gbk::Trim(rows_.Value(row, owner)));
    if (run && id == runId) {
      ++run->count;
      // Rows that may tie on every sort key come back in the order the
      // server happens to choose, maybe another one than the per-function
      // query's.
      if (gbk::Trim(rows_.Value(row - 1, type)) == gbk::Trim(rows_.Value(row, type)) &&
          MayCompareEqual(rows_.Value(row - 1, code), rows_.Value(row, code)))
        run->settled = false;
      continue;
    }
    auto [it, fresh] = runs_.try_emplace(id, Run{row, 1, true});
    // A function whose rows do not come as one run: the result is not
    // ordered as asked, so none of it is to be trusted.
    if (!fresh) {
      loaded_ = false;
      runs_.clear();
      return;
    }
    run = &it->second;
    runId = id;
  }
}

bool ModuleParameters::Fill(long id, CMemRecord& record) {
  // 0 stands for a function without a number (or one too long for the
  // function query's STR): its own query looks for ID 0.
  if (id == 0) return false;
  if (!ran_) Load();
  if (!loaded_) return false;
  const auto found = runs_.find(id);
  if (found != runs_.end() && !found->second.settled) return false;
  record.SetColumns(rows_.Columns());
  if (found == runs_.end()) return true;  // the function has no such parameters
  const Run& run = found->second;
  const int width = static_cast<int>(rows_.Columns().size());
  record.ReserveRows(static_cast<size_t>(run.count));
  for (int row = run.first; row < run.first + run.count; ++row) {
    std::span<std::string> values = record.AddRow();
    for (int column = 0; column < width; ++column) values[column] = rows_.Value(row, column);
  }
  return true;
}

FunctionParameters::FunctionParameters(Kind kind) : kind_(kind) {}

FunctionParameters::FunctionParameters(Kind kind, ModuleRows& rows) : kind_(kind) {
  if (rows.request) {
    request_.emplace(std::move(*rows.request));
  } else {
    request_.emplace(ModuleParametersQuery(kind, false, rows.moduleId));
  }
  if (rows.answer) {
    answer_.emplace(std::move(*rows.answer));
  } else {
    answer_.emplace(ModuleParametersQuery(kind, true, rows.moduleId));
  }
}

void FunctionParameters::Request(long id, CMemRecord& record) {
  if (request_ && request_->Fill(id, record)) return;
  RunQuery(QueryWithId(Of(kind_).requestQuery, id), record);
}

void FunctionParameters::Answer(long id, CMemRecord& record) {
  if (answer_ && answer_->Fill(id, record)) return;
  RunQuery(QueryWithId(Of(kind_).answerQuery, id), record);
}

}  // namespace ff::code
