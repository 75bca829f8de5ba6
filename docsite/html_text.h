// Database text made safe for the pages of the dictionary site. The engine's
// text is GBK; these helpers keep it GBK (the site writer converts whole
// pages to UTF-8), walking character by character so that a trail byte is
// never taken for the ASCII character it equals.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace ff::site {

// Text for HTML content and attribute values: & < > " ' become references;
// control characters that XML forbids (all below 0x20 but tab, LF, CR)
// become U+FFFD, so every page also parses as XML.
std::string Html(std::string_view gbk);

// Text for the inside of a JavaScript string literal in double quotes.
std::string JsString(std::string_view gbk);

// An id (and URL fragment) for `text`: ASCII letters, digits, '_', '-' and
// '.' stay, every other byte becomes "~" and two hex digits. The result
// needs no escaping in an attribute or a link.
std::string AnchorId(std::string_view prefix, std::string_view text);

// Hands out ids that are unique within one page (or file names unique
// within the site): a repeated id gets "-2", "-3", ...
class UniqueIds {
 public:
  std::string Take(const std::string& wanted);

 private:
  std::unordered_set<std::string> taken_;
};

}  // namespace ff::site
