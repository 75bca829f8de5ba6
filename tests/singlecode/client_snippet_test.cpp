// The client access snippet of a BLS function: the choice of template and
// the alignment rules of each list. (The worked examples, QUERY_USER and
// QUERY_USER_LIST, are the demo's: tests/demo's snapshot holds them, both
// styles.)
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "tests/modulecode/param_rows.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::G;
using ff::test::ParamRecord;


class ClientSnippet : public ::testing::Test {
 protected:
  ff::test::TestDatabase db{ff::test::ReadFile(FF_SOURCE_DIR "/tests/singlecode/client_snippet.sql")};
  CCodeMaker maker;

  std::string Snippet(long module, const std::string& code) {
    std::string text = "junk";
    EXPECT_TRUE(maker.MakeBlsClientSnippet(module, false, code, text)) << code;
    return text;
  }
};

TEST_F(ClientSnippet, TemplateChoiceAndCodes) {
  // Answer types 1 and 3 give the same text; the dot becomes "_" in both
  // places while the query used the code with its dot.
  const std::string three = Snippet(3, "USER.QUERY");
  EXPECT_EQ(three, Snippet(4, "USER.QUERY"));
  EXPECT_TRUE(three.starts_with(G("//BeginBLS: USER_QUERY 点号 访问代码开始\r\n")));
  EXPECT_NE(three.find("g_pConn->CreateHead( USER_QUERY );\r\n"), std::string::npos);
  EXPECT_NE(three.find("if ( g_pConn->More() )"), std::string::npos);

  // No parameters at all; answer type 2 picks the loop whatever the code.
  const std::string empty = Snippet(3, "EMPTY_LIST");
  EXPECT_NE(empty.find("CreateHead( EMPTY_LIST );\r\n\r\n\r\n//"), std::string::npos);
  EXPECT_NE(empty.find(G("//应答变量定义\r\n\r\nwhile ( g_pConn->More() )\r\n{\r\n\r\n}        \r\n")),
            std::string::npos);
  EXPECT_EQ(empty.find("rec."), std::string::npos);

  maker.SetLastError("an earlier failure");  // no reason of this snippet
  EXPECT_TRUE(Snippet(3, "O'HARA").starts_with("//BeginBLS: O'HARA "));
  EXPECT_EQ("", maker.LastError());
}

TEST_F(ClientSnippet, MissingCodeAndFosGiveNothing) {
  EXPECT_EQ(Snippet(3, "NOT_THERE"), "");
  EXPECT_EQ(Snippet(4, "QUERY_USER"), "");
  std::string text = "untouched";
  EXPECT_FALSE(maker.MakeFosClientSnippet(3, false, "QUERY_USER", text));
  EXPECT_EQ(text, "untouched");
}

TEST(ClientLines, MandatoryMarkAndStringSuffixes) {
  CCodeMaker maker;
  maker.SetBeautify(false);
  CMemRecord request = ParamRecord({{"FID_A", "甲", 1, 1}, {"FID_B", "乙", 2, 2}, {"FID_C", "丙", 4, 0}});
  EXPECT_BYTES_EQ(ff::test::Golden("singlecode/request_lines.txt"), maker.MakeClientRequestLines(request));
  CMemRecord none = ParamRecord({});
  EXPECT_EQ(maker.MakeClientRequestLines(none), "");
  EXPECT_EQ(maker.MakeClientRecordHeader(none), "");

  // Data type 2 is a string but gets no .c_str() in the record set lines.
  CMemRecord answer = ParamRecord({{"FID_A", "甲", 0}, {"FID_B", "乙", 2}, {"FID_C", "丙", 3}});
  maker.SetBeautify(true);
  // By name, then by code.
  EXPECT_BYTES_EQ(ff::test::Golden("singlecode/record_set_lines.txt"),
                  maker.MakeClientRecordSetByName(answer) + maker.MakeClientRecordSetByCode(answer));
}

TEST(ClientLines, DoubleWithTheLongestCodeGetsNoBlanks) {
  CCodeMaker maker;
  CMemRecord request = ParamRecord({{"FID_KHH", "客户号", 1}, {"FID_ZJYE", "资金余额", 6, 0, 16, 2}});
  const std::string text = maker.MakeClientRequestLines(request);
  EXPECT_NE(text.find(G("double dFidZJYE = 0.0F; //FID_ZJYE 资金余额\r\n")), std::string::npos);
  EXPECT_NE(text.find(G("string sFidKHH  = \"\"; //FID_KHH  客户号\r\n")), std::string::npos);
}

int EmptyLineCount(const std::string& text) {
  int count = 0;
  for (size_t at = 0; (at = text.find("\r\n\r\n", at)) != std::string::npos; at += 2) ++count;
  return count;
}

TEST(ClientLines, GroupingInEveryList) {
  CCodeMaker maker;
  CMemRecord twelve = ParamRecord(ff::test::StringsThenLongs(8, 4));
  CMemRecord ten = ParamRecord(ff::test::StringsThenLongs(5, 5));
  EXPECT_EQ(EmptyLineCount(maker.MakeClientAnswerDefs(twelve)), 1);
  EXPECT_NE(maker.MakeClientAnswerDefs(twelve).find("\r\n\r\nlong   nFidAnsL01"), std::string::npos);
  EXPECT_EQ(EmptyLineCount(maker.MakeClientAnswerReads(twelve, true)), 1);
  EXPECT_EQ(EmptyLineCount(maker.MakeClientRecordSetByName(twelve)), 1);
  EXPECT_EQ(EmptyLineCount(maker.MakeClientRecordSetByCode(twelve)), 1);
  // Two lists, each with its group break, and the empty line between them.
  EXPECT_EQ(EmptyLineCount(maker.MakeClientRequestLines(twelve)), 3);
  EXPECT_EQ(EmptyLineCount(maker.MakeClientAnswerDefs(ten)), 0);
  maker.SetBeautify(false);
  EXPECT_EQ(EmptyLineCount(maker.MakeClientAnswerDefs(twelve)), 0);
  EXPECT_EQ(EmptyLineCount(maker.MakeClientRequestLines(twelve)), 1);
}

}  // namespace
