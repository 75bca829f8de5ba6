// Every template filled with the names documented for it leaves no
// placeholder behind, and every documented name is one the text holds;
// the templates reach the program as the files in res/templates/ hold them.
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "codetext/text_fill.h"
#include "res/embedded_templates.h"
#include "res/template_catalog.h"
#include "tests/support/test_support.h"

namespace {

namespace res = ff::res;
using ff::test::U;

// "%Word%" anywhere in the text: a placeholder left unfilled.
bool HasPlaceholder(const std::string& text, std::string* which) {
  static const std::regex placeholder("%[A-Za-z]+%");
  std::smatch m;
  if (!std::regex_search(text, m, placeholder)) return false;
  *which = m.str();
  return true;
}

bool HasPrintfSpec(std::string_view text) {
  return text.find("%s") != std::string_view::npos || text.find("%d") != std::string_view::npos;
}

TEST(Placeholders, EveryTemplateFilledWithItsNamesLeavesNone) {
  for (const res::CatalogTemplate& t : res::AllNamedTemplates()) {
    SCOPED_TRACE(t.title);
    std::vector<ff::Placeholder> values;
    for (std::string_view name : t.names) {
      EXPECT_NE(t.text.find("%" + std::string(name) + "%"), std::string::npos) << name << " is not in the text";
    }
    // Fill one name after the other: the one-pass filler takes a fixed list.
    std::string filled = t.text;
    for (std::string_view name : t.names) filled = ff::FillTemplate(filled, {{name, "<value>"}});
    std::string left;
    EXPECT_FALSE(HasPlaceholder(filled, &left)) << left << " left in " << U(filled);
    // Templates are ours: none keeps a printf specifier, but for the
    // queries, whose "%d" is the system's (filled by QueryWithId).
    if (std::string_view(t.title).find("query") == std::string_view::npos) {
      EXPECT_FALSE(HasPrintfSpec(t.text)) << U(t.text);
    }
  }
}

TEST(Placeholders, EveryTemplateFileIsInTheCatalog) {
  for (std::string_view file : res::EmbeddedTemplateNames()) {
    const std::string_view text = res::EmbeddedTemplate(file);
    bool found = false;
    for (const res::CatalogTemplate& t : res::AllNamedTemplates()) found |= t.text == text;
    EXPECT_TRUE(found) << file;
  }
}

// The build embeds every file of res/templates/ byte for byte: CR LF,
// trailing blanks and GBK bytes arrive unchanged.
TEST(FunctionTemplates, EmbeddedAsTheFilesAre) {
  const std::filesystem::path folder = std::filesystem::path(FF_SOURCE_DIR) / "res" / "templates";
  std::set<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    files.insert(entry.path().filename().string());
  }
  std::set<std::string> embedded;
  for (std::string_view name : ff::res::EmbeddedTemplateNames()) embedded.emplace(name);
  EXPECT_EQ(embedded, files);
  for (const std::string& name : files) {
    EXPECT_BYTES_EQ(ff::test::ReadFile((folder / name).string()), ff::res::EmbeddedTemplate(name)) << name;
  }
}

}  // namespace
