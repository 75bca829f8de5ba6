// What the user is told when the database or the file system is in the
// way: the reason in words one can act on, under the program's name.
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "tests/faults/fault_support.h"

namespace ff::test {
namespace {

using Messages = CliFixture;

TEST_F(Messages, AHotJournalIsExplainedAndFileErrorsNameTheProgram) {
  // A writer killed in the middle of a transaction too big for its cache.
  ExecSql(db, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
              "INSERT INTO T156 (ID, F3, F13, F15) SELECT 100000 + i, hex(randomblob(50)), 1, 'X' FROM n;");
  const pid_t writer = ::fork();
  if (writer == 0) {
    sqlite3* conn = nullptr;
    sqlite3_open(db.c_str(), &conn);
    sqlite3_exec(conn, "PRAGMA cache_size=2; BEGIN; UPDATE T156 SET F3 = F3 || 'x';", nullptr, nullptr, nullptr);
    ::kill(::getpid(), SIGKILL);
  }
  ::waitpid(writer, nullptr, 0);
  ASSERT_TRUE(std::filesystem::exists(db + "-journal"));
  CliResult r = Run("modules --kind fos");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.err.find("hot journal")) << r.err;
  EXPECT_NE(std::string::npos, r.err.find("PRAGMA quick_check")) << r.err;

  // The advice works: a program that may write rolls the change back.
  ExecSql(db, "PRAGMA quick_check");
  EXPECT_EQ(0, Run("modules --kind fos").status);

  // A folder that is a file; folders that are missing are made.
  WriteFile(dir / "plain", "");
  r = Run("function --kind fos --module 1 --code KH_LIST --out '" + (dir / "plain/f.cpp") + "'");
  EXPECT_EQ(1, r.status);
  EXPECT_EQ(0u, r.err.rfind("fidforge-cli: ", 0)) << r.err;
  EXPECT_NE(std::string::npos, r.err.find("plain/f.cpp")) << r.err;
  r = Run("--force headers --out '" + (dir / "plain/sub") + "'");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.err.find("cannot create the folder")) << r.err;
  EXPECT_EQ(0, Run("--force headers --out '" + (dir / "a/b/include") + "'").status);
  EXPECT_NE("", ReadFile(dir / "a/b/include/fiddef.h"));
}

TEST_F(Messages, AWriteAheadLogOnReadOnlyMediaIsExplained) {
  ExecSql(db, "PRAGMA journal_mode=WAL;");
  ::chmod(dir.path().c_str(), 0555);
  // The superuser writes anywhere: the reader runs as nobody then.
  const std::string as = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  const std::string command = as + "'" + FF_CLI_PATH + "' --db '" + db + "' modules --kind fos 2>'/tmp/ff-wal-" +
                              std::to_string(::getpid()) + ".txt' >/dev/null";
  const int raw = std::system(command.c_str());
  ::chmod(dir.path().c_str(), 0700);
  const std::string err = ReadFile("/tmp/ff-wal-" + std::to_string(::getpid()) + ".txt");
  std::filesystem::remove("/tmp/ff-wal-" + std::to_string(::getpid()) + ".txt");
  EXPECT_EQ(1, WIFEXITED(raw) ? WEXITSTATUS(raw) : -1) << err;
  EXPECT_NE(std::string::npos, err.find("write-ahead log")) << err;
  EXPECT_NE(std::string::npos, err.find("journal_mode=DELETE")) << err;
}

}  // namespace
}  // namespace ff::test
