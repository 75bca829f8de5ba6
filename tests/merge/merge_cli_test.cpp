// fidforge-cli module --merge as a programmer lives with it: generate,
// write code by hand, change the database, merge; and what it refuses.
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "host/gbk_text.h"
#include "tests/support/cli_run.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::G;
using ff::test::ReadFile;
using ff::test::WriteFile;

class MergeCommand : public ::testing::Test {
 protected:
  using Result = ff::test::CliResult;

  Result Run(const std::string& args) {
    return ff::test::RunFidforgeCli("--db '" + db + "' --author dev " + args, dir.path().string(),
                                    "SOURCE_DATE_EPOCH=1141560000");
  }
  void Sql(const std::string& sql) {
    ASSERT_EQ(0, std::system(("sqlite3 '" + db + "' \"" + sql + "\"").c_str()));
  }

  ff::test::SettingsSandbox sandbox;
  ff::test::TempDir dir;
  std::string db = dir / "demo.sqlite";
  std::string out = dir / "gen/fos";  // not there yet: made by the command
  void SetUp() override { ASSERT_EQ(Run("init-demo '" + db + "'").status, 0); }
};

TEST_F(MergeCommand, HandWrittenCodeSurvivesDatabaseChanges) {
  ASSERT_EQ(0, Run("--force module --kind fos --module 1 --out '" + out + "'").status);
  const std::string source = out + "/Process.cpp";
  const std::string generated = ReadFile(source);

  // Unedited: the merge gives the bytes of a fresh generation.
  Result r = Run("--force module --kind fos --module 1 --out '" + out + "' --merge");
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_EQ(generated, ReadFile(source));
  EXPECT_NE(std::string::npos, r.out.find("unchanged: " + source)) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("merged: " + source + ": functions refreshed 0, kept as edited 0")) << r.out;

  // SQL by hand in the first function, a helper at the end.
  std::string edited = generated;
  const std::string placeholder = "    pDB->Cmd(\"SELECT '...' \");\r\n";
  const std::string mine = G("    pDB->Cmd(\"SELECT KHXM FROM TKHXX\"); // 手写\r\n");
  edited.replace(edited.find(placeholder), placeholder.size(), mine);
  edited += "static int Helper() { return 1; }\r\n";
  WriteFile(source, edited);

  // A parameter added, a function dropped, a function added.
  Sql("INSERT INTO T156 VALUES (1099, 104, 'ZJBH', 1, 0, 1, 101, 'FID_ZJBH');"
      "DELETE FROM T154 WHERE ID = 102;"
      "INSERT INTO T154 VALUES (199, 1099, 'KH_NEW', 'NEW', NULL, 1, NULL, NULL, 0);");
  r = Run("--force module --kind fos --module 1 --out '" + out + "' --merge");
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_NE(std::string::npos,
            r.out.find("merged: " + source + ": functions refreshed 1, kept as edited 1, added 1 (Kh_New), retired 0, "
                       "restored 0, conflicts 0, removed unedited 1 (Kh_Open)"))
      << r.out;
  const std::string merged = ReadFile(source);
  EXPECT_NE(std::string::npos, merged.find(mine));
  EXPECT_NE(std::string::npos, merged.find("GetItem( FID_ZJBH )"));
  EXPECT_NE(std::string::npos, merged.find("long Kh_New( struct Service_Module* pModule )\r\n{"));
  EXPECT_NE(std::string::npos, merged.find("static int Helper() { return 1; }\r\n"));
  EXPECT_EQ(std::string::npos, merged.find("Kh_Open"));  // nobody had edited it

  // Twice is once.
  r = Run("--force module --kind fos --module 1 --out '" + out + "' --merge");
  EXPECT_EQ(0, r.status);
  EXPECT_EQ(merged, ReadFile(source));
}

TEST_F(MergeCommand, DamagedFileIsRefusedAndLeftAlone) {
  ASSERT_EQ(0, Run("--force module --kind fos --module 1 --out '" + out + "'").status);
  const std::string source = out + "/Process.cpp";
  const std::string header = out + "/Process.h";
  std::string damaged = ReadFile(source);
  const size_t end = damaged.find("    //##EndSQL");
  damaged.erase(end, damaged.find('\n', end) + 1 - end);  // the first end marker
  WriteFile(source, damaged);
  WriteFile(header, "old header\r\n");
  const int line = 1 + static_cast<int>(std::count(damaged.begin(), damaged.begin() + damaged.find("    //##BeginSQL"), '\n'));

  const Result r = Run("--force module --kind fos --module 1 --out '" + out + "' --merge");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.err.find(source + ":" + std::to_string(line) + ": //##BeginSQL without its //##EndSQL"))
      << r.err;
  EXPECT_EQ(damaged, ReadFile(source));
  EXPECT_EQ("old header\r\n", ReadFile(header));  // nothing of the module is touched
}

TEST_F(MergeCommand, Utf8FilesMergeOnlyAsUtf8) {
  ASSERT_EQ(0, Run("--force --encoding utf-8 module --kind bls --all --out '" + out + "'").status);
  const std::string source = out + "/21/Process.cpp";
  std::string edited = ReadFile(source);
  const std::string step = "    pClient->DirectToDest();\r\n";
  const size_t at = edited.find(step);
  ASSERT_NE(std::string::npos, at);
  edited.insert(at, "    // 先记日志 乗|亅\r\n");  // UTF-8, as the file is
  WriteFile(source, edited);

  Result r = Run("--force module --kind bls --all --out '" + out + "' --merge");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.err.find(source + ":2: UTF-8 text")) << r.err;
  EXPECT_EQ(edited, ReadFile(source));

  r = Run("--force --encoding utf-8 module --kind bls --all --out '" + out + "' --merge");
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_EQ(edited, ReadFile(source));
  EXPECT_NE(std::string::npos, r.out.find("merged: " + source + ": functions refreshed 0, kept as edited 1")) << r.out;
}

TEST_F(MergeCommand, OutputFoldersAreMadeWhenMissing) {
  Result r = Run("--force headers --out '" + (dir / "a/b/include") + "'");
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_NE("", ReadFile(dir / "a/b/include/fiddef.h"));
  r = Run("--force module --kind bls --module 21 --out '" + (dir / "c/d") + "'");
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_NE("", ReadFile(dir / "c/d/Process.h"));

  WriteFile(dir / "file", "x");
  r = Run("--force headers --out '" + (dir / "file/sub") + "'");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.err.find("cannot create the folder")) << r.err;
}

}  // namespace
