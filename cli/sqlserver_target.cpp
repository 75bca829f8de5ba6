#include "cli/sqlserver_target.h"

#include <cstdlib>
#include <cstring>

#include "cli/terminal_prompt.h"
#include "host/gbk_text.h"
#include "host/odbc_store.h"

namespace ff::cli {
namespace {

constexpr std::string_view kUrlPrefix = "mssql://";
constexpr std::string_view kOdbcPrefix = "odbc:";
constexpr const char* kPasswordVariable = "FIDFORGE_DB_PASSWORD";

PasswordPrompt& Prompt() {
  static PasswordPrompt prompt;
  return prompt;
}

bool AskPassword(const std::string& prompt, std::string& password) {
  if (Prompt()) return Prompt()(prompt, password);
  return AskTerminal(prompt, password);
}

// The password (GBK): the environment variable, else the terminal.
bool FindPassword(const std::string& prompt, std::string& password, std::string& error) {
  if (const char* value = std::getenv(kPasswordVariable)) {
    password = gbk::FromUtf8(value);
    return true;
  }
  std::string typed;
  if (!AskPassword(prompt, typed)) {
    error = std::string("no password: set ") + kPasswordVariable + " or run on a terminal to be asked";
    return false;
  }
  password = gbk::FromUtf8(typed);
  std::fill(typed.begin(), typed.end(), '\0');
  return true;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "%5C" and the like; false on a broken escape.
bool PercentDecode(std::string_view text, std::string& out) {
  out.clear();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    int hi = i + 1 < text.size() ? HexValue(text[i + 1]) : -1;
    int lo = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
    if (hi < 0 || lo < 0) return false;
    out += static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  return true;
}

bool ResolveUrl(const std::string& db, LoginValues& login, std::string& error) {
  const std::string usage = "expected mssql://USER@HOST[:PORT][/INSTANCE]/DATABASE[?encrypt=no]";
  std::string_view rest = std::string_view(db).substr(kUrlPrefix.size());
  size_t at = rest.rfind('@');
  if (at == std::string_view::npos || at == 0) {
    error = "no user in the SQL Server address: " + usage;
    return false;
  }
  std::string_view userInfo = rest.substr(0, at);
  if (userInfo.find(':') != std::string_view::npos) {
    // Never repeat it: the text after the colon is a password.
    error = "a password does not belong on the command line: set FIDFORGE_DB_PASSWORD or type it when asked";
    return false;
  }
  rest.remove_prefix(at + 1);
  // "?encrypt=no" allows a plain connection to a server without
  // encryption; the server text carries it on as ";encrypt=no".
  std::string options;
  if (size_t question = rest.find('?'); question != std::string_view::npos) {
    std::string_view query = rest.substr(question + 1);
    rest = rest.substr(0, question);
    while (!query.empty()) {
      size_t amp = query.find('&');
      std::string_view pair = query.substr(0, amp);
      query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
      if (pair.empty()) continue;
      std::string lower = gbk::ToLower(pair);
      if (lower != "encrypt=no" && lower != "encrypt=yes") {
        error = "unknown option \"" + std::string(pair) + "\" in the SQL Server address: " + usage;
        return false;
      }
      options += ";" + lower;
    }
  }
  size_t slash = rest.find('/');
  if (slash == std::string_view::npos) {
    error = "no database in the SQL Server address: " + usage;
    return false;
  }
  std::string_view hostPort = rest.substr(0, slash);
  std::string_view path = rest.substr(slash + 1);
  std::string_view instance;
  if (size_t second = path.find('/'); second != std::string_view::npos) {
    instance = path.substr(0, second);
    path = path.substr(second + 1);
  }
  while (!path.empty() && path.back() == '/') path.remove_suffix(1);

  std::string host(hostPort);
  std::string port;
  if (!host.empty() && host.front() == '[') {  // [IPv6]:port
    size_t close = host.find(']');
    if (close == std::string::npos) {
      error = "unclosed '[' in the SQL Server address: " + usage;
      return false;
    }
    if (close + 1 < host.size() && host[close + 1] == ':') port = host.substr(close + 2);
    host = host.substr(1, close - 1);
  } else if (size_t colon = host.rfind(':'); colon != std::string::npos) {
    port = host.substr(colon + 1);
    host = host.substr(0, colon);
  }
  if (!port.empty()) {
    long number = gbk::AtoL(port);
    if (port.find_first_not_of("0123456789") != std::string::npos || number <= 0 || number > 65535) {
      error = "the port \"" + port + "\" is not a port number: " + usage;
      return false;
    }
  }
  std::string user, database, instanceName;
  if (!PercentDecode(userInfo, user) || !PercentDecode(path, database) ||
      !PercentDecode(instance, instanceName)) {
    error = "a broken %-escape in the SQL Server address: " + usage;
    return false;
  }
  if (host.empty() || database.empty() || path.find('/') != std::string_view::npos) {
    error = (host.empty() ? "no host" : "no database") + std::string(" in the SQL Server address: ") + usage;
    return false;
  }
  // The server text in the form people type for SQL Server.
  std::string server = host.find(':') != std::string::npos ? "[" + host + "]" : host;
  if (!instanceName.empty()) server += "\\" + instanceName;
  if (!port.empty()) server += "," + port;
  server += options;

  login.server = gbk::FromUtf8(server);
  login.user = gbk::FromUtf8(user);
  login.database = gbk::FromUtf8(database);
  return FindPassword("Password for " + user + "@" + host + ": ", login.password, error);
}

bool ResolveOdbc(const std::string& db, LoginValues& login, std::string& error) {
  std::string text = db.substr(kOdbcPrefix.size());
  if (gbk::Trim(text).empty()) {
    error = "no connection string after \"odbc:\" (odbc:DSN=NAME or odbc:Driver={...};...)";
    return false;
  }
  const auto keys = odbc::ConnectionKeys(text);
  if (odbc::HasKey(keys, {"PWD", "PASSWORD"})) {
    error = "a password does not belong on the command line: take PWD= out of the connection string and set "
            "FIDFORGE_DB_PASSWORD or type it when asked";
    return false;
  }
  login.server = gbk::FromUtf8(std::string(kOdbcPrefix) + text);
  // The connection string or the data source says everything else.
  login.user.clear();
  login.database.clear();
  login.password.clear();
  if (const char* value = std::getenv(kPasswordVariable)) {
    login.password = gbk::FromUtf8(value);
  } else if (odbc::HasKey(keys, {"UID", "USER", "USERNAME"})) {
    // A user without a password: ask, as for mssql://.
    return FindPassword("Password: ", login.password, error);
  }
  return true;
}

}  // namespace

bool IsSqlServerTarget(const std::string& db) {
  return db.compare(0, kUrlPrefix.size(), kUrlPrefix) == 0 || db.compare(0, kOdbcPrefix.size(), kOdbcPrefix) == 0;
}

bool ResolveSqlServerTarget(const std::string& db, LoginValues& login, std::string& error) {
  login = LoginValues{};
  std::string reason;
  bool ok = db.compare(0, kUrlPrefix.size(), kUrlPrefix) == 0 ? ResolveUrl(db, login, reason)
                                                                : ResolveOdbc(db, login, reason);
  if (!ok) error = gbk::FromUtf8(reason);
  return ok;
}

void SetPasswordPrompt(PasswordPrompt prompt) { Prompt() = std::move(prompt); }

}  // namespace ff::cli
