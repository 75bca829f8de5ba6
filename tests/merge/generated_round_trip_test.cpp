// The merge on what the generators really write: every demo module merges
// into itself unchanged, and a programmer's SQL survives a new parameter.
#include <string>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "host/gbk_text.h"
#include "merge/module_merge.h"
#include "tests/support/fixed_date.h"
#include "tests/support/test_support.h"

namespace {

using ff::merge::MergeModuleSource;
using ff::merge::MergeReport;
using ff::test::G;
using ff::test::ReadFile;

TEST(GeneratedRoundTrip, EveryDemoModuleMergesIntoItsOwnBytes) {
  ff::test::FixedDate date;
  ff::test::TestDatabase db({}, true);
  ff::test::TempDir dir;
  CCodeMaker maker;
  for (bool bls : {false, true}) {
    for (long id : bls ? std::vector<long>{21, 22, 23} : std::vector<long>{1, 2, 3, 9}) {
      const std::string path = dir / "Process.cpp";
      ASSERT_TRUE(bls ? maker.MakeBlsModuleSource(path, id, true) : maker.MakeFosModuleSource(path, id, true));
      const std::string written = ReadFile(path);
      const std::string text =
          bls ? maker.MakeBlsModuleSourceText(path, id) : maker.MakeFosModuleSourceText(path, id);
      ASSERT_EQ(written, text) << "module " << id;
      MergeReport report;
      EXPECT_EQ(written, MergeModuleSource(written, text, report)) << "module " << id;
      EXPECT_EQ(0, report.regionsKept + report.functionsAdded + report.functionsRetired + report.outsideTextsKept);
    }
  }
}

TEST(GeneratedRoundTrip, SqlWrittenByHandSurvivesANewParameter) {
  ff::test::TestDatabase db({}, true);
  ff::test::TempDir dir;
  CCodeMaker maker;
  const std::string path = dir / "Process.cpp";
  std::string old = maker.MakeFosModuleSourceText(path, 1);
  const std::string placeholder = "    pDB->Cmd(\"SELECT '...' \");\r\n";
  const size_t at = old.find(placeholder);
  ASSERT_NE(std::string::npos, at);
  const std::string mine = G("    pDB->Cmd(\"SELECT KHXM FROM TKHXX WHERE KHH = '%s'\", sFidKHH.c_str()); //查客户\r\n");
  old.replace(at, placeholder.size(), mine);

  db.Exec("INSERT INTO T156 VALUES (1099, 104, '证件编号', 1, 0, 1, 101, 'FID_ZJBH');");
  const std::string fresh = maker.MakeFosModuleSourceText(path, 1);
  MergeReport report;
  const std::string merged = MergeModuleSource(old, fresh, report);
  EXPECT_EQ(1, report.regionsKept);
  // The fresh text with the first SQL placeholder replaced by the hand-made SQL.
  std::string expected = fresh;
  expected.replace(expected.find(placeholder), placeholder.size(), mine);
  EXPECT_EQ(expected, merged);
  EXPECT_NE(std::string::npos, merged.find("FID_ZJBH"));
}

}  // namespace
