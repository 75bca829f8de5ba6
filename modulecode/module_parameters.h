// The request or the answer parameters of every function of one module,
// read with one query and handed out function by function.
//
// On SQL Server every query is a network round trip, and a module source
// asked for the parameters of each function separately. The module query
// of the parameters returns the same rows for all the module's functions
// at once, ordered first by the function and then exactly as the
// per-function query orders them, under the server's own collation; so the
// rows of one function are one run of the result, in the per-function
// order.
//
// Where that order is not fixed (two rows of a function that tie on every
// sort key: the server may return them either way), the function's rows
// are not handed out and the caller runs the per-function query, as it
// does for a function whose number is not a plain one. The output is then
// the same bytes as function by function, whatever the data.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

#include "host/record.h"
#include "res/kind.h"

namespace ff::code {

struct ModuleRows;

class ModuleParameters {
 public:
  // `sql`: the module's parameter query, run the first time Fill needs it.
  explicit ModuleParameters(std::string sql) : sql_(std::move(sql)) {}
  // `rows`: that query's rows, read already.
  explicit ModuleParameters(CMemRecord&& rows) : read_(true) { rows_.TakeRowsFrom(rows); }

  // Replaces `record` with the rows of the function whose number is `id`,
  // as its per-function query gives them. False, with `record` untouched,
  // when they must come from that query. A failed query fails here as
  // RunQuery does.
  bool Fill(long id, CMemRecord& record);

 private:
  void Load();

  struct Run {
    int first = 0;
    int count = 0;
    bool settled = true;  // false: the order of some rows is the server's choice
  };
  std::string sql_;
  bool read_ = false;  // rows_ holds the query's rows
  CMemRecord rows_;
  bool ran_ = false;
  bool loaded_ = false;  // ran, and its rows can be handed out
  std::unordered_map<long, Run> runs_;
};

// The request and answer parameters of one function after another: from
// the module's two queries where those can tell (ModuleParameters), from
// the function's own query otherwise.
class FunctionParameters {
 public:
  // Each function's own queries only.
  explicit FunctionParameters(Kind kind);
  // The module's parameter rows first: those `rows` holds, else the
  // module's own queries.
  FunctionParameters(Kind kind, ModuleRows& rows);

  // Replace `record` with the rows of function `id`, as its own request
  // (answer) query gives them. A failed query throws ff::QueryError.
  void Request(long id, CMemRecord& record);
  void Answer(long id, CMemRecord& record);

 private:
  Kind kind_;
  std::optional<ModuleParameters> request_, answer_;
};

}  // namespace ff::code
