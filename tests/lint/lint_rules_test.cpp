// The lint rules, each against its fixture: rules/<rule>.sql makes a test
// database, rules/<rule>.expected holds that rule's findings on it as
// lines of the text report. A fixture named after no rule expects the
// whole report (clean.sql: none).
#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "host/config_db.h"
#include "host/sim_db.h"
#include "lint/lint_run.h"
#include "lint/rule.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::U;

const std::filesystem::path kFixtures = std::filesystem::path(FF_SOURCE_DIR) / "tests/lint/rules";

std::vector<std::string> FixtureNames() {
  std::vector<std::string> names;
  for (const std::string& file : ff::test::Names(kFixtures)) {
    if (file.ends_with(".sql")) names.push_back(file.substr(0, file.size() - 4));
  }
  return names;
}

bool IsRule(std::string_view id) {
  const auto rules = ff::lint::Rules();
  return std::any_of(rules.begin(), rules.end(), [id](const ff::lint::Rule& r) { return r.id == id; });
}

class LintRule : public ::testing::TestWithParam<std::string> {};

TEST_P(LintRule, FindsWhatItsFixtureExpects) {
  const std::string name = GetParam();
  ff::test::TestDatabase db(ff::test::ReadFile((kFixtures / (name + ".sql")).string()));
  const ff::lint::LintResult result = ff::lint::RunLint(*g_pConfigDB);
  ASSERT_TRUE(result.ok) << U(result.error);
  std::string report;
  static const std::regex kEnglish("[a-z]{2,} [a-z]{2,}|[A-Z]{2,} [a-z]{4,}");
  for (const ff::lint::Finding& finding : result.findings) {
    if (finding.rule == name || !IsRule(name)) report += U(ff::lint::FindingLine(finding)) + "\n";
    // The desktop program's list says it in Chinese, words and all.
    EXPECT_FALSE(std::regex_search(U(finding.shownMessage), kEnglish)) << U(finding.shownMessage);
  }
  EXPECT_BYTES_EQ(ff::test::ReadFile((kFixtures / (name + ".expected")).string()), report);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, LintRule, ::testing::ValuesIn(FixtureNames()),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

TEST(Lint, EveryRuleHasAFixture) {
  const std::vector<std::string> fixtures = FixtureNames();
  for (const ff::lint::Rule& rule : ff::lint::Rules()) {
    EXPECT_NE(std::find(fixtures.begin(), fixtures.end(), rule.id), fixtures.end()) << rule.id;
  }
}

// A GBK lead byte without its trail byte is no character; the trail byte
// 0x5C of 乗 is no backslash. (SQLite hands over UTF-8, which never gives
// such bytes; another store may.)
TEST(Lint, TextChecksReadGbkCharacterByCharacter) {
  const ff::lint::Where where{"T151", "1", "FID_A"};
  const ff::lint::Phrase name{"FID name", "FID名称"};
  ff::lint::FindingSink sink;
  for (const ff::lint::Rule& rule : ff::lint::Rules()) {
    if (!rule.text) continue;
    ff::lint::Report report(rule, sink);
    rule.text({where, name, "\xB1", ff::lint::kOneLine, false}, report);
    rule.text({where, name, ff::test::G("表乗"), ff::lint::kLineComment | ff::lint::kStringLiteral, false},
              report);
  }
  ASSERT_EQ(sink.Findings().size(), 1u);
  EXPECT_EQ(U(ff::lint::FindingLine(sink.Findings()[0])),
            "error\ttext-not-gbk\tT151\t1\tFID_A\tthe FID name holds bytes that are no GBK character");
}

TEST(Lint, AFailedQueryIsAFailureNotACleanDatabase) {
  ff::test::TestDatabase db("INSERT INTO T151 VALUES (1, 'FID-X', '甲', 1, NULL);");
  db.Exec("DROP TABLE T470;");
  const ff::lint::LintResult result = ff::lint::RunLint(*g_pConfigDB);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(U(result.error).find("T470"), std::string::npos) << U(result.error);
  EXPECT_TRUE(result.findings.empty());
}

}  // namespace
