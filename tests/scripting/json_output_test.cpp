// The command line as scripts use it: --format json and --version.

#include <cstdlib>
#include <regex>

#include "tests/support/cli_run.h"
#include "tests/support/test_support.h"

namespace {

using Result = ff::test::CliResult;

class Scripting : public ::testing::Test {
 protected:
  void SetUp() override { ::unsetenv("FIDFORGE_DB"); }

  Result Run(const std::string& args) { return ff::test::RunFidforgeCli(args, dir_.path().string()); }

  // The database as a file of its own, for the program to open.
  std::string Database(std::string_view sql) {
    const std::string path = dir_ / "config.sqlite";
    ff::test::TestDatabase db(sql);
    std::filesystem::copy_file(db.path(), path, std::filesystem::copy_options::overwrite_existing);
    return "--db '" + path + "' ";
  }

  ff::test::SettingsSandbox sandbox_;
  ff::test::TempDir dir_;
};

TEST_F(Scripting, ModulesAndFunctionsAsJsonLines) {
  const std::string db = Database(
      "INSERT INTO T158 VALUES (1, '客户管理', 'KHGL ');"
      "INSERT INTO T158 VALUES (12, '资金管理', ' ZJGL');"
      "INSERT INTO T164 VALUES (3, 3, '委托', 'WT');"
      "INSERT INTO T154 (ID, F18, F19, F22, F26, F34) VALUES (100, 1002, 'KH_QUERY_LIST ', '客户查询', 12, 0);"
      "INSERT INTO T154 (ID, F18, F19, F22, F26, F34) VALUES (101, 1001, 'KH_OPEN', '开户 ', 12, NULL);"
      "INSERT INTO T161 (ID, F1, F2, F3, F5, F7) VALUES (200, 3001, 'WT_ORDER', '委托下单', 1, 3);");
  Result r = Run(db + "modules --kind fos --format json");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "{\"kind\":\"fos\",\"id\":1,\"name\":\"KHGL\",\"chinese_name\":\"客户管理\"}\n"
            "{\"kind\":\"fos\",\"id\":12,\"name\":\"ZJGL\",\"chinese_name\":\"资金管理\"}\n");
  r = Run(db + "modules --kind bls --format json");
  EXPECT_EQ(r.out, "{\"kind\":\"bls\",\"id\":3,\"name\":\"WT\",\"chinese_name\":\"委托\"}\n");
  // Codes and names exactly as stored, like the text form.
  r = Run(db + "functions --kind fos --module 12 --format json");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "{\"kind\":\"fos\",\"module\":12,\"key\":\"12|KH_OPEN\",\"code\":\"KH_OPEN\",\"name\":\"开户 \"}\n"
            "{\"kind\":\"fos\",\"module\":12,\"key\":\"12|KH_QUERY_LIST \",\"code\":\"KH_QUERY_LIST \","
            "\"name\":\"客户查询\"}\n");
  // The text form stays the default and is unchanged.
  EXPECT_EQ(Run(db + "modules --kind bls").out, "3\tWT\t委托\n");
  EXPECT_EQ(Run(db + "modules --kind bls --format text").out, "3\tWT\t委托\n");
  EXPECT_EQ(Run(db + "modules --kind bls --format xml").status, 2);
  EXPECT_EQ(Run(db + "check-fids --format csv").status, 2);
}

TEST_F(Scripting, HostileTextsStayOneValidLineEach) {
  // Tab, line break, quote, backslash, control characters, a character
  // GBK lacks (kept, and escaped as JavaScript needs), and bytes that are
  // not UTF-8 (they reach the engine as '?').
  const std::string db = Database(
      "INSERT INTO T158 VALUES (5, 'a' || char(9) || 'b' || char(10) || 'c\"\\', 'X' || char(1) || char(127));"
      "INSERT INTO T158 VALUES (6, CAST(X'41FF42' AS TEXT), char(13) || char(8232));");
  Result r = Run(db + "modules --kind fos --format json");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "{\"kind\":\"fos\",\"id\":5,\"name\":\"X\\u0001\\u007f\",\"chinese_name\":\"a\\tb\\nc\\\"\\\\\"}\n"
            "{\"kind\":\"fos\",\"id\":6,\"name\":\"\\r\\u2028\",\"chinese_name\":\"A?B\"}\n");
}

TEST_F(Scripting, FidChecksAsOneObjectPerRow) {
  const std::string db = Database(
      "INSERT INTO T151 (F1, F2, F3) VALUES (1, 'FID_A', '甲');"
      "INSERT INTO T151 (F1, F2, F3) VALUES (2, 'FID_UNUSED', '未用');"
      "INSERT INTO T161 (ID, F1, F2, F3, F5, F7) VALUES (200, 3001, 'WT_ORDER', '委托下单', 1, 3);"
      "INSERT INTO T162 (ID, F1, F2, F3) VALUES (1, 200, 'FID_MISSING', '缺少');"
      "INSERT INTO T162 (ID, F1, F2, F3) VALUES (2, 200, 'FID_A', '甲');"
      "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (100, 1002, 'KH_LIST', '客户', 12);"
      "INSERT INTO T156 (ID, F3, F13, F15) VALUES (1, '乙', 100, 'FID_B');");
  const std::string expected =
      "{\"check\":\"bls_undefined\",\"code\":\"FID_MISSING\",\"name\":\"缺少\",\"function\":\"WT_ORDER\"}\n"
      "{\"check\":\"fos_undefined\",\"code\":\"FID_B\",\"name\":\"乙\",\"function\":\"KH_LIST\"}\n"
      "{\"check\":\"unused\",\"code\":\"FID_UNUSED\",\"name\":\"未用\"}\n";
  Result r = Run(db + "check-fids --format json");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, expected);
  r = Run(db + "check-fids --strict --format json");
  EXPECT_EQ(r.status, 4) << r.err;
  EXPECT_EQ(r.out, expected);
  // Nothing found: no lines, and --strict passes.
  const std::string clean = Database("INSERT INTO T151 (F1, F2, F3) VALUES (1, 'FID_A', '甲');"
                                     "INSERT INTO T162 (ID, F1, F2, F3) VALUES (2, 200, 'FID_A', '甲');");
  r = Run(clean + "check-fids --strict --format json");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
}

TEST_F(Scripting, VersionNamesTheProjectVersion) {
  Result r = Run("--version");
  EXPECT_EQ(r.status, 0) << r.err;
  // Built from a checkout the commit follows; from a source archive not.
  const std::regex form("fidforge-cli " FF_PROJECT_VERSION "( \\(commit [0-9a-f]{12}(, modified)?\\))?\n");
  EXPECT_TRUE(std::regex_match(r.out, form)) << r.out;
  EXPECT_EQ(Run("--version modules").status, 0);
}

}  // namespace
