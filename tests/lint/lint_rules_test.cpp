// The lint rules, one test database per rule family, each with the exact
// findings it must give.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "host/config_db.h"
#include "host/sim_db.h"
#include "lint/lint_run.h"
#include "lint/text_rules.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::G;
using ff::test::U;

// The findings of the given rules as text report lines (UTF-8).
std::vector<std::string> Lines(const ff::lint::LintResult& result, std::initializer_list<std::string_view> rules) {
  std::vector<std::string> lines;
  for (const ff::lint::Finding& finding : result.findings) {
    for (std::string_view rule : rules) {
      if (finding.rule == rule) lines.push_back(U(ff::lint::FindingLine(finding)));
    }
  }
  return lines;
}

ff::lint::LintResult Lint() {
  ff::lint::LintResult result = ff::lint::RunLint(*g_pConfigDB);
  EXPECT_TRUE(result.ok) << U(result.error);
  return result;
}

using Expected = std::vector<std::string>;

TEST(Lint, CleanDatabaseHasNoFindings) {
  ff::test::TestDatabase db(
      "INSERT INTO T151 VALUES (1, 'FID_KHH', '客户号', 1, '营业部编码,4位');"
      "INSERT INTO T158 VALUES (1, '客户管理', 'KHGL');"
      "INSERT INTO T154 (ID, F18, F19, F22, F26, F28, F32) VALUES (10, 1001, 'KH.OPEN', '开户', 1, '多行'||char(13)||char(10)||'设计', '问?');"
      "INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (60, '客户号', 1, 1, 1, 10, 'FID_KHH');");
  const ff::lint::LintResult result = Lint();
  EXPECT_TRUE(result.findings.empty()) << U(ff::lint::FindingLine(result.findings.front()));
  EXPECT_FALSE(result.HasErrors());
}

TEST(Lint, MacrosDefinedByTwoHeaders) {
  ff::test::TestDatabase db(
      "INSERT INTO T151 VALUES (1, 'FID_A', '甲', 1, NULL);"
      "INSERT INTO T151 VALUES (2, 'KH_OPEN', '乙', 1, NULL);"
      "INSERT INTO T158 VALUES (1, '客户', 'KH');"
      "INSERT INTO T164 VALUES (2, 2, '交易', 'JY');"
      "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (10, 1001, 'KH_OPEN', '开户', 1);"
      "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (11, 1002, 'WT.ORDER', '委托', 1);"
      "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (12, 1003, 'DUP', '重复', 1);"
      "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (13, 1004, 'DUP', '重复2', 1);"
      "INSERT INTO T161 (ID, F1, F2, F3, F7) VALUES (20, 1002, 'WT_ORDER', '委托', 2);"
      "INSERT INTO T471 VALUES (1, '系统', 2, 2, 0);"
      "INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (30, '-1', 'ERR_A', '错误甲', 'ERRSTR_A', 1, 6);"
      "INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (31, '-2', 'ERRSTR_A', '错误乙', '', 1, 6);"
      "INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (32, '-3', '_SYSDEF', '守卫', '', 1, 6);");
  const ff::lint::LintResult result = Lint();
  // DUP, twice in fosdef.h alone, is the duplicate-code rule's.
  EXPECT_EQ(Lines(result, {"macro-redefined"}),
            (Expected{"error\tmacro-redefined\tT470 32 _SYSDEF\t_SYSDEF is defined more than once, with different "
                      "values: include guard, sysdef.h (T470 32 _SYSDEF)",
                      "error\tmacro-redefined\tT151 2 KH_OPEN\tKH_OPEN is defined more than once, with different "
                      "values: fiddef.h (T151 2 KH_OPEN), fosdef.h (T154 10 KH_OPEN)",
                      "warning\tmacro-redefined\tT154 11 WT.ORDER\tWT_ORDER is defined more than once (with the same "
                      "value): fosdef.h (T154 11 WT.ORDER), blsdef.h (T161 20 WT_ORDER)",
                      "error\tmacro-redefined\tT470 30 ERR_A\tERRSTR_A is defined more than once, with different "
                      "values: sysdef.h (T470 30 ERR_A), sysdef.h (T470 31 ERRSTR_A)"}));
  EXPECT_TRUE(result.HasErrors());
}

TEST(Lint, CodesThatAreNoIdentifiers) {
  ff::test::TestDatabase db(
      "INSERT INTO T151 VALUES (1, 'FID-X', '甲', 1, NULL);"
      "INSERT INTO T151 VALUES (2, '客户', '乙', 1, NULL);"
      "INSERT INTO T151 VALUES (3, 'FID_OK', '丙', 1, NULL);"
      "INSERT INTO T154 (ID, F18, F19, F22, F24, F26) VALUES (10, 1001, 'A.B', '甲', NULL, 1);"
      "INSERT INTO T154 (ID, F18, F19, F22, F24, F26) VALUES (11, 1002, '1ABC', '乙', NULL, 1);"
      "INSERT INTO T154 (ID, F18, F19, F22, F24, F26) VALUES (12, 1003, 'QUERY', '丙', 'Get User', 1);"
      "INSERT INTO T161 (ID, F1, F2, F3, F4, F7) VALUES (20, 2001, 'new', '丁', '   ', 2);"
      "INSERT INTO T471 VALUES (1, '系统', 2, 2, 0);"
      "INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (30, '1', 'delete', '删除', 'ERR MSG', 1, 6);");
  const ff::lint::LintResult result = Lint();
  EXPECT_EQ(
      Lines(result, {"code-not-identifier", "code-is-keyword"}),
      (Expected{
          "error\tcode-not-identifier\tT151 1 FID-X\tthe FID code \"FID-X\" becomes the name \"FID-X\", which is no "
          "C/C++ identifier",
          "error\tcode-not-identifier\tT151 2 客户\tthe FID code \"客户\" becomes the name \"客户\", which is no C/C++ "
          "identifier",
          "error\tcode-not-identifier\tT154 11 1ABC\tthe FOS code \"1ABC\" becomes the name \"1ABC\", which is no "
          "C/C++ identifier",
          "error\tcode-not-identifier\tT154 12 QUERY\tthe FOS function name \"Get User\" becomes the name \"Get "
          "User\", which is no C/C++ identifier",
          "error\tcode-not-identifier\tT470 30 delete\tthe error message name \"ERR MSG\" becomes the name \"ERR "
          "MSG\", which is no C/C++ identifier",
          "error\tcode-is-keyword\tT161 20 new\tthe BLS code \"new\" becomes the name \"new\", which is a C++ keyword",
          "error\tcode-is-keyword\tT470 30 delete\tthe error code name \"delete\" becomes the name \"delete\", which "
          "is a C++ keyword"}));
}

TEST(Lint, TextsThatBreakTheCodeTheyLandIn) {
  ff::test::TestDatabase db(
      // 乗 is 0x81 0x5C in GBK: a backslash byte that is no backslash.
      "INSERT INTO T151 VALUES (1, 'FID_A', '名称\\', 1, NULL);"
      "INSERT INTO T151 VALUES (2, 'FID_B', '乗', 1, '第一行'||char(10)||'第二行');"
      "INSERT INTO T151 VALUES (3, 'FID_C', '正常', 1, '备注\\  ');"
      "INSERT INTO T151 VALUES (4, 'FID_D', '笑😀', 1, NULL);"
      "INSERT INTO T151 VALUES (5, 'FID_E', '问?', 1, NULL);"
      "INSERT INTO T158 VALUES (1, '客户', 'KH');"
      "INSERT INTO T164 VALUES (2, 2, '交易', 'JY');"
      "INSERT INTO T154 (ID, F18, F19, F22, F26, F28) VALUES (10, 1001, 'F_A', '名称*/结束', 1, '设计/*');"
      "INSERT INTO T161 (ID, F1, F2, F3, F7) VALUES (20, 2001, 'B_A', '他说\"好\"', 2);"
      "INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (60, '客户'||char(9)||'号', 1, 1, 1, 10, 'FID_B');"
      "INSERT INTO T162 (ID, F1, F2, F3, F4, F5, F7) VALUES (50, 20, 'FID_A', '参数\\', 1, 1, 1);"
      "INSERT INTO T471 VALUES (1, '系统', 2, 2, 0);"
      "INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (30, '1', 'ERR_A', '路径C:\\temp', '', 1, 6);");
  const ff::lint::LintResult result = Lint();
  EXPECT_EQ(Lines(result, {"text-line-break", "comment-backslash", "comment-close", "string-literal-break",
                           "text-not-gbk"}),
            (Expected{
                "error\ttext-line-break\tT151 2 FID_B\tthe FID note holds a line feed, which breaks the generated "
                "line it stands in",
                "error\ttext-line-break\tT156 60 FID_B\tthe parameter name holds a tab, which breaks the generated "
                "line it stands in",
                "error\tcomment-backslash\tT151 1 FID_A\tthe FID name ends in a backslash: in its // comment the next "
                "generated line becomes comment too",
                "error\tcomment-backslash\tT151 3 FID_C\tthe FID note ends in a backslash: in its // comment the next "
                "generated line becomes comment too",
                "error\tcomment-backslash\tT162 50 FID_A\tthe parameter name ends in a backslash: in its // comment "
                "the next generated line becomes comment too",
                "error\tcomment-close\tT154 10 F_A\tthe FOS name holds \"*/\", which ends its generated /* */ comment "
                "early",
                "warning\tcomment-close\tT154 10 F_A\tthe FOS design holds \"/*\" inside a generated /* */ comment (a "
                "-Wcomment warning)",
                "error\tstring-literal-break\tT161 20 B_A\tthe BLS name holds a double quote, which breaks the "
                "generated string literal it stands in",
                "error\tstring-literal-break\tT470 30 ERR_A\tthe error message holds a backslash, which breaks the "
                "generated string literal it stands in",
                "error\tstring-literal-break\tT162 50 FID_A\tthe parameter name holds a backslash, which breaks the "
                "generated string literal it stands in",
                "error\ttext-not-gbk\tT151 4 FID_D\tthe FID name holds a character that has no GBK form: the "
                "generated code gets '?' instead"}));
}

TEST(Lint, TextChecksReadGbkCharacterByCharacter) {
  const ff::lint::Where where{"T151", "1", "FID_A"};
  ff::lint::FindingSink sink;
  // A lead byte without its trail byte; a trail byte 0x5C at the end.
  ff::lint::CheckText({where, "FID name", "\xB1", ff::lint::kOneLine, false}, sink);
  ff::lint::CheckText({where, "FID name", G("表乗"), ff::lint::kLineComment | ff::lint::kStringLiteral, false}, sink);
  ASSERT_EQ(sink.Findings().size(), 1u);
  EXPECT_EQ(U(ff::lint::FindingLine(sink.Findings()[0])),
            "error\ttext-not-gbk\tT151 1 FID_A\tthe FID name holds bytes that are no GBK character");
}

TEST(Lint, ParametersAgainstTheirFids) {
  ff::test::TestDatabase db(
      "INSERT INTO T151 VALUES (1, 'FID_S', '串', 1, NULL);"
      "INSERT INTO T151 VALUES (2, 'FID_L', '长', 4, NULL);"
      "INSERT INTO T158 VALUES (1, '客户', 'KH');"
      "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (10, 1001, 'F_A', '甲', 1);"
      "INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (60, '长整', 1, 1, 5, 10, 'FID_L');"
      "INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (61, '串', 2, 1, 6, 10, 'FID_S');"
      "INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (62, '无码', 1, 1, 1, 10, '  ');"
      // The parameter of a function that does not exist reaches no code.
      "INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (63, '孤儿', 1, 1, 6, 99, 'FID_S');");
  const ff::lint::LintResult result = Lint();
  EXPECT_EQ(Lines(result, {"param-type-mismatch", "param-without-fid"}),
            (Expected{"warning\tparam-type-mismatch\tT156 60 FID_L\tparameter FID_L of FOS F_A has data type 5 (long), "
                      "its FID in T151 has 4 (long)",
                      "error\tparam-type-mismatch\tT156 61 FID_S\tparameter FID_S of FOS F_A has data type 6 (double), "
                      "its FID in T151 has 1 (string)",
                      "error\tparam-without-fid\tT156 62\tparameter \"无码\" of FOS F_A has no FID code: its generated "
                      "lines name no FID"}));
}

TEST(Lint, NumbersCodesAndModules) {
  ff::test::TestDatabase db(
      "INSERT INTO T151 VALUES (1, 'FID_A', '甲', 1, NULL);"
      "INSERT INTO T151 VALUES (1, 'FID_B', '乙', 1, NULL);"
      "INSERT INTO T151 VALUES (2, 'FID_A', '丙', 1, NULL);"
      "INSERT INTO T151 VALUES (NULL, 'FID_N', '丁', 1, NULL);"
      "INSERT INTO T151 VALUES (12345678901, 'FID_W', '宽', 1, NULL);"
      "INSERT INTO T158 VALUES (1, '客户', 'KH');"
      "INSERT INTO T158 VALUES (1, '重复', 'DUP');"
      "INSERT INTO T158 VALUES (NULL, '空', 'EMPTY');"
      "INSERT INTO T158 VALUES (0, '零', 'ZERO');"
      "INSERT INTO T164 VALUES (12345678901, 1, '宽', 'WIDE');"
      "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (10, 1001, 'A.B', '甲', 1);"
      "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (11, 1001, 'A_B', '乙', 1);"
      "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (12, NULL, 'C', '丙', 7);"
      "INSERT INTO T161 (ID, F1, F2, F3, F7) VALUES (20, 2001, 'X', '丁', NULL);"
      "INSERT INTO T471 VALUES (1, '系统', 2, 2, 0);"
      "INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (30, '-100', 'ERR_OK', '好', '', 1, 6);"
      "INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (31, 'E01', 'ERR_TEXT', '文', '', 1, 6);"
      "INSERT INTO T470 (ID, F1, F2, F3, F6, F8, F10) VALUES (32, 'E02', 'ERR_QUOTED', '引', '', 1, 1);");
  const ff::lint::LintResult result = Lint();
  EXPECT_EQ(
      Lines(result, {"fid-duplicate-number", "fid-duplicate-code", "function-duplicate-number",
                     "function-duplicate-code", "number-invalid", "function-module-missing", "module-id-folder"}),
      (Expected{
          "error\tfid-duplicate-number\tT151 1 FID_B\tFID number 1 is also the number of T151 1 FID_A",
          "error\tfid-duplicate-code\tT151 2 FID_A\tFID code FID_A is also the code of T151 1 FID_A",
          "error\tfunction-duplicate-number\tT154 11 A_B\tFOS number 1001 is also the number of T154 10 A.B",
          "error\tfunction-duplicate-code\tT154 11 A_B\tFOS code A_B is also the code of T154 10 A.B",
          // Found while the error codes are read, before the rules over whole tables.
          "error\tnumber-invalid\tT470 31 ERR_TEXT\terror code ERR_TEXT is written bare (data type 6), but its "
          "value \"E01\" is no number",
          "error\tnumber-invalid\tT151 FID_N\tFID FID_N has no number: its #define has no value",
          "error\tnumber-invalid\tT151 ********** FID_W\tFID FID_W has a number too wide for its query "
          "(\"**********\"): its #define gets that text",
          "error\tnumber-invalid\tT154 12 C\tFOS C has no number: its #define has no value",
          "warning\tfunction-module-missing\tT154 12 C\tFOS C belongs to module 7, which does not exist: no module "
          "source holds it",
          "warning\tfunction-module-missing\tT161 20 X\tBLS X belongs to module NULL, which does not exist: no "
          "module source holds it",
          "error\tmodule-id-folder\tT158 EMPTY\tFOS module \"EMPTY\" has no id: its sources would go to the output "
          "folder itself",
          "error\tmodule-id-folder\tT158 0 ZERO\tFOS module id 0 is not a positive number: the module pages "
          "generate module 0 for it",
          "error\tmodule-id-folder\tT158 1 DUP\tFOS module id 1 is used by another module too: both write the same "
          "folder",
          "error\tmodule-id-folder\tT164 ********** WIDE\tBLS module id is too wide for its query: its folder "
          "would be named \"**********\""}));
}

TEST(Lint, TheChecksOfTheFidCheckPage) {
  ff::test::TestDatabase db(
      "INSERT INTO T151 VALUES (1, 'FID_A', '甲', 1, NULL);"
      "INSERT INTO T151 VALUES (2, 'FID_B', '乙', 1, NULL);"
      "INSERT INTO T158 VALUES (1, '客户', 'KH');"
      "INSERT INTO T164 VALUES (2, 2, '交易', 'JY');"
      "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (10, 1001, 'F_A', '甲', 1);"
      "INSERT INTO T161 (ID, F1, F2, F3, F7) VALUES (20, 2001, 'B_A', '乙', 2);"
      "INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (60, '甲参', 1, 1, 1, 10, 'FID_A');"
      "INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (61, '未定义', 1, 1, 1, 10, 'FID_X');"
      "INSERT INTO T162 (ID, F1, F2, F3, F4, F5, F7) VALUES (70, 20, 'FID_Y', '也未定义', 1, 1, 1);");
  const ff::lint::LintResult result = Lint();
  EXPECT_EQ(Lines(result, {"fid-undefined-bls", "fid-undefined-fos", "fid-unused"}),
            (Expected{"error\tfid-undefined-bls\tT162 FID_Y\tFID FID_Y (也未定义) is used by BLS B_A but not defined "
                      "in T151",
                      "error\tfid-undefined-fos\tT156 FID_X\tFID FID_X (未定义) is used by FOS F_A but not defined in "
                      "T151",
                      "warning\tfid-unused\tT151 FID_B\tFID FID_B (乙) is defined but no parameter uses it"}));
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
