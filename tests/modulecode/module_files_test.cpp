// The module source pair: Process.h with its prototypes between guards,
// Process.cpp with the include block and every function text.
#include <string>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::G;
using ff::test::ReadFile;
using ff::test::TestDatabase;

const char* kModuleSql = R"SQL(
INSERT INTO T161 (ID, F1, F2, F3, F4, F5, F7, F14) VALUES
 (21, 1001, 'QUERY_USER', '查询用户', NULL, 1, 5, 0),
 (22, 1002, 'ADD_USER', '增加用户', '  ', 1, 5, 0),
 (31, 3001, 'USER.QUERY', '点', NULL, 1, 6, 0),
 (32, 3002, 'TWICE', '一', 'GetUserInfo', 1, 6, 0),
 (33, 3003, 'TWICE', '二', NULL, 1, 6, 0);
INSERT INTO T154 (ID, F18, F19, F22, F24, F26, F34) VALUES
 (41, 4001, 'GET_INFO', '取信息', 'GetUserInfo', 9, 0);
)SQL";

std::string After(const std::string& text, const std::string& mark) {
  size_t at = text.find(mark);
  return at == std::string::npos ? std::string() : text.substr(at);
}

class ModuleFiles : public ::testing::Test {
 protected:
  TestDatabase db{kModuleSql};
  ff::test::TempDir dir;
  CCodeMaker maker;
};

TEST_F(ModuleFiles, BlsHeaderExample) {
  const std::string path = dir / "Process.h";
  ASSERT_TRUE(maker.MakeBlsModuleHeader(path, 5, true));
  const std::string text = ReadFile(path);
  EXPECT_EQ(text.rfind("/****", 0), 0u);
  EXPECT_TRUE(text.find(G("BLS 头定义文件。")) != std::string::npos);
  EXPECT_BYTES_EQ(G("#if !defined(AFX_PROCESS_H)\r\n"
                    "#define AFX_PROCESS_H\r\n"
                    "\r\n"
                    "//QUERY_USER    1001    //查询用户\r\n"
                    "long Fun_Query_User( struct Service_Module* pModule );\r\n"
                    "\r\n"
                    "//ADD_USER    1002    //增加用户\r\n"
                    "long Fun_Add_User( struct Service_Module* pModule );\r\n"
                    "\r\n"
                    "\r\n"
                    "#endif // !defined(AFX_PROCESS_H)\r\n"),
                  After(text, "#if !defined"));
}

TEST_F(ModuleFiles, HeaderPrototypesFollowTheKind) {
  ASSERT_TRUE(maker.MakeBlsModuleHeader(dir / "bls.h", 6, true));
  EXPECT_NE(ReadFile(dir / "bls.h").find(G("//USER_QUERY    3001    //点\r\n"
                                           "long Fun_User_Query( struct Service_Module* pModule );\r\n\r\n"
                                           "//TWICE    3002    //一\r\n"
                                           "long Fun_GetUserInfo( struct Service_Module* pModule );\r\n")),
            std::string::npos);
  ASSERT_TRUE(maker.MakeFosModuleHeader(dir / "fos.h", 9, true));
  const std::string text = ReadFile(dir / "fos.h");
  EXPECT_NE(text.find("long GetUserInfo( struct Service_Module* pModule );\r\n"), std::string::npos);
  EXPECT_NE(text.find(G("FOS 头定义文件。")), std::string::npos);
}

TEST_F(ModuleFiles, EmptyModule) {
  const std::string h = dir / "Process.h";
  const std::string cpp = dir / "Process.cpp";
  ASSERT_TRUE(maker.MakeFosModuleHeader(h, 999, true));
  ASSERT_TRUE(maker.MakeFosModuleSource(cpp, 999, true));
  EXPECT_BYTES_EQ("#if !defined(AFX_PROCESS_H)\r\n#define AFX_PROCESS_H\r\n\r\n\r\n#endif // !defined(AFX_PROCESS_H)\r\n",
                  After(ReadFile(h), "#if"));
  const std::string source = ReadFile(cpp);
  EXPECT_TRUE(source.ends_with("**/\r\n\r\n#include \"stdafx.h\"\r\n#include \"process.h\"\r\n\r\n"
                               "#include <algorithm>\r\n#include <string>\r\n\r\nusing namespace std;\r\n\r\n"));
}

TEST_F(ModuleFiles, SourceHoldsEveryFunctionTextSeparatedByEmptyLines) {
  const std::string cpp = dir / "Process.cpp";
  ASSERT_TRUE(maker.MakeBlsModuleSource(cpp, 5, true));
  const std::string source = ReadFile(cpp);
  EXPECT_NE(source.find(G("BLS 实现文件。")), std::string::npos);

  // The source's version reaches the function comments through the file name.
  std::string query, add;
  ASSERT_TRUE(maker.MakeBlsFunctionText(5, "QUERY_USER", query));
  ASSERT_TRUE(maker.MakeBlsFunctionText(5, "ADD_USER", add));
  const std::string body = "using namespace std;\r\n\r\n" + query + "\r\n" + add + "\r\n";
  EXPECT_TRUE(source.ends_with(body));
  EXPECT_TRUE(source.ends_with("}\r\n\r\n\r\n"));
}

TEST_F(ModuleFiles, SameCodeTwiceAndCodesWithADot) {
  const std::string cpp = dir / "Process.cpp";
  ASSERT_TRUE(maker.MakeBlsModuleSource(cpp, 6, true));
  const std::string source = ReadFile(cpp);
  // TWICE brings both functions, twice; USER.QUERY is found with its dot.
  size_t count = 0;
  for (size_t at = 0; (at = source.find("//TWICE    3002", at)) != std::string::npos; ++at) ++count;
  EXPECT_EQ(count, 2u);
  EXPECT_NE(source.find("//USER_QUERY    3001"), std::string::npos);
}

TEST_F(ModuleFiles, QuestionComesFirstAndNoKeepsTheOldFile) {
  ff::test::ScriptedUI ui;
  const std::string h = dir / "Process.h";
  ff::test::WriteFile(h, "old header");
  ui.Answer(false);
  EXPECT_FALSE(maker.MakeBlsModuleHeader(h, 5, false));
  EXPECT_EQ(ReadFile(h), "old header");
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0], G("文件") + h + G("已经存在，是否重写!"));
}

}  // namespace
