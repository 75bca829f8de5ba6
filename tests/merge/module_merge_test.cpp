// Merging a programmer's edited Process.cpp into a new generation, and the
// files the merge refuses. Each merge case is three files under
// tests/golden/merge/<case>/, written by hand from the merge rules:
// old.cpp as the programmer left it, fresh.cpp the new generation,
// merged.cpp what the merge must give; a second merge changes nothing.
#include <string>

#include <gtest/gtest.h>

#include "host/gbk_text.h"
#include "merge/module_merge.h"
#include "merge/three_way.h"
#include "tests/support/test_support.h"

namespace {

using ff::merge::MergeModuleSource;
using ff::merge::MergeReport;
using ff::test::G;
using ff::test::Golden;

struct MergeCase {
  const char* name;
  int regionsKept, added, retired, outsideTextsKept;
  const char* addedName = "";
  const char* retiredName = "";
};

void PrintTo(const MergeCase& c, std::ostream* out) { *out << c.name; }

class GoldenMerge : public ::testing::TestWithParam<MergeCase> {};

TEST_P(GoldenMerge, GivesTheMergedFileAndTwiceIsOnce) {
  const MergeCase& c = GetParam();
  const std::string dir = std::string(c.name) + "/";
  const std::string fresh = Golden("merge/" + dir + "fresh.cpp");
  MergeReport report;
  const std::string merged = MergeModuleSource(Golden("merge/" + dir + "old.cpp"), fresh, report);
  EXPECT_BYTES_EQ(Golden("merge/" + dir + "merged.cpp"), merged);
  // The first name added and retired, where the case names them.
  auto first = [](const char* named, const std::vector<std::string>& names) {
    return *named && !names.empty() ? names[0] : std::string();
  };
  EXPECT_EQ((std::vector{c.regionsKept, c.added, c.retired, c.outsideTextsKept, c.added, c.retired}),
            (std::vector{report.regionsKept, report.functionsAdded, report.functionsRetired, report.outsideTextsKept,
                         static_cast<int>(report.added.size()), static_cast<int>(report.retired.size())}));
  EXPECT_EQ(std::string(c.addedName) + "|" + c.retiredName,
            first(c.addedName, report.added) + "|" + first(c.retiredName, report.retired));
  MergeReport again;
  EXPECT_BYTES_EQ(merged, MergeModuleSource(merged, fresh, again));
  EXPECT_EQ(0, again.functionsRetired + again.functionsAdded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GoldenMerge,
    ::testing::Values(
        // SQL in one region, an emptied region, a changed marker comment, an
        // include, helpers; a parameter added, a function dropped and one added.
        MergeCase{"programmers_edits", 2, 1, 1, 3, "Add_User", "Del_User"},
        MergeCase{"unedited", 0, 0, 0, 0},
        // The filled-in values of the comments are no edit.
        MergeCase{"other_day_other_author", 0, 0, 0, 0},
        // A history row added by hand keeps the old comment; LF lines stay LF.
        MergeCase{"edited_comment_and_line_ends", 1, 0, 0, 1},
        MergeCase{"renamed_function", 0, 1, 1, 0, "Fun_New", "Fun_Old"},
        MergeCase{"text_between_retired", 0, 0, 2, 1},
        // The second //##Begin goes to the second //##Begin whatever lies between.
        MergeCase{"regions_by_marker_and_order", 3, 0, 0, 0},
        // Words that merely start like a marker, markers and a prototype inside #if 0.
        MergeCase{"look_alike_markers", 1, 0, 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// Three-way: a changed include block of the template reaches the file,
// and the includes and history rows added by hand stay where they were.
TEST(ThreeWayMerge, TemplateChangesAndHandAddedLinesMeet) {
  using ff::merge::TextLines;
  const std::string base = Golden("merge/unedited/fresh.cpp");
  std::string fresh = base, mine = base, expected;
  ff::gbk::ReplaceAll(fresh, "#include \"stdafx.h\"\r\n", "#include \"stdafx.h\"\r\n#include <vector>\r\n");
  ff::gbk::ReplaceAll(mine, "#include <string>\r\n", "#include <string>\r\n#include <map>\r\n");
  ff::gbk::ReplaceAll(mine, G("*函数名称：Get_User 取用户\r\n"), G("*函数名称：Get_User 取用户\r\n*2.  加查询条件\r\n"));
  ff::merge::ThreeWayReport report;
  const std::string merged = ff::merge::JoinCrlf(
      ff::merge::MergeSourceThreeWay(TextLines(base), {TextLines(mine), {}}, TextLines(fresh), {}, report));
  expected = fresh;
  ff::gbk::ReplaceAll(expected, "#include <string>\r\n", "#include <string>\r\n#include <map>\r\n");
  ff::gbk::ReplaceAll(expected, G("*函数名称：Get_User 取用户\r\n"), G("*函数名称：Get_User 取用户\r\n*2.  加查询条件\r\n"));
  EXPECT_BYTES_EQ(expected, merged);
  EXPECT_EQ(1, report.keptEdited);
  EXPECT_TRUE(report.conflicts.empty());
}

// Files the merge refuses: it names the line and changes nothing, rather
// than guess where a hand-written text belongs.
struct Refusal {
  const char* name;
  std::string old;  // merged into kFresh
  int line;
  const char* why;
};

const std::string kProto = "//F    1    //f\r\nlong Fun_F( struct Service_Module* pModule )\r\n";
const std::string kFresh = "// head\r\n" + kProto + "{\r\n    //##BeginSQL\r\n    //##EndSQL\r\n}\r\n\r\n\r\n";
std::string WithBody(const std::string& body, const std::string& after = "\r\n\r\n") {
  return "// head\r\n" + kProto + "{\r\n" + body + "}\r\n" + after;
}

void PrintTo(const Refusal& c, std::ostream* out) { *out << c.name; }

class DamagedFile : public ::testing::TestWithParam<Refusal> {};

TEST_P(DamagedFile, IsRefusedWithItsLine) {
  MergeReport report;
  try {
    MergeModuleSource(GetParam().old, kFresh, report);
    ADD_FAILURE() << "merged";
  } catch (const ff::merge::DamagedFile& error) {
    EXPECT_EQ(GetParam().line, error.Line());
    EXPECT_NE(std::string::npos, std::string(error.what()).find(GetParam().why)) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFile,
    ::testing::Values(
        Refusal{"BeginWithoutEnd", WithBody("    //##BeginSQL\r\n    x();\r\n"), 5, "//##BeginSQL without its //##EndSQL"},
        Refusal{"EndWithoutBegin", WithBody("    x();\r\n    //##EndSQL\r\n"), 6, "without its opening marker"},
        Refusal{"Nested", WithBody("    //##BeginSQL\r\n    //##Begin\r\n    //##End\r\n    //##EndSQL\r\n"), 6, "cannot nest"},
        Refusal{"WrongEnd", WithBody("    //##Begin\r\n    //##EndSQL\r\n"), 6, "does not close //##Begin (line 5)"},
        Refusal{"FunctionTwice", WithBody("", "\r\n") + kProto + "{\r\n}\r\n", 8, "Fun_F is defined twice (first at line 3)"},
        Refusal{"NoClosingBrace", kProto + "{\r\n  x();\r\n", 2, "no closing brace"},
        Refusal{"MarkerOutsideFunctions", "// head\r\n    //##Begin\r\n    //##End\r\n", 2, "outside any generated function"},
        Refusal{"IfZeroWithoutEndif", WithBody("") + "#if 0\r\n#ifdef X\r\n#endif\r\n", 8, "#if 0 without its #endif"},
        // The fresh function has one SQL region: a second hand-made one would be lost.
        Refusal{"RegionWithoutPlace",
                WithBody("    //##BeginSQL\r\n    //##EndSQL\r\n    //##BeginSQL\r\n    mine();\r\n    //##EndSQL\r\n"), 7,
                "has no place"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
