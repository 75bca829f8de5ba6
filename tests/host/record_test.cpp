// The in-memory record the queries fill: rows by caption, walking past the
// ends, and GBK text whose trail bytes look like the separators.
#include "host/record.h"

#include "host/str_split.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::G;

TEST(Record, WalksRowsReadsByCaptionAndEmptiesKeepingColumns) {
  CMemRecord record;
  record.SetColumns({G("模块ID"), "NAME"});
  record.AppendRow({"        12", "KH"});
  record.AddValue("        13");
  record.EndRow();  // a short row is padded
  ASSERT_EQ(record.GetCount(), 2);
  record.GoTop();
  EXPECT_EQ(record.GetString(G("模块ID"), -1), "        12");
  EXPECT_EQ(record.GetString(" NAME ", -1), "KH");  // blanks around a caption
  EXPECT_EQ(record.GetString("MISSING", -1), "");
  record.Skip(1);
  EXPECT_EQ(record.GetString("NAME", -1), "");
  record.Skip(1);
  EXPECT_TRUE(record.Eof());
  // A row being filled is no row yet: past the last row nothing is read.
  record.AddValue("pending");
  EXPECT_EQ(record.GetString(G("模块ID"), -1), "");
  record.Skip(5);
  EXPECT_EQ(record.CurrentRow(), 2);
  EXPECT_TRUE(record.Go(1));
  EXPECT_EQ(record.GetRef(G("模块ID")), "        12");
  EXPECT_FALSE(record.Go(3));
  record.Empty();
  EXPECT_TRUE(record.GetCount() == 0 && record.Eof());
  EXPECT_EQ(record.ColumnIndex("NAME"), 1);
  record.AppendRow({"1", "2"});
  record.Zap();
  EXPECT_TRUE(record.GetCount() == 0 && record.Eof());
}

TEST(Record, CreateParsesDisplayFields) {
  CMemRecord record;
  EXPECT_TRUE(record.Create(G("模块ID[C30],模块名称[C30], 所在FOS[C60]"), 0));
  ASSERT_EQ(record.Fields().size(), 3u);
  EXPECT_EQ(record.Fields()[0].caption, G("模块ID"));
  EXPECT_EQ(record.Fields()[2].caption, G(" 所在FOS"));
  EXPECT_EQ(record.Fields()[2].type, 'C');
  EXPECT_EQ(record.Fields()[2].width, 60);
  // 乕 ends in the byte of '[': it stays in the caption.
  EXPECT_TRUE(record.Create("A\x81\x5B[N8]", 0));
  EXPECT_EQ(record.Fields()[0].caption, "A\x81\x5B");
  EXPECT_EQ(record.Fields()[0].type, 'N');
}

TEST(SplitStrByChar, KeepsEmptyPiecesAndSkipsTrailBytes) {
  using Pieces = std::vector<std::string>;
  // 乗 and 亅 end in '\' and '|'.
  for (const auto& [text, by, expected] : std::vector<std::tuple<std::string, char, Pieces>>{
           {"FID_KHH", '_', {"FID", "KHH"}}, {"A__B_", '_', {"A", "", "B", ""}}, {"", '_', {""}},
           {"\x81\x5C|\x81\x7C", '|', {"\x81\x5C", "\x81\x7C"}}, {"\x81\x5C", '\\', {"\x81\x5C"}}}) {
    Pieces pieces{"old"};
    EXPECT_EQ(SplitStrByChar(text, by, pieces), static_cast<int>(expected.size())) << text;
    EXPECT_EQ(pieces, expected) << text;
  }
}

}  // namespace
