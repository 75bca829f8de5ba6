// Rules on single texts: a code, name or note breaks the generated code
// where the generators write it.
#include <string>

#include "codetext/text_fill.h"
#include "host/gbk_text.h"
#include "lint/rule.h"

namespace ff::lint {

namespace {

// The first of the given ASCII characters that the text holds as a
// character of its own (never a GBK trail byte), or 0.
char FirstOf(std::string_view text, std::string_view chars) {
  for (size_t i = 0; i < text.size();) {
    const size_t length = gbk::CharLength(text, i);
    if (length == 1 && chars.find(text[i]) != std::string_view::npos) return text[i];
    i += length;
  }
  return 0;
}

// The last character before any trailing blanks is a backslash. GCC joins
// a backslash, blanks and a line end as it joins a backslash and a line end.
bool EndsInBackslash(std::string_view text) {
  const size_t end = text.find_last_not_of(' ');
  if (end == std::string_view::npos || text[end] != '\\') return false;
  size_t last = 0;  // start of the last character
  for (size_t i = 0; i <= end;) {
    last = i;
    i += gbk::CharLength(text, i);
  }
  return last == end;
}

// A byte from 0x81 that starts no two-byte character. (0x80 is the euro
// sign of code page 936.)
bool HasInvalidGbk(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const size_t length = gbk::CharLength(text, i);
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (length == 1 && c > 0x80) return true;
    i += length;
  }
  return false;
}

std::string CharName(char c) {
  switch (c) {
    case '\r':
      return "carriage return";
    case '\n':
      return "line feed";
    case '\t':
      return "tab";
    case '"':
      return "a double quote";
    default:
      return "a backslash";
  }
}

std::string Fill(std::string_view text, const PlacedText& placed, std::string_view character = {}) {
  return FillTemplate(text, {{"What", placed.what}, {"Char", character}});
}

constexpr Rule kRules[] = {
    {.id = "text-line-break",
     .summary = "CR, LF or TAB in a text written on one line",
     .example = "a FID note with a line feed",
     .text =
         [](const PlacedText& t, Report& report) {
           if (!(t.landing & kOneLine)) return;
           if (const char c = FirstOf(t.text, "\r\n\t")) {
             report.Add(t.where,
                        Fill("the %What% holds a %Char%, which breaks the generated line it stands in", t, CharName(c)));
           }
         }},
    {.id = "comment-backslash",
     .summary = "a text that ends a // comment with a backslash (blanks after it too)",
     .example = "FID name 名称\\",
     .text =
         [](const PlacedText& t, Report& report) {
           if ((t.landing & kLineComment) && EndsInBackslash(t.text)) {
             report.Add(t.where, Fill("the %What% ends in a backslash: in its // comment the next generated line "
                                      "becomes comment too",
                                      t));
           }
         }},
    {.id = "comment-close",
     .warningWhen = "the text holds /* but no */",
     .summary = "*/ (or /*) in a text of a /* */ routine comment",
     .example = "FOS name 名称*/结束",
     .text =
         [](const PlacedText& t, Report& report) {
           if (!(t.landing & kBlockComment)) return;
           // No GBK trail byte is '*' or '/', so a byte search is exact here.
           if (t.text.find("*/") != std::string_view::npos) {
             report.Add(t.where, Fill("the %What% holds \"*/\", which ends its generated /* */ comment early", t));
           } else if (t.text.find("/*") != std::string_view::npos) {
             report.Warn(t.where, Fill("the %What% holds \"/*\" inside a generated /* */ comment; a \"/*\" there "
                                       "ends nothing (the compiler's -Wcomment notes it), so only a warning",
                                       t));
           }
         }},
    {.id = "string-literal-break",
     .summary = "\" or \\ in a text written into a string literal",
     .example = "BLS name 他说\"好\"",
     .text =
         [](const PlacedText& t, Report& report) {
           if (!(t.landing & kStringLiteral)) return;
           if (const char c = FirstOf(t.text, "\"\\")) {
             report.Add(t.where, Fill("the %What% holds %Char%, which breaks the generated string literal it stands in",
                                      t, CharName(c)));
           }
         }},
    {.id = "text-not-gbk",
     .summary = "a character with no GBK form (the code gets ?), or bytes that are no GBK character",
     .example = "FID name 笑😀",
     .text =
         [](const PlacedText& t, Report& report) {
           if (t.lostChars) {
             report.Add(t.where, Fill("the %What% holds a character that has no GBK form: the generated code gets "
                                      "'?' instead",
                                      t));
           } else if (HasInvalidGbk(t.text)) {
             report.Add(t.where, Fill("the %What% holds bytes that are no GBK character", t));
           }
         }},
};

}  // namespace

std::span<const Rule> TextRules() { return kRules; }

}  // namespace ff::lint
