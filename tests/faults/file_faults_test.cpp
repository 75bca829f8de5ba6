// The file writer where the file system is in the way: one table of
// injected faults, a folder that takes no new file, the longest names,
// links, other users' files, what a killed run left behind, another run in
// the same folder.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>

#include "codetext/file_writer.h"
#include "host/file_error.h"
#include "tests/faults/fault_support.h"

namespace ff::test {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

FileOutcome Write(const std::string& path, const std::string& bytes) {
  FileWriter writer;
  return writer.Write(GenFile(path, bytes), true);
}

// A fault, the file it hits, and the reason the report must give. Each is
// reported once, naming the file; the old bytes stay; no temporary file.
struct FileFault {
  const char* name;
  std::function<std::string(const TempDir& dir)> arrange;  // the target
  const char* reason;
};

void PrintTo(const FileFault& fault, std::ostream* os) { *os << fault.name; }

class InjectedFault : public ::testing::TestWithParam<FileFault> {};

TEST_P(InjectedFault, IsReportedOnceAndLeavesTheOldBytes) {
  ScriptedUI ui;
  TempDir dir;
  const std::string target = GetParam().arrange(dir);
  const std::string before = fs::is_regular_file(target) ? ReadFile(target) : "";
  ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  if (std::string(GetParam().name) == "FileSizeLimit") {
    struct rlimit small = old;
    small.rlim_cur = 100;  // the write fails after its first bytes, as a full disk would
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  try {
    Write(target, std::string(4096, 'x'));
    ADD_FAILURE() << "no file error";
  } catch (const CFileException& error) {
    EXPECT_EQ(target, error.FileName());
    EXPECT_EQ(GetParam().reason, error.Reason());
  }
  ::setrlimit(RLIMIT_FSIZE, &old);
  ASSERT_EQ(1u, ui.fileErrors.size());
  EXPECT_NE(std::string::npos, ui.fileErrors[0].find(target));
  EXPECT_NE(std::string::npos, ui.fileErrors[0].find(GetParam().reason));
  if (fs::is_regular_file(target)) {
    EXPECT_EQ(before, ReadFile(target));
  }
  for (const std::string& name : Names(dir.path())) EXPECT_NE('.', name[0]) << name;
}

INSTANTIATE_TEST_SUITE_P(
    FileWriter, InjectedFault,
    ::testing::Values(
        FileFault{"MissingFolder", [](const TempDir& d) { return d / "no/such/fiddef.h"; },
                  "No such file or directory"},
        FileFault{"ReadOnlyTarget",
                  [](const TempDir& d) {
                    WriteFile(d / "fiddef.h", "old");
                    ::chmod((d / "fiddef.h").c_str(), 0444);
                    return d / "fiddef.h";
                  },
                  "Permission denied"},
        FileFault{"FullDevice", [](const TempDir&) { return std::string("/dev/full"); }, "No space left on device"},
        FileFault{"FileSizeLimit",
                  [](const TempDir& d) {
                    WriteFile(d / "fiddef.h", "old");
                    return d / "fiddef.h";
                  },
                  "File too large"},
        FileFault{"TargetIsAFolder",
                  [](const TempDir& d) {
                    fs::create_directory(d / "fiddef.h");
                    return d / "fiddef.h";
                  },
                  "Is a directory"},
        FileFault{"LinkIntoAMissingFolder",
                  [](const TempDir& d) {
                    fs::create_symlink("nowhere/x.h", d / "fiddef.h");
                    return d / "fiddef.h";
                  },
                  "No such file or directory"}),
    [](const auto& info) { return std::string(info.param.name); });

// Only a change needs the write: the same bytes in a read-only file are
// simply unchanged, however often (no descriptor is kept open).
TEST(FileWriter, AReadOnlyFileWithTheSameBytesIsUnchanged) {
  TempDir dir;
  WriteFile(dir / "fixed.h", "same");
  ::chmod((dir / "fixed.h").c_str(), 0444);
  struct rlimit old {}, few {};
  ::getrlimit(RLIMIT_NOFILE, &old);
  few = old;
  few.rlim_cur = 128;
  ::setrlimit(RLIMIT_NOFILE, &few);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(FileOutcome::Unchanged, Write(dir / "fixed.h", "same")) << i;
  ::setrlimit(RLIMIT_NOFILE, &old);
}

// Ctrl-C or a kill at the overwrite question comes while the new bytes
// wait in their temporary file. (SIGTERM: a background run ignores SIGINT.)
TEST(FileWriter, AKillAtTheQuestionLeavesNoTemporaryFile) {
  TempDir dir;
  WriteFile(dir / "fixdef.h", "old");
  EXPECT_EXIT(
      {
        FileWriter writer;
        FileWriter::Staged staged = writer.Stage(GenFile(dir / "fixdef.h", "new"), true);
        ::raise(SIGTERM);
      },
      ::testing::KilledBySignal(SIGTERM), "");
  EXPECT_EQ("old", ReadFile(dir / "fixdef.h"));
  EXPECT_EQ(std::set<std::string>{"fixdef.h"}, Names(dir.path()));
}

TEST(FileWriter, AFolderThatTakesNoNewFileStillLetsAWritableFileBeRewrittenInPlace) {
  TempDir dir;
  const std::string folder = dir / "locked", target = dir / "locked/Process.cpp";
  fs::create_directory(folder);
  WriteFile(target, "old bytes");
  ::chmod(target.c_str(), 0666);
  ::chmod(dir.path().c_str(), 0755);
  ::chmod(folder.c_str(), 0555);
  // The superuser may create files anywhere: the writer runs as nobody then.
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(3);
    try {
      Write(target, "new bytes, longer than the old");
      Write(target, "short");
      ::_exit(Write(target, "short") == FileOutcome::Unchanged ? 0 : 2);
    } catch (const CFileException&) {
      ::_exit(1);
    }
  }
  int status = -1;
  ::waitpid(child, &status, 0);
  ::chmod(folder.c_str(), 0755);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ("short", ReadFile(target));
  EXPECT_EQ((std::set<std::string>{"Process.cpp"}), Names(folder));
}

TEST(FileWriter, TheLongestNameALinkAndAnotherUsersFile) {
  TempDir dir;
  // A name of NAME_MAX bytes: the temporary name must not be longer.
  const std::string longName = dir / std::string(255, 'n');
  Write(longName, "long");
  EXPECT_EQ("long", ReadFile(longName));
  // A dangling link, relative or absolute, gets its file where it points;
  // the link stays.
  fs::create_directory(dir / "real");
  fs::create_symlink("real/missing.h", dir / "link.h");
  fs::create_symlink(dir / "real/absolute.h", dir / "absolute.h");
  Write(dir / "link.h", "through the link");
  Write(dir / "link.h", "again");
  Write(dir / "absolute.h", "absolute");
  EXPECT_TRUE(fs::is_symlink(dir / "link.h") && fs::is_symlink(dir / "absolute.h"));
  EXPECT_EQ("again", ReadFile(dir / "real/missing.h"));
  EXPECT_EQ("absolute", ReadFile(dir / "real/absolute.h"));
  EXPECT_EQ((std::set<std::string>{std::string(255, 'n'), "real", "link.h", "absolute.h"}), Names(dir.path().string()));

  if (::geteuid() != 0) GTEST_SKIP() << "only the superuser rewrites another user's file";
  const std::string theirs = dir / "theirs.h";
  WriteFile(theirs, "theirs");
  ASSERT_EQ(0, ::chown(theirs.c_str(), kNobody, kNobody));
  ::chmod(theirs.c_str(), 0640);
  Write(theirs, "rewritten by root");
  struct stat st {};
  ASSERT_EQ(0, ::stat(theirs.c_str(), &st));
  EXPECT_EQ(kNobody, st.st_uid);
  EXPECT_EQ(kNobody, st.st_gid);
  EXPECT_EQ(0640u, st.st_mode & 07777);
  EXPECT_EQ("rewritten by root", ReadFile(theirs));
}

TEST(FileWriter, ATemporaryFileOfAKilledRunGoesWithTheNextWriteOfItsTarget) {
  TempDir dir;
  // A run killed with -9 while its file waits in its temporary file.
  const pid_t killed = ::fork();
  if (killed == 0) {
    FileWriter writer;
    FileWriter::Staged staged = writer.Stage(GenFile(dir / "Process.cpp", "half"), true);
    ::kill(::getpid(), SIGKILL);
  }
  ::waitpid(killed, nullptr, 0);
  const std::string left = "." "Process.cpp." + std::to_string(killed) + ".";
  bool found = false;
  for (const std::string& name : Names(dir.path().string())) found |= name.rfind(left, 0) == 0;
  ASSERT_TRUE(found);
  // Not ours to remove: a live writer's file, a file of another name.
  const std::string live = dir / ".Process.cpp.1.abcdef", other = dir / ".Process.h.999999999.abcdef";
  WriteFile(live, "");
  WriteFile(other, "");

  Write(dir / "Process.cpp", "whole");
  EXPECT_EQ((std::set<std::string>{"Process.cpp", ".Process.cpp.1.abcdef", ".Process.h.999999999.abcdef"}),
            Names(dir.path().string()));
}

// Another run holds the output folder: each writing command waits, then
// names the holder and touches nothing; once it lets go the run goes on.
TEST_F(CliFixture, ASecondRunIntoOneFolderWaitsThenNamesTheHolder) {
  for (const std::string& folder : {out() + "/fos", out() + "/site"}) {
    fs::create_directories(folder);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(0, ::flock(fd, LOCK_EX));
    const std::string command = folder.ends_with("fos") ? "module --kind fos --all --out '" + folder + "'"
                                                        : "docs --out '" + folder + "'";
    const CliResult held = Run("--force " + command);
    EXPECT_EQ(1, held.status) << command;
    EXPECT_NE(std::string::npos, held.err.find("process " + std::to_string(::getpid()))) << held.err;
    EXPECT_TRUE(FolderBytes(folder).empty()) << command;
    ::close(fd);
    const CliResult free = Run("--force " + command);
    EXPECT_EQ(0, free.status) << free.err;
    // The lock is the folder's own: no file is added for it.
    for (const auto& [name, bytes] : FolderBytes(folder)) EXPECT_NE('.', name[0]) << name;
  }
}

}  // namespace
}  // namespace ff::test
