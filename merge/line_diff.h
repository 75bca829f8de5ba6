// Line alignment for the three-way merge: which lines of one text are the
// same lines of another, and where two texts that both came from a third
// one changed it.
//
// Lines are compared as small numbers (LineKeys), so the caller decides
// what makes two lines equal (the merge ignores blanks at both ends, which
// editors add and strip at will). The alignment is the shortest edit
// script (Myers) where that takes at most 1500 edits; a text more different
// is first cut at the lines that occur once in both (identification lines,
// prototypes), and a piece still too different is taken as replaced whole,
// which can make a merge stricter, never lose a line.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ff::merge {

class LineKeys {
 public:
  int Key(std::string_view line);

 private:
  std::unordered_map<std::string, int> ids_;
};

// For each line of `a`, the index of the line of `b` it is aligned with,
// or -1. The aligned indices increase.
std::vector<int> AlignLines(const std::vector<int>& a, const std::vector<int>& b);

// A stretch of the base with the matching stretches of the two other
// texts: stable (all three equal) or changed in one or both of them.
struct Chunk3 {
  bool stable = false;
  int b0 = 0, b1 = 0;  // base lines [b0, b1)
  int x0 = 0, x1 = 0;  // first other text
  int y0 = 0, y1 = 0;  // second other text
};

// The chunks of a three-way comparison (as diff3 makes them), given each
// text's alignment against the base (AlignLines(base, x), AlignLines(base, y)).
std::vector<Chunk3> Chunks3(const std::vector<int>& baseToX, int xSize, const std::vector<int>& baseToY, int ySize);

// A unified diff (3 lines of context) from `before` to `after`; "" when
// they are equal. Lines are compared as given (with their ends, if any)
// and printed without them, each ending in "\n".
std::string UnifiedDiff(const std::vector<std::string_view>& before, const std::vector<std::string_view>& after,
                        const std::string& beforeName, const std::string& afterName);

}  // namespace ff::merge
