// fidforge-cli as a user and a build pipeline run it: in a folder of the
// test's own, with settings of its own, on a database file made for it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "tests/support/cli_run.h"
#include "tests/support/test_support.h"

namespace ff::test {

class CliTest : public ::testing::Test {
 protected:
  using Result = CliResult;

  void SetUp() override { ::unsetenv("FIDFORGE_DB"); }

  // `args` and `env` ("NAME=value ...") are shell words.
  Result Run(const std::string& args, const std::string& env = "") {
    return RunFidforgeCli(args, dir.path().string(), env);
  }
  // A database file of the schema and `sql` (UTF-8), the demo rows first
  // when asked; a new file each call.
  std::string Db(std::string_view sql, bool demo = false) {
    const std::string path = dir / ("db" + std::to_string(++made_) + ".sqlite");
    TestDatabase db(sql, demo);
    std::filesystem::copy_file(db.path(), path);
    return path;
  }
  // The demo database as init-demo writes it.
  std::string Demo() {
    const std::string path = dir / "demo.sqlite";
    if (!std::filesystem::exists(path)) {
      EXPECT_EQ(Run("init-demo '" + path + "'").status, 0);
    }
    return path;
  }

  SettingsSandbox sandbox;
  TempDir dir;

 private:
  int made_ = 0;
};

}  // namespace ff::test
