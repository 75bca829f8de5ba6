// fidforge-cli run as a build pipeline runs it: one command line through
// the shell, standard input empty, standard output and errors caught in
// files, the program's own exit status.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/test_support.h"

namespace ff::test {

struct CliResult {
  int status = -1;  // -1 when the program did not exit by itself
  std::string out;  // as printed (generated code stays GBK)
  std::string err;  // UTF-8
};

// Runs `<environment> 'fidforge-cli' <args>` with `sh` (in `cwd` when given);
// `args` and `environment` ("NAME=value ...") are shell words, quoted by the
// caller. The captured output goes through files in `scratch`, a folder of the test.
CliResult RunFidforgeCli(const std::string& args, const std::string& scratch, const std::string& environment = "",
                         const std::string& cwd = "");

// fidforge-cli as a user and a build pipeline run it: in a folder of the
// test's own, with settings of its own.
class CliTest : public ::testing::Test {
 protected:
  using Result = CliResult;
  void SetUp() override;
  // `args` and `env` ("NAME=value ...") are shell words.
  CliResult Run(const std::string& args, const std::string& env = "") const {
    return RunFidforgeCli(args, dir.path().string(), env);
  }
  // A database file of the schema and `sql` (UTF-8); a new file each call.
  std::string Db(std::string_view sql);

  SettingsSandbox sandbox;
  TempDir dir;
  int made = 0;
};

// The same on a demo database made by `init-demo`: what every test of the
// program as a pipeline runs it starts from.
class CliFixture : public CliTest {
 protected:
  void SetUp() override;
  // <environment> fidforge-cli --db <db> --author <author> <args>.
  CliResult Run(const std::string& args) const;
  void Sql(const std::string& sql) const { ExecSql(db, sql); }
  // Every generating and listing command, each writing under OUT.
  static const std::vector<std::string>& EveryCommand();
  std::string out() const { return dir / "out"; }

  std::string db = dir / "demo.sqlite";
  std::string author = "dev";
  std::string environment;  // e.g. "SOURCE_DATE_EPOCH=1141560000"
};

}  // namespace ff::test
