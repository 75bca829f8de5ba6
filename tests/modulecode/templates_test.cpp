// The fixed texts, checked line by line: every line ends in CR LF, the
// number of lines and the trailing blanks are the documented ones.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "res/function_templates.h"
#include "res/module_texts.h"
#include "res/snippet_texts.h"
#include "res/validation_texts.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::G;
using ff::test::U;

// Trailing blanks per line number (1-based); a line that is all blanks
// counts them too.
using Trailing = std::map<int, int>;

struct Expected {
  const std::string* text;
  const char* name;
  int lines;
  Trailing trailing;
};

// Splits at CR LF; fails on a lone CR or LF or a missing last line end.
::testing::AssertionResult SplitLines(const std::string& text, std::vector<std::string>& lines) {
  lines.clear();
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find("\r\n", pos);
    if (end == std::string::npos) return ::testing::AssertionFailure() << "last line has no CR LF";
    std::string line = text.substr(pos, end - pos);
    if (line.find_first_of("\r\n") != std::string::npos)
      return ::testing::AssertionFailure() << "lone CR or LF in line " << lines.size() + 1;
    lines.push_back(std::move(line));
    pos = end + 2;
  }
  return ::testing::AssertionSuccess();
}

void CheckTemplate(const Expected& e) {
  SCOPED_TRACE(e.name);
  std::vector<std::string> lines;
  ASSERT_TRUE(SplitLines(*e.text, lines));
  EXPECT_EQ(static_cast<int>(lines.size()), e.lines);
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const int blanks = static_cast<int>(line.size() - line.find_last_not_of(' ') - 1);
    const int all = line.find_first_not_of(' ') == std::string::npos ? static_cast<int>(line.size()) : blanks;
    auto it = e.trailing.find(static_cast<int>(i + 1));
    const int want = it == e.trailing.end() ? 0 : it->second;
    EXPECT_EQ(all, want) << "line " << i + 1 << ": " << U(line);
  }
  // Every character made it into GBK: no replacement marks.
  EXPECT_EQ(e.text->find('?'), std::string::npos);
  EXPECT_EQ(G(U(*e.text)), *e.text);
}

namespace fn = ff::res::fn;

TEST(FunctionTemplates, LineCountsAndTrailingBlanks) {
  const std::vector<Expected> expected{
      {&fn::BlsPrologue(), "BLS prologue", 21, {{2, 4}}},
      {&fn::FosPrologue(), "FOS prologue", 29, {{2, 3}, {3, 4}, {4, 4}, {11, 4}, {16, 4}, {24, 1}, {29, 1}}},
      {&fn::FosSqlPlaceholder(), "FOS SQL placeholder", 3, {}},
      {&fn::BlsStepForward(), "BLS step type 1", 6, {}},
      {&fn::BlsStepNoForward(), "BLS step other", 6, {}},
      {&fn::BlsAuditVariables(), "BLS audit variables", 7, {}},
      {&fn::AuditPart(1), "audit 1", 14, {{1, 4}, {14, 4}}},
      {&fn::AuditPart(2), "audit 2", 7, {{2, 4}, {6, 8}}},
      {&fn::AuditPart(3), "audit 3", 11, {{1, 8}, {5, 11}}},
      {&fn::AuditPart(4), "audit 4", 26, {{1, 12}, {3, 12}, {5, 12}, {15, 12}, {24, 3}}},
      {&fn::AuditPart(5), "audit 5", 16, {{3, 5}, {6, 8}}},
      {&fn::AuditPart(6), "audit 6", 18, {{1, 4}, {7, 8}, {10, 1}}},
      {&fn::AuditPart(7), "audit 7", 27, {{1, 8}, {22, 8}, {25, 4}}},
      {&fn::AuditPart(8), "audit 8", 14, {{7, 4}, {13, 4}}},
      {&fn::FosMultiRowLoop(), "FOS loop", 9, {}},
      {&fn::BlsMultiRowLoop(), "BLS loop", 9, {}},
      {&fn::FosMultiRowEnd(), "FOS multi-row end", 17, {{2, 4}}},
      {&fn::BlsMultiRowEnd(), "BLS multi-row end", 16, {{2, 4}}},
      {&fn::FosProcedureAnswer(), "FOS procedure answer", 20, {{7, 1}, {18, 3}, {19, 1}}},
      {&fn::FosSingleAnswer(), "FOS single answer", 25, {{7, 1}, {23, 3}, {24, 1}}},
      {&fn::BlsSingleAnswer(), "BLS single answer", 32, {{12, 4}, {23, 4}, {31, 4}}},
      {&ff::res::validate::LooseBlock(), "loose block", 12, {}},
      {&ff::res::validate::CompactBlock(), "compact block", 11, {{1, 1}}},
      {&ff::res::snippet::SingleAnswer(), "snippet 73", 38, {}},
      {&ff::res::snippet::MultiRow(), "snippet 74", 22, {{20, 8}}},
      {&ff::res::module::IncludeBlock(), "include block", 8, {}},
  };
  for (const Expected& e : expected) CheckTemplate(e);
}

TEST(FunctionTemplates, LeadingBlanksAndTwinSnippets) {
  const std::string first = G("    //## 取出通讯连接对象\r\n");
  EXPECT_EQ(fn::BlsPrologue().substr(0, first.size()), first);
  // 73 and 75 are the same text.
  EXPECT_EQ(ff::res::snippet::ProcedureAnswer(), ff::res::snippet::SingleAnswer());
}

}  // namespace
