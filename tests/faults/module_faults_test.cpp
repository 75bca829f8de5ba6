// Module ids and function codes that do not survive the way through the
// database: no module overwrites another or lands in the output root, and
// a function without a body is named.
#include <filesystem>
#include <set>

#include "tests/faults/fault_support.h"

namespace ff::test {
namespace {

using ModuleIds = CliFixture;

TEST_F(ModuleIds, EveryModuleGetsItsOwnFolderOrIsReportedAndSkipped) {
  ExecSql(db, "DELETE FROM T158;"
              "INSERT INTO T158 VALUES (12345678901, 'eleven digits A', 'BIG_A');"
              "INSERT INTO T158 VALUES (98765432109, 'eleven digits B', 'BIG_B');"
              "INSERT INTO T158 VALUES (NULL, 'no id', 'NO_ID');"
              "INSERT INTO T158 VALUES ('../x', 'text id', 'TEXT_ID');"
              "INSERT INTO T158 VALUES (1.5, 'fraction', 'HALF');"
              "INSERT INTO T158 VALUES (7, 'first seven', 'SEVEN');"
              "INSERT INTO T158 VALUES (7, 'second seven', 'SEVEN_AGAIN');"
              "UPDATE T154 SET F26 = 12345678901 WHERE F19 = 'KH_LIST';"
              "UPDATE T154 SET F26 = 98765432109 WHERE F19 = 'KH_OPEN';");
  const CliResult r = Run("--force module --kind fos --all --out '" + out() + "'");
  EXPECT_EQ(1, r.status);
  for (const char* skipped : {"NO_ID", "TEXT_ID", "HALF", "SEVEN_AGAIN"}) {
    EXPECT_NE(std::string::npos, r.err.find(std::string("FOS module \"") + skipped + "\"")) << r.err;
  }
  // Three folders, each with its own module's functions; nothing in the root.
  std::set<std::string> folders;
  for (const auto& entry : std::filesystem::directory_iterator(out())) {
    folders.insert(entry.path().filename().string());
    EXPECT_TRUE(entry.is_directory()) << entry.path();
  }
  EXPECT_EQ((std::set<std::string>{"12345678901", "98765432109", "7"}), folders);
  EXPECT_NE(std::string::npos, ReadFile(out() + "/12345678901/Process.cpp").find("//KH_LIST"));
  EXPECT_EQ(std::string::npos, ReadFile(out() + "/12345678901/Process.cpp").find("//KH_OPEN"));
  EXPECT_NE(std::string::npos, ReadFile(out() + "/98765432109/Process.cpp").find("//KH_OPEN"));
  EXPECT_NE(std::string::npos, ReadFile(out() + "/7/Process.cpp").find("first seven"));

  // One module by its exact id, as `functions` lists it.
  EXPECT_NE(std::string::npos, Run("functions --kind fos --module 12345678901").out.find("KH_LIST"));
  const CliResult one = Run("--force module --kind fos --module 12345678901 --out '" + (dir / "one") + "'");
  EXPECT_EQ(0, one.status) << one.err;
  EXPECT_EQ(ReadFile(out() + "/12345678901/Process.cpp"), ReadFile(dir / "one/Process.cpp"));
}

TEST_F(ModuleIds, AFunctionWhoseCodeDoesNotComeBackIsNamedAfterTheFilesAreWritten) {
  // A NULL code, a code with a byte that is no text, one with a NUL.
  ExecSql(db, "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (901, 9001, NULL, 'null code', 1);"
              "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (902, 9002, CAST(X'4BFF4C' AS TEXT), 'bad', 1);"
              "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (903, 9003, CAST(X'4B004C' AS TEXT), 'nul', 1);");
  const CliResult r = Run("--force module --kind fos --module 1 --out '" + out() + "'");
  EXPECT_EQ(1, r.status);
  for (const char* number : {"9001", "9002", "9003"}) {
    EXPECT_NE(std::string::npos, r.err.find(std::string("FOS function ") + number)) << r.err;
  }
  EXPECT_NE(std::string::npos, r.err.find("has no body")) << r.err;
  // The files are written as the generator makes them, the good functions whole.
  const std::string header = ReadFile(out() + "/Process.h"), source = ReadFile(out() + "/Process.cpp");
  EXPECT_NE(std::string::npos, header.find("9003"));
  EXPECT_NE(std::string::npos, source.find("//KH_LIST"));
  EXPECT_EQ(std::string::npos, source.find("9002"));
}

}  // namespace
}  // namespace ff::test
