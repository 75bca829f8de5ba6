#include "lint/text_rules.h"

#include <string>

#include "codetext/text_fill.h"
#include "host/gbk_text.h"
#include "lint/rule_names.h"
#include "res/lint_texts.h"

namespace ff::lint {

namespace msg = res::lint::msg;

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

}  // namespace

void CheckText(const PlacedText& placed, FindingSink& sink) {
  const std::string_view text = placed.text;
  if (text.empty()) return;
  if (placed.landing & kOneLine) {
    if (const char c = FirstOf(text, "\r\n\t")) {
      sink.Add(Severity::Error, rule::kLineBreak, placed.where,
               FillTemplate(msg::LineBreak(), {{"What", placed.what}, {"Char", CharName(c)}}));
    }
  }
  if ((placed.landing & kLineComment) && EndsInBackslash(text)) {
    sink.Add(Severity::Error, rule::kCommentBackslash, placed.where,
             FillTemplate(msg::CommentBackslash(), {{"What", placed.what}}));
  }
  if (placed.landing & kBlockComment) {
    // No GBK trail byte is '*' or '/', so a byte search is exact here.
    if (text.find("*/") != std::string_view::npos) {
      sink.Add(Severity::Error, rule::kCommentClose, placed.where,
               FillTemplate(msg::CommentClose(), {{"What", placed.what}}));
    } else if (text.find("/*") != std::string_view::npos) {
      sink.Add(Severity::Warning, rule::kCommentClose, placed.where,
               FillTemplate(msg::CommentOpen(), {{"What", placed.what}}));
    }
  }
  if (placed.landing & kStringLiteral) {
    if (const char c = FirstOf(text, "\"\\")) {
      sink.Add(Severity::Error, rule::kStringLiteral, placed.where,
               FillTemplate(msg::StringLiteralBreak(), {{"What", placed.what}, {"Char", CharName(c)}}));
    }
  }
  if (placed.lostChars) {
    sink.Add(Severity::Error, rule::kNotGbk, placed.where, FillTemplate(msg::NotGbk(), {{"What", placed.what}}));
  } else if (HasInvalidGbk(text)) {
    sink.Add(Severity::Error, rule::kNotGbk, placed.where, FillTemplate(msg::InvalidGbk(), {{"What", placed.what}}));
  }
}

}  // namespace ff::lint
