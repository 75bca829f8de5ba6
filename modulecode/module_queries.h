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

#include <optional>
#include <string>
#include <utility>

#include "host/record.h"
#include "host/sim_db.h"
#include "res/kind.h"

namespace ff::code {

// The records of the module's functions, the module query of Process.h
// and Process.cpp.
std::string ModuleFunctionsQuery(Kind kind, long moduleId);

// The request (`answers`: answer) parameters of all the module's functions.
std::string ModuleParametersQuery(Kind kind, bool answers, long moduleId);

// One module's rows.
struct ModuleRows {
  Kind kind = Kind::Fos;
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
ModuleRows ReadModuleRows(Kind kind, long moduleId);

// The rows of every module of one kind, read once for the whole run: one
// query each for the functions, the request and the answer parameters,
// ordered by the module. Each is a cursor that hands over one module's
// rows at a time, so the modules are best asked for in ascending order (a
// module below one asked before opens the query again).
//
// The module key is taken to compare as a number (the schema's INTEGER,
// SQL Server's int): a module whose rows could be matched otherwise (a key
// stored as a fraction or a text that reads as its id) gets its own
// queries, and so does every module after a key out of order.
class KindRows {
 public:
  explicit KindRows(Kind kind) : kind_(kind) {}
  Kind kind() const { return kind_; }

  // The function records of module `moduleId`. A failed query throws
  // ff::QueryError.
  ModuleRows Functions(long moduleId);
  // Adds the request (`answers`: answer) parameters to `rows`. A failed
  // query throws ff::QueryError.
  void AddParameters(ModuleRows& rows, bool answers);

 private:
  // One whole-kind query, read module by module.
  struct Stream {
    std::optional<CSimDB::Cursor> cursor;
    CMemRecord row;         // the row read last and not yet handed over, when `waiting`
    bool waiting = false;
    bool read = false;      // a row was read
    long double key = 0;    // its module key
    bool plainKey = false;  // the key is the id's digits
    long asked = 0;         // the module asked for last
    bool any = false;       // a module was asked for
    bool disordered = false;
  };
  // Reads module `moduleId`'s rows of `stream` (opening `sql` when
  // needed) into `to`, the key and flag columns included. False when they
  // cannot be told apart from the database's own match.
  static bool Take(Stream& stream, const std::string& sql, long moduleId, CMemRecord& to);

  Kind kind_;
  Stream functions_, request_, answer_;
};

}  // namespace ff::code
