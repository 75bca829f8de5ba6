// One table of store cases, run on every road to the configuration
// database: the SQLite file read directly, through the SQLite ODBC driver
// (odbc:, the T-SQL functions loaded), and through FreeTDS from the TDS test
// server with VARCHAR and with NVARCHAR texts. Each road must give the rows
// the SQLite file holds, as SQL Server gives them: every stored query, the
// T-SQL functions, Chinese captions, NULLs, trailing blanks, long values.
#include <sstream>

#include <gtest/gtest.h>

#include "host/gbk_text.h"
#include "tests/odbc/odbc_test_util.h"
#include "tds_server/tds_test_server.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

enum class Road { Sqlite, Odbc, TdsVarChar, TdsNVarChar };

class Store : public ::testing::TestWithParam<Road> {
 protected:
  void SetUp() override {
    if (!Tds()) return;
    TdsServerOptions o;
    o.databasePath = db_.path();
    o.nationalText = GetParam() == Road::TdsNVarChar;
    o.idleSeconds = 60;
    server_ = std::make_unique<TdsTestServer>(o);
    std::string error;
    ASSERT_TRUE(server_->Start(error)) << error;
  }
  bool Tds() const { return GetParam() == Road::TdsVarChar || GetParam() == Road::TdsNVarChar; }
  std::unique_ptr<DbStore> Open() {
    std::string error;
    std::unique_ptr<DbStore> store =
        GetParam() == Road::Sqlite ? OpenSqliteStore(db_.path(), error)
        : GetParam() == Road::Odbc ? OpenStore({SqliteOdbcServer(db_.path()), "", "", ""}, error)
                                   : OpenStore({"127.0.0.1," + std::to_string(server_->port()) + ";encrypt=no", "sa",
                                                "482913", "Developer"}, error);
    EXPECT_TRUE(store) << U(error);
    return store;
  }

  SettingsSandbox sandbox_;
  DefaultDriverSettings driver_;
  TestDatabase db_{"", true};
  std::unique_ptr<TdsTestServer> server_;
};

TEST_P(Store, EveryStoredQueryGivesTheRowsOfTheFile) {
  std::string error;
  auto direct = OpenSqliteStore(db_.path(), error);
  ASSERT_TRUE(direct);
  const auto queries = StoredQueries(*direct);
  ASSERT_GT(queries.size(), 30u);
  for (const char* version : {"", "7.1", "7.2", "7.3"}) {
    if (*version && !Tds()) break;
    ScopedEnv tds("FIDFORGE_TDS_VERSION", *version ? std::optional<std::string>(version) : std::nullopt);
    auto store = Open();
    ASSERT_TRUE(store);
    for (const auto& q : queries) {
      const std::string expected = Dump(*direct, q);
      ASSERT_EQ(expected.rfind("failed", 0), std::string::npos) << U(q) << "\n" << U(expected);
      EXPECT_BYTES_EQ(expected, Dump(*store, q)) << version << " " << U(q);
    }
  }
  if (Tds()) {  // one login for all the queries of a store
    EXPECT_EQ(server_->logins(), 4);
  }
}

// The rows of the one column `sql` selects, in UTF-8.
std::string Column(DbStore& store, const std::string& sql) {
  CMemRecord record;
  std::string error, values;
  if (!store.Select(G(sql), record, error)) return "failed: " + U(error);
  for (int r = 0; r < record.GetCount(); ++r) values += U(record.Value(r, 0)) + "|";
  return values;
}

const std::string kLong = std::string(9000, 'x') + "尾";

TEST_P(Store, ValuesArriveAsSqlServerGivesThem) {
  db_.Exec("INSERT INTO T158 VALUES (901, '客户模块', 'ZZ  '), (902, NULL, 'ZJ');"
           "INSERT INTO T151 VALUES (900, 'FID_EURO', '欧元€·', NULL, '" + kLong + "');");
  auto store = Open();
  ASSERT_TRUE(store);
  // store_values.table: a query and what its first column gives a line.
  std::istringstream lines(ReadFile(FF_SOURCE_DIR "/tests/odbc/store_values.table"));
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> v;
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, '\t');) v.push_back(field == "LONG|" ? kLong + "|" : field);
    EXPECT_EQ(GetParam() == Road::TdsVarChar && v.size() > 2 ? v[2] : v.at(1), Column(*store, v[0])) << v[0];
  }
  // The captions as the query names them.
  CMemRecord record;
  std::string error;
  ASSERT_TRUE(store->Select(G("SELECT F3 名称, F4 类型 FROM T151 WHERE F1 = 900"), record, error)) << U(error);
  EXPECT_EQ(record.Columns(), (std::vector<std::string>{G("名称"), G("类型")}));
  // Rows added since are seen by the next query.
  db_.Exec("INSERT INTO T158 VALUES (903, 'x', 'ZK');");
  EXPECT_EQ("ZZ  |ZJ|ZK|", Column(*store, "SELECT F3 FROM T158 WHERE ID > 900 ORDER BY ID"));
  // FidForge never writes the configuration database.
  if (GetParam() == Road::Sqlite) {
    EXPECT_NE(std::string::npos, Column(*store, "DELETE FROM T158").find("readonly"));
  }
}

// Read for UTF-8 output, the characters GBK lacks are kept; a VARCHAR
// column in code page 936 never held them.
TEST_P(Store, ReadsForUtf8OutputKeepWhatGbkLacks) {
  db_.Exec("INSERT INTO T151 VALUES (900, 'FID_X', '\u4E2D' || char(0x1F600, 0x2028, 0xE9, 0xF0000), NULL, '" +
           kLong + "\U0001F600');");
  auto store = Open();
  ASSERT_TRUE(store);
  gbk::KeepForeignText keep;
  const std::string name = Column(*store, "SELECT F3 名称 FROM T151 WHERE F1 = 900");
  if (GetParam() == Road::TdsVarChar) {
    EXPECT_EQ(0u, name.rfind("\u4E2D", 0)) << name;
    EXPECT_EQ(std::string::npos, name.find("\U0001F600")) << name;
  } else {
    EXPECT_EQ("\u4E2D\U0001F600\u2028\u00E9\U000F0000|", name);
    EXPECT_EQ(kLong + "\U0001F600|", Column(*store, "SELECT F5 备注 FROM T151 WHERE F1 = 900"));
  }
}

// A store that can only Select, as one written for another server might
// be: it streams through the default.
class SelectOnlyStore : public DbStore {
 public:
  explicit SelectOnlyStore(std::unique_ptr<DbStore> inner) : inner_(std::move(inner)) {}
  bool Select(const std::string& sql, CStdRecord& record, std::string& error) override {
    return inner_->Select(sql, record, error);
  }

 private:
  std::unique_ptr<DbStore> inner_;
};

// Through the connection the engine holds: a streamed query hands over the
// rows of a whole one, one at a time; a failure leaves no rows and its
// reason, until the next success. A reason longer than the driver's first
// buffer arrives whole.
TEST_P(Store, SelectEachGivesTheRowsOfSelectAndAFailureLeavesNoRows) {
  const std::string missing = "T999" + std::string(1500, 'X') + "END";
  // (The SQLite ODBC driver itself keeps only the first 500 bytes of a reason.)
  const std::string told = GetParam() == Road::Odbc ? missing.substr(0, 400) : missing;
  for (bool selectOnly : {false, true}) {
    CSimDB conn;
    conn.Attach(selectOnly ? std::make_unique<SelectOnlyStore>(Open()) : Open());
    for (const std::string& sql : {G("SELECT STR(F1) FID, F2 FID编码, F3 FID名称, F5 NOTE FROM T151 ORDER BY F1"),
                                   "SELECT F99 FROM " + missing}) {
      CMemRecord all;
      all.SetColumns({"OLD"});
      all.AppendRow({"row"});
      conn.Cmd(sql);
      const bool selected = conn.SelectInto(&all, true);
      std::vector<std::string> expected, streamed;
      for (int r = 0; r < all.GetCount(); ++r)
        for (int c = 0; c < static_cast<int>(all.Columns().size()); ++c) expected.push_back(all.Value(r, c));
      const bool each = conn.SelectEach([&](const CMemRecord& one) {
        EXPECT_EQ(one.GetCount(), 1);
        EXPECT_EQ(one.Columns(), all.Columns());
        for (const std::string& caption : one.Columns()) streamed.push_back(one.GetRef(caption));
        return true;
      });
      EXPECT_EQ(each, selected) << U(sql);
      EXPECT_EQ(streamed, expected) << U(sql);
      if (!selected) {
        EXPECT_EQ(all.GetCount(), 0);
        EXPECT_TRUE(all.Eof());
        EXPECT_NE(conn.GetLastErrMsg().find(told), std::string::npos) << conn.GetLastErrMsg();
      }
    }
    // A handler that stops after the first row is no failure and leaves the
    // connection ready; the success clears the reason.
    int rows = 0;
    conn.Cmd("SELECT F1 FROM T151");
    EXPECT_TRUE(conn.SelectEach([&](const CMemRecord&) { return ++rows < 1; }));
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(conn.GetLastErrMsg(), "");
    CMemRecord again;
    conn.Cmd("SELECT COUNT(*) N FROM T151");
    EXPECT_TRUE(conn.SelectInto(&again, true)) << U(conn.GetLastErrMsg());
    EXPECT_GT(gbk::AtoL(again.GetRef("N", 0)), 10);
  }
  CSimDB closed;
  EXPECT_FALSE(closed.SelectEach([](const CMemRecord&) { return true; }));
  EXPECT_FALSE(closed.GetLastErrMsg().empty());
}

std::string RoadName(const ::testing::TestParamInfo<Road>& info) {
  static const char* const names[] = {"Sqlite", "Odbc", "TdsVarChar", "TdsNVarChar"};
  return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Roads, Store, ::testing::Values(Road::Sqlite, Road::Odbc, Road::TdsVarChar, Road::TdsNVarChar),
                         RoadName);

}  // namespace
}  // namespace ff::test
