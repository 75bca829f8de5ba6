#include "fidcheck/fid_check.h"

#include <set>

#include <gtest/gtest.h>

#include "host/gbk_text.h"
#include "host/record.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

// The rows of a check, each as its trimmed columns joined by '|', UTF-8.
std::multiset<std::string> Rows(const CMemRecord& record) {
  std::multiset<std::string> rows;
  for (int row = 0; row < record.GetCount(); ++row) {
    std::string line;
    for (size_t column = 0; column < record.Columns().size(); ++column) {
      if (column > 0) line += '|';
      line += U(gbk::Trim(record.Value(row, static_cast<int>(column))));
    }
    rows.insert(line);
  }
  return rows;
}

TEST(FidCheck, NullCodesDoNotHideUndefinedOrUnusedFids) {
  SettingsSandbox settings;
  // null_codes.sql: NULL codes in the FID table and in both parameter tables.
  TestDatabase db(ReadFile(FF_SOURCE_DIR "/tests/fidcheck/null_codes.sql"));
  CMemRecord record;

  ASSERT_TRUE(record.Create(FidCheckFields(FidCheckKind::Bls), 0));
  EXPECT_EQ(2, RunFidCheck(FidCheckKind::Bls, record));  // once per BLS
  EXPECT_EQ((std::multiset<std::string>{"FID_MISSING|缺失|BLS.ONE", "FID_MISSING|缺失|BLS.TWO"}), Rows(record));
  EXPECT_EQ(G("BLS定义中共发现2个未定义FID！"), FidCheckMessage(FidCheckKind::Bls, 2));
  EXPECT_EQ(2, RunFidCheck(FidCheckKind::Bls, record)) << "a second run shows the rows once";

  EXPECT_EQ(1, RunFidCheck(FidCheckKind::Fos, record));
  EXPECT_EQ((std::multiset<std::string>{"FID_NOFOS|未定义|FOS.ONE"}), Rows(record));

  EXPECT_EQ(1, RunFidCheck(FidCheckKind::Unused, record));
  EXPECT_EQ((std::multiset<std::string>{"FID_UNUSED|未用"}), Rows(record));
  // The messages of none and of many (the counts of the page's lists are in tests/gui).
  EXPECT_EQ(G("尚未发现任何未使用FID。"), FidCheckMessage(FidCheckKind::Unused, -1));
  EXPECT_EQ(G("FOS定义中共发现12个未定义FID！"), FidCheckMessage(FidCheckKind::Fos, 12));
}

}  // namespace
}  // namespace ff::test
