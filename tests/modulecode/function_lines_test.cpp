// Prototypes, request lines and answer lines of a server function, with
// and without alignment, and the empty lines between type groups.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "tests/modulecode/param_rows.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::G;
using ff::test::ParamRecord;
using ff::test::StringsThenLongs;

const char* kArgs = "( struct Service_Module* pModule )\r\n";

std::string Proto(const std::string& name) { return "long " + name + kArgs; }

TEST(Prototype, NameFromCode) {
  CCodeMaker maker;
  EXPECT_EQ(maker.MakeBlsPrototype("", "QUERY_USER"), Proto("Fun_Query_User"));
  EXPECT_EQ(maker.MakeBlsPrototype("", "QUERY__USER"), Proto("Fun_Query_User"));
  EXPECT_EQ(maker.MakeBlsPrototype("", "_add_user_"), Proto("Fun_Add_User"));
  EXPECT_EQ(maker.MakeFosPrototype("", "QUERY_USER_LIST"), Proto("Query_User_List"));
  EXPECT_EQ(maker.MakeFosPrototype("", G("查询_USER")), Proto(G("查询_User")));
  // An empty code leaves only the prefix.
  EXPECT_EQ(maker.MakeBlsPrototype("", ""), Proto("Fun_"));
  EXPECT_EQ(maker.MakeFosPrototype("", ""), Proto(""));
}

TEST(Prototype, ExplicitNamesAndTheFunPrefix) {
  CCodeMaker maker;
  EXPECT_EQ(maker.MakeFosPrototype("GetUserInfo", "X"), Proto("GetUserInfo"));
  EXPECT_EQ(maker.MakeBlsPrototype("GetUserInfo", "X"), Proto("Fun_GetUserInfo"));
  EXPECT_EQ(maker.MakeBlsPrototype("Fun_Login", "X"), Proto("Fun_Login"));
  EXPECT_EQ(maker.MakeBlsPrototype("Login", "X"), Proto("Fun_Login"));
  EXPECT_EQ(maker.MakeBlsPrototype("Function1", "X"), Proto("Function1"));
  EXPECT_EQ(maker.MakeBlsPrototype("fun_x", "X"), Proto("Fun_fun_x"));  // case counts
  EXPECT_EQ(maker.MakeFosPrototype("  GetUserInfo  ", "X"), Proto("GetUserInfo"));
  // Blanks only count as no name.
  EXPECT_EQ(maker.MakeBlsPrototype("    ", "ADD_USER"), Proto("Fun_Add_User"));
  EXPECT_EQ(maker.MakeFosPrototype("    ", "ADD_USER"), Proto("Add_User"));
}

CMemRecord ThreeTypes() {
  return ParamRecord({{"FID_KHH", "客户号", 1, 1, 20}, {"FID_YYB", "营业部", 4, 0, 4}, {"FID_JE", "金额", 6, 0, 16, 2}});
}

TEST(RequestLines, AlignedAndPlain) {
  CCodeMaker maker;
  CMemRecord record = ThreeTypes();
  const std::string aligned = G(
      "    string sFidKHH = pSvrComm->GetItem( FID_KHH ); //客户号\r\n"
      "    long   nFidYYB = pSvrComm->GetLong( FID_YYB ); //营业部\r\n"
      "    double dFidJE  = pSvrComm->GetDouble( FID_JE ); //金额\r\n"
      "\r\n");
  EXPECT_BYTES_EQ(aligned, maker.MakeFosRequestLines(record));
  EXPECT_BYTES_EQ(aligned, maker.MakeBlsRequestLines(record));

  EXPECT_TRUE(maker.SetBeautify(false));
  EXPECT_BYTES_EQ(G("    string sFidKHH = pSvrComm->GetItem( FID_KHH ); //客户号\r\n"
                    "    long nFidYYB = pSvrComm->GetLong( FID_YYB ); //营业部\r\n"
                    "    double dFidJE = pSvrComm->GetDouble( FID_JE ); //金额\r\n"
                    "\r\n"),
                  maker.MakeFosRequestLines(record));
  EXPECT_FALSE(maker.SetBeautify(true));

  CMemRecord empty = ParamRecord({});
  EXPECT_EQ(maker.MakeFosRequestLines(empty), "\r\n");
}

TEST(AnswerLines, AlignedAndPlain) {
  CCodeMaker maker;
  CMemRecord record = ParamRecord({{"FID_KHXM", "客户姓名", 1}, {"FID_YE", "余额", 6}});
  EXPECT_BYTES_EQ(G("\r\n"
                    "        pSvrComm->SetItem( FID_KHXM, pDB->Get( 1 ) ); //客户姓名\r\n"
                    "        pSvrComm->SetItem( FID_YE,   pDB->Get( 2 ) ); //余额\r\n"
                    "\r\n"),
                  maker.MakeFosAnswerLines(record));
  maker.SetBeautify(false);
  EXPECT_BYTES_EQ(G("\r\n"
                    "        pSvrComm->SetItem( FID_KHXM, pClient->GetItem( 1 ) ); //客户姓名\r\n"
                    "        pSvrComm->SetItem( FID_YE, pClient->GetItem( 2 ) ); //余额\r\n"
                    "\r\n"),
                  maker.MakeBlsAnswerLines(record));
  CMemRecord empty = ParamRecord({});
  EXPECT_EQ(maker.MakeFosAnswerLines(empty), "");
}

// Line numbers (1-based) of the empty lines before the final line end.
std::vector<int> EmptyLines(const std::string& text) {
  std::vector<int> empty;
  int line = 1;
  size_t pos = 0;
  for (size_t end; (end = text.find("\r\n", pos)) != std::string::npos; pos = end + 2, ++line) {
    if (end == pos && end + 2 < text.size()) empty.push_back(line);
  }
  return empty;
}

TEST(LineGroups, TenElevenAndTwelveRows) {
  CCodeMaker maker;
  CMemRecord ten = ParamRecord(StringsThenLongs(5, 5));
  EXPECT_EQ(EmptyLines(maker.MakeFosRequestLines(ten)), std::vector<int>{});

  // The type changes at the sixth row: one empty line before it.
  CMemRecord eleven = ParamRecord(StringsThenLongs(5, 6));
  EXPECT_EQ(EmptyLines(maker.MakeFosRequestLines(eleven)), std::vector<int>{6});

  CMemRecord twelve = ParamRecord(StringsThenLongs(8, 4));
  EXPECT_EQ(EmptyLines(maker.MakeFosRequestLines(twelve)), std::vector<int>{9});
  // Answer lines start with an empty line of their own.
  EXPECT_EQ(EmptyLines(maker.MakeFosAnswerLines(twelve)), (std::vector<int>{1, 10}));

  // A change before the sixth row of a group does not count.
  CMemRecord early = ParamRecord(StringsThenLongs(3, 9));
  EXPECT_EQ(EmptyLines(maker.MakeFosRequestLines(early)), std::vector<int>{});

  // Each later group runs at least six rows.
  std::vector<ff::test::Param> params = StringsThenLongs(6, 6);
  for (int i = 0; i < 6; ++i) params.push_back({"FID_D" + std::to_string(i), "D", 6, 0, 16, 2});
  CMemRecord three = ParamRecord(params);
  EXPECT_EQ(EmptyLines(maker.MakeBlsRequestLines(three)), (std::vector<int>{7, 14}));

  maker.SetBeautify(false);
  EXPECT_EQ(EmptyLines(maker.MakeFosRequestLines(twelve)), std::vector<int>{});
  EXPECT_EQ(EmptyLines(maker.MakeBlsAnswerLines(twelve)), std::vector<int>{1});
}

}  // namespace
