// Rules on single texts: a code, name or note breaks the generated code
// where the generators write it.
#include <string>

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

Phrase CharName(char c) {
  switch (c) {
    case '\r':
      return {"carriage return", "回车符"};
    case '\n':
      return {"line feed", "换行符"};
    case '\t':
      return {"tab", "制表符"};
    case '"':
      return {"a double quote", "双引号"};
    default:
      return {"a backslash", "反斜杠"};
  }
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
                        {"the %What% holds a %Char%, which breaks the generated line it stands in",
                         "%What%中有%Char%，会把它所在的生成行断开"},
                        {{"What", t.what}, {"Char", CharName(c)}});
           }
         }},
    {.id = "comment-backslash",
     .summary = "a text that ends a // comment with a backslash (blanks after it too)",
     .example = "FID name 名称\\",
     .text =
         [](const PlacedText& t, Report& report) {
           if ((t.landing & kLineComment) && EndsInBackslash(t.text)) {
             report.Add(t.where,
                        {"the %What% ends in a backslash: in its // comment the next generated line becomes comment "
                         "too",
                         "%What%以反斜杠结尾：在它的//注释里，下一行生成代码也成了注释"},
                        {{"What", t.what}});
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
             report.Add(t.where,
                        {"the %What% holds \"*/\", which ends its generated /* */ comment early",
                         "%What%中有“*/”，会提前结束它所在的/* */注释"},
                        {{"What", t.what}});
           } else if (t.text.find("/*") != std::string_view::npos) {
             report.Warn(t.where,
                         {"the %What% holds \"/*\" inside a generated /* */ comment; a \"/*\" there ends nothing "
                          "(the compiler's -Wcomment notes it), so only a warning",
                          "%What%在生成的/* */注释中含有“/*”；它在那里不结束任何注释（编译器的-Wcomment会提示），所以只是警告"},
                         {{"What", t.what}});
           }
         }},
    {.id = "string-literal-break",
     .summary = "\" or \\ in a text written into a string literal",
     .example = "BLS name 他说\"好\"",
     .text =
         [](const PlacedText& t, Report& report) {
           if (!(t.landing & kStringLiteral)) return;
           if (const char c = FirstOf(t.text, "\"\\")) {
             report.Add(t.where,
                        {"the %What% holds %Char%, which breaks the generated string literal it stands in",
                         "%What%中有%Char%，会破坏它所在的生成字符串"},
                        {{"What", t.what}, {"Char", CharName(c)}});
           }
         }},
    {.id = "text-not-gbk",
     .summary = "a character with no GBK form (the code gets ?), or bytes that are no GBK character",
     .example = "FID name 笑😀",
     .text =
         [](const PlacedText& t, Report& report) {
           if (t.lostChars) {
             report.Add(t.where,
                        {"the %What% holds a character that has no GBK form: the generated code gets '?' instead",
                         "%What%中有GBK无法表示的字符：生成的代码里是“?”"},
                        {{"What", t.what}});
           } else if (HasInvalidGbk(t.text)) {
             report.Add(t.where,
                        {"the %What% holds bytes that are no GBK character", "%What%中有不是GBK字符的字节"},
                        {{"What", t.what}});
           }
         }},
};

}  // namespace

std::span<const Rule> TextRules() { return kRules; }

}  // namespace ff::lint
