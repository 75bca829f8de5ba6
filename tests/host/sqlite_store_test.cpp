#include <sys/stat.h>

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

// Runs one query on the shared connection; the values of the first column.
std::vector<std::string> Column(const std::string& utf8Sql, CMemRecord* into = nullptr) {
  CMemRecord local;
  CMemRecord& record = into ? *into : local;
  g_pConfigDB->Cmd(G(utf8Sql));
  g_pConfigDB->SelectInto(&record, true);
  std::vector<std::string> values;
  for (record.GoTop(); !record.Eof(); record.Skip(1)) values.push_back(record.Value(record.CurrentRow(), 0));
  return values;
}

std::string One(const std::string& utf8Sql) {
  auto values = Column(utf8Sql);
  return values.empty() ? "<no row>" : values[0];
}

TEST(TsqlFunctions, StrAlignsRoundsAndOverflows) {
  ff::test::TestDatabase db;
  EXPECT_EQ(One("SELECT STR(12)"), "        12");
  EXPECT_EQ(One("SELECT STR(-12)"), "       -12");
  EXPECT_EQ(One("SELECT ISNULL(STR(NULL), 'null')"), "null");
  EXPECT_EQ(One("SELECT STR(2.5)"), "         3");    // halves away from zero
  EXPECT_EQ(One("SELECT STR(-2.5)"), "        -3");
  EXPECT_EQ(One("SELECT STR(-0.4)"), "         0");    // no negative zero
  EXPECT_EQ(One("SELECT STR(3.14159, 8, 2)"), "    3.14");
  EXPECT_EQ(One("SELECT STR(0.125, 6, 2)"), "  0.13");
  EXPECT_EQ(One("SELECT STR(7, 5, 1)"), "  7.0");
  EXPECT_EQ(One("SELECT STR(123456, 5)"), "*****");
  EXPECT_EQ(One("SELECT STR(-1234, 5)"), "-1234");
  EXPECT_EQ(One("SELECT STR(12345678901)"), "**********");
  EXPECT_EQ(One("SELECT STR('abc')"), "         0");    // not a number
  EXPECT_EQ(One("SELECT STR(' 42')"), "        42");    // text that is one
  EXPECT_EQ(ff::tsql::FormatStr(1e300, 10), "**********");
}

TEST(TsqlFunctions, IsNullAndDataLength) {
  ff::test::TestDatabase db;
  EXPECT_EQ(One("SELECT ISNULL(NULL, 5)"), "5");
  EXPECT_EQ(One("SELECT isnull ('a', 'b')"), "a");
  EXPECT_EQ(One("SELECT DATALENGTH('客户号')"), "6");     // GBK bytes, not UTF-8's 9
  EXPECT_EQ(One("SELECT DATALENGTH('FID_KHH  ')"), "9");
  EXPECT_EQ(One("SELECT DATALENGTH(RTRIM('客户 '))"), "4");
  EXPECT_EQ(One("SELECT ISNULL(DATALENGTH(NULL), -1)"), "-1");
}

TEST(TsqlFunctions, LenCountsCharactersWithoutTrailingBlanks) {
  ff::test::TestDatabase db;
  EXPECT_EQ(One("SELECT LEN('客户号')"), "3");
  EXPECT_EQ(One("SELECT LEN(' a?  ')"), "3");
  EXPECT_EQ(One("SELECT LEN('   ')"), "0");
  EXPECT_EQ(One("SELECT LEN(12345)"), "5");
  EXPECT_EQ(One("SELECT ISNULL(LEN(NULL), -1)"), "-1");
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
}

TEST(SqliteStore, ChineseCaptionsNullsAndTrailingBlanks) {
  ff::test::TestDatabase db(
      "INSERT INTO T158 VALUES (1, '客户模块', 'KH  ');"
      "INSERT INTO T158 VALUES (2, NULL, 'ZJ');");
  CMemRecord record;
  g_pConfigDB->Cmd(G("SELECT STR(ID) 模块ID, F3 模块名称, F2 模块中文名称 FROM T158 ORDER BY ID\r\n"));
  ASSERT_TRUE(g_pConfigDB->SelectInto(&record, true));
  ASSERT_EQ(record.GetCount(), 2);
  record.GoTop();
  EXPECT_EQ(record.GetString(G("模块ID"), -1), "         1");
  EXPECT_EQ(record.GetString(G("模块名称"), -1), "KH  ");
  EXPECT_EQ(record.GetString(G("模块中文名称"), -1), G("客户模块"));
  record.Skip(1);
  EXPECT_EQ(record.GetString(G("模块中文名称"), -1), "");  // NULL
  // The columns compare as SQL Server does: trailing blanks ignored.
  EXPECT_EQ(Column("SELECT ID FROM T158 WHERE F3 = 'KH'"), std::vector<std::string>{"1"});
}

TEST(SqliteStore, AFailedQueryLeavesNoRowsAndItsReason) {
  ff::test::TestDatabase db("INSERT INTO T158 VALUES (1, 'a', 'b');");
  CMemRecord record;
  Column("SELECT ID FROM T158", &record);
  ASSERT_EQ(record.GetCount(), 1);
  g_pConfigDB->Cmd("SELECT NOPE FROM T999");
  EXPECT_FALSE(g_pConfigDB->SelectInto(&record, true));
  EXPECT_EQ(record.GetCount(), 0);
  EXPECT_TRUE(record.Eof());
  EXPECT_NE(g_pConfigDB->GetLastErrMsg().find("T999"), std::string::npos) << g_pConfigDB->GetLastErrMsg();
  // The connection still works, and a success clears the reason.
  EXPECT_EQ(Column("SELECT ID FROM T158"), std::vector<std::string>{"1"});
  EXPECT_EQ(g_pConfigDB->GetLastErrMsg(), "");
}

// Each row a streamed query hands over, as "id|name|chinese name"; the
// handler says stop once it has `limit` rows.
std::vector<std::string> Streamed(CSimDB& db, size_t limit = 100) {
  std::vector<std::string> rows;
  db.SelectEach([&](const CMemRecord& row) {
    EXPECT_EQ(row.GetCount(), 1);
    EXPECT_EQ(row.Columns(), (std::vector<std::string>{G("模块ID"), G("模块名称"), G("模块中文名称")}));
    rows.push_back(row.GetString(G("模块ID")) + "|" + row.GetRef(G("模块名称")) + "|" + row.GetRef(G("模块中文名称")));
    return rows.size() < limit;
  });
  return rows;
}

// A store that can only Select, as a store written for another server
// might be: it streams through the default.
class SelectOnlyStore : public ff::DbStore {
 public:
  explicit SelectOnlyStore(std::unique_ptr<ff::DbStore> inner) : inner_(std::move(inner)) {}
  bool Select(const std::string& sql, CStdRecord& record, std::string& error) override {
    return inner_->Select(sql, record, error);
  }

 private:
  std::unique_ptr<ff::DbStore> inner_;
};

TEST(SqliteStore, SelectEachHandsOverOneRowAtATime) {
  ff::test::TestDatabase db(
      "INSERT INTO T158 VALUES (2, NULL, 'ZJ');"
      "INSERT INTO T158 VALUES (1, '客户模块', 'KH  ');"
      "INSERT INTO T158 VALUES (3, '三', 'SF');");
  const std::vector<std::string> all = {"         1|KH  |" + G("客户模块"), "         2|ZJ|",
                                        "         3|SF|" + G("三")};
  std::string error;
  auto selectOnly = ff::OpenSqliteStore(db.path(), error);
  ASSERT_TRUE(selectOnly) << U(error);
  CSimDB fallback;
  fallback.Attach(std::make_unique<SelectOnlyStore>(std::move(selectOnly)));

  for (CSimDB* conn : {g_pConfigDB, &fallback}) {
    conn->Cmd(G("SELECT STR(ID) 模块ID, F3 模块名称, F2 模块中文名称 FROM T158 ORDER BY ID"));
    EXPECT_EQ(Streamed(*conn), all);
    // Stopping early is no failure, and the next run starts from the top.
    EXPECT_EQ(Streamed(*conn, 1), std::vector<std::string>{all[0]});
    EXPECT_EQ(conn->GetLastErrMsg(), "");
    EXPECT_EQ(Streamed(*conn), all);

    conn->Cmd("SELECT NOPE FROM T999");
    int calls = 0;
    EXPECT_FALSE(conn->SelectEach([&](const CMemRecord&) { return ++calls > 0; }));
    EXPECT_EQ(calls, 0);
    EXPECT_NE(conn->GetLastErrMsg().find("T999"), std::string::npos) << conn->GetLastErrMsg();
  }
  CSimDB closed;
  EXPECT_FALSE(closed.SelectEach([](const CMemRecord&) { return true; }));
  EXPECT_FALSE(closed.GetLastErrMsg().empty());
}

TEST(SqliteStore, RepeatedQueriesSeeNewRowsAndTheFileIsReadOnly) {
  ff::test::TestDatabase db;
  EXPECT_TRUE(Column("SELECT ID FROM T158").empty());
  db.Exec("INSERT INTO T158 VALUES (7, 'a', 'b');");
  EXPECT_EQ(Column("SELECT ID FROM T158"), std::vector<std::string>{"7"});
  CMemRecord record;
  g_pConfigDB->Cmd("DELETE FROM T158");
  EXPECT_FALSE(g_pConfigDB->SelectInto(&record, true));
  EXPECT_NE(g_pConfigDB->GetLastErrMsg().find("readonly"), std::string::npos) << g_pConfigDB->GetLastErrMsg();
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
