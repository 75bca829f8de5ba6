// The line alignment under the merge: against the longest common
// subsequence on random small texts (where both are cheap to know), the
// three-way chunks on a table of shapes, and the unified diff's hunks.
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "merge/line_diff.h"

namespace {

using ff::merge::AlignLines;
using ff::merge::Chunks3;

int LcsLength(const std::vector<int>& a, const std::vector<int>& b) {
  std::vector<std::vector<int>> t(a.size() + 1, std::vector<int>(b.size() + 1, 0));
  for (size_t i = a.size(); i-- > 0;) {
    for (size_t j = b.size(); j-- > 0;) {
      t[i][j] = a[i] == b[j] ? t[i + 1][j + 1] + 1 : std::max(t[i + 1][j], t[i][j + 1]);
    }
  }
  return t[0][0];
}

TEST(LineDiff, AlignmentIsAnIncreasingMatchOfEqualLinesAsLongAsTheLongest) {
  std::mt19937 random(7);
  for (int round = 0; round < 400; ++round) {
    const int alphabet = 2 + static_cast<int>(random() % 30);
    std::vector<int> a(random() % 40), b;
    for (int& x : a) x = static_cast<int>(random() % alphabet);
    // b: a with random deletions, insertions and changes.
    for (int x : a) {
      const unsigned r = random() % 10;
      if (r == 0) continue;
      if (r == 1) b.push_back(static_cast<int>(random() % alphabet));
      b.push_back(r == 2 ? static_cast<int>(random() % alphabet) : x);
    }
    const std::vector<int> match = AlignLines(a, b);
    ASSERT_EQ(a.size(), match.size());
    int last = -1, matched = 0;
    for (size_t i = 0; i < a.size(); ++i) {
      if (match[i] < 0) continue;
      ASSERT_GT(match[i], last);
      ASSERT_EQ(a[i], b[match[i]]);
      last = match[i];
      ++matched;
    }
    EXPECT_EQ(LcsLength(a, b), matched) << "round " << round;
  }
  // Texts too different for the edit script still align at the lines both have once.
  std::vector<int> a(2100), b(2100);
  for (int i = 0; i < 2100; ++i) a[i] = i, b[i] = i < 1000 || i >= 1100 ? 10000 + i : i;
  const std::vector<int> match = AlignLines(a, b);
  for (int i = 1000; i < 1100; ++i) EXPECT_EQ(i, match[i]);
}

struct ShapeCase {
  const char* name;
  std::vector<int> base, mine, theirs;
  const char* chunks;  // S: stable, C: changed, with the sizes base/mine/theirs
};

std::string Describe(const std::vector<ff::merge::Chunk3>& chunks) {
  std::string text;
  for (const auto& c : chunks) {
    text += c.stable ? "S" : "C";
    text += std::to_string(c.b1 - c.b0) + std::to_string(c.x1 - c.x0) + std::to_string(c.y1 - c.y0) + " ";
  }
  return text;
}

void PrintTo(const ShapeCase& c, std::ostream* out) { *out << c.name; }

class ThreeWayShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ThreeWayShapes, ChunksAsDiff3MakesThem) {
  const ShapeCase& c = GetParam();
  const auto chunks = Chunks3(AlignLines(c.base, c.mine), static_cast<int>(c.mine.size()), AlignLines(c.base, c.theirs),
                              static_cast<int>(c.theirs.size()));
  EXPECT_EQ(c.chunks, Describe(chunks));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ThreeWayShapes,
    ::testing::Values(ShapeCase{"Unchanged", {1, 2, 3}, {1, 2, 3}, {1, 2, 3}, "S333 "},
                      ShapeCase{"MineOnly", {1, 2, 3}, {1, 9, 3}, {1, 2, 3}, "S111 C111 S111 "},
                      ShapeCase{"TheirsOnlyAtTheEnd", {1, 2, 3}, {1, 2, 3}, {1, 2, 3, 4}, "S333 C001 "},
                      ShapeCase{
                          "BothApart", {1, 2, 3, 4, 5}, {1, 9, 3, 4, 5}, {1, 2, 3, 8, 5}, "S111 C111 S111 C111 S111 "},
                      ShapeCase{"SameSpot", {1, 2, 3}, {1, 7, 3}, {1, 8, 3}, "S111 C111 S111 "},
                      ShapeCase{"InsertionsAtTheStart", {1, 2}, {7, 1, 2}, {8, 1, 2}, "C011 S222 "},
                      ShapeCase{"DeletedByMine", {1, 2, 3}, {1, 3}, {1, 2, 3}, "S111 C101 S111 "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineDiff, UnifiedDiffHasHunksWithThreeLinesOfContext) {
  std::vector<std::string_view> before, after;
  const std::vector<std::string> lines = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"};
  for (const std::string& line : lines) before.push_back(line);
  after = before;
  after[1] = "B";
  after.erase(after.begin() + 10);
  EXPECT_EQ("--- x\n+++ y\n@@ -1,5 +1,5 @@\n a\n-b\n+B\n c\n d\n e\n@@ -8,5 +8,4 @@\n h\n i\n j\n-k\n l\n",
            ff::merge::UnifiedDiff(before, after, "x", "y"));
  EXPECT_EQ("", ff::merge::UnifiedDiff(before, before, "x", "y"));
}

}  // namespace
