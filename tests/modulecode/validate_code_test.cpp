// The request validation code in its four styles, against the documented
// examples: a mandatory text FID_KHH, a mandatory number FID_JE and an
// optional text FID_BZ.
#include <string>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "tests/modulecode/param_rows.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::G;
using ff::test::Param;
using ff::test::ParamRecord;

CMemRecord Example() {
  return ParamRecord({{"FID_KHH", "客户号", 1, 1}, {"FID_BZ", "币种", 1, 0}, {"FID_JE", "金额", 4, 1}});
}

TEST(ValidateCode, LooseStyleExample) {
  CCodeMaker maker;
  maker.SetValidateStyle(ff::ValidateStyle::Loose);
  CMemRecord record = Example();
  const std::string expected = G(
      "    //客户号合法性检查\r\n"
      "    if ( !pSvrComm->HaveItem( FID_KHH ) || sFidKHH.empty() )\r\n"
      "    {\r\n"
      "        pSvrComm->CreateAnswer();\r\n"
      "        pSvrComm->SetErrMark();\r\n"
      "        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_INPUTPARAM);\r\n"
      "        sErrMsg = \"输入参数有误：FID_KHH-客户号 未输入\";\r\n"
      "        pSvrComm->SetItem(FID_CODE, nRetCode);\r\n"
      "        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);\r\n"
      "        pSvrComm->Write();\r\n"
      "        return nRetCode;\r\n"
      "    }\r\n"
      "\r\n"
      "    //金额合法性检查\r\n"
      "    if ( !pSvrComm->HaveItem( FID_JE ) )\r\n"
      "    {\r\n"
      "        pSvrComm->CreateAnswer();\r\n"
      "        pSvrComm->SetErrMark();\r\n"
      "        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_INPUTPARAM);\r\n"
      "        sErrMsg = \"输入参数有误：FID_JE-金额 未输入\";\r\n"
      "        pSvrComm->SetItem(FID_CODE, nRetCode);\r\n"
      "        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);\r\n"
      "        pSvrComm->Write();\r\n"
      "        return nRetCode;\r\n"
      "    }\r\n"
      "\r\n");
  EXPECT_BYTES_EQ(expected, maker.MakeValidateCode(record, false));
  EXPECT_BYTES_EQ(expected, maker.MakeValidateLoose(record));
}

TEST(ValidateCode, MacroStyleExampleAndMultiRowFlag) {
  CCodeMaker maker;
  maker.SetValidateStyle(ff::ValidateStyle::Macro);
  CMemRecord record = Example();
  EXPECT_BYTES_EQ(G("    VALIDATE_STRING_ITEM(FID_KHH, sFidKHH, \"FID_KHH 客户号\", false); \r\n"
                    "    VALIDATE_ITEM(FID_JE, nFidJE, \"FID_JE 金额\", false); \r\n"),
                  maker.MakeValidateCode(record, false));
  EXPECT_BYTES_EQ(G("    VALIDATE_STRING_ITEM(FID_KHH, sFidKHH, \"FID_KHH 客户号\", true); \r\n"
                    "    VALIDATE_ITEM(FID_JE, nFidJE, \"FID_JE 金额\", true); \r\n"),
                  maker.MakeValidateCode(record, true));
}

TEST(ValidateCode, CompactStyleExample) {
  CCodeMaker maker;  // compact is the style a maker starts with
  CMemRecord record = Example();
  EXPECT_BYTES_EQ(G("    if ( ( !pSvrComm->HaveItem( FID_KHH ) || sFidKHH.empty() ) \\\r\n"
                    "         || ( !pSvrComm->HaveItem( FID_JE ) ) \\\r\n"
                    "       ) \r\n"
                    "    {\r\n"
                    "        pSvrComm->CreateAnswer();\r\n"
                    "        pSvrComm->SetErrMark();\r\n"
                    "        nRetCode = -(pSvrComm->GetFunc()*1000 + ERR_INPUTPARAM);\r\n"
                    "        sErrMsg = ERRSTR_INPUTPARAM;\r\n"
                    "        pSvrComm->SetItem(FID_CODE, nRetCode);\r\n"
                    "        pSvrComm->SetItem(FID_MESSAGE, sErrMsg);\r\n"
                    "        pSvrComm->Write();\r\n"
                    "        return nRetCode;\r\n"
                    "    }\r\n"
                    "\r\n"),
                  maker.MakeValidateCode(record, false));
}

TEST(ValidateCode, CompactWithOneParameterHasNoSplice) {
  CCodeMaker maker;
  CMemRecord record = ParamRecord({{"FID_JE", "金额", 4, 1}});
  const std::string code = maker.MakeValidateCompact(record);
  EXPECT_EQ(code.substr(0, code.find("\r\n") + 2), "    if ( ( !pSvrComm->HaveItem( FID_JE ) ) ) \r\n");
  EXPECT_EQ(code.find('\\'), std::string::npos);
}

TEST(ValidateCode, NoneAndUnknownStylesAndNothingMandatory) {
  CCodeMaker maker;
  CMemRecord record = Example();
  // None, and codes of no style: stored as given, no code.
  for (int style : {0, 4, -1, 99}) {
    maker.SetValidateStyle(static_cast<ff::ValidateStyle>(style));
    EXPECT_EQ(maker.MakeValidateCode(record, false), "") << style;
  }
  CMemRecord optional = ParamRecord({{"FID_KHH", "客户号", 1, 0}, {"FID_JE", "金额", 4, 2}});
  CMemRecord empty = ParamRecord({});
  for (auto style : {ff::ValidateStyle::Macro, ff::ValidateStyle::Loose, ff::ValidateStyle::Compact}) {
    maker.SetValidateStyle(style);
    EXPECT_EQ(maker.MakeValidateCode(optional, false), "") << static_cast<int>(style);
    EXPECT_EQ(maker.MakeValidateCode(empty, false), "") << static_cast<int>(style);
  }
}

TEST(ValidateCode, TextItemsAreDataTypesOneAndThree) {
  CCodeMaker maker;
  CMemRecord record = ParamRecord({{"FID_A", "a", 3, 1}, {"FID_B", "b", 2, 1}, {"FID_C", "c", 6, 1}});
  const std::string head =
      "    if ( ( !pSvrComm->HaveItem( FID_A ) || sFidA.empty() ) \\\r\n"
      "         || ( !pSvrComm->HaveItem( FID_B ) ) \\\r\n"
      "         || ( !pSvrComm->HaveItem( FID_C ) ) \\\r\n"
      "       ) \r\n";
  EXPECT_BYTES_EQ(head, maker.MakeValidateCompact(record).substr(0, head.size()));
  maker.SetValidateStyle(ff::ValidateStyle::Macro);
  EXPECT_BYTES_EQ("    VALIDATE_STRING_ITEM(FID_A, sFidA, \"FID_A a\", false); \r\n"
                  "    VALIDATE_ITEM(FID_B, sFidB, \"FID_B b\", false); \r\n"
                  "    VALIDATE_ITEM(FID_C, dFidC, \"FID_C c\", false); \r\n",
                  maker.MakeValidateCode(record, false));
}

}  // namespace
