// The generators on the awkward rows a configuration database holds: every
// answer and transaction type, codes with a dot or a quote, explicit and
// blank function names, the same code twice, an empty module, the
// documented validation examples, parameter lists of ten, eleven and twelve
// rows (where the type groups get their empty lines), NULLs, bytes that are
// no text, very long names and hundreds of parameters. The whole output of
// these rows is kept in tests/modulecode/snapshot/ and must stay byte for
// byte (FF_UPDATE_SNAPSHOT=1 rewrites it; review the diff).
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "tests/modulecode/param_rows.h"
#include "tests/support/fixed_date.h"
#include "tests/support/test_support.h"
#include "tests/support/whole_output.h"

namespace {

using ff::test::G;

// `strings` parameters of data type 1, then `longs` of type 4 (and
// `doubles` of type 6), of one kind, for function `id`.
std::string Group(bool bls, int id, int kind, int strings, int longs, int doubles = 0) {
  std::string sql;
  int n = 0;
  for (auto [count, type] : {std::pair{strings, 1}, {longs, 4}, {doubles, 6}}) {
    for (int i = 1; i <= count; ++i, ++n) {
      const std::string fid = "'FID_" + std::string(1, "SLD"[type / 3]) + (i < 10 ? "0" : "") + std::to_string(i) + "'";
      const std::string row = std::to_string(id * 100 + kind * 50 + n);
      sql += bls ? "INSERT INTO T162 (ID, F1, F2, F3, F4, F5, F7, F8, F9) VALUES (" + row + ", " + std::to_string(id) +
                       ", " + fid + ", 'n', " + std::to_string(kind) + ", 0, " + std::to_string(type) + ", 16, 2);\n"
                 : "INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (" + row + ", 'n', " +
                       std::to_string(kind) + ", 0, " + std::to_string(type) + ", " + std::to_string(id) + ", " + fid +
                       ");\n";
    }
  }
  return sql;
}

TEST(EdgeOutput, TheWholeOutputOfAwkwardRowsIsTheSnapshots) {
  ff::test::SettingsSandbox settings;
  ff::test::FixedDate date;
  ff::test::TestDatabase db(ff::test::ReadFile(FF_SOURCE_DIR "/tests/modulecode/function_db.sql") +
                            ff::test::ReadFile(FF_SOURCE_DIR "/tests/modulecode/edge_rows.sql") + Group(false, 71, 1, 5, 5) +
                            Group(false, 72, 1, 5, 6) + Group(false, 73, 1, 8, 4) + Group(false, 73, 2, 8, 4) +
                            Group(false, 74, 1, 3, 9) + Group(true, 81, 1, 6, 6, 6) + Group(true, 81, 2, 8, 4));
  ff::test::TempDir dir;
  ff::test::WriteWholeOutput(dir / "out", "edge");
  if (HasFatalFailure()) return;
  ff::test::ExpectSnapshot(ff::test::FolderBytes(dir / "out"), std::string(FF_SOURCE_DIR) + "/tests/modulecode/snapshot");

  // A code is looked up as given, in its own module only: nothing is no failure.
  CCodeMaker maker;
  for (auto [bls, module, code] : {std::tuple{false, 7L, "USER_QUERY"}, {false, 8L, "GET_USER"}, {true, 8L, "NOTHING"}}) {
    std::string text = "junk";
    EXPECT_TRUE(bls ? maker.MakeBlsFunctionText(module, code, text) : maker.MakeFosFunctionText(module, code, text));
    EXPECT_EQ("", text) << code;
  }
}

// The function name a prototype gets from the code or the stored name.
TEST(Prototype, NamesFromCodesAndStoredNames) {
  struct Case {
    bool bls;
    const char* funName;
    const char* code;  // UTF-8
    const char* name;  // UTF-8
  };
  for (const Case& c : std::vector<Case>{{true, "", "QUERY_USER", "Fun_Query_User"}, {true, "", "QUERY__USER", "Fun_Query_User"},
                                         {true, "", "_add_user_", "Fun_Add_User"}, {false, "", "QUERY_USER_LIST", "Query_User_List"},
                                         {false, "", "查询_USER", "查询_User"}, {true, "", "", "Fun_"}, {false, "", "", ""},
                                         {false, "GetUserInfo", "X", "GetUserInfo"}, {true, "GetUserInfo", "X", "Fun_GetUserInfo"},
                                         {true, "Fun_Login", "X", "Fun_Login"}, {true, "Login", "X", "Fun_Login"},
                                         {true, "Function1", "X", "Function1"}, {true, "fun_x", "X", "Fun_fun_x"},
                                         {false, "  GetUserInfo  ", "X", "GetUserInfo"}, {true, "    ", "ADD_USER", "Fun_Add_User"},
                                         {false, "    ", "ADD_USER", "Add_User"}}) {
    CCodeMaker maker;
    EXPECT_EQ(c.bls ? maker.MakeBlsPrototype(c.funName, G(c.code)) : maker.MakeFosPrototype(c.funName, G(c.code)),
              G(std::string("long ") + c.name + "( struct Service_Module* pModule )\r\n"))
        << c.funName << "/" << c.code;
  }
}

TEST(ValidateCode, StylesOfNoKnownCodeAndOptionalParametersGiveNoCode) {
  CCodeMaker maker;
  CMemRecord mandatory = ff::test::ParamRecord({{"FID_KHH", "客户号", 1, 1}, {"FID_JE", "金额", 4, 1}});
  for (int style : {0, 4, -1, 99}) {
    maker.SetValidateStyle(static_cast<ff::ValidateStyle>(style));
    EXPECT_EQ(maker.MakeValidateCode(mandatory, false), "") << style;
  }
  CMemRecord optional = ff::test::ParamRecord({{"FID_KHH", "客户号", 1, 0}, {"FID_JE", "金额", 4, 2}});
  for (auto style : {ff::ValidateStyle::Macro, ff::ValidateStyle::Loose, ff::ValidateStyle::Compact}) {
    maker.SetValidateStyle(style);
    EXPECT_EQ(maker.MakeValidateCode(optional, false), "") << static_cast<int>(style);
  }
}

}  // namespace
