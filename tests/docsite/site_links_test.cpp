// The demo database's site read back: every page parses, every link lands
// on a page and an id, and every function and FID of the database is there.
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "docsite/dictionary_site.h"
#include "host/gbk_text.h"
#include "tests/docsite/site_check.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

// Rows of a query on the database file itself, each column joined by '|'.
std::vector<std::string> Rows(const std::string& path, const char* sql) {
  std::vector<std::string> rows;
  sqlite3* db = nullptr;
  sqlite3_stmt* stmt = nullptr;
  EXPECT_EQ(SQLITE_OK, sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr));
  EXPECT_EQ(SQLITE_OK, sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr)) << sqlite3_errmsg(db);
  while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
    std::string row;
    for (int column = 0; column < sqlite3_column_count(stmt); ++column) {
      if (column > 0) row += '|';
      const unsigned char* text = sqlite3_column_text(stmt, column);
      row += text ? reinterpret_cast<const char*>(text) : "";
    }
    rows.push_back(row);
  }
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  return rows;
}

class DemoSite : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    site::SiteOptions options;
    options.folder = out_ / "site";
    options.database = "Developer";
    files_ = site::MakeDictionarySite(options);
    pages_ = ParseSite(options.folder);
  }
  void TearDown() override { ::unsetenv("SOURCE_DATE_EPOCH"); }

  std::string Folder() const { return out_ / "site"; }

  SettingsSandbox sandbox_;
  TestDatabase db_{{}, true};
  TempDir out_;
  std::vector<site::SiteFile> files_;
  std::map<std::string, ParsedPage> pages_;
};

TEST_F(DemoSite, EveryPageParsesAndEveryLinkResolves) {
  // 4 FOS and 3 BLS module pages, the FID, error and index pages.
  ASSERT_EQ(10u, pages_.size());
  for (const auto& [name, page] : pages_) EXPECT_EQ("", page.error) << name;
  EXPECT_EQ(std::vector<std::string>{}, BrokenLinks(Folder(), pages_));
  for (const char* file : {"style.css", "search.js", "search-index.js"}) {
    EXPECT_TRUE(std::filesystem::exists(Folder() + "/" + file)) << file;
  }
  EXPECT_EQ(13u, files_.size());
  for (const site::SiteFile& file : files_) EXPECT_EQ(FileOutcome::Written, file.outcome) << file.path;
}

TEST_F(DemoSite, EveryFunctionAndFidOfTheDatabaseHasItsPlace) {
  int functions = 0;
  for (const std::string& row : Rows(db_.path(), "SELECT ID, F26, trim(F19) FROM T154")) {
    const std::string id = row.substr(0, row.find('|'));
    const std::string module = row.substr(id.size() + 1, row.find('|', id.size() + 1) - id.size() - 1);
    const std::string code = row.substr(row.rfind('|') + 1);
    const ParsedPage& page = pages_["fos-" + module + ".html"];
    EXPECT_EQ(1u, page.ids.count("f" + id)) << row;
    EXPECT_NE(std::string::npos, page.text.find(code)) << row;
    EXPECT_NE(std::string::npos, pages_["index.html"].text.find(code)) << row;
    ++functions;
  }
  for (const std::string& row : Rows(db_.path(), "SELECT ID, F7, trim(F2) FROM T161")) {
    const std::string id = row.substr(0, row.find('|'));
    const std::string module = row.substr(id.size() + 1, row.find('|', id.size() + 1) - id.size() - 1);
    EXPECT_EQ(1u, pages_["bls-" + module + ".html"].ids.count("f" + id)) << row;
    ++functions;
  }
  EXPECT_EQ(28, functions);

  const ParsedPage& fids = pages_["fids.html"];
  int defined = 0;
  for (const std::string& code : Rows(db_.path(), "SELECT trim(F2) FROM T151")) {
    EXPECT_EQ(1u, fids.ids.count("fid-" + code)) << code;
    ++defined;
  }
  EXPECT_EQ(94, defined);
  // Codes parameters use without a definition have rows of their own.
  for (const std::string& code : Rows(db_.path(),
                                      "SELECT DISTINCT trim(F15) FROM T156 WHERE F15 NOT IN (SELECT F2 FROM T151) "
                                      "UNION SELECT DISTINCT trim(F2) FROM T162 WHERE F2 NOT IN (SELECT F2 FROM T151)")) {
    EXPECT_EQ(1u, fids.ids.count("fid-" + code)) << code;
  }
}

TEST_F(DemoSite, RegeneratingLeavesEveryFileUntouched) {
  std::map<std::string, std::filesystem::file_time_type> times;
  std::map<std::string, std::string> bytes;
  for (const auto& entry : std::filesystem::directory_iterator(Folder())) {
    times[entry.path().string()] = entry.last_write_time();
    bytes[entry.path().string()] = ReadFile(entry.path().string());
  }
  site::SiteOptions options;
  options.folder = Folder();
  options.database = "Developer";
  for (const site::SiteFile& file : site::MakeDictionarySite(options)) {
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

}  // namespace
}  // namespace ff::test
