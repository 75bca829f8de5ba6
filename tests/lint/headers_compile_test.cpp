// The definition headers of the demo database compile cleanly with the
// strictest everyday flags, and lint's macro rule agrees with the compiler
// about a database whose FOS and BLS codes share a name.
#include <cstdlib>
#include <string>

#include "codetext/code_maker.h"
#include "host/config_db.h"
#include "host/sim_db.h"
#include "lint/lint_run.h"
#include "tests/support/test_support.h"

namespace {

bool HaveCompiler() { return std::system("command -v g++ >/dev/null 2>&1") == 0; }

// Writes the five headers of the connected database into `dir`.
void WriteHeaders(const ff::test::TempDir& dir) {
  ff::test::ScriptedUI ui;
  CCodeMaker maker;
  maker.SetAuthor("lint");
  ASSERT_TRUE(maker.MakeFidDefFile(dir / "fiddef.h", true));
  ASSERT_TRUE(maker.MakeFosDefFile(dir / "fosdef.h", true));
  ASSERT_TRUE(maker.MakeBlsDefFile(dir / "blsdef.h", true));
  ASSERT_TRUE(maker.MakeSysDefFile(dir / "sysdef.h", true));
  ASSERT_TRUE(maker.MakeFixDefFile(dir / "fixdef.h", true));
  ASSERT_TRUE(ui.fileErrors.empty());
}

// Compiles a source that includes fixdef.h and sysdef.h; the compiler's
// messages go to `log`.
int Compile(const ff::test::TempDir& dir, const std::string& log) {
  ff::test::WriteFile(dir / "use.cpp", "#include \"fixdef.h\"\n#include \"sysdef.h\"\nint main() { return 0; }\n");
  const std::string command = "cd '" + dir.path().string() +
                              "' && g++ -std=c++17 -Wall -Werror -finput-charset=GBK -fsyntax-only use.cpp >'" + log +
                              "' 2>&1";
  return std::system(command.c_str());
}

TEST(GeneratedHeaders, DemoHeadersCompileWithWerror) {
  if (!HaveCompiler()) GTEST_SKIP() << "no g++ on this machine";
  ff::test::TestDatabase db({}, true);
  ff::test::TempDir dir;
  WriteHeaders(dir);
  const std::string log = dir / "g++.log";
  EXPECT_EQ(Compile(dir, log), 0) << ff::test::ReadFile(log);
  const ff::lint::LintResult lint = ff::lint::RunLint(*g_pConfigDB);
  ASSERT_TRUE(lint.ok);
  for (const ff::lint::Finding& finding : lint.findings) EXPECT_NE(finding.rule, "macro-redefined");
}

TEST(GeneratedHeaders, ACodeSharedByFosAndBlsBreaksTheBuildAndTheLintSaysSo) {
  if (!HaveCompiler()) GTEST_SKIP() << "no g++ on this machine";
  ff::test::TestDatabase db(
      "INSERT INTO T151 VALUES (1, 'FID_KHH', '客户号', 1, NULL);"
      "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (10, 1001, 'KH_OPEN', '开户', 1);"
      "INSERT INTO T161 (ID, F1, F2, F3, F7) VALUES (20, 2001, 'KH_OPEN', '开户', 2);");
  ff::test::TempDir dir;
  WriteHeaders(dir);
  const std::string log = dir / "g++.log";
  EXPECT_NE(Compile(dir, log), 0);
  EXPECT_NE(ff::test::ReadFile(log).find("KH_OPEN"), std::string::npos) << ff::test::ReadFile(log);
  const ff::lint::LintResult lint = ff::lint::RunLint(*g_pConfigDB);
  ASSERT_TRUE(lint.ok);
  ASSERT_FALSE(lint.findings.empty());
  EXPECT_EQ(lint.findings.front().rule, "macro-redefined");
  EXPECT_EQ(lint.findings.front().severity, ff::lint::Severity::Error);
}

}  // namespace
