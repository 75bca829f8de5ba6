// fidforge-cli lint as a user runs it: the report formats and exit statuses.
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/cli_run.h"
#include "tests/support/test_support.h"

namespace {

using Result = ff::test::CliResult;

class LintCli : public ::testing::Test {
 protected:
  void SetUp() override { ::unsetenv("FIDFORGE_DB"); }

  Result Run(const std::string& args) { return ff::test::RunFidforgeCli(args, dir_.path().string()); }

  // A copy of a test database made from `sql`, then changed by `change`.
  std::string Database(const std::string& sql, const std::string& change = "") {
    const std::string path = dir_ / "config.sqlite";
    std::filesystem::remove(path);
    ff::test::TestDatabase db(sql);
    if (!change.empty()) db.Exec(change);
    std::filesystem::copy_file(db.path(), path);
    return path;
  }

  ff::test::SettingsSandbox sandbox_;
  ff::test::TempDir dir_;
};

// One FID with a note that ends in a backslash and holds a quote and a tab.
constexpr const char* kOneError =
    "INSERT INTO T151 VALUES (1, 'FID_A', '甲', 1, '说\"明'||char(9)||'\\');"
    "INSERT INTO T158 VALUES (1, '客户', 'KH');"
    "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (10, 1001, 'F_A', '甲', 1);"
    "INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (60, '甲', 1, 1, 1, 10, 'FID_A');";

TEST_F(LintCli, ErrorFindingsExitWithFourInBothFormats) {
  const std::string db = Database(kOneError);
  Result r = Run("--db '" + db + "' lint");
  EXPECT_EQ(r.status, 4) << r.err;
  EXPECT_EQ(r.out,
            "error\ttext-line-break\tT151 1 FID_A\tthe FID note holds a tab, which breaks the generated line it "
            "stands in\n"
            "error\tcomment-backslash\tT151 1 FID_A\tthe FID note ends in a backslash: in its // comment the next "
            "generated line becomes comment too\n");
  r = Run("--db '" + db + "' lint --format json");
  EXPECT_EQ(r.status, 4) << r.err;
  EXPECT_EQ(r.out,
            "{\"severity\":\"error\",\"rule\":\"text-line-break\",\"table\":\"T151\",\"id\":\"1\",\"code\":\"FID_A\","
            "\"message\":\"the FID note holds a tab, which breaks the generated line it stands in\"}\n"
            "{\"severity\":\"error\",\"rule\":\"comment-backslash\",\"table\":\"T151\",\"id\":\"1\",\"code\":"
            "\"FID_A\",\"message\":\"the FID note ends in a backslash: in its // comment the next generated line "
            "becomes comment too\"}\n");
}

TEST_F(LintCli, JsonEscapesWhatTheDatabaseHolds) {
  const std::string db = Database(
      "INSERT INTO T151 VALUES (1, '\"X\\'||char(10), '名', 1, NULL);"
      "INSERT INTO T158 VALUES (1, '客户', 'KH');");
  const Result r = Run("--db '" + db + "' lint --format json");
  EXPECT_EQ(r.status, 4) << r.err;
  // Every line is one object; the code keeps its quote, backslash and line feed.
  EXPECT_NE(r.out.find("\"code\":\"\\\"X\\\\\\n\""), std::string::npos) << r.out;
  size_t lines = 0;
  for (char c : r.out) lines += c == '\n';
  EXPECT_EQ(lines, static_cast<size_t>(std::count(r.out.begin(), r.out.end(), '{')));
}

TEST_F(LintCli, WarningsAloneExitWithZero) {
  const std::string db = Database(
      "INSERT INTO T151 VALUES (1, 'FID_A', '甲', 1, NULL);"
      "INSERT INTO T151 VALUES (2, 'FID_B', '乙', 1, NULL);");
  const Result r = Run("--db '" + db + "' lint");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "warning\tfid-unused\tT151 FID_A\tFID FID_A (甲) is defined but no parameter uses it\n"
            "warning\tfid-unused\tT151 FID_B\tFID FID_B (乙) is defined but no parameter uses it\n");
}

TEST_F(LintCli, DatabaseFailuresExitWithOne) {
  Result r = Run("--db '" + (dir_ / "missing.sqlite") + "' lint");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("does not exist"), std::string::npos) << r.err;

  // A table the lint reads last: nothing of the partial read is printed.
  const std::string db = Database(kOneError, "DROP TABLE T162;");
  r = Run("--db '" + db + "' lint");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("lint cannot read the BLS parameters (T162): no such table: T162"), std::string::npos) << r.err;
}

TEST_F(LintCli, FullStdoutIsAFailure) {
  const std::string db = Database(kOneError);
  const std::string err = dir_ / "err.txt";
  const int raw = std::system((std::string("'") + FF_CLI_PATH + "' --db '" + db + "' lint >/dev/full 2>'" + err + "'").c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 1);
  EXPECT_NE(ff::test::ReadFile(err).find("cannot write"), std::string::npos) << ff::test::ReadFile(err);
}

}  // namespace
