// The ODBC store's texts: server texts into connection strings, and
// passwords kept out of messages.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace ff::test
