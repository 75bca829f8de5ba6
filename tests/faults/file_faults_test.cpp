// The file writer where the file system is in the way: a folder that takes
// no new file, the longest names, links, other users' files, and what a
// killed run left behind.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "codetext/gen_file.h"
#include "host/file_error.h"
#include "tests/faults/fault_support.h"

namespace ff::test {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

void Write(const std::string& path, const std::string& bytes) {
  GenFile file(path);
  file.Write(bytes);
  file.Commit();
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
      Write(target, "short");  // unchanged: no write at all
    } catch (const CFileException&) {
      ::_exit(1);
    }
    ::_exit(0);
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

  // A dangling link gets its file where it points; the link stays.
  fs::create_directory(dir / "real");
  fs::create_symlink("real/missing.h", dir / "link.h");
  Write(dir / "link.h", "through the link");
  EXPECT_TRUE(fs::is_symlink(dir / "link.h"));
  EXPECT_EQ("through the link", ReadFile(dir / "real/missing.h"));
  // A link to a link to a link, the last one dangling into a missing folder.
  fs::create_symlink("nowhere/x.h", dir / "a.h");
  EXPECT_THROW(Write(dir / "a.h", "x"), CFileException);
  EXPECT_TRUE(fs::is_symlink(dir / "a.h"));
  EXPECT_EQ((std::set<std::string>{std::string(255, 'n'), "real", "link.h", "a.h"}), Names(dir.path().string()));

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
    GenFile file(dir / "Process.cpp");
    file.Write("half");
    file.Finish();
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

}  // namespace
}  // namespace ff::test
