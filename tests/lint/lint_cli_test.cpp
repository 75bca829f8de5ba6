// fidforge-cli lint beyond its findings (those are in tests/cli's table):
// a standard output that takes nothing, and the manual's rule table.
#include <sys/wait.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <vector>

#include "tests/cli/cli_fixture.h"

namespace ff::test {
namespace {

// One line naming the real reason, as every command tells it.
TEST_F(CliTest, AnUnwritableStdoutIsAFailure) {
  const std::string db = Db("INSERT INTO T151 VALUES (1, 'FID_A', '甲', 1, NULL);");
  for (const auto& [redirect, reason] : {std::pair{">/dev/full", "No space left on device"},
                                         std::pair{">&-", "Bad file descriptor"}}) {
    const std::string err = dir / "err.txt";
    const int raw = std::system(
        (std::string("'") + FF_CLI_PATH + "' --db '" + db + "' lint " + redirect + " 2>'" + err + "'").c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1) << redirect;
    EXPECT_EQ(ReadFile(err), std::string("fidforge-cli: cannot write to standard output: ") + reason + "\n");
  }
}

// The manual's rule table is --list-rules as a table (backticks aside),
// so that neither can change without the other.
TEST_F(CliTest, TheManualListsTheRulesAsListRulesDoes) {
  const Result r = Run("lint --list-rules");
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> expected;
  std::istringstream lines(r.out);
  for (std::string line; std::getline(lines, line);)
    expected.push_back("| " + std::regex_replace(line, std::regex("\t"), " | ") + " |");
  std::vector<std::string> table;
  std::vector<std::filesystem::path> docs{std::filesystem::path(FF_SOURCE_DIR) / "README.md"};
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(FF_SOURCE_DIR) / "docs"))
    if (entry.path().extension() == ".md") docs.push_back(entry.path());
  for (const auto& doc : docs) {
    std::istringstream text(ReadFile(doc.string()));
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
                           "agree\",\"summary\":", 0), 0u) << json.out;
  EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), static_cast<long>(expected.size()));
}

}  // namespace
}  // namespace ff::test
