// The lint of the configuration database: reads every row the generators
// turn into code and runs every rule over it.
#pragma once

#include <string>
#include <vector>

#include "lint/finding.h"

class CSimDB;

namespace ff::lint {

struct LintResult {
  bool ok = false;            // false: a query failed, `error` says which and why
  std::string error;          // GBK
  std::vector<Finding> findings;  // by rule (in report order), then by row
  int queries = 0;            // queries run, for the benchmark's yardstick

  bool HasErrors() const;
};

// Runs the lint on `db`. A failed query stops it: the findings of a
// partial read would call a broken database clean.
LintResult RunLint(CSimDB& db);

// The SQL texts RunLint sends, in order (for the benchmark's yardstick).
std::vector<std::string> LintQueries();

}  // namespace ff::lint
