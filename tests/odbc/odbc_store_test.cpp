// The ODBC store's texts: server texts into connection strings, and
// passwords kept out of messages.
#include <tuple>

#include <gtest/gtest.h>

#include "host/odbc_store.h"
#include "tests/odbc/odbc_test_util.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

using odbc::ServerAddress;

TEST(OdbcServerText, SqlServerFormsAreSplitAndEncryptionIsRequiredUnlessAllowedOff) {
  struct Case {
    const char* text;
    const char* host;  // nullptr: refused
    const char* instance = "";
    int port = 0;
    bool encrypt = true;
  };
  for (const Case& c : std::vector<Case>{
           {"db01\\PROD", "db01", "PROD"}, {"10.0.0.5,1433", "10.0.0.5", "", 1433}, {"10.0.0.5:1500", "10.0.0.5", "", 1500},
           {" db01 , 1433 ", "db01", "", 1433}, {"db01", "db01"}, {"tcp:db01,1433", "db01", "", 1433},
           {"db01\\PROD,1450", "db01", "PROD", 1450}, {"[::1]:1433", "::1", "", 1433}, {"fe80::1", "fe80::1"},
           {"(local)", "127.0.0.1"}, {"", nullptr}, {"  ", nullptr}, {",1433", nullptr}, {";encrypt=no", nullptr},
           {"db01,1433;encrypt=no", "db01", "", 1433, false}, {"db01\\PROD ; Encrypt = NO ;", "db01", "PROD", 0, false},
           {"db01;encrypt=optional", "db01", "", 0, false}, {"db01:1500;encrypt=yes", "db01", "", 1500, true}}) {
    ServerAddress a;
    ASSERT_EQ(c.host != nullptr, odbc::ParseServerText(c.text, a)) << c.text;
    if (!c.host) continue;
    EXPECT_EQ(std::tuple(std::string(c.host), std::string(c.instance), c.port, c.encrypt),
              std::tuple(a.host, a.instance, a.port, a.requireEncryption)) << c.text;
  }
  // A misspelt option must not quietly mean the default.
  for (const char* bad : {"db01;encrypt=maybe", "db01;encrypted=no", "db01;trust=yes"}) {
    ServerAddress a;
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
  // The last option of a quoted connection string, unbraced: the reason after it stays.
  EXPECT_EQ(odbc::HidePassword("source \"UID=sa;PWD=x\" lacks STR: add LoadExt", "x"),
            "source \"UID=sa;PWD=***\" lacks STR: add LoadExt");
  EXPECT_EQ(odbc::HidePassword("source \"UID=sa;PWD=inline\" lacks STR", ""), "source \"UID=sa;PWD=***\" lacks STR");
  EXPECT_EQ(odbc::HidePassword("user s3cret! refused", "s3cret!"), "user *** refused");
  // A short password is no word to search for.
  EXPECT_EQ(odbc::HidePassword("sa refused", "sa"), "sa refused");
}

}  // namespace
}  // namespace ff::test
