#include "host/db_store.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "data/embedded_sql.h"
#include "host/file_access.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "host/temp_folder.h"

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
  std::filesystem::create_directories(FsPath(path).parent_path(), ec);
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

// A whole result, held as the bytes of its values one after another and
// handed out row by row.
class HeldCursor : public RowCursor {
 public:
  const std::vector<std::string>& Columns() const override { return columns_; }
  bool Next(CMemRecord& row, std::string& /*error*/) override {
    const size_t width = columns_.size();
    if (width == 0 || (next_ + 1) * width > ends_.size()) return false;
    if (row.Columns() != columns_) row.SetColumns(columns_);
    std::span<std::string> values = row.SingleRow();
    for (size_t c = 0, at = next_ * width; c < width; ++c, ++at) {
      const size_t begin = at == 0 ? 0 : ends_[at - 1];
      values[c].assign(bytes_, begin, ends_[at] - begin);
    }
    ++next_;
    return true;
  }
  bool Read(DbStore& store, const std::string& sql, std::string& error) {
    CMemRecord row;
    const bool ok = store.SelectEach(sql, row, [this](const CMemRecord& one) {
      for (size_t c = 0; c < one.Columns().size(); ++c) {
        bytes_ += one.Value(0, static_cast<int>(c));
        ends_.push_back(bytes_.size());
      }
      return true;
    }, error);
    columns_ = row.Columns();
    return ok;
  }

 private:
  std::vector<std::string> columns_;
  std::string bytes_;
  std::vector<size_t> ends_;  // where each value ends in bytes_, row after row
  size_t next_ = 0;
};

}  // namespace

std::unique_ptr<RowCursor> DbStore::Open(const std::string& sql, std::string& error) {
  auto cursor = std::make_unique<HeldCursor>();
  if (!cursor->Read(*this, sql, error)) return nullptr;
  return cursor;
}

bool IsSqliteServer(const std::string& server) {
  return server.empty() || (server.size() == 6 && StartsWithNoCase(server, "sqlite")) ||
         StartsWithNoCase(server, "sqlite:");
}

std::string DefaultDatabasePath(const std::string& name) { return UserDataFile(gbk::ToUtf8(name) + ".sqlite"); }

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
  if (LastSeparator(gbk::ToUtf8(database)) != std::string::npos)
    return OpenSqliteStore(gbk::ToUtf8(database), error, fault);

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
