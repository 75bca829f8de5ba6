// The definition headers where the database is odd: trimmed and NULL
// texts, dotted codes, no rows, long values, bytes that are not text.
#include <algorithm>
#include <utility>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "host/gbk_text.h"
#include "tests/support/fixed_date.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

class DefHeaders : public ::testing::Test {
 protected:
  DefHeaders() { maker.SetAuthor(G("张三")); }

  // The file's lines after its routine comment.
  std::string Body(const std::string& file) {
    std::string text = ReadFile(dir / file);
    size_t at = text.find("#if !defined");
    return at == std::string::npos ? text : text.substr(at);
  }

  SettingsSandbox settings;
  FixedDate date;
  ScriptedUI ui;
  TempDir dir;
  CCodeMaker maker;
};

TEST_F(DefHeaders, FidDefWorkedExample) {
  TestDatabase db(
      "INSERT INTO T151 VALUES (2, 'FID_MESSAGE', '返回信息', NULL, NULL);"
      "INSERT INTO T151 VALUES (1, 'FID_CODE', '返回码', 4, '');");
  EXPECT_TRUE(maker.MakeFidDefFile(dir / "fiddef.h", true));
  EXPECT_BYTES_EQ(Golden("headers/fiddef_example.h"), ReadFile(dir / "fiddef.h"));
}

// cases/<case>.sql makes the database; cases/<case>.<header>.expected holds
// that header's lines after its routine comment (UTF-8, LF).
class DefHeaderCase : public DefHeaders, public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(DefHeaderCase, WritesTheExpectedLines) {
  const std::string cases = FF_SOURCE_DIR "/tests/headers/cases/";
  const auto [name, header] = GetParam();
  TestDatabase db(ReadFile(cases + name + ".sql"));
  const std::string file = std::string(header) + ".h";
  bool made = false;
  if (file == "fiddef.h") made = maker.MakeFidDefFile(dir / file, true);
  if (file == "fosdef.h") made = maker.MakeFosDefFile(dir / file, true);
  if (file == "blsdef.h") made = maker.MakeBlsDefFile(dir / file, true);
  if (file == "sysdef.h") made = maker.MakeSysDefFile(dir / file, true);
  EXPECT_TRUE(made) << file;
  EXPECT_BYTES_EQ(G(gbk::Replaced(ReadFile(cases + name + "." + header + ".expected"), "\n", "\r\n")), Body(file));
}

INSTANTIATE_TEST_SUITE_P(Cases, DefHeaderCase,
                         ::testing::Values(std::pair{"trimming", "fiddef"}, std::pair{"dots", "fosdef"},
                                           std::pair{"dots", "blsdef"}, std::pair{"empty", "sysdef"},
                                           std::pair{"empty", "fiddef"}));

TEST_F(DefHeaders, SysDefErrorCodeGroups) {
  TestDatabase db(ReadFile(FF_SOURCE_DIR "/tests/headers/error_codes.sql"));
  EXPECT_TRUE(maker.MakeSysDefFile(dir / "sysdef.h", true));
  EXPECT_BYTES_EQ(Golden("headers/sysdef_groups.h"), ReadFile(dir / "sysdef.h"));
}

TEST_F(DefHeaders, FixDefNeedsNoDatabase) {
  EXPECT_TRUE(maker.MakeFixDefFile(dir / "fixdef.h", true));
  EXPECT_BYTES_EQ(Golden("headers/fixdef.h"), ReadFile(dir / "fixdef.h"));
}

TEST_F(DefHeaders, LongValuesPadAtMostATenBitRun) {
  // Far past the longest blank run: the short code gets 1023 blanks, not
  // the 3001 its column would ask for.
  const std::string longCode(3000, 'L');
  TestDatabase db("INSERT INTO T151 VALUES (1, '" + longCode + "', '长', NULL, NULL);"
                  "INSERT INTO T151 VALUES (2, 'S', '" + std::string(100000, 'n') + "', NULL, NULL);");
  EXPECT_TRUE(maker.MakeFidDefFile(dir / "fiddef.h", true));
  const std::string body = Body("fiddef.h");
  EXPECT_NE(std::string::npos, body.find("#define  " + longCode + "  1  //" + G("长") + "  \r\n"));
  EXPECT_NE(std::string::npos,
            body.find("#define  S" + std::string(1023, ' ') + "2  //" + std::string(100000, 'n') + "  \r\n"));
}

TEST_F(DefHeaders, PlaceholderLikeDatabaseTextIsWrittenAsItStands) {
  TestDatabase db("INSERT INTO T154 (ID, F18, F19, F22) VALUES (1, 1, '%Name%', '%Code% %Pad%');");
  EXPECT_TRUE(maker.MakeFosDefFile(dir / "fosdef.h", true));
  EXPECT_NE(std::string::npos, Body("fosdef.h").find("#define  %Name%  1  //%Code% %Pad%\r\n"));
}

TEST_F(DefHeaders, BytesThatAreNotTextDoNotBreakAGenerator) {
  TestDatabase db(
      "INSERT INTO T151 VALUES (1, 'FID_B', CAST(X'B0FF80' AS TEXT), 1, CAST(X'FF' AS TEXT));"
      "INSERT INTO T151 VALUES (2, 'FID_C', X'00414243', 1, NULL);");
  EXPECT_TRUE(maker.MakeFidDefFile(dir / "fiddef.h", true));
  const std::string body = Body("fiddef.h");
  EXPECT_NE(std::string::npos, body.find("#define  FID_B  1  //"));
  EXPECT_NE(std::string::npos, body.find("#define  FID_C  2  //"));
  EXPECT_EQ(7, std::count(body.begin(), body.end(), '\n'));
}

}  // namespace
}  // namespace ff::test
