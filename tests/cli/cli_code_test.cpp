// The code commands of fidforge-cli (module, function, snippet) on the demo
// database, as a build pipeline runs them.

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/cli_run.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::G;
using ff::test::ReadFile;

class CodeCommands : public ::testing::Test {
 protected:
  using Result = ff::test::CliResult;

  // Runs the program on the demo database; standard error is no terminal.
  Result Run(const std::string& args) {
    return ff::test::RunFidforgeCli("--db '" + db + "' --author dev " + args, dir.path().string());
  }

  ff::test::SettingsSandbox sandbox;
  ff::test::TempDir dir;
  std::string db = dir / "demo.sqlite";
  void SetUp() override { ASSERT_EQ(Run("init-demo '" + db + "'").status, 0); }
};

TEST_F(CodeCommands, ModulesOneByIdOrAllIntoFoldersOfTheirIds) {
  Result r = Run("module --kind bls --module 77 --out '" + dir.path().string() + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("77"), std::string::npos) << r.err;

  r = Run("--force module --kind bls --all --out '" + (dir / "all") + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");  // progress only on a terminal
  const std::string header = ReadFile(dir / "all/21/Process.h");
  EXPECT_NE(header.find(G("*项目名称：KHFW 客户服务\r\n")), std::string::npos);
  EXPECT_NE(ReadFile(dir / "all/23/Process.cpp").find("//GD_QUERY    7104"), std::string::npos);

  ASSERT_EQ(Run("--force module --kind bls --module 21 --out '" + dir.path().string() + "'").status, 0);
  EXPECT_EQ(ReadFile(dir / "Process.h"), header);
}

TEST_F(CodeCommands, FunctionAsThePagePreviewsAndWritesIt) {
  const Result r = Run("function --kind fos --module 1 --code KH.QUERY --validate macro");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("       v1.0.0.1            dev\r\n"), std::string::npos);  // history row
  EXPECT_NE(r.out.find("//KH_QUERY    1001    //"), std::string::npos);
  EXPECT_NE(r.out.find("    VALIDATE_STRING_ITEM("), std::string::npos);
  ASSERT_EQ(Run("--force function --kind fos --module 1 --code KH.QUERY --validate macro --out '" +
                (dir / "f.cpp") + "'").status, 0);
  EXPECT_BYTES_EQ(r.out, ReadFile(dir / "f.cpp"));
}

TEST_F(CodeCommands, MissingCodesAreErrorsThatNameThem) {
  for (const char* command : {"snippet --module 21", "function --kind fos --module 1"}) {
    const Result r = Run(std::string(command) + " --code NO_SUCH");
    EXPECT_EQ(r.status, 1) << command;
    EXPECT_EQ(r.out, "") << command;
    EXPECT_NE(r.err.find("NO_SUCH"), std::string::npos) << r.err;
  }
  EXPECT_TRUE(Run("snippet --module 21 --code QUERY_USER").out.starts_with("//BeginBLS: QUERY_USER "));
}

}  // namespace
