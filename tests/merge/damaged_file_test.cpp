// Files the merge refuses: it names the line and changes nothing, rather
// than guess where a hand-written text belongs.
#include <string>

#include <gtest/gtest.h>

#include "merge/module_merge.h"
#include "tests/support/test_support.h"

namespace {

using ff::merge::DamagedFile;
using ff::merge::MergeModuleSource;
using ff::merge::MergeReport;

const std::string kFresh =
    "// head\r\n"
    "//F    1    //f\r\n"
    "long Fun_F( struct Service_Module* pModule )\r\n"
    "{\r\n"
    "    //##BeginSQL\r\n"
    "    //##EndSQL\r\n"
    "}\r\n"
    "\r\n\r\n";

// The line and reason the merge of `old` into kFresh refuses with.
std::pair<int, std::string> Refusal(const std::string& old) {
  MergeReport report;
  try {
    MergeModuleSource(old, kFresh, report);
  } catch (const DamagedFile& error) {
    return {error.Line(), error.what()};
  }
  return {0, "merged"};
}

std::string WithBody(const std::string& body, const std::string& after = "\r\n\r\n") {
  return "// head\r\n//F    1    //f\r\nlong Fun_F( struct Service_Module* pModule )\r\n{\r\n" + body + "}\r\n" +
         after;
}

TEST(DamagedFile, MarkersWithoutPartnersOrNestedAreRefusedWithTheirLine) {
  auto [line, why] = Refusal(WithBody("    //##BeginSQL\r\n    x();\r\n"));
  EXPECT_EQ(5, line);
  EXPECT_NE(std::string::npos, why.find("//##BeginSQL without its //##EndSQL")) << why;

  std::tie(line, why) = Refusal(WithBody("    x();\r\n    //##EndSQL\r\n"));
  EXPECT_EQ(6, line);
  EXPECT_NE(std::string::npos, why.find("without its opening marker")) << why;

  std::tie(line, why) = Refusal(WithBody("    //##BeginSQL\r\n    //##Begin\r\n    //##End\r\n    //##EndSQL\r\n"));
  EXPECT_EQ(6, line);
  EXPECT_NE(std::string::npos, why.find("cannot nest")) << why;

  std::tie(line, why) = Refusal(WithBody("    //##Begin\r\n    //##EndSQL\r\n"));
  EXPECT_EQ(6, line);
  EXPECT_NE(std::string::npos, why.find("does not close //##Begin (line 5)")) << why;
}

TEST(DamagedFile, FunctionTwiceOrWithoutEndOrStrayMarkersAreRefused) {
  const std::string twice = WithBody("", "\r\n") + "//F    1    //f\r\nlong Fun_F( struct Service_Module* pModule )\r\n{\r\n}\r\n";
  auto [line, why] = Refusal(twice);
  EXPECT_EQ(8, line);
  EXPECT_NE(std::string::npos, why.find("Fun_F is defined twice (first at line 3)")) << why;

  std::tie(line, why) = Refusal("//F    1    //f\r\nlong Fun_F( struct Service_Module* pModule )\r\n{\r\n  x();\r\n");
  EXPECT_EQ(2, line);
  EXPECT_NE(std::string::npos, why.find("no closing brace")) << why;

  // A marker left behind outside the functions (a prototype line deleted).
  std::tie(line, why) = Refusal("// head\r\n    //##Begin\r\n    //##End\r\n");
  EXPECT_EQ(2, line);
  EXPECT_NE(std::string::npos, why.find("outside any generated function")) << why;

  std::tie(line, why) = Refusal(WithBody("") + "#if 0\r\n#ifdef X\r\n#endif\r\n");
  EXPECT_EQ(8, line);
  EXPECT_NE(std::string::npos, why.find("#if 0 without its #endif")) << why;
}

TEST(DamagedFile, RegionWithoutPlaceInTheNewFunctionIsRefused) {
  // The fresh function has one SQL region; a second hand-made one would be lost.
  auto [line, why] = Refusal(WithBody("    //##BeginSQL\r\n    //##EndSQL\r\n    //##BeginSQL\r\n    mine();\r\n    //##EndSQL\r\n"));
  EXPECT_EQ(7, line);
  EXPECT_NE(std::string::npos, why.find("has no place")) << why;
}

TEST(DamagedFile, LookAlikesAreNoMarkersAndDisabledCodeIsNoFunction) {
  // Words that merely start like a marker, markers inside "#if 0", and a
  // prototype inside "#if 0" are left alone.
  const std::string old = WithBody("    //##BeginSQL 改过的说明\r\n    //##Beginning\r\n    //##EndSQL\r\n") +
                          "#if 0\r\n//F    1    //f\r\nlong Fun_G( struct Service_Module* pModule )\r\n{\r\n"
                          "    //##Begin\r\n}\r\n#endif\r\n";
  MergeReport report;
  const std::string merged = MergeModuleSource(old, kFresh, report);
  EXPECT_EQ(old, merged);
  EXPECT_EQ(0, report.functionsRetired);
  EXPECT_EQ(1, report.regionsKept);
}

}  // namespace
