// Awkward database values: NULLs, blanks only, bytes that are not text,
// very long names and hundreds of parameters. Everything generates.
#include <string>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::ReadFile;

const char* kAwkwardSql = R"SQL(
INSERT INTO T154 (ID, F18, F19, F22, F24, F26, F28, F32, F34) VALUES
 (NULL, NULL, NULL, NULL, NULL, 10, NULL, NULL, NULL),
 (52, 5002, 'BLANKS', '   ', '   ', 10, '   ', '   ', NULL),
 (53, 5003, CAST(X'46FF80' AS TEXT), CAST(X'C0C1' AS TEXT), NULL, 10, NULL, NULL, 0),
 (54, 5004, 'MANY_PARAMS', '多参数', NULL, 10, 'line1' || char(13) || char(10) || 'line2', NULL, 0),
 (55, 5005, 'LONG_NAME', substr(replace(hex(zeroblob(600)), '00', '名字'), 1, 1200), NULL, 10, NULL, NULL, 2);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)
INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15)
  SELECT i, '参数' || i, 1 + (i % 2), i % 3, (i % 7), 54, 'FID_P' || i FROM n;
INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES
 (1001, NULL, 1, NULL, NULL, 54, NULL),
 (1002, '长', 2, 1, 1, 55, 'FID_' || substr(replace(hex(zeroblob(1500)), '00', 'X'), 1, 1500));
)SQL";

TEST(Robustness, AwkwardValuesGenerateWithoutACrash) {
  ff::test::TestDatabase db{kAwkwardSql};
  ff::test::TempDir dir;
  CCodeMaker maker;
  for (int style = 0; style <= 3; ++style) {
    for (bool align : {true, false}) {
      maker.SetValidateStyle(static_cast<ff::ValidateStyle>(style));
      maker.SetBeautify(align);
      ASSERT_TRUE(maker.MakeFosModuleHeader(dir / "Process.h", 10, true));
      ASSERT_TRUE(maker.MakeFosModuleSource(dir / "Process.cpp", 10, true));
    }
  }
  const std::string header = ReadFile(dir / "Process.h");
  // A NULL code and number give an identification line of blanks only.
  EXPECT_NE(header.find("//        //\r\nlong ( struct Service_Module* pModule );\r\n"), std::string::npos);
  // A FUNNAME of blanks counts as none.
  EXPECT_NE(header.find("long Blanks( struct Service_Module* pModule );\r\n"), std::string::npos);

  std::string text;
  ASSERT_TRUE(maker.MakeFosFunctionText(10, "MANY_PARAMS", text));
  size_t requests = 0;
  for (size_t at = 0; (at = text.find("= pSvrComm->Get", at)) != std::string::npos; ++at) ++requests;
  EXPECT_EQ(requests, 151u);  // the even rows and the one of NULLs
  const std::string source = ReadFile(dir / "Process.cpp");
  EXPECT_NE(source.find("//MANY_PARAMS    5004"), std::string::npos);
  EXPECT_NE(source.find("//LONG_NAME    5005"), std::string::npos);
  EXPECT_TRUE(source.ends_with("}\r\n\r\n\r\n"));
}

}  // namespace
