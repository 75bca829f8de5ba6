// The synthetic benchmark database: the same bytes for the same seed (so
// that two builds are measured on one database), and never over a file
// that was there.
#include <string>

#include <gtest/gtest.h>

#include "bench/bench_db.h"
#include "tests/support/test_support.h"

namespace {

using ff::bench::BenchScale;
using ff::bench::MakeBenchDatabase;
using ff::test::ReadFile;
using ff::test::TempDir;

BenchScale Small() { return BenchScale{}.Scaled(0.01); }

TEST(BenchData, SameSeedSameBytesAndAnExistingFileKeptUnlessTold) {
  TempDir dir;
  std::string error;
  auto make = [&](const std::string& name, std::uint64_t seed, bool replace) {
    return MakeBenchDatabase(dir / name, seed, Small(), replace, nullptr, error);
  };
  ASSERT_TRUE(make("a.sqlite", 42, false)) << error;
  ASSERT_TRUE(make("b.sqlite", 42, false)) << error;
  ASSERT_TRUE(make("c.sqlite", 43, false)) << error;
  EXPECT_TRUE(ReadFile(dir / "a.sqlite") == ReadFile(dir / "b.sqlite")) << "the same seed gave different files";
  EXPECT_FALSE(ReadFile(dir / "a.sqlite") == ReadFile(dir / "c.sqlite")) << "another seed gave the same file";

  ff::test::WriteFile(dir / "old.sqlite", "keep me");
  EXPECT_FALSE(make("old.sqlite", 1, false));
  EXPECT_NE(error.find("exists"), std::string::npos) << error;
  EXPECT_EQ(ReadFile(dir / "old.sqlite"), "keep me");
  ASSERT_TRUE(make("old.sqlite", 1, true)) << error;
  ASSERT_TRUE(make("d.sqlite", 1, false)) << error;
  EXPECT_TRUE(ReadFile(dir / "old.sqlite") == ReadFile(dir / "d.sqlite"));
}

}  // namespace
