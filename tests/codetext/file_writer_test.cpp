// The one writer of generated files: the overwrite question in either
// order, the comparison that leaves an unchanged file alone, the check
// that writes nothing, the run's encoding, and files that reach the disk
// behind the generation (in commit order, told only once in place, a
// failure stopping the files after it). The file system's faults are in
// tests/faults/file_faults_test.cpp.
#include "codetext/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "host/file_error.h"
#include "tests/support/fixed_date.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

constexpr time_t kOld = 1000000000;

void Backdate(const std::string& path) {
  struct timespec times[2] = {{kOld, 0}, {kOld, 0}};
  ASSERT_EQ(0, ::utimensat(AT_FDCWD, path.c_str(), times, 0));
}

struct stat StatOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(0, ::stat(path.c_str(), &st));
  return st;
}

std::string Question(const std::string& path) { return G("文件") + path + G("已经存在，是否重写!"); }

class Writer : public ::testing::Test {
 protected:
  Writer() { maker.SetAuthor(G("张三")); }
  SettingsSandbox settings;
  FixedDate date;
  ScriptedUI ui;
  TempDir dir;
  CCodeMaker maker;
  const std::string path = dir / "fixdef.h";
};

// The pages' order: the question before anything is made; a declined file
// keeps its bytes and its time; an identical rewrite after Yes too.
TEST_F(Writer, ThePagesAskFirst) {
  EXPECT_TRUE(maker.CheckOverwrite(path, false));  // missing: no question
  WriteFile(path, "old");
  Backdate(path);
  ui.Answer(false);
  EXPECT_FALSE(maker.MakeFixDefFile(path, false));
  EXPECT_EQ(FileOutcome::Declined, maker.LastFileOutcome());
  EXPECT_EQ("old", ReadFile(path));
  EXPECT_EQ(kOld, StatOf(path).st_mtim.tv_sec);

  ui.Answer(true);
  EXPECT_TRUE(maker.MakeFixDefFile(path, false));
  EXPECT_BYTES_EQ(Golden("headers/fixdef.h"), ReadFile(path));
  EXPECT_EQ(std::vector<std::string>({Question(path), Question(path)}), ui.questions);

  Backdate(path);
  Backdate(dir.path().string());  // a file made or removed would change the folder's time
  EXPECT_TRUE(maker.MakeFixDefFile(path, true));  // no question with the switch
  EXPECT_EQ(FileOutcome::Unchanged, maker.LastFileOutcome());
  EXPECT_EQ(kOld, StatOf(path).st_mtim.tv_sec);
  EXPECT_EQ(kOld, StatOf(dir.path().string()).st_mtim.tv_sec) << "a temporary file came and went";
  EXPECT_EQ(2u, ui.questions.size());
  EXPECT_EQ(std::set<std::string>{"fixdef.h"}, Names(dir.path()));
}

// The command line's order: made, compared, and asked only when the bytes
// differ; a rewritten file keeps its mode, a new one follows the mask.
TEST_F(Writer, TheCommandLineAsksOnlyWhenTheBytesDiffer) {
  FileWriter writer({.askAfterCompare = true});
  const mode_t mask = ::umask(027);
  EXPECT_EQ(FileOutcome::Written, writer.Write(maker.MakeFixDefText(path), false));
  ::umask(mask);
  EXPECT_EQ(0640u, StatOf(path).st_mode & 07777);
  ::chmod(path.c_str(), 0604);
  EXPECT_EQ(FileOutcome::Unchanged, writer.Write(maker.MakeFixDefText(path), false));
  EXPECT_TRUE(ui.questions.empty());

  WriteFile(path, "edited by hand");
  ui.Answer(false);
  EXPECT_EQ(FileOutcome::Declined, writer.Write(maker.MakeFixDefText(path), false));
  EXPECT_EQ("edited by hand", ReadFile(path));
  EXPECT_EQ(std::set<std::string>{"fixdef.h"}, Names(dir.path())) << "the declined bytes' temporary file went";
  ui.Answer(true);
  EXPECT_EQ(FileOutcome::Written, writer.Write(maker.MakeFixDefText(path), false));
  EXPECT_BYTES_EQ(Golden("headers/fixdef.h"), ReadFile(path));
  EXPECT_EQ(0604u, StatOf(path).st_mode & 07777);
  EXPECT_EQ(std::vector<std::string>({Question(path), Question(path)}), ui.questions);
}

// A check compares in memory: nothing asked, nothing made, the stale files
// counted (a missing one too).
TEST_F(Writer, ACheckComparesAndCountsWithoutTouchingAnything) {
  FileWriter writer({.check = true, .askAfterCompare = true, .behind = true});
  WriteFile(dir / "same.h", "same");
  WriteFile(dir / "other.h", "old");
  Backdate(dir.path().string());
  EXPECT_EQ(FileOutcome::Unchanged, writer.Write(GenFile(dir / "same.h", "same"), false));
  EXPECT_EQ(FileOutcome::WouldChange, writer.Write(GenFile(dir / "other.h", "new"), false));
  EXPECT_EQ(FileOutcome::WouldChange, writer.Write(GenFile(dir / "missing.h", "new"), false));
  EXPECT_EQ(2, writer.WouldChange());
  EXPECT_EQ(std::set<std::string>({"same.h", "other.h"}), Names(dir.path()));
  EXPECT_EQ("old", ReadFile(dir / "other.h"));
  EXPECT_EQ(kOld, StatOf(dir.path().string()).st_mtim.tv_sec);
  EXPECT_TRUE(ui.questions.empty());
  // A target that exists but cannot be read is an error, not a difference.
  EXPECT_THROW(writer.Write(GenFile(dir.path().string(), "x"), false), CFileException);
}

// Code goes out in the run's encoding; web pages are UTF-8 whatever it is.
TEST_F(Writer, TheRunsEncodingConvertsCodeOnly) {
  FileWriter writer({.utf8 = true});
  writer.Write(GenFile(dir / "code.h", G("中文\r\n")), true);
  writer.Write(GenFile(dir / "page.html", "中文", true), true);
  EXPECT_EQ("中文\r\n", ReadFile(dir / "code.h"));
  EXPECT_EQ("中文", ReadFile(dir / "page.html"));
  EXPECT_EQ(FileOutcome::Unchanged, writer.Write(GenFile(dir / "code.h", G("中文\r\n")), true));
}

// Behind the generation: a.h waits on a slow disk; c.h, synced meanwhile,
// must not be in place before it, and each "written" waits for its file.
TEST_F(Writer, FilesBehindArriveInOrderAndAreToldOnlyOnceInPlace) {
  WriteFile(dir / "b.h", "same");
  WriteFile(dir / "c.h", "old c");
  std::vector<std::string> told, toldEarly;
  bool laterFileFirst = false;
  {
    FileWriter writer({.behind = true});
    writer.SetFaultForTests([&](const std::string& target) {
      if (target.ends_with("/a.h")) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        laterFileFirst = ReadFile(dir / "c.h") != "old c";
      }
      return 0;
    });
    for (const auto& [name, text] : {std::pair{"a.h", "new a"}, {"b.h", "same"}, {"c.h", "new c"}, {"a.h", "new a"}}) {
      const FileOutcome outcome = writer.Write(GenFile(dir / name, text), true);
      writer.After([&, name, text] { (ReadFile(dir / name) == text ? told : toldEarly).push_back(name); },
                   outcome == FileOutcome::Written);
    }
    EXPECT_TRUE(writer.Settle());
  }
  EXPECT_FALSE(laterFileFirst);
  EXPECT_EQ((std::vector<std::string>{"a.h", "b.h", "c.h", "a.h"}), told);
  EXPECT_TRUE(toldEarly.empty());
  EXPECT_EQ((std::set<std::string>{"a.h", "b.h", "c.h"}), Names(dir.path()));
}

// A file that cannot reach the disk is reported, keeps its old bytes, and
// so do the files committed after it; neither is told as written.
TEST_F(Writer, AFailedFileBehindStopsTheFilesAfterIt) {
  for (const char* name : {"a.h", "b.h", "c.h", "d.h"}) WriteFile(dir / name, "old");
  FileWriter writer({.behind = true});
  writer.SetFaultForTests([](const std::string& target) { return target.ends_with("/b.h") ? ENOSPC : 0; });
  std::vector<std::string> told;
  for (const auto& [name, text] : {std::pair{"a.h", "new a"}, {"b.h", "new b"}, {"c.h", "new c"}, {"d.h", "old"}}) {
    const FileOutcome outcome = writer.Write(GenFile(dir / name, text), true);
    writer.After([&told, name] { told.push_back(name); }, outcome == FileOutcome::Written);
  }
  EXPECT_FALSE(writer.Settle());
  EXPECT_TRUE(writer.Failed());
  ASSERT_EQ(1u, ui.fileErrors.size());
  EXPECT_NE(std::string::npos, ui.fileErrors[0].find(dir / "b.h"));
  EXPECT_NE(std::string::npos, ui.fileErrors[0].find("No space left on device"));
  EXPECT_EQ((std::vector<std::string>{"a.h", "d.h"}), told);
  EXPECT_EQ("new a", ReadFile(dir / "a.h"));
  EXPECT_EQ("old", ReadFile(dir / "b.h"));
  EXPECT_EQ("old", ReadFile(dir / "c.h"));
  EXPECT_EQ((std::set<std::string>{"a.h", "b.h", "c.h", "d.h"}), Names(dir.path()));
}

}  // namespace
}  // namespace ff::test
