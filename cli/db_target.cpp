// --db: which configuration database the commands read.
#include <filesystem>
#include <system_error>

#include "cli/commands.h"
#include "cli/sqlserver_target.h"
#include "host/file_access.h"
#include "host/gbk_text.h"

namespace ff::cli {
namespace {

// The login defaults: the same values the login dialog starts with.
constexpr const char* kDefaultUser = "sa";
constexpr const char* kDefaultPassword = "482913";

bool StartsWith(const std::string& text, std::string_view prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

bool ResolveDbTarget(const std::string& db, LoginValues& login, std::string& error) {
  login = LoginValues{};
  login.server = "sqlite";
  login.user = kDefaultUser;
  login.password = kDefaultPassword;

  // SQL Server and ODBC data sources bring their own login values.
  if (IsSqlServerTarget(db)) return ResolveSqlServerTarget(db, login, error);

  std::string target = db;
  if (StartsWith(target, "sqlite:")) target = target.substr(7);
  if (target.empty()) {
    // The demo database, made on first use.
    login.database = kDemoDatabaseName;
    return true;
  }
  // A bare word names a database in the data folder; anything that looks
  // like a file (a folder part or an extension) is a file.
  if (LastSeparator(target) == std::string::npos && target.find('.') == std::string::npos) {
    login.database = gbk::FromUtf8(target);
    return true;
  }
  std::error_code ec;
  std::filesystem::path path = std::filesystem::absolute(FsPath(target), ec);
  if (ec) {
    error = gbk::FromUtf8("cannot resolve the path " + target + ": " + ec.message());
    return false;
  }
  login.databaseFile = PathString(path.lexically_normal());  // the system's bytes, as typed
  login.database = gbk::FromUtf8(login.databaseFile);
  return true;
}

}  // namespace ff::cli
