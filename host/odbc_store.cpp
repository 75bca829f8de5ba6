// SQL Server and other ODBC data sources, through unixODBC.
//
// FreeTDS is asked for its texts in code page 936 (ClientCharset), so query
// texts go out and captions and values come back as the GBK bytes the
// engine works in, with no conversion here. A data source that turns out to
// be SQLite (Debian's SQLite ODBC driver) speaks UTF-8 and reads ISNULL as
// an operator: for it the texts are converted and the query adapted exactly
// as the SQLite store does.
#include "host/odbc_store.h"

#ifdef _WIN32
#include <windows.h>  // the types MinGW's ODBC headers take from it
#endif
#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <span>
#include <vector>

#include "host/gbk_text.h"
#include "host/record.h"
#include "host/install_layout.h"
#include "host/tsql_dialect.h"

namespace ff::odbc {
namespace {

constexpr std::string_view kOdbcPrefix = "odbc:";

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && gbk::ToLower(text.substr(0, prefix.size())) == gbk::ToLower(prefix);
}

bool IsDigits(std::string_view text) {
  if (text.empty() || text.size() > 5) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// "encrypt=no" and the like, ';'-separated; false on anything else.
bool ParseServerOptions(std::string_view options, ServerAddress& address) {
  while (!options.empty()) {
    size_t semi = options.find(';');
    std::string option = gbk::ToLower(gbk::Trim(options.substr(0, semi)));
    options = semi == std::string_view::npos ? std::string_view() : options.substr(semi + 1);
    if (option.empty()) continue;
    size_t eq = option.find('=');
    if (eq == std::string::npos || gbk::Trim(option.substr(0, eq)) != "encrypt") return false;
    std::string value = gbk::Trim(option.substr(eq + 1));
    if (value == "yes" || value == "true" || value == "mandatory") {
      address.requireEncryption = true;
    } else if (value == "no" || value == "false" || value == "optional") {
      address.requireEncryption = false;
    } else {
      return false;
    }
  }
  return true;
}

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

void AppendOption(std::string& text, std::string_view key, const std::string& value) {
  if (!text.empty() && text.back() != ';') text += ';';
  text += key;
  text += '=';
  std::string quoted;
  // Open() refuses a value no form carries before a string is made; one
  // here only names a login in a message, braced as it stands.
  if (!QuoteValue(value, quoted)) quoted = "{" + value + "}";
  text += quoted;
}

// "odbc:" strings as given, with the login's user, password and database
// for the keys the string leaves out.
std::string PassThrough(const LoginValues& login, bool shown) {
  std::string text = login.server.substr(kOdbcPrefix.size());
  const auto keys = ConnectionKeys(text);
  if (!login.user.empty() && !HasKey(keys, {"UID", "USER", "USERNAME"})) AppendOption(text, "UID", login.user);
  if (!login.password.empty() && !HasKey(keys, {"PWD", "PASSWORD"}))
    AppendOption(text, "PWD", shown ? std::string("***") : login.password);
  if (!login.database.empty() && !HasKey(keys, {"DATABASE", "DSN", "FILEDSN"}))
    AppendOption(text, "Database", login.database);
  return text;
}

struct Diagnostic {
  std::string state;
  std::string text;
};

std::vector<Diagnostic> Diagnostics(SQLSMALLINT type, SQLHANDLE handle) {
  std::vector<Diagnostic> out;
  if (!handle) return out;
  for (SQLSMALLINT i = 1; i <= 16; ++i) {
    SQLCHAR state[6] = {};
    SQLINTEGER native = 0;
    std::vector<SQLCHAR> text(1024);
    SQLSMALLINT length = 0;
    SQLRETURN rc = SQLGetDiagRec(type, handle, i, state, &native, text.data(),
                                 static_cast<SQLSMALLINT>(text.size()), &length);
    if (rc == SQL_SUCCESS_WITH_INFO && length >= static_cast<SQLSMALLINT>(text.size())) {
      text.resize(static_cast<size_t>(length) + 1);
      rc = SQLGetDiagRec(type, handle, i, state, &native, text.data(), static_cast<SQLSMALLINT>(text.size()),
                         &length);
    }
    if (!SQL_SUCCEEDED(rc)) break;
    out.push_back({reinterpret_cast<char*>(state), reinterpret_cast<char*>(text.data())});
  }
  return out;
}

// On Windows fidforge-cli.exe runs with the UTF-8 code page (its
// manifest): the driver manager hands every text of the narrow calls over
// in UTF-8, whatever the driver.
#ifdef _WIN32
constexpr bool kTextsInUtf8 = true;
#else
constexpr bool kTextsInUtf8 = false;
#endif

std::string DiagnosticText(const std::vector<Diagnostic>& diagnostics, bool utf8) {
  std::string text;
  for (const auto& d : diagnostics) {
    if (!text.empty()) text += '\n';
    text += utf8 ? gbk::FromUtf8(d.text) : d.text;
    text += " (SQLSTATE " + d.state + ")";
  }
  return text;
}

// The drivers the driver manager knows, for the message about one it
// does not know.
#ifdef _WIN32
// Windows lists its drivers in the registry, where SQLDrivers reads them
// (which Wine's driver manager cannot run).
std::vector<std::string> WindowsDrivers() {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\ODBC\\ODBCINST.INI\\ODBC Drivers", 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return names;
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD length = sizeof name;
    if (::RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  ::RegCloseKey(key);
  return names;
}

std::string InstalledDrivers(SQLHENV) {
  std::string names;
  for (const std::string& name : WindowsDrivers()) names += (names.empty() ? "" : ", ") + gbk::FromUtf8(name);
  return names.empty() ? std::string("none") : names;
}
#else
std::string InstalledDrivers(SQLHENV env) {
  std::string names;
  SQLUSMALLINT direction = SQL_FETCH_FIRST;
  for (int guard = 0; guard < 256; ++guard) {
    SQLCHAR name[256];
    SQLCHAR attributes[1024];
    SQLSMALLINT nameLength = 0, attributesLength = 0;
    SQLRETURN rc = SQLDrivers(env, direction, name, sizeof name, &nameLength, attributes, sizeof attributes,
                              &attributesLength);
    if (!SQL_SUCCEEDED(rc)) break;
    if (!names.empty()) names += ", ";
    names += reinterpret_cast<char*>(name);
    direction = SQL_FETCH_NEXT;
  }
  return names.empty() ? std::string("none") : names;
}
#endif

class OdbcStore : public DbStore {
 public:
  // `utf8`: the texts cross the driver manager in UTF-8, not in GBK.
  OdbcStore(SQLHENV env, SQLHDBC dbc, bool sqlite, bool utf8)
      : env_(env), dbc_(dbc), sqlite_(sqlite), utf8_(utf8 || sqlite) {}
  ~OdbcStore() override {
    SQLDisconnect(dbc_);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    SQLFreeHandle(SQL_HANDLE_ENV, env_);
  }

  bool Select(const std::string& sql, CStdRecord& record, std::string& error) override {
    return Query(sql, record, nullptr, error);
  }

  bool SelectEach(const std::string& sql, CMemRecord& row, const RowHandler& onRow, std::string& error) override {
    const std::function<bool()> next = [&] { return onRow(row); };
    return Query(sql, row, &next, error);
  }

 private:
  // Runs `sql` into `record`. Without `afterRow` every row is appended;
  // with it each row is read into the record's single row and handed over
  // before the next is fetched, until `afterRow` says stop.
  bool Query(const std::string& sql, CStdRecord& record, const std::function<bool()>* afterRow, std::string& error) {
    record.SetColumns({});
    SQLHSTMT stmt = nullptr;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &stmt))) {
      error = Failure("cannot start a query", SQL_HANDLE_DBC, dbc_);
      return false;
    }
    bool ok = Run(stmt, sql, record, afterRow, error);
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    return ok;
  }

  bool Run(SQLHSTMT stmt, const std::string& sql, CStdRecord& record, const std::function<bool()>* afterRow,
           std::string& error) {
    std::string text = sql;
    if (utf8_ && !gbk::IsAscii(sql)) text = gbk::ToUtf8(sql);
    if (sqlite_) tsql::AdaptForSqliteInPlace(text);
    SQLRETURN rc = SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(text.data()), static_cast<SQLINTEGER>(text.size()));
    if (rc == SQL_NO_DATA) return true;  // a statement without a result
    if (!SQL_SUCCEEDED(rc)) {
      error = Failure("the query failed", SQL_HANDLE_STMT, stmt);
      return false;
    }
    SQLSMALLINT columns = 0;
    SQLNumResultCols(stmt, &columns);
    std::vector<std::string> captions;
    for (SQLUSMALLINT c = 1; c <= static_cast<SQLUSMALLINT>(columns); ++c) captions.push_back(Caption(stmt, c));
    record.SetColumns(std::move(captions));
    if (columns == 0) return true;

    std::vector<char> buffer(8192);
    for (;;) {
      rc = SQLFetch(stmt);
      if (rc == SQL_NO_DATA) break;
      if (!SQL_SUCCEEDED(rc)) {
        error = Failure("reading the rows failed", SQL_HANDLE_STMT, stmt);
        record.Empty();
        return false;
      }
      if (!ReadRow(stmt, buffer, afterRow ? record.SingleRow() : record.AddRow())) {
        error = Failure("reading a value failed", SQL_HANDLE_STMT, stmt);
        record.Empty();
        return false;
      }
      if (afterRow && !(*afterRow)()) break;
    }
    SQLCloseCursor(stmt);
    return true;
  }

  // The values of the fetched row, one per column, each overwriting the
  // text it replaces.
  bool ReadRow(SQLHSTMT stmt, std::vector<char>& buffer, std::span<std::string> values) {
    // Text for UTF-8 output comes as the server's own characters (UTF-16),
    // not through the driver's GBK, which turns what GBK lacks into '?'.
    const bool wide = !utf8_ && gbk::KeepingForeignText();
    for (size_t i = 0; i < values.size(); ++i) {
      std::string& value = values[i];
      if (wide) {
        if (!ReadWideValue(stmt, static_cast<SQLUSMALLINT>(i + 1), buffer, value)) return false;
        if (!gbk::IsAscii(value)) value = gbk::FromUtf8Keeping(value);
        continue;
      }
      if (!ReadValue(stmt, static_cast<SQLUSMALLINT>(i + 1), buffer, value)) return false;
      if (utf8_ && !gbk::IsAscii(value))
        value = gbk::KeepingForeignText() ? gbk::FromUtf8Keeping(value) : gbk::FromUtf8(value);
    }
    return true;
  }

  std::string Caption(SQLHSTMT stmt, SQLUSMALLINT column) {
    std::vector<SQLCHAR> name(256);
    SQLSMALLINT length = 0, type = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    SQLDescribeCol(stmt, column, name.data(), static_cast<SQLSMALLINT>(name.size()), &length, &type, &size,
                   &digits, &nullable);
    if (length >= static_cast<SQLSMALLINT>(name.size())) {
      name.resize(static_cast<size_t>(length) + 1);
      SQLDescribeCol(stmt, column, name.data(), static_cast<SQLSMALLINT>(name.size()), &length, &type, &size,
                     &digits, &nullable);
    }
    std::string caption(reinterpret_cast<char*>(name.data()));
    return utf8_ && !gbk::IsAscii(caption) ? gbk::FromUtf8(caption) : caption;
  }

  // Every value as text, long ones in pieces; NULL is the empty text.
  static bool ReadValue(SQLHSTMT stmt, SQLUSMALLINT column, std::vector<char>& buffer, std::string& value) {
    value.clear();
    const SQLLEN room = static_cast<SQLLEN>(buffer.size());
    for (int piece = 0; piece < (1 << 20); ++piece) {
      SQLLEN indicator = 0;
      SQLRETURN rc = SQLGetData(stmt, column, SQL_C_CHAR, buffer.data(), room, &indicator);
      if (rc == SQL_NO_DATA) return true;
      if (!SQL_SUCCEEDED(rc)) return false;
      if (indicator == SQL_NULL_DATA) {
        value.clear();
        return true;
      }
      if (rc == SQL_SUCCESS_WITH_INFO && (indicator == SQL_NO_TOTAL || indicator >= room)) {
        // A piece: the driver filled what fits, less the terminating NUL
        // (less a split character, where a driver keeps characters whole).
        value.append(buffer.data(), strnlen(buffer.data(), static_cast<size_t>(room - 1)));
        continue;
      }
      value.append(buffer.data(), static_cast<size_t>(std::min<SQLLEN>(indicator, room - 1)));
      return true;
    }
    return false;
  }

  // The same as UTF-8, read as UTF-16 (SQL_C_WCHAR); a unit that pairs
  // with nothing becomes U+FFFD.
  static bool ReadWideValue(SQLHSTMT stmt, SQLUSMALLINT column, std::vector<char>& buffer, std::string& value) {
    value.clear();
    std::u16string units;
    const SQLLEN room = static_cast<SQLLEN>(buffer.size()) & ~SQLLEN{1};
    const size_t roomUnits = static_cast<size_t>(room) / 2;
    bool done = false;
    for (int piece = 0; piece < (1 << 20) && !done; ++piece) {
      SQLLEN indicator = 0;
      SQLRETURN rc = SQLGetData(stmt, column, SQL_C_WCHAR, buffer.data(), room, &indicator);
      if (rc == SQL_NO_DATA) {
        done = true;
        break;
      }
      if (!SQL_SUCCEEDED(rc)) return false;
      if (indicator == SQL_NULL_DATA) return true;
      size_t count = roomUnits - 1;  // a full piece, less the terminating NUL
      if (!(rc == SQL_SUCCESS_WITH_INFO && (indicator == SQL_NO_TOTAL || indicator >= room))) {
        count = std::min(static_cast<size_t>(indicator) / 2, roomUnits - 1);
        done = true;
      }
      const size_t first = units.size();
      units.resize(first + count);
      std::memcpy(units.data() + first, buffer.data(), count * 2);
    }
    if (!done) return false;
    value.reserve(units.size());
    for (size_t i = 0; i < units.size(); ++i) {
      char32_t c = units[i];
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
        ++i;
      } else if (c >= 0xD800 && c <= 0xDFFF) {
        c = 0xFFFD;
      }
      if (c < 0x80) {
        value += static_cast<char>(c);
      } else if (c < 0x800) {
        value += static_cast<char>(0xC0 | (c >> 6));
        value += static_cast<char>(0x80 | (c & 0x3F));
      } else if (c < 0x10000) {
        value += static_cast<char>(0xE0 | (c >> 12));
        value += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        value += static_cast<char>(0x80 | (c & 0x3F));
      } else {
        value += static_cast<char>(0xF0 | (c >> 18));
        value += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        value += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        value += static_cast<char>(0x80 | (c & 0x3F));
      }
    }
    return true;
  }

  std::string Failure(const char* what, SQLSMALLINT type, SQLHANDLE handle) {
    std::string reason = DiagnosticText(Diagnostics(type, handle), utf8_);
    return reason.empty() ? std::string(what) : reason;
  }

  SQLHENV env_;
  SQLHDBC dbc_;
  bool sqlite_;
  bool utf8_;
};

}  // namespace

Settings Settings::FromEnvironment() {
  Settings s;
#ifdef _WIN32
  const auto drivers = WindowsDrivers();
  if (std::find(drivers.begin(), drivers.end(), s.driver) == drivers.end() &&
      std::find(drivers.begin(), drivers.end(), "SQL Server") != drivers.end())
    s.driver = "SQL Server";
#endif
  if (auto v = Env("FIDFORGE_ODBC_DRIVER"); !v.empty()) s.driver = v;
  if (auto v = Env("FIDFORGE_ODBC_CHARSET"); !v.empty()) s.clientCharset = v;
  if (auto v = Env("FIDFORGE_TDS_VERSION"); !v.empty()) s.tdsVersion = v;
  if (auto v = Env("FIDFORGE_ODBC_LOGIN_TIMEOUT"); !v.empty() && gbk::AtoL(v) > 0)
    s.loginTimeout = static_cast<int>(gbk::AtoL(v));
  s.extraOptions = Env("FIDFORGE_ODBC_OPTIONS");
  return s;
}

std::vector<std::string> ConnectionKeys(std::string_view text) {
  std::vector<std::string> keys;
  size_t i = 0;
  while (i < text.size()) {
    size_t eq = text.find('=', i);
    size_t semi = text.find(';', i);
    if (eq == std::string_view::npos || (semi != std::string_view::npos && semi < eq)) {
      if (semi == std::string_view::npos) break;
      i = semi + 1;
      continue;
    }
    keys.push_back(gbk::ToUpper(gbk::Trim(text.substr(i, eq - i))));
    size_t v = eq + 1;
    if (v < text.size() && text[v] == '{') {  // a braced value may hold ';'
      size_t close = v + 1;
      while (close < text.size()) {
        if (text[close] == '}') {
          if (close + 1 < text.size() && text[close + 1] == '}') {
            close += 2;
            continue;
          }
          break;
        }
        ++close;
      }
      v = close;
    }
    semi = text.find(';', v);
    if (semi == std::string_view::npos) break;
    i = semi + 1;
  }
  return keys;
}

bool HasKey(const std::vector<std::string>& keys, std::initializer_list<std::string_view> names) {
  for (const auto& k : keys)
    for (auto n : names)
      if (k == n) return true;
  return false;
}

bool ParseServerText(const std::string& server, ServerAddress& address, std::string* reason) {
  address = {};
  auto fail = [&](std::string why) {
    if (reason) *reason = std::move(why);
    return false;
  };
  // Options after the address: ";encrypt=no". No host holds a ';'.
  std::string text = server;
  if (size_t semi = text.find(';'); semi != std::string::npos) {
    std::string options = text.substr(semi + 1);
    text.erase(semi);
    if (!ParseServerOptions(options, address))
      return fail("the server text \"" + gbk::Trim(server) + "\" has an option other than encrypt=yes or encrypt=no: \"" +
                  gbk::Trim(options) + "\"");
  }
  text = gbk::Trim(text);
  if (StartsWithNoCase(text, "tcp:")) text = gbk::Trim(text.substr(4));
  // A port at the end: "host,1433", "host:1433", "host\inst,1433".
  size_t comma = gbk::FindLast(text, ",");
  size_t colon = gbk::FindLast(text, ":");
  size_t cut = std::string::npos;
  if (comma != std::string::npos && IsDigits(gbk::Trim(text.substr(comma + 1)))) {
    cut = comma;
  } else if (colon != std::string::npos && gbk::Find(text, ":") == colon && text.front() != '[' &&
             IsDigits(gbk::Trim(text.substr(colon + 1)))) {
    cut = colon;  // one colon only: an IPv6 address is no host:port
  } else if (text.size() > 2 && text.front() == '[' && colon != std::string::npos && colon > 0 &&
             text[colon - 1] == ']' && IsDigits(text.substr(colon + 1))) {
    cut = colon;  // "[::1]:1433"
  }
  if (cut != std::string::npos) {
    address.port = static_cast<int>(gbk::AtoL(text.substr(cut + 1)));
    text = gbk::Trim(text.substr(0, cut));
  }
  size_t slash = gbk::Find(text, "\\");
  if (slash != std::string::npos) {
    address.instance = gbk::Trim(text.substr(slash + 1));
    text = gbk::Trim(text.substr(0, slash));
  }
  if (text.size() > 2 && text.front() == '[' && text.back() == ']') text = text.substr(1, text.size() - 2);
  if (text == "." || gbk::ToLower(text) == "(local)") text = "127.0.0.1";
  address.host = text;
  if (address.host.empty())
    return fail("no SQL Server named: the server text \"" + gbk::Trim(server) + "\" holds no host");
  if (address.port < 0 || address.port > 65535)
    return fail("the port in the server text \"" + gbk::Trim(server) + "\" is not between 1 and 65535");
  return true;
}

bool NamesEncryption(const Settings& settings) {
  return HasKey(ConnectionKeys(settings.extraOptions), {"ENCRYPTION", "ENCRYPT"});
}

bool IsFreeTdsDriver(const std::string& driver) {
  std::string lower = gbk::ToLower(driver);
  return lower.find("freetds") != std::string::npos || lower.find("tdsodbc") != std::string::npos;
}

bool QuoteValue(const std::string& value, std::string& quoted) {
  if (value.find('\0') != std::string::npos) return false;
  const bool mustBrace = value.find(';') != std::string::npos ||
                         (!value.empty() && (value.front() == '{' || value.front() == ' ' || value.back() == ' '));
  const bool closes = value.find('}') != std::string::npos;
  if (closes) {
    // Unbraced a '}' is an ordinary character to every parser; braced,
    // FreeTDS would end the value there.
    if (mustBrace) return false;
    quoted = value;
    return true;
  }
  if (mustBrace || value.find('=') != std::string::npos || value.find('{') != std::string::npos) {
    quoted = "{" + value + "}";
  } else {
    quoted = value;
  }
  return true;
}

bool CheckLoginValues(const LoginValues& login, std::string& error) {
  auto carried = [&error](const std::string& value, const std::string& what, bool secret) {
    std::string quoted;
    if (QuoteValue(value, quoted)) return true;
    const std::string named = secret ? what : what + " \"" + value + "\"";
    error = value.find('\0') != std::string::npos
                ? named + " holds a NUL character, which no ODBC connection string carries"
                : named + " holds a '}' together with a ';', a '{' first or a blank at an end: no ODBC connection "
                          "string carries such a value safely to every driver (FreeTDS would end it at the '}')";
    return false;
  };
  if (!carried(login.user, "the user name", false) || !carried(login.password, "the password", true) ||
      !carried(login.database, "the database name", false)) {
    return false;
  }
  if (StartsWithNoCase(login.server, kOdbcPrefix)) return true;
  ServerAddress address;
  if (ParseServerText(login.server, address) && !carried(address.host, "the server name", false)) return false;
  return true;
}

std::string ConnectionString(const LoginValues& login, const Settings& settings, bool shown) {
  if (StartsWithNoCase(login.server, kOdbcPrefix)) return PassThrough(login, shown);
  ServerAddress address;
  ParseServerText(login.server, address);
  std::string text = "Driver={" + settings.driver + "}";
  const bool freetds = IsFreeTdsDriver(settings.driver);
  std::string server = address.host;
  if (freetds) {
    // FreeTDS finds a named instance through the SQL Server Browser; a
    // port, when given, wins.
    if (!address.instance.empty() && address.port == 0) server += "\\" + address.instance;
    AppendOption(text, "Server", server);
    if (address.port != 0) AppendOption(text, "Port", std::to_string(address.port));
  } else {
    if (!address.instance.empty()) server += "\\" + address.instance;
    if (address.port != 0) server += "," + std::to_string(address.port);
    AppendOption(text, "Server", server);
  }
  if (!login.database.empty()) AppendOption(text, "Database", login.database);
  AppendOption(text, "UID", login.user);
  AppendOption(text, "PWD", shown ? std::string("***") : login.password);
  if (freetds) {
    if (!settings.tdsVersion.empty()) AppendOption(text, "TDS_Version", settings.tdsVersion);
    if (!settings.clientCharset.empty()) AppendOption(text, "ClientCharset", settings.clientCharset);
  }
  if (!NamesEncryption(settings)) {
    // FreeTDS: "require" sends no login to a server without encryption;
    // "request" (its own default) encrypts when the server offers it.
    // Microsoft's driver: Encrypt=yes and no.
    if (freetds)
      AppendOption(text, "Encryption", address.requireEncryption ? "require" : "request");
    else
      AppendOption(text, "Encrypt", address.requireEncryption ? "yes" : "no");
  }
  if (!settings.extraOptions.empty()) {
    if (text.back() != ';') text += ';';
    text += settings.extraOptions;
  }
  return text;
}

std::string HidePassword(std::string text, const std::string& password) {
  // Any PWD=... or Password=... that a message repeats from a connection
  // string: the value alone, braced or up to the end of the option, so
  // that the driver's words after it stay readable.
  auto isWord = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
  for (std::string_view key : {"PWD", "PASSWORD"}) {
    size_t from = 0;
    for (;;) {
      const std::string upper = gbk::ToUpper(text);
      size_t at = gbk::Find(upper, key, from);
      if (at == std::string::npos) break;
      from = at + key.size();
      if ((at > 0 && isWord(text[at - 1])) || (from < text.size() && isWord(text[from]))) continue;
      size_t begin = text.find_first_not_of(' ', from);
      if (begin == std::string::npos || text[begin] != '=') continue;
      begin = text.find_first_not_of(' ', begin + 1);
      if (begin == std::string::npos) break;
      size_t end = begin;
      if (text[begin] == '{') {  // a braced value may hold ';' and doubled '}}'
        for (++end; end < text.size(); ++end) {
          if (text[end] != '}') continue;
          if (end + 1 < text.size() && text[end + 1] == '}') {
            ++end;
            continue;
          }
          ++end;
          break;
        }
      } else if (!password.empty() && text.compare(begin, password.size(), password) == 0) {
        end = begin + password.size();  // the one we sent: exactly it
      } else {
        // Up to the end of the option; a message quotes the connection
        // string, and its reason follows the closing quote.
        end = text.find_first_of(";\n\"", begin);
        if (end == std::string::npos) end = text.size();
      }
      text.replace(begin, end - begin, "***");
      from = begin + 3;
    }
  }
  // A very short password would match ordinary words; such a password is
  // no secret worth hiding this way anyway.
  if (password.size() >= 4) gbk::ReplaceAll(text, password, "***");
  return text;
}

namespace {

// FreeTDS ends a login that requires encryption without a word when the
// server offers none; other drivers speak of SSL, TLS or certificates.
bool MayBeRefusedEncryption(const std::string& reason) {
  const std::string lower = gbk::ToLower(reason);
  if (lower.empty()) return true;
  for (std::string_view word : {"encrypt", "ssl", "tls", "certificate", "adaptive server connection failed"})
    if (lower.find(word) != std::string::npos) return true;
  return false;
}

// How to get in anyway, and at what price.
std::string EncryptionHint(const std::string& server) {
  std::string plain = gbk::Trim(server) + std::string(kPlainConnectionOption);
  return "the connection must be encrypted; if this server offers no encryption, a plain connection "
         "(the password then crosses the network readable) is allowed by the server text \"" + plain +
         "\", or by ?encrypt=no after the database in an mssql:// address";
}

}  // namespace

std::unique_ptr<DbStore> Open(const LoginValues& login, const Settings& settings, std::string& error) {
  const bool passThrough = StartsWithNoCase(login.server, kOdbcPrefix);
  std::string target;
  bool encryptionAsked = false;  // by us, so a refusal is ours to explain
  if (passThrough) {
    if (gbk::Trim(login.server.substr(kOdbcPrefix.size())).empty()) {
      error = "no ODBC connection string after \"odbc:\"";
      return nullptr;
    }
    target = "ODBC data source \"" + ConnectionString(login, settings, true) + "\"";
  } else {
    ServerAddress address;
    if (!ParseServerText(login.server, address, &error)) return nullptr;
    target = "SQL Server \"" + gbk::Trim(login.server) + "\" through the ODBC driver \"" + settings.driver + "\"";
    encryptionAsked = address.requireEncryption && !NamesEncryption(settings);
  }

  // No login value may end its field and add options of its own (another
  // port or server, no encryption, another driver).
  if (!CheckLoginValues(login, error)) {
    error = "cannot connect to " + target + ": " + error;
    return nullptr;
  }

  SQLHENV env = nullptr;
  SQLHDBC dbc = nullptr;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env))) {
    error = "cannot start the ODBC driver manager";
    return nullptr;
  }
  SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc))) {
    error = "cannot start an ODBC connection";
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return nullptr;
  }
  // A wrong server must fail within seconds, not after the system's TCP
  // timeout.
  SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT,
                    reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(settings.loginTimeout)), 0);

  std::string connection = ConnectionString(login, settings);
  SQLCHAR completed[1024];
  SQLSMALLINT completedLength = 0;
  SQLRETURN rc = SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(connection.data()),
                                  static_cast<SQLSMALLINT>(connection.size()), completed, sizeof completed,
                                  &completedLength, SQL_DRIVER_NOPROMPT);
  std::fill(connection.begin(), connection.end(), '\0');
  std::memset(completed, 0, sizeof completed);
  if (!SQL_SUCCEEDED(rc)) {
    auto diagnostics = Diagnostics(SQL_HANDLE_DBC, dbc);
    std::string reason = DiagnosticText(diagnostics, kTextsInUtf8);
    bool noDriver = false;
    for (const auto& d : diagnostics)
      noDriver = noDriver || d.state == "IM002" || d.state == "IM003" ||
                 d.text.find("Can't open lib") != std::string::npos;
    if (noDriver)
      reason += (reason.empty() ? "" : "\n") + std::string("installed ODBC drivers: ") + InstalledDrivers(env);
    else if (encryptionAsked && MayBeRefusedEncryption(reason))
      reason += (reason.empty() ? "" : "\n") + EncryptionHint(login.server);
    error = HidePassword("cannot connect to " + target + ":\n" + (reason.empty() ? "no reason given" : reason),
                         login.password);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return nullptr;
  }

  // SQLite behind ODBC needs the SQLite treatment of texts and queries.
  char dbms[256] = {};
  SQLSMALLINT dbmsLength = 0;
  SQLGetInfo(dbc, SQL_DBMS_NAME, dbms, sizeof dbms, &dbmsLength);
  const bool sqlite = gbk::ToLower(dbms).find("sqlite") != std::string::npos;
  auto store = std::make_unique<OdbcStore>(env, dbc, sqlite, kTextsInUtf8);
  if (sqlite) {
    // The stored queries call STR, ISNULL and DATALENGTH: without them every
    // query would fail later, so say so now.
    CMemRecord probe;
    std::string reason;
    if (!store->Select("SELECT STR(1), DATALENGTH('x')", probe, reason)) {
      std::string extension = InstalledTsqlExtension();
      if (extension.empty()) extension = "<path>/libfidforge_tsql.so";
      error = HidePassword("the SQLite data source " + target +
                               " lacks the SQL Server functions STR and DATALENGTH: add "
                               "LoadExt=" + extension + " to its connection string (" + reason + ")",
                           login.password);
      return nullptr;
    }
  }
  return store;
}

}  // namespace ff::odbc

namespace ff {

std::unique_ptr<DbStore> OpenOdbcStore(const LoginValues& login, std::string& error) {
  return odbc::Open(login, odbc::Settings::FromEnvironment(), error);
}

}  // namespace ff
