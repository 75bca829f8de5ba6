// The fixed texts, checked line by line: every line ends in CR LF, the
// number of lines and the trailing blanks are the documented ones.
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "res/embedded_templates.h"
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
      // The eight parts of the audit flow, one after the other: 14, 7, 11,
      // 26, 16, 18, 27 and 14 lines.
      {&fn::BlsAuditFlow(), "BLS audit flow", 133,
       {{1, 4}, {14, 4},                                  // part 1
        {16, 4}, {20, 8},                                 // part 2
        {22, 8}, {26, 11},                                // part 3
        {33, 12}, {35, 12}, {37, 12}, {47, 12}, {56, 3},  // part 4
        {61, 5}, {64, 8},                                 // part 5
        {75, 4}, {81, 8}, {84, 1},                        // part 6
        {93, 8}, {114, 8}, {117, 4},                      // part 7
        {126, 4}, {132, 4}}},                             // part 8
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

// The build embeds every file of res/templates/ byte for byte: CR LF,
// trailing blanks and GBK bytes arrive unchanged.
TEST(FunctionTemplates, EmbeddedAsTheFilesAre) {
  const std::filesystem::path folder = std::filesystem::path(FF_SOURCE_DIR) / "res" / "templates";
  std::set<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    files.insert(entry.path().filename().string());
  }
  std::set<std::string> embedded;
  for (std::string_view name : ff::res::EmbeddedTemplateNames()) embedded.emplace(name);
  EXPECT_EQ(embedded, files);
  for (const std::string& name : files) {
    EXPECT_BYTES_EQ(ff::test::ReadFile((folder / name).string()), ff::res::EmbeddedTemplate(name)) << name;
  }
}

}  // namespace
