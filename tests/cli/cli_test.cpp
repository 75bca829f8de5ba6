// fidforge-cli as a user runs it.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/cli_run.h"
#include "tests/support/test_support.h"

namespace {

using Result = ff::test::CliResult;

class Cli : public ::testing::Test {
 protected:
  void SetUp() override { ::unsetenv("FIDFORGE_DB"); }

  Result Run(const std::string& args) { return ff::test::RunFidforgeCli(args, dir_.path().string()); }

  // A database of two FOS modules and one BLS module.
  std::string MakeDatabase() {
    const std::string path = dir_ / "config.sqlite";
    ff::test::TestDatabase db(
        "INSERT INTO T158 VALUES (1, '客户管理', 'KHGL ');"
        "INSERT INTO T158 VALUES (12, '资金管理', ' ZJGL');"
        "INSERT INTO T164 VALUES (3, 3, '委托', 'WT');"
        "INSERT INTO T164 VALUES (4, 4, '行' || char(10) || '列' || char(9) || '\\', 'X' || char(13) || char(1) || char(127));"
        "INSERT INTO T154 (ID, F18, F19, F22, F26, F34) VALUES (100, 1002, 'KH_QUERY_LIST ', '客户查询', 12, 0);"
        "INSERT INTO T154 (ID, F18, F19, F22, F26, F34) VALUES (101, 1001, 'KH_OPEN', '开户 ', 12, NULL);"
        "INSERT INTO T161 (ID, F1, F2, F3, F5, F7) VALUES (200, 3001, 'WT_ORDER', '委托下单', 1, 3);"
        "INSERT INTO T161 (ID, F1, F2, F3, F5, F7) VALUES (201, 3002, 'A' || char(0) || 'B', 'x' || char(10) || 'y', 1, 4);");
    std::filesystem::copy_file(db.path(), path);
    return path;
  }

  ff::test::SettingsSandbox sandbox_;
  ff::test::TempDir dir_;
};

}  // namespace


namespace {

TEST_F(Cli, ListsModulesTrimmedInQueryOrder) {
  const std::string db = MakeDatabase();
  Result r = Run("--db '" + db + "' modules --kind fos");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1\tKHGL\t客户管理\n12\tZJGL\t资金管理\n");
  // Control bytes from the database cannot split a row or a column.
  r = Run("--db '" + db + "' modules --kind bls");
  EXPECT_EQ(r.out, "3\tWT\t委托\n4\tX\\r\\x01\\x7f\t行\\n列\\t\\\\\n");
}

TEST_F(Cli, ListsFunctionsWithKeysAndUntrimmedTexts) {
  const std::string db = MakeDatabase();
  Result r = Run("--db '" + db + "' functions --kind fos --module 12");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "12|KH_OPEN\tKH_OPEN 开户 \n12|KH_QUERY_LIST \tKH_QUERY_LIST  客户查询\n");
  r = Run("--db '" + db + "' functions --kind bls --module 3");
  EXPECT_EQ(r.out, "3|WT_ORDER\tWT_ORDER 委托下单\n");
  r = Run("--db '" + db + "' functions --kind bls --module 4");
  EXPECT_EQ(r.out, "4|A\\0B\tA\\0B x\\ny\n");
}

TEST_F(Cli, UsageErrorsExitWithTwoAndNameWhatIsWrong) {
  EXPECT_EQ(Run("modules").status, 2);
  EXPECT_EQ(Run("modules --kind xyz").status, 2);
  EXPECT_EQ(Run("functions --kind fos").status, 2);
  // Nothing asked: the list of commands on stderr, as git gives it.
  const Result bare = Run("");
  EXPECT_EQ(bare.status, 2);
  EXPECT_NE(bare.err.find("Subcommands:"), std::string::npos) << bare.err;
  EXPECT_EQ(Run("--encoding latin1 modules --kind fos").status, 2);
  // What is unknown is named before what is missing.
  for (const auto& [args, message] : std::vector<std::pair<std::string, std::string>>{
           {"bogus", "'bogus' is not a fidforge-cli command; see 'fidforge-cli --help'"},
           {"--force bogus --out x", "'bogus' is not a fidforge-cli command; see 'fidforge-cli --help'"},
           {"help bogus", "'bogus' is not a fidforge-cli command; see 'fidforge-cli --help'"},
           {"headers -x y", "unknown option '-x'; see 'fidforge-cli headers --help'"},
           {"--bogus modules --kind fos", "unknown option '--bogus'; see 'fidforge-cli --help'"},
           {"modules --kind fos extra", "unexpected argument 'extra'; see 'fidforge-cli modules --help'"},
           {"headers -o x -q", "'-q' is an option of fidforge-cli itself: give it before the command "
                               "(fidforge-cli -q headers ...)"}}) {
    const Result r = Run(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.err, "fidforge-cli: " + message + "\n") << args;
  }
  EXPECT_EQ(Run("--help").status, 0);
  Result r = Run("help");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("Subcommands:"), std::string::npos) << r.out;
  r = Run("help module");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Run("module --help").out);
}

TEST_F(Cli, AMissingDatabaseIsAFailureThatNamesTheFile) {
  Result r = Run("--db '" + (dir_ / "nothing.sqlite") + "' modules --kind fos");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("nothing.sqlite"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("fidforge-cli: "), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir_ / "nothing.sqlite"));
}

TEST_F(Cli, InitDemoRefusesToOverwriteWithoutForce) {
  // A name GBK has no letters for: the path is used as the system spells it.
  const std::string path = dir_ / "데모 demo.sqlite";
  Result r = Run("init-demo '" + path + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(r.out, "demo database written to " + path + "\n");
  ff::test::WriteFile(path, "mine");
  r = Run("init-demo '" + path + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("--force"), std::string::npos) << r.err;
  EXPECT_EQ(ff::test::ReadFile(path), "mine");
  r = Run("--force init-demo '" + path + "'");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(ff::test::ReadFile(path), "mine");
  EXPECT_EQ(Run("--db '" + path + "' modules --kind fos").status, 0);
}

TEST_F(Cli, WithoutDbTheDemoIsCreatedInTheDataFolder) {
  Result r = Run("modules --kind fos");
  EXPECT_EQ(r.status, 0) << r.err;
  const std::string demo = sandbox_.dir().path() / "data" / "fidforge" / "Developer.sqlite";
  EXPECT_TRUE(std::filesystem::exists(demo));
  EXPECT_EQ(r.err, "fidforge-cli: created the demo database " + demo + " (--db names another)\n");
  EXPECT_EQ(Run("modules --kind fos").err, "");
  ::setenv("FIDFORGE_DB", (dir_ / "env.sqlite").c_str(), 1);
  r = Run("modules --kind fos");
  ::unsetenv("FIDFORGE_DB");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("env.sqlite"), std::string::npos) << r.err;
}

}  // namespace
