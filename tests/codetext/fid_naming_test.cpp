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

TEST(GetFidVarInfo, MapsEveryDataType) {
  CCodeMaker maker;
  CMemRecord record = Params({{"FID_KHH", "客户号", "1", "20", "0"},
                              {"FID_LOGINPWD", "密码", "1", "", ""},
                              {"FID_BZ", "币种", "6", "16", "2"},
                              {"  FID_ZJZH_UPDATE ", " 更新 ", "4", "10", ""},
                              {"FID_SL", "数量", "5", "", ""},
                              {"FID_X_Y", "", "2", "", ""},
                              {"FID", "", "3", "", ""},
                              {"FID_MESSAGENAME", "", " -7", "", ""},
                              {"FID__A_", "", "x", "", ""}});
  struct Expected {
    const char* code;
    const char* name;
    const char* variable;
    const char* cType;
    const char* getter;
    const char* init;
    const char* tag;
    int dataType;
  };
  const Expected expected[] = {
      {"FID_KHH", "客户号", "sFidAnsKHH", "string", "Item", "\"\"", "C20", 1},
      {"FID_LOGINPWD", "密码", "sFidAnsLoginPWD", "string", "Item", "\"\"", "C0", 1},
      {"FID_BZ", "币种", "dFidAnsBZ", "double", "Double", "0.0F", "R16.2", 6},
      {"FID_ZJZH_UPDATE", "更新", "nFidAnsZJZHUPDate", "long", "Long", "0L", "I10", 4},
      {"FID_SL", "数量", "nFidAnsSL", "long", "Long", "0L", "I0", 5},
      {"FID_X_Y", "", "sFidAnsXY", "string", "Item", "\"\"", "C0", 2},
      {"FID", "", "sFidAns", "string", "Item", "\"\"", "C0", 3},
      {"FID_MESSAGENAME", "", "sFidAnsMessageNAME", "string", "Item", "\"\"", "C0", -7},
      {"FID__A_", "", "sFidAnsA", "string", "Item", "\"\"", "C0", 0},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.code);
    ASSERT_FALSE(record.Eof());
    FidVarInfo info = maker.GetFidVarInfo(record);
    EXPECT_EQ(e.code, info.code);
    EXPECT_EQ(G(e.name), info.name);
    EXPECT_EQ(e.variable, info.variable);
    EXPECT_EQ(e.cType, info.cType);
    EXPECT_EQ(e.getter, info.getter);
    EXPECT_EQ(e.init, info.initValue);
    EXPECT_EQ(e.tag, info.typeTag);
    EXPECT_EQ(e.dataType, info.dataType);
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

TEST(Spaces, CountsAndLimits) {
  EXPECT_EQ("", CCodeMaker::Spaces(-5));
  EXPECT_EQ("  ", CCodeMaker::Spaces(2));
  // Never more than 1023: one long database text cannot blow every line up.
  EXPECT_EQ(std::string(1023, ' '), CCodeMaker::Spaces(100000));
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

TEST(MeasureWidths, GreatestLengthsOverAllRows) {
  CCodeMaker maker;
  CMemRecord record = Params({{"FID_KHH", "客户号", "1", "", ""},
                              {" FID_ZJZH_UPDATE  ", "x", "4", "", ""},
                              {"FID_A", "资金账号名称", "1", "", ""}});
  record.Go(2);
  int code = -1, var = -1;
  EXPECT_TRUE(maker.MeasureCodeVarWidths(record, code, var));
  EXPECT_EQ(15, code);                                        // FID_ZJZH_UPDATE
  EXPECT_EQ(static_cast<int>(strlen("nFidAnsZJZHUPDate")), var);
  EXPECT_TRUE(record.Eof());
  int name = -1;
  EXPECT_TRUE(maker.MeasureNameVarWidths(record, name, var));
  EXPECT_EQ(12, name);  // six Chinese characters
  EXPECT_EQ(17, var);
  EXPECT_TRUE(record.Eof());

  CMemRecord empty = Params({});
  EXPECT_TRUE(maker.MeasureCodeVarWidths(empty, code, var));
  EXPECT_EQ(0, code);
  EXPECT_EQ(0, var);
}

}  // namespace
}  // namespace ff::test
