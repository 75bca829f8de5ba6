// The file protocol: the overwrite question, the helpers, and the atomic
// write that never leaves a half-written file or a temporary file behind.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "host/file_error.h"
#include "tests/support/fixed_date.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

namespace fs = std::filesystem;

// Sets the file's modification time to a fixed moment in the past.
void Backdate(const std::string& path) {
  struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(0, ::utimensat(AT_FDCWD, path.c_str(), times, 0));
}

time_t ModifiedAt(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(0, ::stat(path.c_str(), &st));
  return st.st_mtim.tv_sec;
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(0, ::stat(path.c_str(), &st));
  return st.st_mode & 07777;
}

std::string Question(const std::string& path) { return G("文件") + path + G("已经存在，是否重写!"); }

class FileProtocol : public ::testing::Test {
 protected:
  FileProtocol() { maker.SetAuthor(G("张三")); }
  ~FileProtocol() override { Output().utf8 = false; }
  SettingsSandbox settings;
  FixedDate date;
  ScriptedUI ui;
  TempDir dir;
  CCodeMaker maker;
};

TEST(Spaces, CountsAndLimits) {
  EXPECT_EQ("", CCodeMaker::Spaces(0));
  EXPECT_EQ("", CCodeMaker::Spaces(-5));
  EXPECT_EQ("  ", CCodeMaker::Spaces(2));
  EXPECT_EQ(std::string(1023, ' '), CCodeMaker::Spaces(1023));
  // Never more: one long database text cannot blow every line up.
  EXPECT_EQ(std::string(1023, ' '), CCodeMaker::Spaces(1024));
  EXPECT_EQ(std::string(1023, ' '), CCodeMaker::Spaces(100000));
}

TEST_F(FileProtocol, CheckOverwriteAsksOnlyAboutExistingFiles) {
  const std::string path = dir / "fiddef.h";
  EXPECT_TRUE(maker.CheckOverwrite(path, false));  // missing: no question
  WriteFile(path, "");                             // empty still counts as existing
  EXPECT_TRUE(maker.CheckOverwrite(path, true));   // switch set: no question
  EXPECT_TRUE(ui.questions.empty());
  ui.Answer(false);
  EXPECT_FALSE(maker.CheckOverwrite(path, false));
  ui.Answer(true);
  EXPECT_TRUE(maker.CheckOverwrite(path, false));
  ASSERT_EQ(2u, ui.questions.size());
  EXPECT_EQ(Question(path), ui.questions[0]);
}

TEST_F(FileProtocol, GuardHelpersWriteTheirLines) {
  const std::string path = dir / "Process.h";
  {
    GenFile file(path);
    maker.WriteGuardBegin(file, "AFX_PROCESS_H");
    maker.WriteGuardDefine(file, "AFX_PROCESS_H");
    maker.WriteLine(file, "long F();");
    maker.WriteNewLine(file);
    maker.WriteGuardEnd(file, "AFX_PROCESS_H");
    EXPECT_EQ(FileOutcome::Written, file.Commit());
  }
  EXPECT_BYTES_EQ(
      "#if !defined(AFX_PROCESS_H)\r\n#define AFX_PROCESS_H\r\n\r\nlong F();\r\n\r\n"
      "\r\n#endif // !defined(AFX_PROCESS_H)\r\n",
      ReadFile(path));
  EXPECT_EQ(std::set<std::string>{"Process.h"}, Names(dir.path()));
}

TEST_F(FileProtocol, QuestionComesFirstAndADeclinedFileIsUntouched) {
  const std::string path = dir / "fixdef.h";
  WriteFile(path, "old");
  Backdate(path);
  ui.Answer(false);
  EXPECT_FALSE(maker.MakeFixDefFile(path, false));
  EXPECT_EQ(FileOutcome::Declined, maker.LastFileOutcome());
  EXPECT_EQ(std::vector<std::string>{Question(path)}, ui.questions);
  EXPECT_EQ("old", ReadFile(path));
  EXPECT_EQ(1000000000, ModifiedAt(path));
  EXPECT_EQ(std::set<std::string>{"fixdef.h"}, Names(dir.path()));

  ui.Answer(true);
  EXPECT_TRUE(maker.MakeFixDefFile(path, false));
  EXPECT_EQ(FileOutcome::Written, maker.LastFileOutcome());
  EXPECT_BYTES_EQ(Golden("headers/fixdef.h"), ReadFile(path));

  EXPECT_TRUE(maker.MakeFixDefFile(path, true));  // switch set: no question
  EXPECT_EQ(2u, ui.questions.size());
  EXPECT_EQ(std::set<std::string>{"fixdef.h"}, Names(dir.path()));
}

TEST_F(FileProtocol, CompareFirstLeavesAnUnchangedFileAloneWithoutAQuestion) {
  maker.SetAskAfterCompare(true);
  const std::string path = dir / "fixdef.h";
  EXPECT_TRUE(maker.MakeFixDefFile(path, false));  // new: no question
  EXPECT_EQ(FileOutcome::Written, maker.LastFileOutcome());
  ::chmod(path.c_str(), 0640);
  Backdate(path);

  EXPECT_TRUE(maker.MakeFixDefFile(path, false));
  EXPECT_EQ(FileOutcome::Unchanged, maker.LastFileOutcome());
  EXPECT_EQ(1000000000, ModifiedAt(path));
  EXPECT_TRUE(ui.questions.empty());

  WriteFile(path, "edited by hand");
  ui.Answer(false);
  EXPECT_FALSE(maker.MakeFixDefFile(path, false));
  EXPECT_EQ(FileOutcome::Declined, maker.LastFileOutcome());
  EXPECT_EQ("edited by hand", ReadFile(path));
  EXPECT_EQ(std::set<std::string>{"fixdef.h"}, Names(dir.path()));

  ui.Answer(true);
  EXPECT_TRUE(maker.MakeFixDefFile(path, false));
  EXPECT_EQ(FileOutcome::Written, maker.LastFileOutcome());
  EXPECT_BYTES_EQ(Golden("headers/fixdef.h"), ReadFile(path));
  EXPECT_EQ(0640u, ModeOf(path)) << "the old file's permission bits are kept";
  EXPECT_EQ(2u, ui.questions.size());
}

TEST_F(FileProtocol, AnIdenticalRewriteAfterYesKeepsTheFileTime) {
  const std::string path = dir / "fixdef.h";
  EXPECT_TRUE(maker.MakeFixDefFile(path, true));
  Backdate(path);
  // A file made or removed in the folder would change the folder's time.
  Backdate(dir.path().string());
  EXPECT_TRUE(maker.MakeFixDefFile(path, true));
  EXPECT_EQ(FileOutcome::Unchanged, maker.LastFileOutcome());
  EXPECT_EQ(1000000000, ModifiedAt(path));
  EXPECT_EQ(1000000000, ModifiedAt(dir.path().string())) << "a temporary file came and went";
}

TEST_F(FileProtocol, AFileLargerThanMemoryHoldsGoesThroughItsTemporaryFile) {
  const std::string path = dir / "large.h";
  std::string text;
  for (int line = 0; text.size() < 3 * 1024 * 1024; ++line) text += "#define FID_" + std::to_string(line) + " 1\r\n";
  auto write = [&] {
    GenFile file(path);
    for (size_t at = 0; at < text.size(); at += 1000) file.Write(std::string_view(text).substr(at, 1000));
    return file.Commit();
  };
  EXPECT_EQ(FileOutcome::Written, write());
  EXPECT_TRUE(ReadFile(path) == text);
  EXPECT_EQ(FileOutcome::Unchanged, write());
  text.back() = '!';
  EXPECT_EQ(FileOutcome::Written, write());
  EXPECT_TRUE(ReadFile(path) == text);
  EXPECT_EQ(std::set<std::string>{"large.h"}, Names(dir.path()));
}

TEST_F(FileProtocol, NewFilesFollowTheCreationMask) {
  const mode_t old = ::umask(027);
  const std::string path = dir / "fixdef.h";
  EXPECT_TRUE(maker.MakeFixDefFile(path, true));
  ::umask(old);
  EXPECT_EQ(0640u, ModeOf(path));
}

// Every failure: reported once by the generator with the file's name and
// the reason, passed on, the old content intact, no temporary file left.
void ExpectFileError(CCodeMaker& maker, ScriptedUI& ui, const std::string& path, const std::string& reason) {
  try {
    maker.MakeFixDefFile(path, true);
    ADD_FAILURE() << "no file error for " << path;
  } catch (const CFileException& error) {
    EXPECT_EQ(path, error.FileName());
    EXPECT_EQ(reason, error.Reason());
    ASSERT_EQ(1u, ui.fileErrors.size());
    EXPECT_NE(std::string::npos, ui.fileErrors[0].find(path));
    EXPECT_NE(std::string::npos, ui.fileErrors[0].find(reason));
  }
}

TEST_F(FileProtocol, MissingFolderIsAFileError) {
  const std::string path = dir / "no/such/folder/fixdef.h";
  ExpectFileError(maker, ui, path, "No such file or directory");
  EXPECT_TRUE(Names(dir.path()).empty());
}

TEST_F(FileProtocol, ReadOnlyTargetIsAFileErrorAndSurvives) {
  const std::string path = dir / "fixdef.h";
  WriteFile(path, "old");
  ::chmod(path.c_str(), 0444);
  ExpectFileError(maker, ui, path, "Permission denied");
  EXPECT_EQ("old", ReadFile(path));
  EXPECT_EQ(std::set<std::string>{"fixdef.h"}, Names(dir.path()));

  // Only a change needs the write: the same bytes in a read-only file are
  // simply unchanged.
  ::chmod(path.c_str(), 0644);
  ASSERT_TRUE(maker.MakeFixDefFile(path, true));
  const std::string written = ReadFile(path);
  ::chmod(path.c_str(), 0444);
  EXPECT_TRUE(maker.MakeFixDefFile(path, true));
  EXPECT_EQ(FileOutcome::Unchanged, maker.LastFileOutcome());
  EXPECT_EQ(written, ReadFile(path));
  EXPECT_EQ(1u, ui.fileErrors.size());
}

TEST_F(FileProtocol, FullDeviceIsAFileError) {
  ExpectFileError(maker, ui, "/dev/full", "No space left on device");
  for (const auto& entry : fs::directory_iterator("/dev")) {
    EXPECT_EQ(std::string::npos, entry.path().filename().string().find(".full.")) << entry.path();
  }
}

TEST_F(FileProtocol, AWriteFailingHalfWayKeepsTheOldContent) {
  const std::string path = dir / "fixdef.h";
  WriteFile(path, "old");
  // A file size limit below the header's size makes the write fail after
  // its first bytes, as a full disk would.
  ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  struct rlimit small = old;
  small.rlim_cur = 100;
  ::setrlimit(RLIMIT_FSIZE, &small);
  ExpectFileError(maker, ui, path, "File too large");
  ::setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ("old", ReadFile(path));
  EXPECT_EQ(std::set<std::string>{"fixdef.h"}, Names(dir.path()));
}

TEST_F(FileProtocol, TargetIsAFolder) {
  fs::create_directory(dir.path() / "fixdef.h");
  EXPECT_TRUE(maker.CheckOverwrite(dir / "fixdef.h", false));  // a folder cannot be read as a file
  EXPECT_TRUE(ui.questions.empty());
  ExpectFileError(maker, ui, dir / "fixdef.h", "Is a directory");
}

TEST_F(FileProtocol, AKillLeavesNoTemporaryFile) {
  // Ctrl-C or a kill at the overwrite question comes while the new text
  // waits in its temporary file. (SIGTERM: a background run ignores SIGINT.)
  const std::string path = dir / "fixdef.h";
  WriteFile(path, "old");
  EXPECT_EXIT(
      {
        GenFile file(path);
        file.Write("new");
        ::raise(SIGTERM);
      },
      ::testing::KilledBySignal(SIGTERM), "");
  EXPECT_EQ("old", ReadFile(path));
  EXPECT_EQ(std::set<std::string>{"fixdef.h"}, Names(dir.path()));
}

TEST_F(FileProtocol, ALinkedTargetIsReplacedBehindTheLink) {
  const std::string real = dir / "real.h";
  const std::string link = dir / "fixdef.h";
  WriteFile(real, "old");
  fs::create_symlink(real, link);
  EXPECT_TRUE(maker.MakeFixDefFile(link, true));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_BYTES_EQ(Golden("headers/fixdef.h"), ReadFile(real));
}

TEST_F(FileProtocol, Utf8OutputConvertsEveryCharacter) {
  Output().utf8 = true;
  const std::string path = dir / "out.h";
  const std::string zhong = G("中");
  {
    GenFile file(path);
    // The lead byte of a character lands at the end of the write buffer.
    file.Write(std::string(64 * 1024 - 1, 'a') + zhong[0]);
    file.Write(zhong.substr(1) + G("文\r\n"));
    file.Commit();
  }
  EXPECT_EQ(std::string(64 * 1024 - 1, 'a') + "中文\r\n", ReadFile(path));
}

TEST_F(FileProtocol, AnUncommittedFileLeavesNothing) {
  const std::string path = dir / "gone.h";
  {
    GenFile file(path);
    file.Write("text");
  }
  EXPECT_TRUE(Names(dir.path()).empty());
}

}  // namespace
}  // namespace ff::test
