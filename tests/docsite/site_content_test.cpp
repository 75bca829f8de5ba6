// What the pages say: the names the code generators give, and database text
// that tries to be markup shown as text.
#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>

#include "docsite/dictionary_site.h"
#include "tests/docsite/site_check.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

class ContentSite : public ::testing::Test {
 protected:
  void SetUp() override {
    site::SiteOptions options;
    options.folder = out_.path().string();
    options.database = "<db & co>";
    site::MakeDictionarySite(options);
    pages_ = ParseSite(options.folder);
  }
  std::string Raw(const std::string& name) const { return ReadFile(out_ / name); }

  SettingsSandbox sandbox_;
  TestDatabase db_{ReadFile(FF_SOURCE_DIR "/tests/docsite/content_site.sql")};
  TempDir out_;
  std::map<std::string, ParsedPage> pages_;
};

TEST_F(ContentSite, PagesSayWhatTheGeneratorsAndChecksSay) {
  std::istringstream says(ReadFile(FF_SOURCE_DIR "/tests/docsite/content_site.expected"));
  for (std::string line; std::getline(says, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::string text = line.substr(line.find('\t') + 1);
    for (size_t at; (at = text.find("\\n")) != std::string::npos;) text.replace(at, 2, "\n");
    EXPECT_NE(std::string::npos, Raw(line.substr(0, line.find('\t'))).find(text)) << line;
  }
  // In the generators' order: by data type, so the long comes before the double.
  EXPECT_LT(Raw("bls-7.html").find("FID_ZJZH_UPDATE"), Raw("bls-7.html").find("FID_BZ"));
  // A finding in the section of its function.
  const std::string fos = Raw("fos-5.html");
  const size_t finding = fos.find("<a href=\"rules.html#code-not-identifier\"><code>code-not-identifier</code></a> "
                                  "<code class=\"where\">T154 503 X&lt;script&gt;</code>");
  EXPECT_LT(fos.find("<section class=\"function\" id=\"f503\">"), finding);
  EXPECT_NE(std::string::npos, finding);
  // A function of a module that does not exist has no page: its finding
  // stands with the rules.
  const std::string rules = Raw("rules.html");
  EXPECT_LT(rules.find("<h2 id=\"other\">"), rules.find("<code class=\"where\">T154 601 ORPHAN</code>"));
  // The overview links every letter's page and both marked FIDs.
  const ParsedPage& overview = pages_["fids.html"];
  for (const char* link : {"fids-E.html#fid-FID_EVIL", "fids-_.html#fid-~3Cimg~20src~3Dx~3E", "fids-B.html",
                           "fids-K.html", "fids-L.html", "fids-Z.html"})
    EXPECT_EQ(1, std::count(overview.links.begin(), overview.links.end(), link)) << link;
}

TEST_F(ContentSite, DatabaseTextIsShownAsTextEverywhere) {
  for (const auto& [name, page] : pages_) EXPECT_EQ("", page.error) << name;
  EXPECT_EQ(std::vector<std::string>{}, BrokenLinks(out_.path().string(), pages_));
  for (const auto& entry : std::filesystem::directory_iterator(out_.path())) {
    const std::string bytes = ReadFile(entry.path().string());
    for (const char* markup : {"<script>alert", "<img", "<b>", "<i>", "<c>", "<!-- -->", "<db"}) {
      EXPECT_EQ(std::string::npos, bytes.find(markup)) << entry.path() << " holds " << markup;
    }
  }
  // The parsed text holds the database's text exactly.
  EXPECT_NE(std::string::npos, pages_["fos-5.html"].text.find("<script>alert(1)</script>&amp;"));
  EXPECT_NE(std::string::npos, pages_["fos-5.html"].text.find("\"quoted\" & <b>"));
  EXPECT_NE(std::string::npos, pages_["fos-5.html"].text.find("a\xEF\xBF\xBD%Name%")) << "a control character shows as U+FFFD";
  EXPECT_NE(std::string::npos, pages_["fids.html"].text.find("</script><script>alert(2)</script>"));
  EXPECT_NE(std::string::npos, pages_["errors.html"].text.find("a \"b\" <c>"));
  EXPECT_NE(std::string::npos, pages_["index.html"].text.find("<db & co>"));
  // The search entries are JavaScript strings that no text can end.
  const std::string index = Raw("search-index.js");
  EXPECT_EQ(std::string::npos, index.find('<'));
  EXPECT_NE(std::string::npos, index.find("\\u003C/script\\u003E\\u003Cscript\\u003Ealert(2)"));
}

}  // namespace
}  // namespace ff::test
