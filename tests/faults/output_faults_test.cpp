// Standard output and the database name as a pipeline gets them wrong.
#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "tests/faults/fault_support.h"

namespace ff::test {
namespace {

// Runs `shell` (which refers to the program as $CLI and the database as
// $DB) with bash; the status of the program itself.
CliResult Shell(const std::string& shell, const std::string& db, const std::string& errFile) {
  const std::string command = "CLI='" + std::string(FF_CLI_PATH) + "' DB='" + db + "' bash -c '" + shell +
                              "' 2>'" + errFile + "' </dev/null";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, "", ReadFile(errFile)};
}

using StandardOutput = CliFixture;

TEST_F(StandardOutput, AFailedWriteFailsTheCommandAndAClosedPipeEndsItQuietly) {
  const std::string err = dir / "err.txt";
  for (const char* command : {"function --kind fos --module 1 --code KH_LIST", "snippet --module 21 --code QUERY_USER",
                              "modules --kind bls", "functions --kind fos --module 1", "check-fids",
                              "lint", "--force headers --out \"$0\""}) {
    for (const auto& [target, reason] : {std::pair{">/dev/full", "No space left on device"},
                                         std::pair{">&-", "Bad file descriptor"}}) {
      const std::string shell = std::string("\"$CLI\" --db \"$DB\" ") + command + " " + target;
      // The headers command writes its report lines on standard output.
      const CliResult r = Shell(shell + "' '" + out(), db, err);
      EXPECT_EQ(1, r.status) << shell;
      EXPECT_EQ(std::string("fidforge-cli: cannot write to standard output: ") + reason + "\n", r.err) << shell;
    }
  }
  // Far more than a pipe holds, read by a reader that stops at once.
  ExecSql(db, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50000) "
              "INSERT INTO T154 (ID, F18, F19, F22, F26) SELECT 100000 + i, i, 'F' || i, 'name', 1 FROM n;");
  const CliResult r = Shell("\"$CLI\" --db \"$DB\" functions --kind fos --module 1 | head -c 10 >/dev/null; "
                            "exit ${PIPESTATUS[0]}", db, err);
  EXPECT_EQ(128 + SIGPIPE, r.status);
  EXPECT_EQ("", r.err);
}

TEST_F(StandardOutput, AnEmptyDatabaseNameIsAUsageErrorNeverTheDemoDatabase) {
  const std::string err = dir / "err.txt";
  const auto demo = sandbox.dir().path() / "data" / "fidforge";
  for (const char* shell : {"\"$CLI\" --db \"\" modules --kind fos", "FIDFORGE_DB= \"$CLI\" modules --kind fos",
                            "FIDFORGE_DB=\"$DB\" \"$CLI\" --db \"\" check-fids"}) {
    const CliResult r = Shell(shell, db, err);
    EXPECT_EQ(2, r.status) << shell;
    EXPECT_EQ(0u, r.err.rfind("fidforge-cli: ", 0)) << r.err;
    EXPECT_NE(std::string::npos, r.err.find("empty")) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(demo));
  // The variable names the database when --db is not given.
  EXPECT_EQ(0, Shell("FIDFORGE_DB=\"$DB\" \"$CLI\" modules --kind fos >/dev/null", db, err).status) << ReadFile(err);
}

// Text from the database that GBK cannot hold reaches every UTF-8 output
// as it is; only the generated C++, which is GBK, gets '?'.
TEST_F(StandardOutput, UtfEightOutputsKeepWhatGbkLacks) {
  ExecSql(db, "UPDATE T158 SET F3 = 'KH' || char(0x1F600) || 'GL', F2 = 'A' || char(0x2028) || 'B' WHERE ID = 1");
  const std::string emoji = "KH\xF0\x9F\x98\x80GL";
  EXPECT_NE(std::string::npos, Run("modules --kind fos").out.find(emoji));
  const std::string json = Run("modules --kind fos --format json").out;
  EXPECT_NE(std::string::npos, json.find(emoji)) << json;
  EXPECT_NE(std::string::npos, json.find("A\\u2028B")) << json;
  ASSERT_EQ(0, Run("--force docs --out '" + out() + "/site'").status);
  bool onPage = false;
  for (const auto& [name, bytes] : FolderBytes(out() + "/site")) onPage |= bytes.find(emoji) != std::string::npos;
  EXPECT_TRUE(onPage);
  ExecSql(db, "INSERT INTO T151 VALUES (99999, 'FID_UNUSED', 'KH' || char(0x1F600) || 'GL', 4, '')");
  const std::string fids = Run("check-fids --format json").out;
  EXPECT_NE(std::string::npos, fids.find(emoji)) << fids;
  const std::string lint = Run("lint --format json").out;
  EXPECT_NE(std::string::npos, lint.find(emoji)) << lint;
  EXPECT_EQ(std::string::npos, lint.find("KH?GL")) << lint;
  ASSERT_EQ(0, Run("--force module --kind fos --module 1 --out '" + out() + "/m'").status);
  EXPECT_NE(std::string::npos, ReadFile(out() + "/m/Process.h").find("KH?GL"));
}

}  // namespace
}  // namespace ff::test
