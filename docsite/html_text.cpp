#include "docsite/html_text.h"

#include "host/gbk_text.h"

namespace ff::site {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool IsForbiddenControl(unsigned char c) { return c < 0x20 && c != '\t' && c != '\n' && c != '\r'; }

// Copies the double-byte characters of GBK text as they are (a trail byte
// may be a backslash or a '|'), and kept characters too, and lets `escape`
// write each single byte.
template <typename Escape>
std::string EscapeSingleBytes(std::string_view text, Escape escape) {
  std::string out;
  out.reserve(text.size() + 16);
  for (size_t pos = 0; pos < text.size();) {
    const size_t len = gbk::CharLength(text, pos);
    if (len >= 2) {
      out.append(text.substr(pos, len));
    } else {
      escape(out, static_cast<unsigned char>(text[pos]));
    }
    pos += len;
  }
  return out;
}

}  // namespace

std::string Html(std::string_view text) {
  return EscapeSingleBytes(text, [](std::string& out, unsigned char c) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default:
        if (IsForbiddenControl(c)) {
          out += "&#xFFFD;";
        } else {
          out += static_cast<char>(c);
        }
    }
  });
}

std::string JsString(std::string_view text) {
  return EscapeSingleBytes(text, [](std::string& out, unsigned char c) {
    if (c == '\\' || c == '"' || c == '<' || c == '>' || c == '&' || c == '\'' || c < 0x20 || c == 0x7F) {
      // \u00XX also keeps "</script>" and "<!--" out of the file.
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else {
      out += static_cast<char>(c);
    }
  });
}

std::string AnchorId(std::string_view prefix, std::string_view text) {
  std::string out(prefix);
  out.reserve(prefix.size() + text.size());
  for (unsigned char c : text) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
                       c == '-' || c == '.';
    if (plain) {
      out += static_cast<char>(c);
    } else {
      out += '~';
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    }
  }
  return out;
}

std::string UniqueIds::Take(const std::string& wanted) {
  if (taken_.insert(wanted).second) return wanted;
  for (int n = 2;; ++n) {
    std::string candidate = wanted + "-" + std::to_string(n);
    if (taken_.insert(candidate).second) return candidate;
  }
}

}  // namespace ff::site
