// The rows a module's files and pages are made from: the module's
// function records and the request and answer parameters of its
// functions.
//
// A single module reads them with its own queries. A run over every
// module of a kind (module --all, the dictionary site) reads them for the
// whole kind at once, a constant number of queries whatever the number of
// modules (on SQL Server each query is a network round trip), and hands
// each module the rows its own queries would have given. Where the
// database could order or match them differently for one module (two
// functions of one number, a module id stored as no plain integer), that
// module's own query is sent instead: the bytes never depend on the way
// the rows were read.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "host/record.h"

namespace ff::code {

// The records of the module's functions, the module query of Process.h
// and Process.cpp.
std::string ModuleFunctionsQuery(bool bls, long moduleId);

// The request (`answers`: answer) parameters of all the module's functions.
std::string ModuleParametersQuery(bool bls, bool answers, long moduleId);

// One module's rows.
struct ModuleRows {
  bool bls = false;
  long moduleId = 0;
  CMemRecord functions;  // the module query's rows, in its order
  // Read with the whole kind: the module parameter queries' rows and how
  // many stored codes their trimmed single-function query does not find
  // (the padded-codes query's N). Otherwise these come from the module's
  // own queries, sent when they are needed.
  std::optional<CMemRecord> request, answer;
  std::optional<long> unfoundPadded;
};

// The function records of one module through its own query; the rest is
// read when needed. A failed query throws ff::QueryError.
ModuleRows ReadModuleRows(bool bls, long moduleId);

// The rows of every module of one kind, read once for the whole run.
class KindRows {
 public:
  explicit KindRows(bool bls) : bls_(bls) {}
  bool bls() const { return bls_; }

  // The function records of module `moduleId` (the first call reads
  // those of the whole kind). A failed query throws ff::QueryError.
  ModuleRows Functions(long moduleId);
  // Adds the request (`answers`: answer) parameters to `rows` (the first
  // call reads those of the whole kind). A failed query throws
  // ff::QueryError.
  void AddParameters(ModuleRows& rows, bool answers);

 private:
  // Where the rows of one module lie in a whole result.
  using Runs = std::map<long, std::pair<int, int>>;  // module id -> first row, row count
  // Reads `sql` into `rows` and finds each module's run; false when some
  // row's module cannot be told (its key is no plain integer).
  static bool ReadRuns(const std::string& sql, CMemRecord& rows, Runs& runs);

  bool bls_;
  // Each whole result: read yet, every row's module could be told, the rows, the runs.
  struct Whole {
    bool read = false;
    bool known = false;
    CMemRecord rows;
    Runs runs;
  };
  Whole functions_, request_, answer_;
};

}  // namespace ff::code
