// GBK text helpers.
//
// The engine keeps every text as GBK (code page 936) bytes in std::string:
// generated files are GBK and columns are aligned by GBK byte length, so a
// Chinese character counts two. Conversions happen at the edges only
// (SQLite and the terminal speak UTF-8, Qt speaks UTF-16).
//
// GBK trail bytes range over 0x40..0xFE (without 0x7F) and so include
// ASCII letters, '\\' (0x5C) and '|' (0x7C). Every search and case change
// here walks the text character by character, so a trail byte is never
// taken for the ASCII character it happens to equal.
#pragma once

#include <string>
#include <string_view>

namespace ff::gbk {

// True for a byte that starts a double-byte GBK character (0x81..0xFE).
constexpr bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Length in bytes of the character that starts at text[pos]: 2 for a lead
// byte followed by a valid trail byte, the whole of a kept character
// (below), else 1 (a stray byte is one char).
size_t CharLength(std::string_view text, size_t pos);

// `text` as one field of a tab-separated line: what would split the line
// or the field is escaped as git quotes odd bytes in paths (\\, \n, \t,
// \r, \0, other control bytes as \xNN). A character stays whole: a GBK
// trail byte that is a backslash is part of its character, no escape.
std::string EscapedField(std::string_view text);

// Characters GBK lacks, kept for UTF-8 output. Text that only ever goes
// out as UTF-8 (the dictionary site, the listings, the lint) must not lose
// an emoji or a U+2028 on its way through the engine's GBK. While a
// KeepForeignText lives, the stores convert database text with
// FromUtf8Keeping: each character GBK lacks becomes a kept character,
// 0xFF, its code point in hex, 0xFF (0xFF is no GBK byte, so no GBK text
// holds one), and ToUtf8 gives the character back. Generated C++ is made
// without it and gets '?' as always.
std::string FromUtf8Keeping(std::string_view utf8);
// The length of the kept character at text[pos], or 0.
size_t KeptLength(std::string_view text, size_t pos);
// The number of kept characters in `text`.
size_t CountKept(std::string_view text);
bool KeepingForeignText();
class KeepForeignText {
 public:
  KeepForeignText();
  ~KeepForeignText();
  KeepForeignText(const KeepForeignText&) = delete;
  KeepForeignText& operator=(const KeepForeignText&) = delete;

 private:
  bool previous_;
};

// UTF-8 -> GBK. Characters GBK cannot represent, and bytes that are not
// valid UTF-8, each become one '?'. Never throws.
std::string FromUtf8(std::string_view utf8);

// GBK -> UTF-8. A kept character becomes the character it keeps; a byte
// that does not start a valid GBK character becomes U+FFFD (the
// replacement character). Never throws.
std::string ToUtf8(std::string_view gbk);

// Trimming removes blanks (0x20) only, never tabs or line breaks.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// Position of the first occurrence of needle at or after `from` that starts
// on a character boundary, or std::string_view::npos.
size_t Find(std::string_view text, std::string_view needle, size_t from = 0);
// Same, searching backwards: the last occurrence starting on a boundary.
size_t FindLast(std::string_view text, std::string_view needle);
inline bool Contains(std::string_view text, std::string_view needle) {
  return Find(text, needle) != std::string_view::npos;
}

// Replaces every non-overlapping occurrence, left to right. An empty
// `from` changes nothing.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to);
std::string Replaced(std::string_view text, std::string_view from, std::string_view to);

// ASCII letters change case; double-byte characters are left alone.
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);

// Reads a number as C's atol does: leading white space, an optional sign,
// decimal digits as far as they go; 0 when there are none. Saturates
// instead of overflowing.
long AtoL(std::string_view text);

// True when every byte is below 0x80 (no conversion needed anywhere).
bool IsAscii(std::string_view text);

// A file path (the system's bytes) inside a GBK message. A path GBK can
// spell becomes its GBK text; any other (a Korean or Cyrillic folder, bytes
// that are no UTF-8) travels as its own bytes, hex-coded between ESC marks,
// so that no letter of it is lost to '?' on the way to the user.
std::string PathInText(std::string_view path);
// A GBK message -> UTF-8, each path of PathInText as the system spells it.
// For what a user reads (message boxes, the terminal), never for files.
std::string ToUtf8Shown(std::string_view gbk);

}  // namespace ff::gbk
