#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "host/record.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

// A parameter record as the BLS parameter query delivers it.
CMemRecord Params(std::vector<std::vector<std::string>> rows) {
  CMemRecord record;
  record.SetColumns({G("FID编码"), G("参数名称"), G("参数数据类型"), G("参数精度"), G("小数点长度")});
  for (auto& row : rows) {
    for (auto& value : row) value = G(value);
    record.AppendRow(std::move(row));
  }
  record.GoTop();
  return record;
}

std::string Mixed(std::string text) {
  CCodeMaker::MixCaseName(text);
  return text;
}

TEST(MixCaseName, ExamplesOrderAndStopWords) {
  const std::pair<const char*, const char*> cases[] = {
      {"ZIPCODE", "ZipCode"}, {"UPDATE", "UPDate"} /* DATE goes first */, {"DATABASE", "Database"},
      {"DATADATE", "DataDate"}, {"TRANSIZE", "TranSize"}, {"MENUID", "MenuID"}, {"LOGINID", "LoginID"},
      {"VERSIONVER", "VersionVer"}, {"UPLOAD", "UpLoad"}, {"sFidAnsKHH", "sFidAnsKHH"},
      {"name", "name"} /* case-sensitive */, {"", ""}, {"sFidAnsMESSAGENAME", "sFidAnsMessageNAME"},
      {"MESSAGEMESSAGE", "MessageMessage"}, {"FATHERIDNAME", "FatherIDNAME"}, {"MESSAGEFATHERID", "MessageFATHERID"}};
  for (const auto& [in, out] : cases) EXPECT_EQ(out, Mixed(in)) << in;
  // 侽 is 0x82 0x4F: its trail byte equals 'O', yet "侽LD" holds no "OLD".
  EXPECT_EQ(G("侽LD"), Mixed(G("侽LD")));
}

// A parameter row (code, name, data type, precision, scale) and what it
// gives: code|name|variable|C type|getter|initial value|tag|data type.
TEST(GetFidVarInfo, MapsEveryDataType) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"FID_KHH", "客户号", "1", "20", "0"}, "FID_KHH|客户号|sFidAnsKHH|string|Item|\"\"|C20|1"},
      {{"FID_LOGINPWD", "密码", "1", "", ""}, "FID_LOGINPWD|密码|sFidAnsLoginPWD|string|Item|\"\"|C0|1"},
      {{"FID_BZ", "币种", "6", "16", "2"}, "FID_BZ|币种|dFidAnsBZ|double|Double|0.0F|R16.2|6"},
      {{"  FID_ZJZH_UPDATE ", " 更新 ", "4", "10", ""}, "FID_ZJZH_UPDATE|更新|nFidAnsZJZHUPDate|long|Long|0L|I10|4"},
      {{"FID_SL", "数量", "5", "", ""}, "FID_SL|数量|nFidAnsSL|long|Long|0L|I0|5"},
      {{"FID_X_Y", "", "2", "", ""}, "FID_X_Y||sFidAnsXY|string|Item|\"\"|C0|2"},
      {{"FID", "", "3", "", ""}, "FID||sFidAns|string|Item|\"\"|C0|3"},
      {{"FID_MESSAGENAME", "", " -7", "", ""}, "FID_MESSAGENAME||sFidAnsMessageNAME|string|Item|\"\"|C0|-7"},
      {{"FID__A_", "", "x", "", ""}, "FID__A_||sFidAnsA|string|Item|\"\"|C0|0"}};
  std::vector<std::vector<std::string>> rows;
  for (const auto& [row, gives] : cases) rows.push_back(row);
  CMemRecord record = Params(rows);
  for (const auto& [row, gives] : cases) {
    const FidVarInfo i = CCodeMaker().GetFidVarInfo(record);
    EXPECT_EQ(G(gives), i.code + "|" + i.name + "|" + i.variable + "|" + i.cType + "|" + i.getter + "|" + i.initValue +
                            "|" + i.typeTag + "|" + std::to_string(i.dataType));
    record.Skip();
  }
}

TEST(GetFidVarInfo, MissingColumnsReadAsEmpty) {
  // FOS parameter queries select no precision: C0, I0, R0.0.
  CMemRecord record;
  record.SetColumns({G("FID编码"), G("参数数据类型")});
  record.AppendRow({"FID_JE", "6"});
  record.GoTop();
  FidVarInfo info = CCodeMaker().GetFidVarInfo(record);
  EXPECT_EQ("R0.0", info.typeTag);
  EXPECT_EQ("", info.name);
  EXPECT_EQ(0, record.CurrentRow()) << "the record does not move";
}

TEST(IsMultiRowAnswer, Rules) {
  EXPECT_TRUE(CCodeMaker::IsMultiRowAnswer(0, "QUERY_LIST"));
  EXPECT_TRUE(CCodeMaker::IsMultiRowAnswer(0, "QueryList"));
  EXPECT_FALSE(CCodeMaker::IsMultiRowAnswer(0, "query_list"));
  EXPECT_FALSE(CCodeMaker::IsMultiRowAnswer(1, "QUERY_LIST"));
  EXPECT_TRUE(CCodeMaker::IsMultiRowAnswer(2, "X"));
  EXPECT_FALSE(CCodeMaker::IsMultiRowAnswer(3, "LIST"));
  EXPECT_FALSE(CCodeMaker::IsMultiRowAnswer(0, ""));
}

}  // namespace
}  // namespace ff::test
