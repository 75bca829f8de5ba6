#include "host/db_store.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "data/embedded_sql.h"
#include "host/gbk_text.h"
#include "host/record.h"

namespace ff {
namespace {

bool StartsWithNoCase(const std::string& text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

bool FileExists(const std::string& path) {
  struct stat info{};
  return ::stat(path.c_str(), &info) == 0;
}

// Creates the demo database where the default login looks for it.
bool CreateDemoDatabase(const std::string& path, std::string& error) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  if (ec) {
    error = "cannot create the folder of " + gbk::FromUtf8(path) + ": " + gbk::FromUtf8(ec.message());
    return false;
  }
  std::string reason;
  if (data::CreateDatabase(path, true, reason)) return true;
  // Another process may have made it in the meantime.
  if (FileExists(path)) return true;
  error = "cannot create the demo database: " + reason;
  return false;
}

}  // namespace

bool DbStore::SelectEach(const std::string& sql, CMemRecord& row, const RowHandler& onRow, std::string& error) {
  CMemRecord all;
  if (!Select(sql, all, error)) {
    row.SetColumns({});
    return false;
  }
  row.SetColumns(all.Columns());
  const int columns = static_cast<int>(all.Columns().size());
  for (int r = 0; r < all.GetCount(); ++r) {
    std::span<std::string> values = row.SingleRow();
    for (int c = 0; c < columns; ++c) values[static_cast<size_t>(c)] = all.Value(r, c);
    if (!onRow(row)) break;
  }
  return true;
}

namespace {

// A whole result, handed out row by row.
class HeldCursor : public RowCursor {
 public:
  const std::vector<std::string>& Columns() const override { return all.Columns(); }
  bool Next(CMemRecord& row, std::string& /*error*/) override {
    if (next_ >= all.GetCount()) return false;
    if (row.Columns() != all.Columns()) row.SetColumns(all.Columns());
    std::span<std::string> values = row.SingleRow();
    for (size_t c = 0; c < values.size(); ++c) values[c] = all.Value(next_, static_cast<int>(c));
    ++next_;
    return true;
  }
  CMemRecord all;

 private:
  int next_ = 0;
};

}  // namespace

std::unique_ptr<RowCursor> DbStore::Open(const std::string& sql, std::string& error) {
  auto cursor = std::make_unique<HeldCursor>();
  if (!Select(sql, cursor->all, error)) return nullptr;
  return cursor;
}

bool IsSqliteServer(const std::string& server) {
  return server.empty() || (server.size() == 6 && StartsWithNoCase(server, "sqlite")) ||
         StartsWithNoCase(server, "sqlite:");
}

std::string DefaultDatabasePath(const std::string& name) {
  std::string base;
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && data[0] == '/') {
    base = data;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home && home[0] ? home : ".") + "/.local/share";
  }
  return base + "/fidforge/" + gbk::ToUtf8(name) + ".sqlite";
}

std::unique_ptr<DbStore> OpenStore(const LoginValues& login, std::string& error, OpenFault* fault) {
  if (!IsSqliteServer(login.server)) return OpenOdbcStore(login, error);
  if (!login.databaseFile.empty()) return OpenSqliteStore(login.databaseFile, error, fault);

  // "sqlite:<file>" names the file itself; the database text (which the
  // login dialog always fills, "Developer" by default) then plays no part.
  std::string database = login.server.size() > 7 ? login.server.substr(7) : login.database;
  if (database.empty()) {
    error = "no SQLite database named: the database name is empty";
    if (fault) *fault = {OpenFault::Kind::NoSuchFile, {}};
    return nullptr;
  }
  if (database.find('/') != std::string::npos) return OpenSqliteStore(gbk::ToUtf8(database), error, fault);

  // A bare name lives in the user's data folder.
  const std::string path = DefaultDatabasePath(database);
  if (!FileExists(path)) {
    if (database != kDemoDatabaseName) {
      error = "SQLite database \"" + database + "\" does not exist (looked for " + gbk::PathInText(path) + ")";
      if (fault) *fault = {OpenFault::Kind::NoSuchFile, path};
      return nullptr;
    }
    if (!CreateDemoDatabase(path, error)) {
      if (fault) *fault = {OpenFault::Kind::Other, path};
      return nullptr;
    }
  }
  return OpenSqliteStore(path, error, fault);
}

}  // namespace ff
