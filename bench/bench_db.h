// A large synthetic configuration database for measuring the generators:
// thousands of FIDs, modules, functions and parameters, built from a seed
// so that every run (and every platform) produces the same file.
#pragma once

#include <cstdint>
#include <string>

namespace ff::bench {

// How much to make. The defaults are the size of a large production
// database; the per-function counts are averages (each function draws its
// count uniformly from half to one and a half times the average).
struct BenchScale {
  int fids = 20000;
  int fosModules = 100;
  int blsModules = 100;
  int functionsPerModule = 40;
  int requestParams = 20;
  int answerParams = 10;
  int errorCodes = 2000;
  int errorCategories = 50;

  // The same database shrunk or grown: FIDs, modules, error codes and
  // categories scale (each at least 1); the per-module and per-function
  // counts stay, so functions look the same at every size.
  BenchScale Scaled(double factor) const;
};

// Rows written to each table.
struct BenchCounts {
  long long fids = 0;             // T151
  long long fosModules = 0;       // T158
  long long blsModules = 0;       // T164
  long long fosFunctions = 0;     // T154
  long long blsFunctions = 0;     // T161
  long long fosParams = 0;        // T156
  long long blsParams = 0;        // T162
  long long errorCodes = 0;       // T470
  long long errorCategories = 0;  // T471
};

// Writes a new SQLite database at `path` with the schema and the synthetic
// rows. Refuses an existing file unless `overwrite` is set. False with the
// reason in `error` on failure (the half-made file removed).
bool MakeBenchDatabase(const std::string& path, std::uint64_t seed, const BenchScale& scale,
                       bool overwrite, BenchCounts* counts, std::string& error);

}  // namespace ff::bench
