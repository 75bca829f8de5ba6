// Reads a generated site back as a browser would need it: every page must
// parse, and every link must name a file of the site and an id on it.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace ff::test {

struct ParsedPage {
  std::string error;               // empty when the page is well-formed XML
  std::set<std::string> ids;       // every id attribute
  std::vector<std::string> links;  // every href and src, as written
  std::string text;                // the text content (UTF-8)
};

ParsedPage ParsePage(const std::string& utf8);

// Every page (*.html) of `folder`, parsed, by file name.
std::map<std::string, ParsedPage> ParseSite(const std::string& folder);

// The links of the site that do not resolve, as "page: link" lines.
std::vector<std::string> BrokenLinks(const std::string& folder, const std::map<std::string, ParsedPage>& pages);

}  // namespace ff::test
