#include "tests/docsite/site_check.h"

#include <filesystem>

#include <QByteArray>
#include <QXmlStreamReader>

#include "tests/support/test_support.h"

namespace ff::test {

ParsedPage ParsePage(const std::string& utf8) {
  ParsedPage page;
  QXmlStreamReader reader(QByteArray::fromStdString(utf8));
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement()) {
      const auto attributes = reader.attributes();
      if (attributes.hasAttribute("id")) page.ids.insert(attributes.value("id").toString().toStdString());
      for (const char* name : {"href", "src"}) {
        if (attributes.hasAttribute(name)) page.links.push_back(attributes.value(name).toString().toStdString());
      }
    } else if (reader.isCharacters()) {
      page.text += reader.text().toString().toStdString();
    }
  }
  if (reader.hasError()) {
    page.error = reader.errorString().toStdString() + " at line " + std::to_string(reader.lineNumber());
  }
  return page;
}

std::map<std::string, ParsedPage> ParseSite(const std::string& folder) {
  std::map<std::string, ParsedPage> pages;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".html") continue;
    pages[entry.path().filename().string()] = ParsePage(ReadFile(entry.path().string()));
  }
  return pages;
}

std::vector<std::string> BrokenLinks(const std::string& folder, const std::map<std::string, ParsedPage>& pages) {
  std::vector<std::string> broken;
  for (const auto& [name, page] : pages) {
    for (const std::string& link : page.links) {
      const size_t hash = link.find('#');
      std::string file = link.substr(0, hash);
      const std::string anchor = hash == std::string::npos ? std::string() : link.substr(hash + 1);
      if (file.empty()) file = name;
      const bool local = file.find(':') == std::string::npos && file.find('/') == std::string::npos;
      if (!local || !std::filesystem::exists(std::filesystem::path(folder) / file)) {
        broken.push_back(name + ": " + link);
        continue;
      }
      if (anchor.empty()) continue;
      auto target = pages.find(file);
      if (target == pages.end() || target->second.ids.count(anchor) == 0) broken.push_back(name + ": " + link);
    }
  }
  return broken;
}

}  // namespace ff::test
