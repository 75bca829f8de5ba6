// Merging a programmer's edited Process.cpp into a new generation. The
// expected files under tests/golden/merge/ were written by hand from the
// merge rules: old_edited.cpp is the file as a programmer left it (SQL in
// one region, an emptied region, a changed marker comment, an extra
// include, a helper between functions and one at the end), fresh.cpp the
// generation after the database changed (a parameter added, a function
// dropped, a function added), merged.cpp what the merge must give.
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

// UTF-8 text with LF -> GBK with CR LF.
std::string Crlf(std::string_view utf8) {
  std::string gbk = G(utf8), out;
  for (char c : gbk) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

const std::string kTop = "/" + std::string(71, '*') + "\n";
const std::string kBottom = std::string(70, '*') + "/\n";

// A small generated function: comment box, identification, prototype,
// body with the given SQL region.
std::string Function(const std::string& name, const std::string& region) {
  return kTop + "*函数名称：" + name + "\n" + kBottom + "//" + name + "    1    //名\n" + "long " + name +
         "( struct Service_Module* pModule )\n{\n" + region + "    return 0;\n}\n\n";
}
const std::string kSql = "    //##BeginSQL 开始生成SQL\n    pDB->Cmd(\"SELECT '...' \");\n    //##EndSQL 结束生成SQL\n";
const std::string kHead = kTop + "*文件名称：Process.cpp\n" + kBottom + "\n#include \"stdafx.h\"\n\n";

TEST(ModuleMerge, ProgrammersEditsSurviveDatabaseChanges) {
  const std::string old = Golden("merge/old_edited.cpp");
  const std::string fresh = Golden("merge/fresh.cpp");
  MergeReport report;
  const std::string merged = MergeModuleSource(old, fresh, report);
  EXPECT_BYTES_EQ(Golden("merge/merged.cpp"), merged);
  EXPECT_EQ(2, report.regionsKept);  // the SQL and the emptied region
  EXPECT_EQ(1, report.functionsAdded);
  EXPECT_EQ(1, report.functionsRetired);
  EXPECT_EQ(3, report.outsideTextsKept);  // the include, the helper, the tail
  ASSERT_EQ(1u, report.retired.size());
  EXPECT_EQ("Del_User", report.retired[0]);
  ASSERT_EQ(1u, report.added.size());
  EXPECT_EQ("Add_User", report.added[0]);

  // Merging again changes nothing, and reports no more retirements.
  MergeReport again;
  EXPECT_BYTES_EQ(merged, MergeModuleSource(merged, fresh, again));
  EXPECT_EQ(0, again.functionsRetired);
  EXPECT_EQ(0, again.functionsAdded);
}

TEST(ModuleMerge, UneditedFileGivesTheFreshBytes) {
  const std::string fresh = Golden("merge/fresh.cpp");
  MergeReport report;
  EXPECT_BYTES_EQ(fresh, MergeModuleSource(fresh, fresh, report));
  EXPECT_EQ(0, report.regionsKept + report.functionsAdded + report.functionsRetired + report.outsideTextsKept);

  // Generated on another day by another author: the filled-in values of
  // the comments are no edit.
  std::string older = fresh;
  ff::gbk::ReplaceAll(older, "2026.12.06", "2025.01.31");
  ff::gbk::ReplaceAll(older, G("原作者：  dev"), G("原作者：  someone"));
  ASSERT_NE(older, fresh);
  EXPECT_BYTES_EQ(fresh, MergeModuleSource(older, fresh, report));
}

TEST(ModuleMerge, EditedFileCommentAndLineEndsStayAsWritten) {
  // A history row added by hand keeps the old comment; a region edited
  // with a LF-only editor keeps its LF lines.
  std::string fresh = Crlf(kHead + Function("Fun_A", kSql));
  std::string old = fresh;
  ff::gbk::ReplaceAll(old, G("*文件名称：Process.cpp\r\n"), G("*文件名称：Process.cpp\r\n*2.  修改查询\r\n"));
  ff::gbk::ReplaceAll(old, "pDB->Cmd(\"SELECT '...' \");\r\n", "pDB->Cmd(\"SELECT 1\");\n    pDB->Cmd(\"SELECT 2\");\n");
  MergeReport report;
  EXPECT_BYTES_EQ(old, MergeModuleSource(old, fresh, report));
  EXPECT_EQ(1, report.regionsKept);
  EXPECT_EQ(1, report.outsideTextsKept);
}

TEST(ModuleMerge, RenamedFunctionRetiresTheOldNameAndTakesTheTemplate) {
  const std::string mine = "    //##BeginSQL\n    pDB->Cmd(\"SELECT KHH FROM T\");\n    //##EndSQL\n";
  const std::string old = Crlf(kHead + Function("Fun_Old", mine) + "\n");
  const std::string fresh = Crlf(kHead + Function("Fun_New", kSql) + "\n");
  MergeReport report;
  const std::string merged = MergeModuleSource(old, fresh, report);
  EXPECT_BYTES_EQ(Crlf(kHead + Function("Fun_New", kSql) + "\n" +
                       "\n// 函数 Fun_Old 已不在配置库中：原有代码保留如下，不参与编译。\n#if 0\n" +
                       kTop + "*函数名称：Fun_Old\n" + kBottom + "//Fun_Old    1    //名\n" +
                       "long Fun_Old( struct Service_Module* pModule )\n{\n" + mine + "    return 0;\n}\n" +
                       "#endif // Fun_Old\n"),
                  merged);
  EXPECT_EQ(1, report.functionsAdded);
  EXPECT_EQ(1, report.functionsRetired);
  MergeReport again;
  EXPECT_BYTES_EQ(merged, MergeModuleSource(merged, fresh, again));
}

TEST(ModuleMerge, TextBetweenTwoRetiredFunctionsMovesToTheEnd) {
  const std::string old = Crlf(kHead + Function("Fun_A", kSql) + "\n" + Function("Fun_B", kSql) +
                               "\nint g_count = 0;\n\n" + Function("Fun_C", kSql) + "\n");
  const std::string fresh = Crlf(kHead + Function("Fun_A", kSql) + "\n");
  MergeReport report;
  const std::string merged = MergeModuleSource(old, fresh, report);
  EXPECT_BYTES_EQ(Crlf(kHead + Function("Fun_A", kSql) + "\n" +
                       "\n// 以下手写代码原在已不在配置库中的函数之间，合并时移到文件末尾。\n" +
                       "\n\nint g_count = 0;\n\n" +
                       "\n// 函数 Fun_B 已不在配置库中：原有代码保留如下，不参与编译。\n#if 0\n" +
                       Function("Fun_B", kSql).substr(0, Function("Fun_B", kSql).size() - 1) +
                       "#endif // Fun_B\n" +
                       "\n// 函数 Fun_C 已不在配置库中：原有代码保留如下，不参与编译。\n#if 0\n" +
                       Function("Fun_C", kSql).substr(0, Function("Fun_C", kSql).size() - 1) +
                       "#endif // Fun_C\n"),
                  merged);
  MergeReport again;
  EXPECT_BYTES_EQ(merged, MergeModuleSource(merged, fresh, again));
}

TEST(ModuleMerge, RegionsPairByMarkerWordAndOrder) {
  // Two business regions and one SQL region: the second //##Begin goes to
  // the second //##Begin whatever lies between.
  const std::string freshBody = "    //##Begin a\n    //##End\n    //##BeginSQL\n    //##EndSQL\n"
                                "    //##Begin b\n    //##End\n";
  const std::string oldBody = "    //##Begin a\n    one();\n    //##End\n    //##BeginSQL\n    sql();\n"
                              "    //##EndSQL\n    //##Begin b\n    two();\n    //##End\n";
  const std::string fresh = Crlf(kHead + Function("Fun_A", "    x();\n" + freshBody) + "\n");
  const std::string old = Crlf(kHead + Function("Fun_A", oldBody) + "\n");
  MergeReport report;
  EXPECT_BYTES_EQ(Crlf(kHead + Function("Fun_A", "    x();\n" + oldBody) + "\n"),
                  MergeModuleSource(old, fresh, report));
  EXPECT_EQ(3, report.regionsKept);
}

// Three-way: a changed include block of the template reaches the file,
// and the includes and history rows added by hand stay where they were.
TEST(ThreeWayMerge, TemplateChangesAndHandAddedLinesMeet) {
  using ff::merge::TextLines;
  const std::string base = Crlf(kHead + Function("Fun_A", kSql));
  std::string fresh = base, mine = base;
  ff::gbk::ReplaceAll(fresh, "#include \"stdafx.h\"\r\n", "#include \"stdafx.h\"\r\n#include <vector>\r\n");
  ff::gbk::ReplaceAll(mine, "#include \"stdafx.h\"\r\n\r\n", "#include \"stdafx.h\"\r\n\r\n#include <map>\r\n");
  ff::gbk::ReplaceAll(mine, G("*函数名称：Fun_A\r\n"), G("*函数名称：Fun_A\r\n*2.  加查询条件\r\n"));
  ff::merge::ThreeWayReport report;
  const std::string merged = ff::merge::JoinCrlf(
      ff::merge::MergeSourceThreeWay(TextLines(base), {TextLines(mine), {}}, TextLines(fresh), {}, report));
  std::string expected = fresh;
  ff::gbk::ReplaceAll(expected, "#include <vector>\r\n\r\n", "#include <vector>\r\n\r\n#include <map>\r\n");
  ff::gbk::ReplaceAll(expected, G("*函数名称：Fun_A\r\n"), G("*函数名称：Fun_A\r\n*2.  加查询条件\r\n"));
  EXPECT_BYTES_EQ(expected, merged);
  EXPECT_EQ(1, report.keptEdited);
  EXPECT_TRUE(report.conflicts.empty());
}

}  // namespace
