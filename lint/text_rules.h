// Rules on single texts: a code, name or note breaks the generated code
// where the generators write it.
#pragma once

#include <string_view>

#include "lint/finding.h"

namespace ff::lint {

// Where the generators put a text (any combination).
enum Landing : unsigned {
  kOneLine = 1,        // within one generated line: a code, a macro value, a name
  kLineComment = 2,    // in a // comment
  kBlockComment = 4,   // in a /* */ comment (the routine comments)
  kStringLiteral = 8,  // inside "..." of generated code
};

struct PlacedText {
  const Where& where;
  std::string_view what;  // "FID name", "BLS note", ...
  std::string_view text;  // GBK, as the generators receive it
  unsigned landing = 0;
  bool lostChars = false;  // the database held characters without a GBK form
};

// text-line-break, comment-backslash, comment-close, string-literal-break
// and text-not-gbk for one text.
void CheckText(const PlacedText& text, FindingSink& sink);

}  // namespace ff::lint
