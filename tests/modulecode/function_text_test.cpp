// The complete text of one server function: the branches of its
// assembly, the per-function query, and the text and file forms.
#include <string>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "res/function_templates.h"
#include "tests/modulecode/function_db.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::G;
using ff::test::TestDatabase;

bool Has(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

class FunctionText : public ::testing::Test {
 protected:
  TestDatabase db{ff::test::kFunctionSql};
  CCodeMaker maker;

  std::string Fos(const std::string& code, long module = 7) {
    std::string text = "junk";
    EXPECT_TRUE(maker.MakeFosFunctionText(module, code, text)) << code;
    return text;
  }
  std::string Bls(const std::string& code, long module = 8) {
    std::string text = "junk";
    EXPECT_TRUE(maker.MakeBlsFunctionText(module, code, text)) << code;
    return text;
  }
};

TEST_F(FunctionText, FosSingleAnswerWithoutAnswerParameters) {
  maker.RoutineComment().SetFileName("processTmp.h");
  const std::string text = Fos("GET_USER");
  const size_t body = text.find("//GET_USER");
  ASSERT_NE(body, std::string::npos);
  EXPECT_BYTES_EQ(ff::test::Golden("modulecode/fos_get_user.txt"), text.substr(body));
  // The function comment comes first and names the function.
  EXPECT_EQ(text.rfind("/****", 0), 0u);
  EXPECT_TRUE(Has(text.substr(0, body), G("函数名称：Get_User 取用户")));
  EXPECT_TRUE(Has(text.substr(0, body), "v1.0.0.1"));
}

TEST_F(FunctionText, FosSingleAnswerWithAnswerParametersLosesFourBlanks) {
  const std::string text = Fos("GET_INFO");
  // The %Fids% line: four blanks, the answer lines, an empty line, then
  // sErrMsg with its own eight blanks. The filler of FID_A (13 blanks)
  // holds a run of twelve, which becomes eight as well.
  EXPECT_TRUE(Has(text, G("        pSvrComm->SetItem(FID_CODE, nRetCode);\r\n"
                           "    \r\n"
                           "        pSvrComm->SetItem( FID_VERYLONGCODE12, pDB->Get( 1 ) ); //很长的代码\r\n"
                           "        pSvrComm->SetItem( FID_A," + std::string(10, ' ') + "pDB->Get( 2 ) ); //短\r\n"
                           "\r\n"
                           "        sErrMsg = pDB->Get( \"o_RetNote\" ); \r\n")));
  EXPECT_TRUE(Has(text, "        {\r\n            continue;\r\n        }\r\n"));
  EXPECT_FALSE(Has(text, "%Fids%"));
  EXPECT_FALSE(Has(text, "%RetCode%"));
}

TEST_F(FunctionText, FosMultiRowByListInCodeOnlyForAnswerTypeZero) {
  const std::string list = Fos("QUERY_LIST");
  EXPECT_TRUE(Has(list, "    pSvrComm->CreateAnswerMul();\r\n    while ( pDB->More() )\r\n    {\r\n"
                        "        nCount++;\r\n\r\n"
                        "        pSvrComm->SetItem( FID_KHXM, pDB->Get( 1 ) ); //"));
  EXPECT_TRUE(Has(list, "        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_RUNSQL);\r\n"));
  EXPECT_TRUE(list.ends_with("    pSvrComm->Write();\r\n    return nRetCode;\r\n}\r\n\r\n"));
  EXPECT_FALSE(Has(list, "pDB->Exec()"));

  const std::string procedure = Fos("QUERY_LIST2");  // answer type 1
  EXPECT_TRUE(Has(procedure, "    if ( pDB->Exec() )\r\n"));
  EXPECT_FALSE(Has(procedure, "CreateAnswerMul"));
  EXPECT_FALSE(Has(procedure, "CreateEndMark"));
}

TEST_F(FunctionText, BlsForwardAndSingleAnswer) {
  const std::string text = Bls("QUERY_USER");
  EXPECT_TRUE(Has(text, G("//QUERY_USER    2001    //查询用户\r\n"
                           "long Fun_Query_User( struct Service_Module* pModule )\r\n{\r\n")));
  EXPECT_TRUE(Has(text, "    pClient->CreateHead( FO_IN_VALID );\r\n    pClient->DirectToDest();\r\n"));
  EXPECT_TRUE(Has(text, G("    sErrMsg = \"查询用户成功\";\r\n")));
  EXPECT_TRUE(text.ends_with("    \r\n    return nRetCode;\r\n}\r\n\r\n"));
  EXPECT_FALSE(Has(text, "CreateAnswerMul"));
  // No request parameters: the empty line after the comment stays, and the
  // validation comment is followed by its empty line and one more.
  EXPECT_TRUE(Has(text, G("    //取出全部请求变量\r\n\r\n    //请求变量有效性检查\r\n\r\n\r\n    //##Begin")));
}

TEST_F(FunctionText, BlsAuditedTransactionEndsWithItsFlow) {
  const std::string text = Bls("AUDIT_OP");  // transaction type 2, answer type 2
  EXPECT_TRUE(Has(text, G("    string sFidKHH = pSvrComm->GetItem( FID_KHH ); //客户号\r\n\r\n"
                           "    long nLSH  = 0L;        //流水号\r\n")));
  EXPECT_TRUE(Has(text, G("        //            sFidAnsZY = \"审核操作\";\r\n")));
  EXPECT_TRUE(Has(text, G("        sErrMsg = \"审核操作成功\";\r\n")));
  EXPECT_FALSE(Has(text, "%FuncName%"));
  EXPECT_FALSE(Has(text, "CreateAnswerMul"));
  EXPECT_FALSE(Has(text, "CreateEndMark"));
  EXPECT_TRUE(text.ends_with("    pSvrComm->Write();\r\n    \r\n    return nRetCode;\r\n}\r\n\r\n"));
}

TEST_F(FunctionText, BlsOtherTransactionTypesAndDefaults) {
  const std::string other = Bls("NO_FORWARD");  // type 3, answer type 1: single answer
  EXPECT_TRUE(Has(other, "    //pClient->DirectToDest();\r\n"));
  EXPECT_TRUE(Has(other, G("    sErrMsg = \"不转发成功\";\r\n")));

  // NULL transaction and answer types read as 1 and 0.
  const std::string defaults = Bls("DEFAULT_TYPE");
  EXPECT_TRUE(Has(defaults, "    pClient->DirectToDest();\r\n"));
  EXPECT_TRUE(Has(defaults, G("    sErrMsg = \"缺省类型成功\";\r\n")));

  const std::string list = Bls("USER_LIST");  // type 1, answer type 2
  EXPECT_TRUE(Has(list, G("    while ( pClient->More() )\r\n    {\r\n        nCount++;\r\n\r\n"
                           "        pSvrComm->SetItem( FID_KHXM, pClient->GetItem( 1 ) ); //客户姓名\r\n"
                           "        pSvrComm->SetItem( FID_YE,   pClient->GetItem( 2 ) ); //余额\r\n\r\n"
                           "        pSvrComm->Write();\r\n")));
  EXPECT_TRUE(Has(list, "pSvrComm->SetItem(FID_MESSAGE, pClient->GetLastErrMsg());\r\n"));
  EXPECT_TRUE(list.ends_with("    pSvrComm->Write();\r\n    return nRetCode;\r\n}\r\n\r\n"));
}

TEST_F(FunctionText, CodesWithDotOrQuoteAreFound) {
  const std::string dot = Fos("USER.QUERY");
  EXPECT_TRUE(Has(dot, G("//USER_QUERY    1005    //点号\r\nlong User_Query( struct Service_Module* pModule )\r\n")));
  EXPECT_EQ(Fos("USER_QUERY"), "");  // the query uses the code as given

  const std::string quote = Fos("O'BRIEN");
  EXPECT_TRUE(Has(quote, G("//O'BRIEN    1006    //引号\r\nlong O'brien( struct Service_Module* pModule )\r\n")));

  EXPECT_TRUE(Has(Fos("X_Y"), "long GetUserInfo( struct Service_Module* pModule )\r\n{\r\n"));
  EXPECT_EQ(Fos("GET_USER", 8), "");  // another module
  EXPECT_EQ(Bls("NOTHING"), "");
}

TEST_F(FunctionText, ValidationStyleAndAlignmentApply) {
  maker.SetValidateStyle(ff::ValidateStyle::None);
  const std::string none = Fos("GET_USER");
  EXPECT_TRUE(Has(none, G("    //请求变量有效性检查\r\n\r\n\r\n    //##BeginSQL")));
  maker.SetValidateStyle(ff::ValidateStyle::Macro);
  EXPECT_TRUE(Has(Fos("QUERY_LIST"), "    VALIDATE_STRING_ITEM(FID_KHH, sFidKHH, "));
  EXPECT_TRUE(Has(Fos("QUERY_LIST"), "\", true); \r\n"));  // multi-row
  maker.SetBeautify(false);
  EXPECT_TRUE(Has(Fos("GET_INFO"), "        pSvrComm->SetItem( FID_A, pDB->Get( 2 ) ); //"));
}

TEST_F(FunctionText, FileFormWritesTheSameBytes) {
  ff::test::TempDir dir;
  for (const char* code : {"GET_USER", "GET_INFO", "QUERY_LIST", "O'BRIEN"}) {
    const std::string path = dir / "fos.cpp";
    ASSERT_TRUE(maker.MakeFosFunctionFile(path, 7, true, code));
    EXPECT_BYTES_EQ(Fos(code), ff::test::ReadFile(path));
  }
  for (const char* code : {"QUERY_USER", "AUDIT_OP", "NO_FORWARD", "USER_LIST"}) {
    const std::string path = dir / "bls.cpp";
    ASSERT_TRUE(maker.MakeBlsFunctionFile(path, 8, true, code));
    EXPECT_BYTES_EQ(Bls(code), ff::test::ReadFile(path));
  }
  // No match: an empty file.
  const std::string path = dir / "none.cpp";
  ASSERT_TRUE(maker.MakeBlsFunctionFile(path, 8, true, "NOTHING"));
  EXPECT_EQ(ff::test::ReadFile(path), "");
}

}  // namespace
