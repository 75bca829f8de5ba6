// The real SQL Server driver (FreeTDS) at work, against the TDS test
// server: login, every stored query, Chinese captions and values as GBK,
// and the ways a login fails.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include <gtest/gtest.h>

#include "host/gbk_text.h"
#include "res/tree_queries.h"
#include "tests/odbc/odbc_test_util.h"
#include "tds_server/tds_test_server.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

// A port on 127.0.0.1 that nobody listens on.
int ClosedPort() {
  int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof a;
  bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
  getsockname(s, reinterpret_cast<sockaddr*>(&a), &size);
  close(s);
  return ntohs(a.sin_port);
}

class FreeTds : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    TdsServerOptions o;
    o.databasePath = db_.path();
    o.nationalText = GetParam();
    o.idleSeconds = 60;
    server_ = std::make_unique<TdsTestServer>(o);
    std::string error;
    ASSERT_TRUE(server_->Start(error)) << error;
  }
  // The test server offers no encryption: every test but the one about
  // encryption allows a plain connection.
  std::string Server() const { return "127.0.0.1," + std::to_string(server_->port()) + ";encrypt=no"; }
  std::unique_ptr<DbStore> Open(const std::string& password = "482913") {
    std::string error;
    auto store = OpenStore({Server(), "sa", password, "Developer"}, error);
    EXPECT_TRUE(store) << U(error);
    return store;
  }

  SettingsSandbox sandbox_;
  DefaultDriverSettings driver_;
  TestDatabase db_{"", true};
  std::unique_ptr<TdsTestServer> server_;
};

TEST_P(FreeTds, EveryStoredQueryGivesTheSameRows) {
  std::string error;
  auto direct = OpenSqliteStore(db_.path(), error);
  auto tds = Open();
  ASSERT_TRUE(direct && tds);
  auto queries = StoredQueries(*direct);
  ASSERT_GT(queries.size(), 30u);
  for (const auto& q : queries) EXPECT_BYTES_EQ(Dump(*direct, q), Dump(*tds, q)) << U(q);
  EXPECT_EQ(server_->logins(), 1);
  EXPECT_GE(server_->batches().size(), queries.size());
}

TEST_P(FreeTds, OlderTdsVersionsReadTheSame) {
  std::string error;
  auto direct = OpenSqliteStore(db_.path(), error);
  ASSERT_TRUE(direct);
  auto queries = StoredQueries(*direct);
  for (const char* version : {"7.1", "7.2", "7.3"}) {
    ScopedEnv tds("FIDFORGE_TDS_VERSION", version);
    auto store = Open();
    ASSERT_TRUE(store) << version;
    for (const auto& q : queries) EXPECT_BYTES_EQ(Dump(*direct, q), Dump(*store, q)) << version << " " << U(q);
  }
}

TEST_P(FreeTds, TextsNullsAndLongValuesArriveAsGbk) {
  std::string longNote(9000, 'y');
  longNote += "中";
  db_.Exec("INSERT INTO T151 VALUES (900, 'FID_EURO', '欧元€·', NULL, '" + longNote + "');");
  auto tds = Open();
  ASSERT_TRUE(tds);
  CMemRecord r;
  std::string error;
  ASSERT_TRUE(tds->Select(G("SELECT F3 名称, F4 类型, F5 备注, STR(ISNULL(F4, -1)) 缺省 FROM T151 WHERE F1 = 900"),
                          r, error))
      << U(error);
  ASSERT_EQ(r.GetCount(), 1);
  EXPECT_EQ(r.Columns(), (std::vector<std::string>{G("名称"), G("类型"), G("备注"), G("缺省")}));
  // FreeTDS reads code page 936 columns as GB18030, where the byte 0x80
  // is no character: a euro sign in a VARCHAR column arrives as '?'.
  // NVARCHAR texts arrive exactly as the SQLite store gives them.
  EXPECT_BYTES_EQ(std::string("\xC5\xB7\xD4\xAA") + (GetParam() ? "\x80" : "?") + "\xA1\xA4",
                  r.GetString(G("名称")));
  EXPECT_EQ(r.GetString(G("类型")), "");
  EXPECT_BYTES_EQ(G(longNote), r.GetString(G("备注")));
  EXPECT_EQ(r.GetString(G("缺省")), "        -1");
}

// Read for UTF-8 output, the server's own characters arrive, those GBK
// lacks kept; a VARCHAR column in code page 936 never held them.
TEST_P(FreeTds, ReadsForUtf8OutputKeepWhatGbkLacks) {
  std::string longNote(9000, 'y');
  longNote += "\u4E2D\U0001F600";
  db_.Exec("INSERT INTO T151 VALUES (900, 'FID_X', '\u4E2D' || char(0x1F600) || char(0x2028), NULL, '" + longNote +
           "');");
  auto tds = Open();
  ASSERT_TRUE(tds);
  gbk::KeepForeignText keep;
  CMemRecord r;
  std::string error;
  ASSERT_TRUE(tds->Select(G("SELECT F3 名称, F5 备注, STR(ISNULL(F4, -1)) 缺省 FROM T151 WHERE F1 = 900"), r, error))
      << U(error);
  ASSERT_EQ(r.GetCount(), 1);
  EXPECT_EQ(r.Columns(), (std::vector<std::string>{G("名称"), G("备注"), G("缺省")}));
  if (GetParam()) {
    EXPECT_BYTES_EQ("\u4E2D\U0001F600\u2028", gbk::ToUtf8(r.GetString(G("名称"))));
    EXPECT_BYTES_EQ(longNote, gbk::ToUtf8(r.GetString(G("备注"))));
  } else {
    EXPECT_EQ(0u, gbk::ToUtf8(r.GetString(G("名称"))).rfind("\u4E2D", 0));
    EXPECT_EQ(0u, gbk::CountKept(r.GetString(G("名称"))));
  }
  EXPECT_EQ(r.GetString(G("缺省")), "        -1");
}

TEST_P(FreeTds, HostColonPortAndTheSharedConnection) {
  ScriptedUI ui;
  std::string server = "127.0.0.1:" + std::to_string(server_->port()) + "; Encrypt = No";
  ASSERT_TRUE(ConnectConfigDB(server, "sa", "482913", "Developer")) << (ui.messages.empty() ? "" : U(ui.messages[0]));
  ASSERT_NE(g_pConfigDB, nullptr);
  CMemRecord r;
  g_pConfigDB->Cmd(res::FosModuleQuery());
  g_pConfigDB->SelectInto(&r, true);
  EXPECT_GT(r.GetCount(), 0);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_P(FreeTds, NoPasswordGoesToAServerThatOffersNoEncryption) {
  ScriptedUI ui;
  const std::string plain = "127.0.0.1," + std::to_string(server_->port());
  // Encryption is required unless the server text allows a plain
  // connection; the driver stops after the pre-login, before LOGIN7.
  for (const std::string& server : {plain, plain + ";encrypt=yes"}) {
    EXPECT_FALSE(ConnectConfigDB(server, "sa", "482913", "Developer")) << server;
    EXPECT_EQ(server_->loginRecords(), 0) << server;
  }
  EXPECT_GE(server_->preLogins(), 2);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_NE(ui.messages[0].find("\"" + plain + ";encrypt=no\""), std::string::npos) << ui.messages[0];
  EXPECT_NE(ui.messages[0].find("?encrypt=no"), std::string::npos) << ui.messages[0];
  {
    // A site's own driver option decides instead.
    ScopedEnv options("FIDFORGE_ODBC_OPTIONS", "Encryption=request");
    EXPECT_TRUE(ConnectConfigDB(plain, "sa", "482913", "Developer"));
  }
  EXPECT_TRUE(ConnectConfigDB(plain + ";encrypt=no", "sa", "482913", "Developer"));
  EXPECT_EQ(server_->loginRecords(), 2);
  EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_P(FreeTds, AWrongPasswordIsRefusedAndNeverShown) {
  ScriptedUI ui;
  ASSERT_TRUE(ConnectConfigDB(Server(), "sa", "482913", "Developer"));
  // A failed attempt after a good one leaves the module logged out.
  EXPECT_FALSE(ConnectConfigDB(Server(), "sa", "wrong-password-1", "Developer"));
  EXPECT_EQ(g_pConfigDB, nullptr);
  EXPECT_EQ(server_->refusedLogins(), 1);
  ASSERT_EQ(ui.messages.size(), 1u);
  const std::string& m = ui.messages[0];
  EXPECT_NE(m.find("Login failed for user 'sa'"), std::string::npos) << m;
  EXPECT_NE(m.find(Server()), std::string::npos) << m;
  EXPECT_EQ(m.find("wrong-password-1"), std::string::npos) << m;
}

TEST_P(FreeTds, AnUnknownDatabaseIsRefused) {
  ScriptedUI ui;
  EXPECT_FALSE(ConnectConfigDB(Server(), "sa", "482913", "Nowhere"));
  EXPECT_EQ(g_pConfigDB, nullptr);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("Nowhere"), std::string::npos) << ui.messages[0];
}

INSTANTIATE_TEST_SUITE_P(TextKinds, FreeTds, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "NVarChar" : "VarChar"; });

// ---- login values that try to bend the connection -------------------------

// A user, password or database value that would end its field in the
// connection string and add options of its own. "PORT" stands for the port
// of a second server, which must never be reached.
struct HostileLogin {
  const char* name;
  std::string user, password, database;
  bool carried;         // arrives exactly as given; else refused before the driver
  bool plain = true;    // false: the connection must be encrypted
};

class BentConnection : public ::testing::TestWithParam<HostileLogin> {
 protected:
  static std::string WithPort(std::string text, int port) {
    for (size_t at; (at = text.find("PORT")) != std::string::npos;) text.replace(at, 4, std::to_string(port));
    return text;
  }
  SettingsSandbox sandbox_;
  DefaultDriverSettings driver_;
  TestDatabase db_{"", true};
};

TEST_P(BentConnection, NoValueMovesTheConnectionAndEachArrivesAsGivenOrIsRefused) {
  TdsServerOptions decoyOptions;
  decoyOptions.databasePath = db_.path();
  TdsTestServer decoy(decoyOptions);
  std::string error;
  ASSERT_TRUE(decoy.Start(error)) << error;
  const HostileLogin& c = GetParam();
  const std::string user = WithPort(c.user, decoy.port()), password = WithPort(c.password, decoy.port()),
                    database = WithPort(c.database, decoy.port());
  TdsServerOptions o;
  o.databasePath = db_.path();
  o.user = user;
  o.password = password;
  o.database = database;
  TdsTestServer server(o);
  ASSERT_TRUE(server.Start(error)) << error;

  const std::string address = "127.0.0.1," + std::to_string(server.port()) + (c.plain ? ";encrypt=no" : "");
  auto store = OpenStore({address, user, password, database}, error);
  EXPECT_EQ(decoy.preLogins(), 0) << "the login went to another port";
  if (!c.carried) {
    EXPECT_FALSE(store);
    EXPECT_NE(std::string::npos, error.find("no ODBC connection string carries")) << U(error);
    EXPECT_EQ(std::string::npos, error.find(password)) << U(error);
    EXPECT_EQ(server.loginRecords(), 0);
    return;
  }
  if (!c.plain) {
    // This server offers no encryption: no login may leave at all.
    EXPECT_FALSE(store);
    EXPECT_EQ(server.loginRecords(), 0);
    return;
  }
  EXPECT_TRUE(store) << U(error);
  const auto seen = server.loginsSeen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].user, user);
  EXPECT_EQ(seen[0].password, password);
  EXPECT_EQ(seen[0].database, database);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BentConnection,
    ::testing::Values(
        HostileLogin{"ClosingBraceInPassword", "sa", "a}", "Developer", true},
        HostileLogin{"ClosingBraceInUser", "a}", "482913", "Developer", true},
        HostileLogin{"ClosingBraceInDatabase", "sa", "482913", "a}", true},
        HostileLogin{"OpeningBraceFirst", "{sa", "{pw", "{Dev", true},
        HostileLogin{"PortInPassword", "sa", "pw;Port=PORT", "Developer", true},
        HostileLogin{"PortAfterBraceInPassword", "sa", "pw};Port=PORT;{", "Developer", false},
        HostileLogin{"ServerInDatabase", "sa", "482913", "D;Server=127.0.0.1;Port=PORT", true},
        HostileLogin{"PortAfterBraceInUser", "sa};Port=PORT;{", "482913", "Developer", false},
        HostileLogin{"DriverInPassword", "sa", "pw};Driver={SQLite3};{", "Developer", false},
        HostileLogin{"NulInPassword", "sa", std::string("pw\0;Port=PORT", 13), "Developer", false},
        HostileLogin{"EncryptionOffInPassword", "sa", "pw;Encryption=off", "Developer", true, false},
        HostileLogin{"EncryptionOffAfterBrace", "sa", "pw};Encryption=off;{", "Developer", false, false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- failures without a server ---------------------------------------------

class OdbcLoginFailure : public ::testing::Test {
 protected:
  SettingsSandbox sandbox_;
  DefaultDriverSettings driver_;
  ScriptedUI ui_;
};

TEST_F(OdbcLoginFailure, AClosedPortFailsWithinSeconds) {
  std::string server = "127.0.0.1," + std::to_string(ClosedPort());
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(ConnectConfigDB(server, "sa", "topsecret-pw", "Developer"));
  auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 15);
  EXPECT_EQ(g_pConfigDB, nullptr);
  ASSERT_EQ(ui_.messages.size(), 1u);
  const std::string& m = ui_.messages[0];
  EXPECT_NE(m.find(server), std::string::npos) << m;
  EXPECT_NE(m.find("[FreeTDS]"), std::string::npos) << m;  // the driver's own words
  EXPECT_EQ(m.find("topsecret-pw"), std::string::npos) << m;
}

TEST_F(OdbcLoginFailure, AServerThatNeverAnswersFailsAfterTheLoginTimeout) {
  ScopedEnv timeout("FIDFORGE_ODBC_LOGIN_TIMEOUT", "2");
  TdsServerOptions o;
  o.silent = true;
  o.idleSeconds = 30;
  TdsTestServer server(o);
  std::string error;
  ASSERT_TRUE(server.Start(error)) << error;
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(ConnectConfigDB("127.0.0.1," + std::to_string(server.port()) + ";encrypt=no", "sa", "482913", "Developer"));
  auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 10);
  EXPECT_EQ(g_pConfigDB, nullptr);
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_NE(ui_.messages[0].find("[FreeTDS]"), std::string::npos) << ui_.messages[0];
}

TEST_F(OdbcLoginFailure, AnUnknownDriverIsNamedWithTheInstalledOnes) {
  ScopedEnv driver("FIDFORGE_ODBC_DRIVER", "NoSuchDriver");
  EXPECT_FALSE(ConnectConfigDB("127.0.0.1,1433", "sa", "topsecret-pw", "Developer"));
  EXPECT_EQ(g_pConfigDB, nullptr);
  ASSERT_EQ(ui_.messages.size(), 1u);
  const std::string& m = ui_.messages[0];
  EXPECT_NE(m.find("NoSuchDriver"), std::string::npos) << m;
  EXPECT_NE(m.find("installed ODBC drivers: "), std::string::npos) << m;
  EXPECT_NE(m.find("FreeTDS"), std::string::npos) << m;
  EXPECT_EQ(m.find("topsecret-pw"), std::string::npos) << m;
}

TEST_F(OdbcLoginFailure, AnEmptyServerAndAnEmptyConnectionStringAreSaid) {
  // "odbc:" with nothing after it never reaches the driver manager.
  EXPECT_FALSE(ConnectConfigDB("odbc:", "sa", "x", "Developer"));
  EXPECT_FALSE(ConnectConfigDB(" ,1433", "sa", "x", "Developer"));
  EXPECT_FALSE(ConnectConfigDB("db01,70000", "sa", "x", "Developer"));
  EXPECT_EQ(g_pConfigDB, nullptr);
  ASSERT_EQ(ui_.messages.size(), 3u);
  EXPECT_NE(ui_.messages[0].find("odbc:"), std::string::npos);
  EXPECT_NE(ui_.messages[1].find("no SQL Server named"), std::string::npos);
  EXPECT_NE(ui_.messages[2].find("65535"), std::string::npos) << ui_.messages[2];
}

TEST_F(OdbcLoginFailure, APasswordInsideAnOdbcStringIsNotRepeated) {
  EXPECT_FALSE(ConnectConfigDB("odbc:Driver={NoSuchDriver};PWD=inline-secret", "", "", ""));
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].find("inline-secret"), std::string::npos) << ui_.messages[0];
}

}  // namespace
}  // namespace ff::test
