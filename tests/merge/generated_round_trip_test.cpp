// The merge on what the generators really write: every demo module merges
// into itself unchanged (a programmer's SQL meeting a new parameter is a
// row of the merge table).
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

}  // namespace
