// The real SQL Server driver (FreeTDS) logging in to the TDS test server,
// and the ways a login fails: each said in the driver's own words, the
// password never shown, and no connection left behind.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>

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

// In server texts and messages PORT stands for the test server's port,
// SILENT for one that never answers, CLOSED for one nobody listens on, FILE
// for the SQLite file and EXT for the T-SQL function library.
struct Login {
  const char* name;
  const char* server;
  const char* password = "482913";
  const char* database = "Developer";
  std::pair<const char*, const char*> env{"FIDFORGE_ODBC_LOGIN_TIMEOUT", "2"};
  bool ok = false;
  std::vector<const char*> says{};
  const char* never = "";  // nor this
  int loginRecords = -1;  // LOGIN7 records the test server got (-1: any)
};

void PrintTo(const Login& c, std::ostream* out) { *out << c.name; }

class Logins : public ::testing::TestWithParam<Login> {
 protected:
  SettingsSandbox sandbox_;
  DefaultDriverSettings driver_;
  TestDatabase db_{"", true};
};

TEST_P(Logins, SucceedOrSayWhyWithoutThePassword) {
  const Login& c = GetParam();
  TdsServerOptions o, hangs;
  o.databasePath = db_.path();
  o.idleSeconds = 60;
  hangs.silent = true;
  hangs.idleSeconds = 30;
  TdsTestServer server(o), silent(hangs);
  std::string error;
  ASSERT_TRUE(server.Start(error) && silent.Start(error)) << error;
  const std::string closed = std::to_string(ClosedPort());
  auto fill = [&](std::string text) {
    text = gbk::Replaced(text, "PORT", std::to_string(server.port()));
    text = gbk::Replaced(text, "SILENT", std::to_string(silent.port()));
    text = gbk::Replaced(text, "CLOSED", closed);
    text = gbk::Replaced(text, "FILE", db_.path());
    text = gbk::Replaced(text, "EXT", std::filesystem::canonical(TsqlExtensionPath()).string());
    return text;
  };
  // A failed attempt after a good one leaves the module logged out.
  ASSERT_TRUE(ConnectConfigDB(fill("127.0.0.1,PORT;encrypt=no"), "sa", "482913", "Developer"));
  ScopedEnv env(c.env.first, c.env.second);
  ScriptedUI ui;
  const int before = server.loginRecords();
  EXPECT_EQ(c.ok, ConnectConfigDB(fill(c.server), "sa", c.password, c.database));
  if (c.loginRecords >= 0) {
    EXPECT_EQ(c.loginRecords, server.loginRecords() - before);
  }
  if (c.ok) {
    ASSERT_NE(g_pConfigDB, nullptr);
    CMemRecord r;
    g_pConfigDB->Cmd(res::FosModuleQuery());
    EXPECT_TRUE(g_pConfigDB->SelectInto(&r, true));
    EXPECT_GT(r.GetCount(), 0);
    EXPECT_TRUE(ui.messages.empty());
    return;
  }
  EXPECT_EQ(g_pConfigDB, nullptr);
  ASSERT_EQ(ui.messages.size(), 1u);
  for (const char* says : c.says) EXPECT_NE(ui.messages[0].find(fill(says)), std::string::npos) << says << ": " << ui.messages[0];
  for (const char* secret : {c.password, c.never}) {
    if (*secret) {
      EXPECT_EQ(ui.messages[0].find(secret), std::string::npos) << ui.messages[0];
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Logins,
    ::testing::Values(
        Login{.name = "HostColonPort", .server = "127.0.0.1:PORT; Encrypt = No", .ok = true},
        // Encryption is required unless the server text allows a plain
        // connection: the driver stops after the pre-login, before LOGIN7.
        Login{.name = "NoEncryptionOffered", .server = "127.0.0.1,PORT",
              .says = {"\"127.0.0.1,PORT;encrypt=no\"", "?encrypt=no"}, .loginRecords = 0},
        Login{.name = "EncryptionRequired", .server = "127.0.0.1,PORT;encrypt=yes", .loginRecords = 0},
        Login{.name = "SitesOwnDriverOption", .server = "127.0.0.1,PORT",
              .env = {"FIDFORGE_ODBC_OPTIONS", "Encryption=request"}, .ok = true},
        Login{.name = "WrongPassword", .server = "127.0.0.1,PORT;encrypt=no", .password = "wrong-password-1",
              .says = {"Login failed for user 'sa'", "127.0.0.1,PORT;encrypt=no"}, .loginRecords = 1},
        Login{.name = "UnknownDatabase", .server = "127.0.0.1,PORT;encrypt=no", .database = "Nowhere", .says = {"Nowhere"}},
        Login{.name = "ClosedPort", .server = "127.0.0.1,CLOSED", .password = "topsecret-pw",
              .says = {"127.0.0.1,CLOSED", "[FreeTDS]"}},
        Login{.name = "ServerThatNeverAnswers", .server = "127.0.0.1,SILENT;encrypt=no", .says = {"[FreeTDS]"}},
        Login{.name = "UnknownDriver", .server = "127.0.0.1,1433", .password = "topsecret-pw",
              .env = {"FIDFORGE_ODBC_DRIVER", "NoSuchDriver"}, .says = {"NoSuchDriver", "installed ODBC drivers: ", "FreeTDS"}},
        Login{.name = "EmptyOdbcString", .server = "odbc:", .says = {"odbc:"}},
        Login{.name = "EmptyServer", .server = " ,1433", .says = {"no SQL Server named"}},
        Login{.name = "PortOutOfRange", .server = "db01,70000", .says = {"65535"}},
        Login{.name = "PasswordInsideAnOdbcString", .server = "odbc:Driver={NoSuchDriver};PWD=inline-secret",
              .password = "", .never = "inline-secret"},
        // The T-SQL functions missing: said at login, naming this program's library.
        Login{.name = "MissingFunctionLibrary", .server = "odbc:Driver=SQLite3;Database=FILE", .password = "",
              .says = {"LoadExt=EXT "}}),
    [](const auto& info) { return std::string(info.param.name); });

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

}  // namespace
}  // namespace ff::test
