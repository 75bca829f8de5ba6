// The ODBC store: server texts into connection strings, and the whole
// ODBC road through Debian's SQLite ODBC driver, which must give the same
// bytes as the direct SQLite store.
#include <filesystem>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "host/gbk_text.h"
#include "host/odbc_store.h"
#include "tests/odbc/odbc_test_util.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

using odbc::ServerAddress;

TEST(OdbcServerText, SqlServerFormsAreSplit) {
  struct Case {
    const char* text;
    const char* host;
    const char* instance;
    int port;
  } cases[] = {
      {"db01\\PROD", "db01", "PROD", 0},       {"10.0.0.5,1433", "10.0.0.5", "", 1433},
      {"10.0.0.5:1500", "10.0.0.5", "", 1500}, {" db01 , 1433 ", "db01", "", 1433},
      {"db01", "db01", "", 0},                 {"tcp:db01,1433", "db01", "", 1433},
      {"db01\\PROD,1450", "db01", "PROD", 1450}, {"[::1]:1433", "::1", "", 1433},
      {"fe80::1", "fe80::1", "", 0},           {"(local)", "127.0.0.1", "", 0},
  };
  for (const auto& c : cases) {
    ServerAddress a;
    ASSERT_TRUE(odbc::ParseServerText(c.text, a)) << c.text;
    EXPECT_EQ(a.host, c.host) << c.text;
    EXPECT_EQ(a.instance, c.instance) << c.text;
    EXPECT_EQ(a.port, c.port) << c.text;
  }
  ServerAddress a;
  EXPECT_FALSE(odbc::ParseServerText("", a));
  EXPECT_FALSE(odbc::ParseServerText("  ", a));
  EXPECT_FALSE(odbc::ParseServerText(",1433", a));
  EXPECT_FALSE(odbc::ParseServerText(";encrypt=no", a));
}

TEST(OdbcServerText, EncryptionIsRequiredUnlessTheTextAllowsAPlainConnection) {
  ServerAddress a;
  ASSERT_TRUE(odbc::ParseServerText("db01,1433", a));
  EXPECT_TRUE(a.requireEncryption);
  for (const char* plain : {"db01,1433;encrypt=no", "db01\\PROD ; Encrypt = NO ;", "db01;encrypt=optional"}) {
    ASSERT_TRUE(odbc::ParseServerText(plain, a)) << plain;
    EXPECT_FALSE(a.requireEncryption) << plain;
    EXPECT_EQ(a.host, "db01") << plain;
  }
  ASSERT_TRUE(odbc::ParseServerText("db01:1500;encrypt=yes", a));
  EXPECT_TRUE(a.requireEncryption);
  EXPECT_EQ(a.port, 1500);
  // A misspelt option must not quietly mean the default.
  for (const char* bad : {"db01;encrypt=maybe", "db01;encrypted=no", "db01;trust=yes"}) {
    std::string reason;
    EXPECT_FALSE(odbc::ParseServerText(bad, a, &reason)) << bad;
    EXPECT_NE(reason.find("encrypt=yes or encrypt=no"), std::string::npos) << reason;
  }
}

TEST(OdbcConnectionString, FreeTdsGetsPortVersionAndCharset) {
  odbc::Settings s;  // the defaults
  LoginValues login{"10.0.0.5,1433", "sa", "pa;ss", "Developer"};
  EXPECT_EQ(odbc::ConnectionString(login, s),
            "Driver={FreeTDS};Server=10.0.0.5;Port=1433;Database=Developer;UID=sa;PWD={pa;ss};"
            "TDS_Version=7.4;ClientCharset=CP936;Encryption=require");
  EXPECT_EQ(odbc::ConnectionString(login, s, true),
            "Driver={FreeTDS};Server=10.0.0.5;Port=1433;Database=Developer;UID=sa;PWD=***;"
            "TDS_Version=7.4;ClientCharset=CP936;Encryption=require");
  login.server = "db01\\PROD;encrypt=no";
  s.tdsVersion = "7.2";
  EXPECT_EQ(odbc::ConnectionString(login, s),
            "Driver={FreeTDS};Server=db01\\PROD;Database=Developer;UID=sa;PWD={pa;ss};"
            "TDS_Version=7.2;ClientCharset=CP936;Encryption=request");
  // The site's own option is the only one.
  login.server = "db01";
  s.extraOptions = "encryption = off";
  EXPECT_EQ(odbc::ConnectionString(login, s),
            "Driver={FreeTDS};Server=db01;Database=Developer;UID=sa;PWD={pa;ss};"
            "TDS_Version=7.2;ClientCharset=CP936;encryption = off");
}

TEST(OdbcConnectionString, OtherDriversGetTheMicrosoftServerForm) {
  odbc::Settings s;
  s.driver = "ODBC Driver 18 for SQL Server";
  LoginValues login{"db01\\PROD:1450", "sa", "x", "Developer"};
  EXPECT_EQ(odbc::ConnectionString(login, s),
            "Driver={ODBC Driver 18 for SQL Server};Server=db01\\PROD,1450;Database=Developer;UID=sa;PWD=x;"
            "Encrypt=yes");
  login.server += ";encrypt=no";
  EXPECT_EQ(odbc::ConnectionString(login, s),
            "Driver={ODBC Driver 18 for SQL Server};Server=db01\\PROD,1450;Database=Developer;UID=sa;PWD=x;"
            "Encrypt=no");
}

TEST(OdbcConnectionString, OdbcStringsPassWithTheLoginForWhatTheyLeaveOut) {
  odbc::Settings s;
  EXPECT_EQ(odbc::ConnectionString({"odbc:DSN=prod", "sa", "pw", "Developer"}, s), "DSN=prod;UID=sa;PWD=pw");
  EXPECT_EQ(odbc::ConnectionString({"odbc:Driver={FreeTDS};Server=h;uid=me", "sa", "pw", "D"}, s),
            "Driver={FreeTDS};Server=h;uid=me;PWD=pw;Database=D");
  EXPECT_EQ(odbc::ConnectionString({"odbc:Driver=SQLite3;Database=/x.db;", "", "", "Developer"}, s),
            "Driver=SQLite3;Database=/x.db;");
  EXPECT_EQ(odbc::ConnectionKeys("A=1; pwd = {x;}}y} ;Database=z"),
            (std::vector<std::string>{"A", "PWD", "DATABASE"}));
}

TEST(OdbcConnectionString, PasswordsAreHiddenInMessages) {
  EXPECT_EQ(odbc::HidePassword("login with PWD=geheim1;UID=sa failed", "geheim1"),
            "login with PWD=***;UID=sa failed");
  EXPECT_EQ(odbc::HidePassword("Password=abc", "abc"), "Password=***");
  // Only the value goes: braced (';' and '}}' inside), spaced, and the
  // driver's reason after it stays.
  EXPECT_EQ(odbc::HidePassword("\"Driver={X};PWD={in;li}}ne}\":\n[unixODBC]Can't open lib 'X'", ""),
            "\"Driver={X};PWD=***\":\n[unixODBC]Can't open lib 'X'");
  EXPECT_EQ(odbc::HidePassword("DSN=a; pwd = spaced;UID=sa", ""), "DSN=a; pwd = ***;UID=sa");
  EXPECT_EQ(odbc::HidePassword("user s3cret! refused", "s3cret!"), "user *** refused");
  // A short password is no word to search for.
  EXPECT_EQ(odbc::HidePassword("sa refused", "sa"), "sa refused");
}

// ---- SQLite through ODBC ---------------------------------------------------

class SqliteThroughOdbc : public ::testing::Test {
 protected:
  SettingsSandbox sandbox_;
  DefaultDriverSettings driver_;
  TestDatabase db_{"", true};

  std::unique_ptr<DbStore> Odbc() {
    std::string error;
    auto store = OpenStore({SqliteOdbcServer(db_.path()), "", "", ""}, error);
    EXPECT_TRUE(store) << U(error);
    return store;
  }
  std::unique_ptr<DbStore> Direct() {
    std::string error;
    auto store = OpenSqliteStore(db_.path(), error);
    EXPECT_TRUE(store) << U(error);
    return store;
  }
};

TEST_F(SqliteThroughOdbc, EveryStoredQueryGivesTheSameRows) {
  auto direct = Direct();
  auto odbc = Odbc();
  ASSERT_TRUE(direct && odbc);
  auto queries = StoredQueries(*direct);
  ASSERT_GT(queries.size(), 30u);
  for (const auto& q : queries) {
    std::string expected = Dump(*direct, q);
    ASSERT_EQ(expected.rfind("failed", 0), std::string::npos) << U(q) << "\n" << U(expected);
    EXPECT_BYTES_EQ(expected, Dump(*odbc, q)) << U(q);
  }
}

TEST_F(SqliteThroughOdbc, TextsNullsAndLongValuesArriveAsGbk) {
  std::string longNote(9000, 'x');
  longNote += "尾";
  db_.Exec("INSERT INTO T151 VALUES (900, 'FID_EURO', '欧元€·', NULL, '" + longNote + "');");
  auto odbc = Odbc();
  ASSERT_TRUE(odbc);
  CMemRecord r;
  std::string error;
  ASSERT_TRUE(odbc->Select(G("SELECT F3 名称, F4 类型, F5 备注, ISNULL(F4, -1) 缺省, DATALENGTH(F3) 长度 "
                             "FROM T151 WHERE F1 = 900"),
                           r, error))
      << U(error);
  ASSERT_EQ(r.GetCount(), 1);
  EXPECT_EQ(r.Columns(), (std::vector<std::string>{G("名称"), G("类型"), G("备注"), G("缺省"), G("长度")}));
  EXPECT_BYTES_EQ(std::string("\xC5\xB7\xD4\xAA\x80\xA1\xA4"), r.GetString(G("名称")));
  EXPECT_EQ(r.GetString(G("类型")), "");
  EXPECT_BYTES_EQ(G(longNote), r.GetString(G("备注")));
  EXPECT_EQ(r.GetString(G("缺省")), "-1");
  EXPECT_EQ(r.GetString(G("长度")), "7");
}

TEST_F(SqliteThroughOdbc, SelectEachGivesTheRowsOfSelect) {
  auto odbc = Odbc();
  ASSERT_TRUE(odbc);
  for (const std::string& sql : {G("SELECT STR(F1) FID, F2 FID编码, F3 FID名称, F5 NOTE FROM T151 ORDER BY F1"),
                                std::string("SELECT F99 FROM T999")}) {
    CMemRecord all;
    std::string error;
    const bool selected = odbc->Select(sql, all, error);
    std::vector<std::string> expected;
    for (int r = 0; r < all.GetCount(); ++r)
      for (int c = 0; c < static_cast<int>(all.Columns().size()); ++c) expected.push_back(all.Value(r, c));

    CMemRecord row;
    std::vector<std::string> streamed;
    const bool each = odbc->SelectEach(sql, row, [&](const CMemRecord& one) {
      EXPECT_EQ(one.GetCount(), 1);
      EXPECT_EQ(one.Columns(), all.Columns());
      for (const std::string& caption : one.Columns()) streamed.push_back(one.GetRef(caption));
      return true;
    }, error);
    EXPECT_EQ(each, selected) << U(sql);
    EXPECT_EQ(streamed, expected) << U(sql);
  }
  // A handler that stops after the first row leaves the connection ready.
  int rows = 0;
  CMemRecord row;
  std::string error;
  EXPECT_TRUE(odbc->SelectEach("SELECT F1 FROM T151", row, [&](const CMemRecord&) { return ++rows < 1; }, error));
  EXPECT_EQ(rows, 1);
  CMemRecord again;
  EXPECT_TRUE(odbc->Select("SELECT COUNT(*) N FROM T151", again, error)) << U(error);
  EXPECT_GT(gbk::AtoL(again.GetRef("N", 0)), 10);
}

TEST_F(SqliteThroughOdbc, DefinitionHeadersAreTheSameBytes) {
  ScopedEnv date("SOURCE_DATE_EPOCH", "1700000000");
  TempDir out;
  for (const char* side : {"direct", "odbc"}) {
    std::filesystem::create_directories(out / side);
    WithStore(std::string(side) == "direct" ? Direct() : Odbc(), [&] {
      CCodeMaker maker;
      maker.SetAuthor("tester");
      for (const char* file : {"fiddef.h", "sysdef.h", "fosdef.h"}) {
        const std::string path = out / (std::string(side) + "/" + file);
        bool ok = file[1] == 'i'   ? maker.MakeFidDefFile(path, true)
                  : file[1] == 'y' ? maker.MakeSysDefFile(path, true)
                                   : maker.MakeFosDefFile(path, true);
        EXPECT_TRUE(ok) << side << " " << file;
      }
    });
  }
  for (const char* file : {"fiddef.h", "sysdef.h", "fosdef.h"}) {
    std::string direct = ReadFile(out / (std::string("direct/") + file));
    EXPECT_GT(direct.size(), 200u) << file;
    EXPECT_BYTES_EQ(direct, ReadFile(out / (std::string("odbc/") + file))) << file;
  }
}

TEST_F(SqliteThroughOdbc, AMissingFunctionLibraryIsSaidAtLogin) {
  ScriptedUI ui;
  EXPECT_FALSE(ConnectConfigDB(SqliteOdbcServer(db_.path(), false), "", "", ""));
  EXPECT_EQ(g_pConfigDB, nullptr);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("LoadExt="), std::string::npos) << ui.messages[0];
  // It names the extension that belongs to the running program.
  const std::string extension = std::filesystem::canonical(TsqlExtensionPath()).string();
  EXPECT_NE(ui.messages[0].find("LoadExt=" + extension + " "), std::string::npos) << ui.messages[0];
}

TEST_F(SqliteThroughOdbc, AFailedQueryLeavesNoRowsAndTheReason) {
  auto odbc = Odbc();
  ASSERT_TRUE(odbc);
  CMemRecord r;
  std::string error;
  EXPECT_FALSE(odbc->Select("SELECT F99 FROM T999", r, error));
  EXPECT_EQ(r.GetCount(), 0);
  EXPECT_NE(error.find("T999"), std::string::npos) << error;
}

}  // namespace
}  // namespace ff::test
