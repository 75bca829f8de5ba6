// fidforge-cli as a user and a script run it: what each command prints on
// a database made for it, in text and JSON, its exit status and messages.
#include <filesystem>
#include <algorithm>
#include <optional>
#include <ostream>
#include <regex>
#include <sstream>

#include "tests/support/cli_run.h"

namespace ff::test {
namespace {

const char kLintTab[] = "the FID note holds a tab, which breaks the generated line it stands in";
const char kLintBackslash[] =
    "the FID note ends in a backslash: in its // comment the next generated line becomes comment too";
const std::string kFidRows =
    "{\"check\":\"bls_undefined\",\"code\":\"FID_MISSING\",\"name\":\"缺少\",\"function\":\"WT_ORDER\"}\n"
    "{\"check\":\"fos_undefined\",\"code\":\"FID_B\",\"name\":\"乙\",\"function\":\"KH_LIST\"}\n"
    "{\"check\":\"unused\",\"code\":\"FID_UNUSED\",\"name\":\"未用\"}\n";
const std::string kNotACommand = "fidforge-cli: 'bogus' is not a fidforge-cli command; see 'fidforge-cli --help'\n";

struct Case {
  const char* db;    // databases/<db>.sql, "missing" (a file that is not there) or "" (no --db)
  std::string args;
  int status;
  std::optional<std::string> out;  // the whole standard output; nullopt: not compared
  std::string has;                 // a part of the standard output
  std::string err;   // a part of standard error ("" for any)
};

std::ostream& operator<<(std::ostream& os, const Case& c) { return os << c.db << ": " << c.args; }

class Command : public CliTest, public ::testing::WithParamInterface<Case> {};

TEST_P(Command, PrintsAndExitsAsItShould) {
  const Case& c = GetParam();
  std::string db;
  if (std::string(c.db) == "missing") db = "--db '" + (dir / "nothing.sqlite") + "' ";
  else if (*c.db) db = "--db '" + Db(ReadFile(FF_SOURCE_DIR "/tests/cli/databases/" + std::string(c.db) + ".sql")) + "' ";
  const Result r = Run(db + c.args);
  EXPECT_EQ(r.status, c.status) << r.err;
  if (c.out) {
    EXPECT_EQ(r.out, *c.out);
  }
  EXPECT_NE(r.out.find(c.has), std::string::npos) << r.out;
  EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
  // Whatever it failed on, nothing was created in its place.
  EXPECT_FALSE(std::filesystem::exists(dir / "nothing.sqlite"));
  if (c.args.find("--format json") != std::string::npos) {
    // JSON Lines: one object a line.
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), std::count(r.out.begin(), r.out.end(), '{')) << r.out;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Command,
    ::testing::Values(
        // Listings: trimmed in query order; the key and the text untrimmed;
        // control bytes cannot split a row or a column.
        Case{"modules", "modules --kind fos", 0, "1\tKHGL\t客户管理\n12\tZJGL\t资金管理\n", "", ""},
        Case{"modules", "modules --kind bls", 0, "3\tWT\t委托\n4\tX\\r\\x01\\x7f\t行\\n列\\t\\\\\n", "", ""},
        Case{"modules", "functions --kind fos --module 12", 0,
             "12|KH_OPEN\tKH_OPEN 开户 \n12|KH_QUERY_LIST \tKH_QUERY_LIST  客户查询\n", "", ""},
        Case{"modules", "functions --kind bls --module 3", 0, "3|WT_ORDER\tWT_ORDER 委托下单\n", "", ""},
        Case{"modules", "functions --kind bls --module 4", 0, "4|A\\0B\tA\\0B x\\ny\n", "", ""},
        Case{"modules", "modules --kind fos --format json", 0,
             "{\"kind\":\"fos\",\"id\":1,\"name\":\"KHGL\",\"chinese_name\":\"客户管理\"}\n"
             "{\"kind\":\"fos\",\"id\":12,\"name\":\"ZJGL\",\"chinese_name\":\"资金管理\"}\n",
             "", ""},
        Case{"modules", "functions --kind fos --module 12 --format json", 0,
             "{\"kind\":\"fos\",\"module\":12,\"key\":\"12|KH_OPEN\",\"code\":\"KH_OPEN\",\"name\":\"开户 \"}\n"
             "{\"kind\":\"fos\",\"module\":12,\"key\":\"12|KH_QUERY_LIST \",\"code\":\"KH_QUERY_LIST \","
             "\"name\":\"客户查询\"}\n",
             "", ""},
        Case{"modules", "modules --kind bls --format text", 0, std::nullopt, "3\tWT\t委托\n", ""},
        Case{"hostile", "modules --kind fos --format json", 0,
             "{\"kind\":\"fos\",\"id\":5,\"name\":\"X\\u0001\\u007f\",\"chinese_name\":\"a\\tb\\nc\\\"\\\\\"}\n"
             "{\"kind\":\"fos\",\"id\":6,\"name\":\"\\r\\u2028\",\"chinese_name\":\"A?B\"}\n",
             "", ""},
        // The FID checks: --strict fails on a finding, passes on none.
        Case{"fids", "check-fids --format json", 0, kFidRows, "", ""},
        Case{"fids", "check-fids --strict --format json", 4, kFidRows, "", ""},
        Case{"clean", "check-fids --strict --format json", 0, "", "", ""},
        // The lint: errors exit 4, warnings alone 0, a failed read 1 with
        // nothing of the partial read printed.
        Case{"lint", "lint", 4,
             (std::string("error\ttext-line-break\tT151\t1\tFID_A\t") + kLintTab +
              "\nerror\tcomment-backslash\tT151\t1\tFID_A\t" + kLintBackslash + "\n"),
             "", ""},
        Case{"lint", "lint --format json", 4,
             (std::string("{\"severity\":\"error\",\"rule\":\"text-line-break\",\"table\":\"T151\",\"id\":1,"
                          "\"code\":\"FID_A\",\"message\":\"") + kLintTab +
              "\"}\n{\"severity\":\"error\",\"rule\":\"comment-backslash\",\"table\":\"T151\",\"id\":1,"
              "\"code\":\"FID_A\",\"message\":\"" + kLintBackslash + "\"}\n"),
             "", ""},
        Case{"odd-code", "lint --format json", 4, std::nullopt, "\"code\":\"\\\"X\\\\\\n\"", ""},
        Case{"warning", "lint", 0,
             "warning\tfid-unused\tT151\t\tFID_A\tFID FID_A (甲) is defined but no parameter uses it; an unused FID "
             "breaks no generated code, so only a warning\n",
             "", ""},
        Case{"warning", "lint --format json", 0, std::nullopt, "\"table\":\"T151\",\"id\":null,", ""},
        Case{"lint-unreadable", "lint", 1, "", "",
             "lint cannot read the BLS parameters (T162): no such table: T162"},
        Case{"missing", "lint", 1, "", "", "does not exist"},
        Case{"missing", "modules --kind fos", 1, "", "", "nothing.sqlite"},
        // Usage errors exit 2 and name what is wrong, the unknown before the missing.
        Case{"", "modules", 2, std::nullopt, "", ""},
        Case{"", "modules --kind xyz", 2, std::nullopt, "", ""},
        Case{"", "functions --kind fos", 2, std::nullopt, "", ""},
        Case{"", "--encoding latin1 modules --kind fos", 2, std::nullopt, "", ""},
        Case{"modules", "modules --kind bls --format xml", 2, "", "", ""},
        Case{"fids", "check-fids --format csv", 2, "", "", ""},
        Case{"", "", 2, "", "", "Subcommands:"},  // the commands, as git lists them
        Case{"", "bogus", 2, "", "", kNotACommand},
        Case{"", "--force bogus --out x", 2, "", "", kNotACommand},
        Case{"", "help bogus", 2, "", "", kNotACommand},
        Case{"", "headers -x y", 2, "", "", "fidforge-cli: unknown option '-x'; see 'fidforge-cli headers --help'\n"},
        Case{"", "--bogus modules --kind fos", 2, "", "", "fidforge-cli: unknown option '--bogus'; see 'fidforge-cli --help'\n"},
        Case{"", "modules --kind fos extra", 2, "", "",
             "fidforge-cli: unexpected argument 'extra'; see 'fidforge-cli modules --help'\n"},
        Case{"", "headers -o x -q", 2, "", "",
             "fidforge-cli: '-q' is an option of fidforge-cli itself: give it before the command "
             "(fidforge-cli -q headers ...)\n"},
        Case{"", "--help", 0, std::nullopt, "Subcommands:", ""},
        Case{"", "help", 0, std::nullopt, "Subcommands:", ""}));

TEST_F(CliTest, HelpOfACommandIsItsOwnHelp) {
  const Result r = Run("help module");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Run("module --help").out);
}

TEST_F(CliTest, VersionNamesTheProjectVersion) {
  const Result r = Run("--version");
  EXPECT_EQ(r.status, 0) << r.err;
  // Built from a checkout the commit follows; from a source archive not.
  const std::regex form("fidforge-cli " FF_PROJECT_VERSION "( \\(commit [0-9a-f]{12}(, modified)?\\))?\n");
  EXPECT_TRUE(std::regex_match(r.out, form)) << r.out;
  EXPECT_EQ(Run("--version modules").status, 0);
}

TEST_F(CliTest, InitDemoRefusesToOverwriteWithoutForce) {
  // A name GBK has no letters for: the path is used as the system spells it.
  const std::string path = dir / "데모 demo.sqlite";
  Result r = Run("init-demo '" + path + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "demo database written to " + path + "\n");
  WriteFile(path, "mine");
  r = Run("init-demo '" + path + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("--force"), std::string::npos) << r.err;
  EXPECT_EQ(ReadFile(path), "mine");
  EXPECT_EQ(Run("--force init-demo '" + path + "'").status, 0);
  EXPECT_EQ(Run("--db '" + path + "' modules --kind fos").status, 0);
}

TEST_F(CliTest, WithoutDbTheDemoIsCreatedInTheDataFolder) {
  Result r = Run("modules --kind fos");
  EXPECT_EQ(r.status, 0) << r.err;
  const std::string demo = sandbox.dir().path() / "data" / "fidforge" / "Developer.sqlite";
  EXPECT_TRUE(std::filesystem::exists(demo));
  EXPECT_EQ(r.err, "fidforge-cli: created the demo database " + demo + " (--db names another)\n");
  EXPECT_EQ(Run("modules --kind fos").err, "");
  r = Run("modules --kind fos", "FIDFORGE_DB='" + (dir / "env.sqlite") + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("env.sqlite"), std::string::npos) << r.err;
}

// The manual's rule table is lint --list-rules as a table (backticks
// aside), so that neither can change without the other.
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
