// The templates reach the program as the files in res/templates/ hold
// them. (What they give once filled is the snapshots' business.)
#include <filesystem>
#include <set>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "res/embedded_templates.h"
#include "tests/support/test_support.h"

namespace {

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
