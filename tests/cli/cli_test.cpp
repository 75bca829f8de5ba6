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

struct Case {
  std::string db, args;
  int status;
  std::optional<std::string> out;  // the whole standard output; nullopt: not compared
  std::string has, err;            // a part of the standard output, and of standard error
};

// commands.cases: one case a line.
std::vector<Case> Cases() {
  auto text = [](std::string field) {
    for (size_t at = 0; (at = field.find('\\', at)) != std::string::npos; ++at) {
      const char c = field[at + 1];
      field.replace(at, 2, 1, c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c);
    }
    return field;
  };
  std::vector<Case> cases;
  std::istringstream lines(ReadFile(FF_SOURCE_DIR "/tests/cli/commands.cases"));
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> f;
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, '\t');) f.push_back(field);
    f.resize(6);
    cases.push_back({f[0], f[1], std::stoi(f[2]), f[3] == "*" ? std::nullopt : std::optional(text(f[3])), text(f[4]),
                     text(f[5])});
  }
  return cases;
}

std::ostream& operator<<(std::ostream& os, const Case& c) { return os << c.db << ": " << c.args; }

class Command : public CliTest, public ::testing::WithParamInterface<Case> {};

TEST_P(Command, PrintsAndExitsAsItShould) {
  const Case& c = GetParam();
  std::string db;
  if (c.db == "missing") db = "--db '" + (dir / "nothing.sqlite") + "' ";
  else if (!c.db.empty()) db = "--db '" + Db(ReadFile(FF_SOURCE_DIR "/tests/cli/databases/" + c.db + ".sql")) + "' ";
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

INSTANTIATE_TEST_SUITE_P(Table, Command, ::testing::ValuesIn(Cases()));

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
