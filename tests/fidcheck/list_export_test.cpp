// The FID check lists as CSV and as tab text. (The CSV file is written by
// the file writer: its faults are in tests/faults.)
#include "fidcheck/list_export.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace ff::test {
namespace {

// A table with what the database can hold: Chinese (GBK), commas, quotes,
// line breaks, blanks at the ends, empty cells.
TextTable Awkward() {
  return {{G("FID编码"), G("FID名称"), G(" 所在FOS")},
          {"FID_KHJL", G("客户经理"), "KH_OPEN"},
          {"FID_A,B", "say \"hi\"", "two\r\nlines"},
          {"", "  padded ", "tab\there"}};
}

TEST(ListExport, CsvIsUtf8WithBomAndQuotedWhereNeeded) {
  // Derived by hand: EF BB BF, then each row with CR LF; 客户经理 and the
  // captions in UTF-8; quoted cells have their quotes doubled.
  const std::string expected =
      "\xEF\xBB\xBF"
      "FID\xE7\xBC\x96\xE7\xA0\x81,FID\xE5\x90\x8D\xE7\xA7\xB0,\" \xE6\x89\x80\xE5\x9C\xA8" "FOS\"\r\n"
      "FID_KHJL,\xE5\xAE\xA2\xE6\x88\xB7\xE7\xBB\x8F\xE7\x90\x86,KH_OPEN\r\n"
      "\"FID_A,B\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n"
      ",\"  padded \",tab\there\r\n";
  EXPECT_TRUE(BytesEqual(expected, TableAsCsv(Awkward())));
  EXPECT_EQ(TableAsCsv({}), "\xEF\xBB\xBF");
}

TEST(ListExport, TabTextKeepsEachCellInItsCell) {
  const std::string expected = G("FID编码\tFID名称\t 所在FOS\n") + "FID_KHJL\t" + G("客户经理") +
                               "\tKH_OPEN\n"
                               "FID_A,B\tsay \"hi\"\ttwo  lines\n"
                               "\t  padded \ttab here\n";
  EXPECT_TRUE(BytesEqual(expected, TableAsTabText(Awkward())));
}

}  // namespace
}  // namespace ff::test
