// The SQLite side of the host: the dialect adapter, which file a login
// opens or makes, and making a database.
#include <filesystem>

#include "data/embedded_sql.h"
#include "host/db_store.h"
#include "host/record.h"
#include "host/sim_db.h"
#include "host/tsql_dialect.h"
#include "host/tsql_functions.h"
#include "host/config_db.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::G;
using ff::test::U;

// The first value of one query on the shared connection.
std::string One(const std::string& sql) {
  CMemRecord record;
  g_pConfigDB->Cmd(sql);
  g_pConfigDB->SelectInto(&record, true);
  return record.GetCount() ? record.Value(0, 0) : "<no row>";
}

TEST(TsqlDialect, RenamesIsNullCallsOnlyInCode) {
  using ff::tsql::AdaptForSqlite;
  EXPECT_EQ(AdaptForSqlite("SELECT STR(ISNULL(ID, 0)) ID, isnull (F5,1)"),
            "SELECT STR(IFNULL(ID, 0)) ID, IFNULL (F5,1)");
  EXPECT_EQ(AdaptForSqlite("SELECT 'ISNULL(x' , \"ISNULL(\", [ISNULL(] FROM T"),
            "SELECT 'ISNULL(x' , \"ISNULL(\", [ISNULL(] FROM T");
  EXPECT_EQ(AdaptForSqlite("SELECT 'it''s ISNULL(' -- ISNULL(a\n, ISNULL(b,1) /* ISNULL( */"),
            "SELECT 'it''s ISNULL(' -- ISNULL(a\n, IFNULL(b,1) /* ISNULL( */");
  EXPECT_EQ(AdaptForSqlite("WHERE F1 ISNULL AND MYISNULL(F2) AND ISNULLX(F3)"),
            "WHERE F1 ISNULL AND MYISNULL(F2) AND ISNULLX(F3)");
  EXPECT_EQ(AdaptForSqlite("SELECT 中ISNULL(1,2), 中 ISNULL(1,2)"), "SELECT 中ISNULL(1,2), 中 IFNULL(1,2)");
  // (The T-SQL functions themselves are in the store table of tests/odbc.)
  EXPECT_EQ(ff::tsql::FormatStr(1e300, 10), "**********");
}

TEST(OpenStore, AMissingFileIsAnErrorNotANewDatabase) {
  ff::test::SettingsSandbox sandbox;
  ff::test::TempDir dir;
  const std::string missing = dir / "missing.sqlite";
  CSimDB db;
  EXPECT_FALSE(db.Open("sqlite", "sa", "pw", missing.c_str()));
  EXPECT_NE(db.GetLastErrMsg().find("missing.sqlite"), std::string::npos) << db.GetLastErrMsg();
  EXPECT_FALSE(std::filesystem::exists(missing));
  // A bare name other than the demo's is not created either.
  EXPECT_FALSE(db.Open("", "sa", "pw", "Production"));
  EXPECT_FALSE(std::filesystem::exists(ff::DefaultDatabasePath("Production")));
  EXPECT_NE(db.GetLastErrMsg().find("Production"), std::string::npos);
  // A file that is not a database.
  ff::test::WriteFile(dir / "text.sqlite", "just text, no database here at all.........................."
                                          "...............................................................");
  EXPECT_FALSE(db.Open("sqlite", "", "", (dir / "text.sqlite").c_str()));
  EXPECT_FALSE(db.GetLastErrMsg().empty());
}

TEST(OpenStore, RoutesByServerText) {
  ff::test::TempDir dir;
  std::string error;
  ASSERT_TRUE(ff::data::CreateDatabase(dir / "a.sqlite", false, error)) << U(error);
  CSimDB db;
  EXPECT_TRUE(db.Open("sqlite", "", "", (dir / "a.sqlite").c_str()));
  EXPECT_TRUE(db.Open("SQLite:", "", "", (dir / "a.sqlite").c_str()));
  EXPECT_TRUE(db.Open(("sqlite:" + (dir / "a.sqlite")).c_str(), "", "", ""));
  // A file typed after "sqlite:" wins over the login's database text.
  EXPECT_TRUE(db.Open(("sqlite:" + (dir / "a.sqlite")).c_str(), "sa", "", "NoSuchDatabase"));
  // Anything else goes to ODBC, whose own error comes back.
  EXPECT_FALSE(db.Open("odbc:DSN=FidForgeNoSuchSource", "sa", "482913", "Developer"));
  EXPECT_FALSE(db.IsOpen());
  EXPECT_FALSE(db.GetLastErrMsg().empty());
}

TEST(OpenStore, TheDefaultLoginCreatesAndOpensTheDemo) {
  ff::test::SettingsSandbox sandbox;
  const std::string path = ff::DefaultDatabasePath("Developer");
  EXPECT_EQ(path, (sandbox.dir().path() / "data" / "fidforge" / "Developer.sqlite").string());
  ASSERT_FALSE(std::filesystem::exists(path));
  ASSERT_TRUE(ConnectConfigDB("sqlite", "sa", "482913", "Developer"));
  EXPECT_TRUE(std::filesystem::exists(path));
  // The schema is there (the rows are the demo's business).
  EXPECT_EQ(One("SELECT count(*) FROM sqlite_master WHERE name = 'T471'"), "1");
  // A second login opens the same file.
  ASSERT_TRUE(ConnectConfigDB("", "sa", "482913", "Developer"));
  DisconnectConfigDB();
}

TEST(CreateDatabase, RefusesAnExistingFileAndCleansUpAfterAFailure) {
  ff::test::TempDir dir;
  std::string error;
  const std::string path = dir / "x.sqlite";
  ff::test::WriteFile(path, "keep");
  EXPECT_FALSE(ff::data::CreateDatabase(path, true, error));
  EXPECT_NE(error.find("exists"), std::string::npos);
  EXPECT_EQ(ff::test::ReadFile(path), "keep");

  const std::string bad = dir / "bad.sqlite";
  EXPECT_FALSE(ff::data::CreateDatabaseWith(bad, "INSERT INTO NOPE VALUES (1);", error));
  EXPECT_NE(error.find("NOPE"), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(bad));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no leftovers
}

}  // namespace
