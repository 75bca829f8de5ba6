// The demo site in a real browser, when headless Chromium is installed
// (Debian's chromium; not needed to build or to run the other tests): the
// search script filters, driven by a query string, and the page it leaves
// is read back from the browser's own DOM.
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "docsite/dictionary_site.h"
#include "tests/docsite/site_check.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

std::string FindChromium() {
  for (const char* path : {"/usr/bin/chromium", "/usr/bin/chromium-browser"}) {
    if (::access(path, X_OK) == 0) return path;
  }
  return {};
}

// The DOM of `url` after its scripts ran.
std::string DumpDom(const std::string& chromium, const TempDir& dir, const std::string& url) {
  const std::string out = dir / "dom.html";
  const std::string command = "'" + chromium +
                              "' --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
                              "--disable-background-networking --disable-component-update --disable-sync "
                              "--user-data-dir='" + (dir / "profile") + "' --dump-dom '" + url + "' >'" + out +
                              "' 2>/dev/null </dev/null";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
  return ReadFile(out);
}

// The result list the script made, as a page of its own.
std::string ResultsOf(const std::string& dom) {
  const size_t start = dom.find("<div id=\"results\"");
  const size_t end = dom.find("</div>", start);
  if (start == std::string::npos || end == std::string::npos) return {};
  return dom.substr(start, end + 6 - start);
}

TEST(SiteInBrowser, SearchBoxFiltersByCodeNameOrNumber) {
  const std::string chromium = FindChromium();
  if (chromium.empty()) GTEST_SKIP() << "headless Chromium is not installed";
  SettingsSandbox sandbox;
  TestDatabase db({}, true);
  TempDir out;
  site::SiteOptions options;
  options.folder = out / "site";
  options.database = "Developer";
  site::MakeDictionarySite(options);
  const std::string base = "file://" + options.folder + "/";

  // From a module page: the FOS and the BLS function of that name
  // (客户开户, percent-encoded in the URL).
  const std::string dom = DumpDom(chromium, out, base + "fos-1.html?q=%E5%AE%A2%E6%88%B7%E5%BC%80%E6%88%B7");
  EXPECT_NE(std::string::npos, dom.find("<form class=\"search\" action=\"index.html\" method=\"get\">"))
      << "the script shows the search box";
  std::string results = ResultsOf(dom);
  ParsedPage page = ParsePage(results);
  EXPECT_EQ("", page.error) << results;
  EXPECT_EQ((std::vector<std::string>{"fos-1.html#f102", "bls-21.html#f505"}), page.links) << results;
  EXPECT_NE(std::string::npos, page.text.find("找到 2 项")) << results;

  // By code in any letter case, by name and by number.
  page = ParsePage(ResultsOf(DumpDom(chromium, out, base + "index.html?q=kh_apply")));
  EXPECT_EQ((std::vector<std::string>{"bls-21.html#f505"}), page.links);
  page = ParsePage(ResultsOf(DumpDom(chromium, out, base + "index.html?q=%E5%AE%A2%E6%88%B7%E5%8F%B7")));
  EXPECT_EQ((std::vector<std::string>{"fids-K.html#fid-FID_KHH"}), page.links);
  page = ParsePage(ResultsOf(DumpDom(chromium, out, base + "index.html?q=6104")));
  EXPECT_EQ((std::vector<std::string>{"bls-22.html#f604"}), page.links);

  // A page read without a search has not loaded the search index.
  EXPECT_EQ(std::string::npos, DumpDom(chromium, out, base + "fids-K.html").find("search-index.js"));

  // Nothing found is said.
  EXPECT_NE(std::string::npos, ResultsOf(DumpDom(chromium, out, base + "index.html?q=zzzz")).find("没有找到"));
}

}  // namespace
}  // namespace ff::test
