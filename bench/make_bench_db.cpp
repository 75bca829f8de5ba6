// ff-make-bench-db: writes the large synthetic configuration database that
// the benchmark measures the generators on.
//
//   ff-make-bench-db OUT.sqlite [--seed N] [--scale F] [--fids N] ...
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include <CLI/CLI.hpp>

#include "bench/bench_db.h"

int main(int argc, char** argv) {
  CLI::App app{"Writes a deterministic synthetic configuration database (SQLite) for benchmarks."};
  std::string path;
  std::uint64_t seed = 1;
  double factor = 1.0;
  bool force = false;
  ff::bench::BenchScale base;
  app.add_option("output", path, "The database file to write")->required();
  app.add_option("--seed", seed, "Seed of the pseudo-random choices (same seed, same file)")->capture_default_str();
  app.add_option("--scale", factor, "Scale FIDs, modules and error codes by this factor (0.01 = a small copy)")
      ->capture_default_str()
      ->check(CLI::Range(0.0001, 1000.0));
  app.add_flag("--force", force, "Overwrite an existing file");

  // Explicit counts win over --scale; unset ones follow it.
  int fids = -1, fosModules = -1, blsModules = -1, functions = -1, requests = -1, answers = -1, codes = -1,
      categories = -1;
  auto count = [&app](const char* name, int& target, int defaultValue, const char* what) {
    app.add_option(name, target, std::string(what) + " (default " + std::to_string(defaultValue) + ")")
        ->check(CLI::NonNegativeNumber);
  };
  count("--fids", fids, base.fids, "Number of FIDs");
  count("--fos-modules", fosModules, base.fosModules, "Number of FOS modules");
  count("--bls-modules", blsModules, base.blsModules, "Number of BLS modules");
  count("--functions-per-module", functions, base.functionsPerModule, "Functions in each module");
  count("--request-params", requests, base.requestParams, "Average request parameters per function");
  count("--answer-params", answers, base.answerParams, "Average answer parameters per function");
  count("--error-codes", codes, base.errorCodes, "Number of error codes");
  count("--error-categories", categories, base.errorCategories, "Number of error categories");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;  // help is success, anything else a usage error
  }

  ff::bench::BenchScale scale = base.Scaled(factor);
  auto apply = [](int given, int& field) {
    if (given >= 0) field = given;
  };
  apply(fids, scale.fids);
  apply(fosModules, scale.fosModules);
  apply(blsModules, scale.blsModules);
  apply(functions, scale.functionsPerModule);
  apply(requests, scale.requestParams);
  apply(answers, scale.answerParams);
  apply(codes, scale.errorCodes);
  apply(categories, scale.errorCategories);

  const auto start = std::chrono::steady_clock::now();
  ff::bench::BenchCounts counts;
  std::string error;
  if (!ff::bench::MakeBenchDatabase(path, seed, scale, force, &counts, error)) {
    std::fprintf(stderr, "ff-make-bench-db: %s\n", error.c_str());
    return 1;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::printf("%s (seed %llu), %.2f s\n", path.c_str(), static_cast<unsigned long long>(seed), seconds);
  std::printf("  T151 FIDs              %9lld\n", counts.fids);
  std::printf("  T158 FOS modules       %9lld\n", counts.fosModules);
  std::printf("  T164 BLS modules       %9lld\n", counts.blsModules);
  std::printf("  T154 FOS functions     %9lld\n", counts.fosFunctions);
  std::printf("  T161 BLS functions     %9lld\n", counts.blsFunctions);
  std::printf("  T156 FOS parameters    %9lld\n", counts.fosParams);
  std::printf("  T162 BLS parameters    %9lld\n", counts.blsParams);
  std::printf("  T471 error categories  %9lld\n", counts.errorCategories);
  std::printf("  T470 error codes       %9lld\n", counts.errorCodes);
  return 0;
}
