// SQL Server (and any other ODBC data source) through unixODBC.
//
// The server text of the login names the server in the forms people type
// for SQL Server: "host", "host\instance", "host,port", "host:port" (and
// "host\instance,port"). It becomes a connection string for the driver
// chosen by name, FreeTDS by default.
//
// The connection must be encrypted unless the server text says otherwise:
// LOGIN7 only scrambles the password, so a server (or anyone in between)
// that declines encryption would read it. "host,1433;encrypt=no" allows a
// plain connection to a server that offers no encryption (the driver still
// encrypts when the server offers it); ";encrypt=yes" is the default.
// A driver option naming Encryption= or Encrypt= in FIDFORGE_ODBC_OPTIONS
// takes the place of both. A server text "odbc:<connection
// string>" or "odbc:DSN=<name>" is passed to the driver manager as it
// stands, for sites that configure their drivers centrally.
//
// The driver settings come from the environment, so that a site can set
// them once for the GUI and the CLI alike:
//   FIDFORGE_ODBC_DRIVER         driver name             (FreeTDS)
//   FIDFORGE_ODBC_CHARSET        FreeTDS client charset  (CP936)
//   FIDFORGE_TDS_VERSION         FreeTDS TDS version     (7.4; "auto" makes
//                                FreeTDS retry a login that timed out,
//                                so the login timeout no longer holds)
//   FIDFORGE_ODBC_LOGIN_TIMEOUT  seconds                 (5)
//   FIDFORGE_ODBC_OPTIONS        more "key=value;..." for the connection string
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "host/db_store.h"

namespace ff::odbc {

struct Settings {
#ifdef _WIN32
  // Microsoft's driver, else Windows' own "SQL Server" where it is missing
  // (FromEnvironment looks).
  std::string driver = "ODBC Driver 18 for SQL Server";
#else
  std::string driver = "FreeTDS";
#endif
  std::string clientCharset = "CP936";
  std::string tdsVersion = "7.4";  // SQL Server answers older versions itself
  int loginTimeout = 5;  // seconds
  std::string extraOptions;

  // The defaults above, overridden by the environment variables.
  static Settings FromEnvironment();
};

// Where the server text points.
struct ServerAddress {
  std::string host;
  std::string instance;  // "" when none
  int port = 0;          // 0 when none
  bool requireEncryption = true;  // false after ";encrypt=no"
};

// Splits a SQL Server server text; false when it names no host, a port
// out of range or an option it does not know, with the reason (GBK) in
// `reason` when given.
bool ParseServerText(const std::string& server, ServerAddress& address, std::string* reason = nullptr);

// The option that allows a plain connection, as the server text and the
// messages spell it.
inline constexpr std::string_view kPlainConnectionOption = ";encrypt=no";

// True for a driver name that means FreeTDS (which takes Port=,
// TDS_Version= and ClientCharset=).
bool IsFreeTdsDriver(const std::string& driver);

// True when the driver options name the encryption themselves.
bool NamesEncryption(const Settings& settings);

// The connection string for the login values. With `shown` set the
// password is written as "***" (for messages).
std::string ConnectionString(const LoginValues& login, const Settings& settings, bool shown = false);

// A value as a connection string carries it so that every parser on its
// way reads it back unchanged: unixODBC's, FreeTDS's (which ends a braced
// value at the first "};" and never undoes a doubled '}') and Microsoft's.
// In braces when it holds ';' or '=', starts with '{' or has blanks at an
// end; a '}' goes only unbraced. False for a value no form carries
// safely: a '}' that would need braces, or a NUL, which ends the string
// for the driver (and with it the encryption option after it).
bool QuoteValue(const std::string& value, std::string& quoted);

// False, with the reason (GBK, never the password itself), when a login
// value cannot be put into a connection string safely (see QuoteValue).
bool CheckLoginValues(const LoginValues& login, std::string& error);

// The keys of a connection string ("a=1;{b}=..."), upper-cased, in order.
std::vector<std::string> ConnectionKeys(std::string_view text);
// True when `keys` (as ConnectionKeys gives them) hold any of `names`.
bool HasKey(const std::vector<std::string>& keys, std::initializer_list<std::string_view> names);

// Every occurrence of the password (and of any PWD=/Password= value) in
// `text` replaced by "***".
std::string HidePassword(std::string text, const std::string& password);

std::unique_ptr<DbStore> Open(const LoginValues& login, const Settings& settings, std::string& error);

}  // namespace ff::odbc
