// How the site reaches the disk: all pages or none, nothing hand-written
// lost. (The file system's faults are the file writer's, in tests/faults.)
#include <filesystem>
#include <map>
#include <string>

#include "docsite/dictionary_site.h"
#include "host/config_db.h"
#include "host/db_store.h"
#include "host/query_error.h"
#include "host/sim_db.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> Snapshot(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    files[entry.path().filename().string()] = ReadFile(entry.path().string());
  }
  return files;
}

// The file's own store, failing every query that holds `marker`.
class FailingStore : public DbStore {
 public:
  FailingStore(std::unique_ptr<DbStore> inner, std::string marker)
      : inner_(std::move(inner)), marker_(std::move(marker)) {}
  bool Select(const std::string& sql, CStdRecord& record, std::string& error) override {
    if (sql.find(marker_) != std::string::npos) {
      error = "disk I/O error";
      return false;
    }
    return inner_->Select(sql, record, error);
  }

 private:
  std::unique_ptr<DbStore> inner_;
  std::string marker_;
};

class SiteWriting : public ::testing::Test {
 protected:
  site::SiteOptions Options() const {
    site::SiteOptions options;
    options.folder = out_ / "site";
    options.database = "demo";
    return options;
  }

  SettingsSandbox sandbox_;
  TestDatabase db_{{}, true};
  TempDir out_;
  ScriptedUI ui_;
};

TEST_F(SiteWriting, AFailedQueryChangesNoPage) {
  site::MakeDictionarySite(Options());
  const auto before = Snapshot(out_ / "site");
  db_.Exec("UPDATE T151 SET F3 = 'changed';");
  // The lint, which comes first, fails on a table it needs; the error
  // codes' query of the site fails after every module and FID page is made.
  for (const char* marker : {"FROM T162", "ERRID"}) {
    std::string error;
    auto store = OpenSqliteStore(db_.path(), error);
    ASSERT_TRUE(store) << U(error);
    g_pConfigDB->Attach(std::make_unique<FailingStore>(std::move(store), marker));
    try {
      site::MakeDictionarySite(Options());
      ADD_FAILURE() << "a failed query must fail the site: " << marker;
    } catch (const QueryError& error) {
      EXPECT_NE(std::string::npos, error.Message().find("disk I/O error")) << U(error.Message());
      if (std::string(marker) == "ERRID") {
        EXPECT_NE(std::string::npos, error.Message().find("the error codes")) << U(error.Message());
      }
    }
    EXPECT_EQ(before, Snapshot(out_ / "site")) << "every page as it was, no temporary file left: " << marker;
  }
}

TEST_F(SiteWriting, AFileTheSiteDidNotWriteIsAskedAbout) {
  fs::create_directories(out_ / "site");
  WriteFile(out_ / "site/index.html", "<p>my own notes</p>");
  ui_.Answer(false);
  std::map<std::string, FileOutcome> outcomes;
  for (const auto& file : site::MakeDictionarySite(Options())) outcomes[file.path] = file.outcome;
  ASSERT_EQ(1u, ui_.questions.size());
  EXPECT_NE(std::string::npos, ui_.questions[0].find("index.html"));
  EXPECT_EQ(FileOutcome::Declined, outcomes[out_ / "site/index.html"]);
  EXPECT_EQ(FileOutcome::Written, outcomes[out_ / "site/fids.html"]);
  EXPECT_EQ("<p>my own notes</p>", ReadFile(out_ / "site/index.html"));

  // The site's own pages are replaced without a question, changed or not;
  // the hand-written file only with the no-prompt switch.
  WriteFile(out_ / "site/fids.html", ReadFile(out_ / "site/fids.html") + "<!-- edited -->");
  site::SiteOptions options = Options();
  options.noPrompt = true;
  outcomes.clear();
  for (const auto& file : site::MakeDictionarySite(options)) outcomes[file.path] = file.outcome;
  EXPECT_EQ(1u, ui_.questions.size());
  EXPECT_EQ(FileOutcome::Written, outcomes[out_ / "site/fids.html"]);
  EXPECT_EQ(FileOutcome::Written, outcomes[out_ / "site/index.html"]);
  EXPECT_EQ(FileOutcome::Unchanged, outcomes[out_ / "site/style.css"]);
  EXPECT_NE(std::string::npos, ReadFile(out_ / "site/index.html").find("FidForge docs"));
}

}  // namespace
}  // namespace ff::test
