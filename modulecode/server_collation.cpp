#include "modulecode/server_collation.h"

#include <algorithm>
#include <string>

namespace ff::code {
namespace {

bool IsPrintableAscii(char c) { return c > ' ' && c < 0x7F; }

std::string_view WithoutTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The next character that weighs in a comparison, lower-cased; 0 at the end.
char NextWeighed(std::string_view text, size_t& pos) {
  while (pos < text.size() && (text[pos] == '-' || text[pos] == '\'')) ++pos;
  if (pos == text.size()) return 0;
  char c = text[pos++];
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool MayCompareEqual(std::string_view a, std::string_view b) {
  a = WithoutTrailingBlanks(a);
  b = WithoutTrailingBlanks(b);
  for (std::string_view text : {a, b}) {
    for (char c : text)
      if (!IsPrintableAscii(c)) return true;
  }
  size_t i = 0, j = 0;
  for (;;) {
    const char x = NextWeighed(a, i), y = NextWeighed(b, j);
    if (x != y) return false;
    if (x == 0) return true;
  }
}

bool IsPlainCode(std::string_view code) {
  if (code.empty()) return false;
  for (char c : code)
    if (!IsPrintableAscii(c)) return false;
  return true;
}

bool EachCodeFindsOnlyItself(const std::vector<std::string_view>& codes) {
  // Plain codes may compare equal only when their folded forms (case and
  // the lightly weighed characters set aside) are the same: sorted, such
  // codes sit side by side.
  std::vector<std::string> folded;
  folded.reserve(codes.size());
  for (std::string_view code : codes) {
    // Trailing blanks (a CHAR column's padding) count for nothing in the
    // comparison, on SQL Server as in the SQLite schema.
    code = WithoutTrailingBlanks(code);
    if (!IsPlainCode(code)) return false;
    std::string key;
    size_t pos = 0;
    for (char c; (c = NextWeighed(code, pos)) != 0;) key += c;
    folded.push_back(std::move(key));
  }
  std::sort(folded.begin(), folded.end());
  return std::adjacent_find(folded.begin(), folded.end()) == folded.end();
}

}  // namespace ff::code
