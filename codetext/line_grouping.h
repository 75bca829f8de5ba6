// The empty lines between the type groups of a long aligned list of
// parameter lines. The rows come ordered by data type; after at least six
// rows of a group, a row whose C type differs from the row before it gets
// an empty line in front. Lists of fewer than 11 rows, and lists that are
// not aligned, get none.
#pragma once

#include <string>

namespace ff::code {

class LineGrouping {
 public:
  LineGrouping(bool aligned, int rows) : on_(aligned && rows >= 11) {}

  // Called once per row, in order: true when an empty line comes first.
  bool Break(const std::string& cType) {
    if (!on_) return false;
    ++count_;
    const bool brk = count_ >= 6 && cType != previous_;
    if (brk) count_ = 0;
    previous_ = cType;
    return brk;
  }

 private:
  bool on_;
  int count_ = 0;
  std::string previous_;
};

}  // namespace ff::code
