// fidforge-cli lint as a user runs it: the report formats and exit statuses.
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

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
            "error\ttext-line-break\tT151\t1\tFID_A\tthe FID note holds a tab, which breaks the generated line it "
            "stands in\n"
            "error\tcomment-backslash\tT151\t1\tFID_A\tthe FID note ends in a backslash: in its // comment the next "
            "generated line becomes comment too\n");
  r = Run("--db '" + db + "' lint --format json");
  EXPECT_EQ(r.status, 4) << r.err;
  EXPECT_EQ(r.out,
            "{\"severity\":\"error\",\"rule\":\"text-line-break\",\"table\":\"T151\",\"id\":1,\"code\":\"FID_A\","
            "\"message\":\"the FID note holds a tab, which breaks the generated line it stands in\"}\n"
            "{\"severity\":\"error\",\"rule\":\"comment-backslash\",\"table\":\"T151\",\"id\":1,\"code\":"
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
  const std::string db = Database("INSERT INTO T151 VALUES (1, 'FID_A', '甲', 1, NULL);");
  Result r = Run("--db '" + db + "' lint");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "warning\tfid-unused\tT151\t\tFID_A\tFID FID_A (甲) is defined but no parameter uses it; an unused FID "
            "breaks no generated code, so only a warning\n");
  r = Run("--db '" + db + "' lint --format json");
  EXPECT_NE(r.out.find("\"table\":\"T151\",\"id\":null,"), std::string::npos) << r.out;
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

// One line naming the real reason, as every command tells it.
TEST_F(LintCli, AnUnwritableStdoutIsAFailure) {
  const std::string db = Database(kOneError);
  for (const auto& [redirect, reason] : {std::pair{">/dev/full", "No space left on device"},
                                         std::pair{">&-", "Bad file descriptor"}}) {
    const std::string err = dir_ / "err.txt";
    const int raw = std::system(
        (std::string("'") + FF_CLI_PATH + "' --db '" + db + "' lint " + redirect + " 2>'" + err + "'").c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1) << redirect;
    EXPECT_EQ(ff::test::ReadFile(err), std::string("fidforge-cli: cannot write to standard output: ") + reason + "\n");
  }
}

// The manual's rule table is --list-rules as a table (backticks aside),
// so that neither can change without the other.
TEST_F(LintCli, TheManualListsTheRulesAsListRulesDoes) {
  const Result r = Run("lint --list-rules");
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> expected;
  std::istringstream lines(r.out);
  for (std::string line; std::getline(lines, line);) {
    expected.push_back("| " + std::regex_replace(line, std::regex("\t"), " | ") + " |");
  }
  std::vector<std::string> table;
  std::vector<std::filesystem::path> docs{std::filesystem::path(FF_SOURCE_DIR) / "README.md"};
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(FF_SOURCE_DIR) / "docs")) {
    if (entry.path().extension() == ".md") docs.push_back(entry.path());
  }
  for (const auto& doc : docs) {
    std::istringstream text(ff::test::ReadFile(doc.string()));
    bool inTable = false;
    for (std::string line; std::getline(text, line);) {
      if (line == "| rule | severity | finds | example |") inTable = true;
      else if (inTable && !line.starts_with("|")) inTable = false;
      else if (inTable && !line.starts_with("|--")) table.push_back(std::regex_replace(line, std::regex("`"), ""));
    }
  }
  EXPECT_EQ(table, expected);
  const Result json = Run("lint --list-rules --format json");
  EXPECT_EQ(json.out.rfind("{\"rule\":\"macro-redefined\",\"severity\":\"error\",\"warning_when\":\"the values "
                           "agree\",\"summary\":",
                           0),
            0u)
      << json.out;
  EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), static_cast<long>(expected.size()));
}

}  // namespace
