// Files that reach the disk behind the generation: each in place only once
// its bytes are, in commit order; what the run says about a file waits for
// it; a failure is reported, keeps the old bytes and stops the files after it.
#include "codetext/commit_behind.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

namespace fs = std::filesystem;

std::string Base(const std::string& path) { return fs::path(path).filename().string(); }

class CommitBehindTest : public ::testing::Test {
 protected:
  // Writes `text` to `name` as the generators do, and tells it the way
  // the command line does: the telling checks that the file is in place.
  void Write(const std::string& name, const std::string& text) {
    const std::string path = dir / name;
    maker.WriteTextFile(path, true, text);
    AfterCommits(
        [this, name, path, text] {
          told.push_back(name);
          if (ReadFile(path) != text) toldEarly.push_back(name);
        },
        maker.LastFileOutcome() == FileOutcome::Written);
  }

  SettingsSandbox settings;
  ScriptedUI ui;
  TempDir dir;
  CCodeMaker maker;
  std::vector<std::string> told;
  std::vector<std::string> toldEarly;  // told while the old bytes were still there
};

TEST_F(CommitBehindTest, FilesArriveInCommitOrderAndAreToldOnlyOnceInPlace) {
  WriteFile(dir / "b.h", "same");
  WriteFile(dir / "c.h", "old c");
  std::mutex mutex;
  std::set<std::string> reached;  // the files whose bytes went to the disk
  bool laterFileFirst = false;    // c.h in place while a.h was still on its way
  {
    CommitBehind commits;
    commits.SetFaultForTests([&](const std::string& target) {
      // A slow disk for a.h: c.h is synced meanwhile, but must wait for a.h
      // to be put in place, and the run's telling must wait as well.
      if (Base(target) == "a.h") {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (ReadFile(dir / "c.h") != "old c") laterFileFirst = true;
      }
      std::lock_guard<std::mutex> lock(mutex);
      reached.insert(Base(target));
      return 0;
    });
    Write("a.h", "new a");
    Write("b.h", "same");  // unchanged: settled at once, told after a
    Write("c.h", "new c");
    EXPECT_FALSE(commits.Failed());
    ASSERT_TRUE(commits.Settle());
    EXPECT_EQ((std::vector<std::string>{"a.h", "b.h", "c.h"}), told);
    EXPECT_TRUE(toldEarly.empty());
    std::lock_guard<std::mutex> lock(mutex);
    EXPECT_EQ((std::set<std::string>{"a.h", "c.h"}), reached);  // an unchanged file needs no fsync
  }
  EXPECT_FALSE(laterFileFirst);
  EXPECT_EQ("new a", ReadFile(dir / "a.h"));
  EXPECT_EQ("same", ReadFile(dir / "b.h"));
  EXPECT_EQ("new c", ReadFile(dir / "c.h"));
  EXPECT_EQ((std::set<std::string>{"a.h", "b.h", "c.h"}), Names(dir.path()));  // no temporary file
  EXPECT_TRUE(ui.fileErrors.empty());
}

TEST_F(CommitBehindTest, AFileThatCannotReachTheDiskIsReportedAndKeepsTheOldBytesAsDoTheFilesAfterIt) {
  for (const char* name : {"a.h", "b.h", "c.h", "d.h"}) WriteFile(dir / name, "old");
  CommitBehind commits;
  commits.SetFaultForTests([](const std::string& target) { return Base(target) == "b.h" ? ENOSPC : 0; });
  Write("a.h", "new a");
  Write("b.h", "new b");
  Write("c.h", "new c");
  Write("d.h", "old");  // unchanged: nothing to lose
  EXPECT_FALSE(commits.Settle());
  EXPECT_TRUE(commits.Failed());
  ASSERT_EQ(1u, ui.fileErrors.size());
  EXPECT_NE(std::string::npos, ui.fileErrors[0].find(dir / "b.h")) << ui.fileErrors[0];
  EXPECT_NE(std::string::npos, ui.fileErrors[0].find("No space left on device")) << ui.fileErrors[0];
  // The failed file and the one abandoned after it are not told as written.
  EXPECT_EQ((std::vector<std::string>{"a.h", "d.h"}), told);
  EXPECT_TRUE(toldEarly.empty());
  EXPECT_EQ("new a", ReadFile(dir / "a.h"));
  EXPECT_EQ("old", ReadFile(dir / "b.h"));
  EXPECT_EQ("old", ReadFile(dir / "c.h"));
  EXPECT_EQ((std::set<std::string>{"a.h", "b.h", "c.h", "d.h"}), Names(dir.path()));
}

TEST_F(CommitBehindTest, ASecondFileForATargetOnItsWayIsComparedWithTheFirst) {
  CommitBehind commits;
  Write("a.h", "first");
  Write("a.h", "first");  // the same bytes again: unchanged, so the first was in place
  EXPECT_EQ(FileOutcome::Unchanged, maker.LastFileOutcome());
  Write("a.h", "second");
  ASSERT_TRUE(commits.Settle());
  EXPECT_EQ("second", ReadFile(dir / "a.h"));
  EXPECT_EQ((std::vector<std::string>{"a.h", "a.h", "a.h"}), told);
}

TEST_F(CommitBehindTest, LeavingTheScopePutsEveryFileInPlaceAndTellsIt) {
  // As when a failed query ends the run: the files made before it are kept.
  {
    CommitBehind commits;
    Write("a.h", "new a");
    Write("b.h", "new b");
  }
  EXPECT_EQ(nullptr, CommitBehind::Active());
  EXPECT_EQ("new a", ReadFile(dir / "a.h"));
  EXPECT_EQ("new b", ReadFile(dir / "b.h"));
  EXPECT_EQ((std::vector<std::string>{"a.h", "b.h"}), told);
  // Without a CommitBehind a file is in place when the commit returns.
  Write("c.h", "new c");
  EXPECT_EQ("new c", ReadFile(dir / "c.h"));
  EXPECT_EQ("c.h", told.back());
}

}  // namespace
}  // namespace ff::test
