#include "cli/json_lines.h"

#include "host/gbk_text.h"

namespace ff::cli {
namespace {

// Length of the well-formed UTF-8 sequence at text[pos] (1..4), or 0 when
// the bytes there are not one: overlong forms, surrogates and code points
// above U+10FFFF are not.
size_t Utf8Length(std::string_view text, size_t pos) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const unsigned char c = byte(0);
  if (c < 0x80) return 1;
  size_t length;
  unsigned char low = 0x80, high = 0xBF;  // range of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
    if (c == 0xE0) low = 0xA0;
    if (c == 0xED) high = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
    if (c == 0xF0) low = 0x90;
    if (c == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() - pos < length) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (size_t i = 2; i < length; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  return length;
}

}  // namespace

CLI::Option* AddFormatOption(CLI::App* command, std::string& format) {
  format = "text";
  return command
      ->add_option("--format", format, "Output: text (tab-separated, default) or json (one JSON object per line)")
      ->check(CLI::IsMember({"text", "json"}));
}

std::string JsonQuote(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(utf8.size() + 2);
  out += '"';
  for (size_t pos = 0; pos < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[pos]);
    const size_t length = Utf8Length(utf8, pos);
    if (length == 0) {
      out += "\xEF\xBF\xBD";  // U+FFFD for the stray byte
      ++pos;
      continue;
    }
    if (length > 1) {
      // U+2028 and U+2029 end a line for JavaScript; escaped, every
      // consumer reads one object per line.
      if (length == 3 && c == 0xE2 && static_cast<unsigned char>(utf8[pos + 1]) == 0x80 &&
          (static_cast<unsigned char>(utf8[pos + 2]) & 0xFE) == 0xA8) {
        out += (utf8[pos + 2] & 1) ? "\\u2029" : "\\u2028";
      } else {
        out.append(utf8, pos, length);
      }
      pos += length;
      continue;
    }
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          out += "\\u00";
          out += kHex[c >> 4];
          out += kHex[c & 0xF];
        } else {
          out += static_cast<char>(c);
        }
    }
    ++pos;
  }
  out += '"';
  return out;
}

void JsonLine::Name(std::string_view name) {
  if (!body_.empty()) body_ += ',';
  body_ += JsonQuote(name);
  body_ += ':';
}

JsonLine& JsonLine::Text(std::string_view name, std::string_view gbk) {
  return Utf8(name, gbk::ToUtf8(gbk));
}

JsonLine& JsonLine::Utf8(std::string_view name, std::string_view utf8) {
  Name(name);
  body_ += JsonQuote(utf8);
  return *this;
}

JsonLine& JsonLine::Number(std::string_view name, std::int64_t value) {
  Name(name);
  body_ += std::to_string(value);
  return *this;
}

JsonLine& JsonLine::Bool(std::string_view name, bool value) {
  Name(name);
  body_ += value ? "true" : "false";
  return *this;
}

JsonLine& JsonLine::Null(std::string_view name) {
  Name(name);
  body_ += "null";
  return *this;
}

}  // namespace ff::cli
