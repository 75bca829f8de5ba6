// What the fault tests share: the program run as a pipeline runs it, the
// database it reads, and the output folder taken as a whole.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tests/support/cli_run.h"
#include "tests/support/test_support.h"

namespace ff::test {

// Every file under `folder` (relative path -> bytes), temporary files too.
std::map<std::string, std::string> FolderBytes(const std::string& folder);

// Runs SQL (UTF-8) on a database file through its own connection.
void ExecSql(const std::string& database, const std::string& sql);

// A demo database and an output folder, private to one test.
class CliFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  // fidforge-cli --db <db> --author dev <args>; standard input is empty.
  CliResult Run(const std::string& args) const;
  // Every generating and listing command, each writing under out().
  static const std::vector<std::string>& EveryCommand();
  std::string out() const { return dir / "out"; }

  SettingsSandbox sandbox;
  TempDir dir;
  std::string db = dir / "demo.sqlite";
};

}  // namespace ff::test
