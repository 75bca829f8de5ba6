// A generated site read back: every page parses, every link lands on a page
// and an id, every function and FID of the database has its place, every
// lint finding is shown once. On the demo database and on a quarter of the
// benchmark database, where the FIDs of a large letter are paged by their
// first two characters.
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_db.h"
#include "docsite/dictionary_site.h"
#include "docsite/site_pages.h"
#include "host/config_db.h"
#include "host/gbk_text.h"
#include "lint/lint_run.h"
#include "tests/docsite/site_check.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

// Rows of a query on the database file itself, as their columns.
std::vector<std::vector<std::string>> Rows(const std::string& path, const char* sql) {
  std::vector<std::vector<std::string>> rows;
  sqlite3* db = nullptr;
  sqlite3_stmt* stmt = nullptr;
  EXPECT_EQ(SQLITE_OK, sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr));
  EXPECT_EQ(SQLITE_OK, sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr)) << sqlite3_errmsg(db);
  while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
    rows.emplace_back();
    for (int column = 0; column < sqlite3_column_count(stmt); ++column) {
      const unsigned char* text = sqlite3_column_text(stmt, column);
      rows.back().push_back(text ? reinterpret_cast<const char*>(text) : "");
    }
  }
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  return rows;
}

size_t Count(const std::string& text, const std::string& what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++count;
  return count;
}

struct SiteCase {
  const char* name;
  double benchScale;  // 0: the demo database
  size_t pages;       // 0: not fixed
  int functions, fids;
};

class SiteOf : public ::testing::TestWithParam<SiteCase> {
 protected:
  void SetUp() override {
    ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    if (GetParam().benchScale > 0) {
      path_ = out_ / "bench.sqlite";
      std::string error;
      bench::BenchCounts counts;
      ASSERT_TRUE(bench::MakeBenchDatabase(path_, 1, bench::BenchScale{}.Scaled(GetParam().benchScale), false, &counts,
                                           error))
          << error;
      ASSERT_TRUE(ConnectConfigDB("sqlite", "", "", path_));
    } else {
      demo_ = std::make_unique<TestDatabase>(std::string_view{}, true);
      path_ = demo_->path();
    }
    files_ = site::MakeDictionarySite(Options());
    pages_ = ParseSite(Folder());
  }
  void TearDown() override {
    DisconnectConfigDB();
    ::unsetenv("SOURCE_DATE_EPOCH");
  }

  std::string Folder() const { return out_ / "site"; }
  site::SiteOptions Options() const {
    site::SiteOptions options;
    options.folder = Folder();
    options.database = "Developer";
    return options;
  }

  SettingsSandbox sandbox_;
  TempDir out_;
  std::unique_ptr<TestDatabase> demo_;
  std::string path_;
  std::vector<site::SiteFile> files_;
  std::map<std::string, ParsedPage> pages_;
};

TEST_P(SiteOf, EveryPageParsesAndEveryLinkResolves) {
  if (GetParam().pages > 0) {
    ASSERT_EQ(GetParam().pages, pages_.size());
  }
  for (const auto& [name, page] : pages_) EXPECT_EQ("", page.error) << name;
  EXPECT_EQ(std::vector<std::string>{}, BrokenLinks(Folder(), pages_));
  for (const char* file : {"style.css", "search.js", "search-index.js"}) {
    EXPECT_TRUE(std::filesystem::exists(Folder() + "/" + file)) << file;
  }
  EXPECT_EQ(pages_.size() + 3, files_.size());
  for (const site::SiteFile& file : files_) EXPECT_EQ(FileOutcome::Written, file.outcome) << file.path;
  // The index of the search box is read on its first use, not with a page.
  for (const auto& [name, page] : pages_) {
    for (const std::string& link : page.links) EXPECT_NE("search-index.js", link) << name;
  }
  // Every search hit lands on its page and id: each entry ends in its link.
  const std::string index = ReadFile(Folder() + "/search-index.js");
  size_t hits = 0;
  for (size_t end = index.find("\"],\n"); end != std::string::npos; end = index.find("\"],\n", end + 1)) {
    const size_t start = index.rfind('"', end - 1) + 1;
    const std::string link = index.substr(start, end - start);
    const size_t hash = link.find('#');
    ASSERT_NE(std::string::npos, hash) << link;
    const auto page = pages_.find(link.substr(0, hash));
    EXPECT_TRUE(page != pages_.end() && page->second.ids.count(link.substr(hash + 1))) << link;
    ++hits;
  }
  EXPECT_LT(0u, hits);
}

TEST_P(SiteOf, EveryFunctionAndFidHasItsPlace) {
  int functions = 0;
  for (const char* sql : {"SELECT 'fos', ID, F26, trim(F19) FROM T154 WHERE F26 IN (SELECT ID FROM T158)",
                          "SELECT 'bls', ID, F7, trim(F2) FROM T161 WHERE F7 IN (SELECT ID FROM T164)"}) {
    for (const auto& part : Rows(path_, sql)) {
      const ParsedPage& page = pages_[part[0] + "-" + part[2] + ".html"];
      EXPECT_EQ(1u, page.ids.count("f" + part[1])) << part[3];
      EXPECT_NE(std::string::npos, page.text.find(part[3])) << part[3];
      ++functions;
    }
  }
  if (GetParam().functions > 0) {
    EXPECT_EQ(GetParam().functions, functions);
  }

  // Each FID on the page of its first letter, or of its first two where
  // the letter is split; defined or not.
  int defined = 0;
  bool split = false, whole = false;
  auto placed = [&](const std::string& code) {
    const std::string letter = "fids-" + site::FidStart(code, 1) + ".html";
    const std::string pair = "fids-" + site::FidStart(code, 2) + ".html";
    const bool inLetter = pages_.count(letter) && pages_[letter].ids.count("fid-" + code);
    const bool inPair = pages_.count(pair) && pages_[pair].ids.count("fid-" + code);
    EXPECT_TRUE(inLetter != inPair) << code;
    (inPair ? split : whole) = true;
  };
  for (const auto& code : Rows(path_, "SELECT trim(F2) FROM T151")) {
    placed(code[0]);
    ++defined;
  }
  if (GetParam().fids > 0) {
    EXPECT_EQ(GetParam().fids, defined);
  }
  for (const auto& code : Rows(path_,
                                      "SELECT DISTINCT trim(F15) FROM T156 WHERE F15 NOT IN (SELECT F2 FROM T151) "
                                      "UNION SELECT DISTINCT trim(F2) FROM T162 WHERE F2 NOT IN (SELECT F2 FROM T151)"))
    placed(code[0]);
  EXPECT_TRUE(whole);
  EXPECT_EQ(GetParam().benchScale > 0, split) << "only a large letter is split";
}

TEST_P(SiteOf, EveryLintFindingIsShownOnceAndNamesItsRule) {
  const lint::LintResult lint = lint::RunLint(*g_pConfigDB);
  ASSERT_TRUE(lint.ok);
  ASSERT_FALSE(lint.findings.empty()) << "both databases keep findings on purpose";
  size_t shown = 0;
  for (const auto& [name, page] : pages_) {
    const std::string raw = ReadFile(Folder() + "/" + name);
    shown += Count(raw, "<li class=\"error\"><span class=\"sev\">") + Count(raw, "<li class=\"warning\"><span class=\"sev\">");
  }
  EXPECT_EQ(lint.findings.size(), shown);
  for (const lint::Finding& finding : lint.findings) EXPECT_EQ(1u, pages_["rules.html"].ids.count(finding.rule));
}

TEST_P(SiteOf, RegeneratingLeavesEveryFileUntouched) {
  std::map<std::string, std::filesystem::file_time_type> times;
  std::map<std::string, std::string> bytes;
  for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
    times[entry.path().string()] = entry.last_write_time();
    bytes[entry.path().string()] = ReadFile(entry.path().string());
  }
  for (const site::SiteFile& file : site::MakeDictionarySite(Options())) {
    EXPECT_EQ(FileOutcome::Unchanged, file.outcome) << file.path;
  }
  size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
    ++count;
    EXPECT_EQ(times[entry.path().string()], entry.last_write_time()) << entry.path();
    EXPECT_EQ(bytes[entry.path().string()], ReadFile(entry.path().string())) << entry.path();
  }
  EXPECT_EQ(times.size(), count) << "no temporary file is left behind";
  // The date comes from SOURCE_DATE_EPOCH (2023-11-14 22:13:20 UTC).
  EXPECT_NE(std::string::npos, pages_["index.html"].text.find("2023-11-14"));
}

INSTANTIATE_TEST_SUITE_P(Databases, SiteOf,
                         ::testing::Values(SiteCase{"demo", 0, 35, 28, 94}, SiteCase{"bench", 0.25, 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ff::test
