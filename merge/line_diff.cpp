#include "merge/line_diff.h"

#include <algorithm>
#include <utility>

namespace ff::merge {
namespace {

// The shortest edit script stops searching here: beyond it a stretch is
// taken as replaced whole (its trace would cost about D² numbers).
constexpr int kMaxEdits = 1500;

// Myers' greedy search over a[0, n) and b[0, m); false when more than
// kMaxEdits edits are needed. Matches go to match[aOff + i] = bOff + j.
bool ShortestEdit(const int* a, int n, const int* b, int m, int aOff, int bOff, std::vector<int>& match) {
  const int limit = std::min(n + m, kMaxEdits);
  // trace[d] holds V[k] for k in [-d-1, d+1] as it stood before step d.
  std::vector<std::vector<int>> trace;
  std::vector<int> v(2 * (limit + 2) + 1, 0);
  const int mid = limit + 2;
  int found = -1;
  for (int d = 0; d <= limit && found < 0; ++d) {
    trace.emplace_back(v.begin() + (mid - d - 1), v.begin() + (mid + d + 2));
    for (int k = -d; k <= d; k += 2) {
      int x = (k == -d || (k != d && v[mid + k - 1] < v[mid + k + 1])) ? v[mid + k + 1] : v[mid + k - 1] + 1;
      int y = x - k;
      while (x < n && y < m && a[x] == b[y]) ++x, ++y;
      v[mid + k] = x;
      if (x >= n && y >= m) {
        found = d;
        break;
      }
    }
  }
  if (found < 0) return false;
  int x = n, y = m;
  for (int d = found; d >= 0; --d) {
    const std::vector<int>& t = trace[d];
    auto at = [&](int k) { return t[k + d + 1]; };
    const int k = x - y;
    const int prevK = (k == -d || (k != d && at(k - 1) < at(k + 1))) ? k + 1 : k - 1;
    const int prevX = d == 0 ? 0 : at(prevK);
    const int prevY = d == 0 ? 0 : prevX - prevK;
    while (x > prevX && y > prevY) {
      --x, --y;
      match[aOff + x] = bOff + y;
    }
    x = prevX;
    y = prevY;
  }
  return true;
}

// Lines that occur exactly once in a[a0, a1) and once in b[b0, b1), as
// (index in a, index in b), longest increasing run of b indices kept.
std::vector<std::pair<int, int>> UniqueAnchors(const std::vector<int>& a, int a0, int a1, const std::vector<int>& b,
                                               int b0, int b1) {
  struct Seen {
    int inA = 0, inB = 0, atA = -1, atB = -1;
  };
  std::unordered_map<int, Seen> seen;
  seen.reserve(static_cast<size_t>(a1 - a0 + b1 - b0));
  for (int i = a0; i < a1; ++i) {
    Seen& s = seen[a[i]];
    ++s.inA;
    s.atA = i;
  }
  for (int j = b0; j < b1; ++j) {
    auto it = seen.find(b[j]);
    if (it == seen.end()) continue;
    ++it->second.inB;
    it->second.atB = j;
  }
  std::vector<std::pair<int, int>> pairs;
  for (int i = a0; i < a1; ++i) {
    const Seen& s = seen[a[i]];
    if (s.inA == 1 && s.inB == 1) pairs.emplace_back(i, s.atB);
  }
  // Longest increasing subsequence of the b indices (patience sorting).
  std::vector<int> tails, tailIndex, previous(pairs.size(), -1);
  for (size_t p = 0; p < pairs.size(); ++p) {
    const int value = pairs[p].second;
    const size_t pos = std::lower_bound(tails.begin(), tails.end(), value) - tails.begin();
    if (pos == tails.size()) {
      tails.push_back(value);
      tailIndex.push_back(static_cast<int>(p));
    } else {
      tails[pos] = value;
      tailIndex[pos] = static_cast<int>(p);
    }
    previous[p] = pos == 0 ? -1 : tailIndex[pos - 1];
  }
  std::vector<std::pair<int, int>> anchors;
  for (int p = tailIndex.empty() ? -1 : tailIndex.back(); p >= 0; p = previous[p]) anchors.push_back(pairs[p]);
  std::reverse(anchors.begin(), anchors.end());
  return anchors;
}

void Align(const std::vector<int>& a, int a0, int a1, const std::vector<int>& b, int b0, int b1,
           std::vector<int>& match) {
  while (a0 < a1 && b0 < b1 && a[a0] == b[b0]) match[a0++] = b0++;
  while (a0 < a1 && b0 < b1 && a[a1 - 1] == b[b1 - 1]) match[--a1] = --b1;
  if (a0 == a1 || b0 == b1) return;
  // The shortest edit script where it is cheap to find; a stretch too
  // different for it is cut at the lines both have once, and each piece
  // tried again.
  if (ShortestEdit(a.data() + a0, a1 - a0, b.data() + b0, b1 - b0, a0, b0, match)) return;
  const std::vector<std::pair<int, int>> anchors = UniqueAnchors(a, a0, a1, b, b0, b1);
  if (anchors.empty()) return;  // nothing in common that is cheap to find: replaced whole
  int i = a0, j = b0;
  for (const auto& [ai, bj] : anchors) {
    Align(a, i, ai, b, j, bj, match);
    match[ai] = bj;
    i = ai + 1;
    j = bj + 1;
  }
  Align(a, i, a1, b, j, b1, match);
}

}  // namespace

int LineKeys::Key(std::string_view line) {
  auto [it, inserted] = ids_.try_emplace(std::string(line), static_cast<int>(ids_.size()));
  return it->second;
}

std::vector<int> AlignLines(const std::vector<int>& a, const std::vector<int>& b) {
  std::vector<int> match(a.size(), -1);
  Align(a, 0, static_cast<int>(a.size()), b, 0, static_cast<int>(b.size()), match);
  return match;
}

std::vector<Chunk3> Chunks3(const std::vector<int>& baseToX, int xSize, const std::vector<int>& baseToY, int ySize) {
  std::vector<Chunk3> chunks;
  const int n = static_cast<int>(baseToX.size());
  int b = 0, x = 0, y = 0;
  while (b < n || x < xSize || y < ySize) {
    if (b < n && baseToX[b] == x && baseToY[b] == y) {
      Chunk3 stable{true, b, b, x, x, y, y};
      while (b < n && baseToX[b] == x && baseToY[b] == y) ++b, ++x, ++y;
      stable.b1 = b;
      stable.x1 = x;
      stable.y1 = y;
      chunks.push_back(stable);
      continue;
    }
    // The next base line both texts kept ends the changed stretch.
    int next = b;
    while (next < n && (baseToX[next] < 0 || baseToY[next] < 0)) ++next;
    Chunk3 changed{false, b, next, x, next < n ? baseToX[next] : xSize, y, next < n ? baseToY[next] : ySize};
    chunks.push_back(changed);
    b = changed.b1;
    x = changed.x1;
    y = changed.y1;
  }
  return chunks;
}

std::string UnifiedDiff(const std::vector<std::string_view>& before, const std::vector<std::string_view>& after,
                        const std::string& beforeName, const std::string& afterName) {
  LineKeys keys;
  std::vector<int> a, b;
  for (std::string_view line : before) a.push_back(keys.Key(line));
  for (std::string_view line : after) b.push_back(keys.Key(line));
  const std::vector<int> match = AlignLines(a, b);
  // Edit script as (kind, index): ' ' both, '-' before only, '+' after only.
  struct Op {
    char kind;
    int i, j;
  };
  std::vector<Op> ops;
  int j = 0;
  for (int i = 0; i < static_cast<int>(a.size()); ++i) {
    if (match[i] < 0) {
      ops.push_back({'-', i, j});
      continue;
    }
    while (j < match[i]) ops.push_back({'+', i, j++});
    ops.push_back({' ', i, j++});
  }
  while (j < static_cast<int>(b.size())) ops.push_back({'+', static_cast<int>(a.size()), j++});

  constexpr int kContext = 3;
  std::string out;
  size_t p = 0;
  while (p < ops.size()) {
    if (ops[p].kind == ' ') {
      ++p;
      continue;
    }
    // A hunk: from kContext lines before this change to kContext after the
    // last change that is at most 2*kContext unchanged lines further.
    size_t start = p;
    for (int c = 0; c < kContext && start > 0 && ops[start - 1].kind == ' '; ++c) --start;
    size_t end = p;
    size_t quiet = 0;
    for (size_t q = p; q < ops.size(); ++q) {
      if (ops[q].kind == ' ') {
        if (++quiet > 2 * kContext) break;
      } else {
        quiet = 0;
        end = q + 1;
      }
    }
    size_t stop = end;
    for (int c = 0; c < kContext && stop < ops.size() && ops[stop].kind == ' '; ++c) ++stop;
    int oldCount = 0, newCount = 0;
    for (size_t q = start; q < stop; ++q) {
      if (ops[q].kind != '+') ++oldCount;
      if (ops[q].kind != '-') ++newCount;
    }
    if (out.empty()) out = "--- " + beforeName + "\n+++ " + afterName + "\n";
    const int oldStart = oldCount == 0 ? ops[start].i : ops[start].i + 1;
    const int newStart = newCount == 0 ? ops[start].j : ops[start].j + 1;
    out += "@@ -" + std::to_string(oldStart) + "," + std::to_string(oldCount) + " +" + std::to_string(newStart) + "," +
           std::to_string(newCount) + " @@\n";
    for (size_t q = start; q < stop; ++q) {
      const Op& op = ops[q];
      std::string_view line = op.kind == '+' ? after[op.j] : before[op.i];
      if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      out += op.kind;
      out += line;
      out += '\n';
    }
    p = stop;
  }
  return out;
}

}  // namespace ff::merge
