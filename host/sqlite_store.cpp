// The SQLite configuration database. SQLite holds UTF-8 while the engine
// works in GBK: query texts are converted on the way in and every caption
// and value on the way out, here and nowhere else.
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/db_store.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "host/tsql_dialect.h"
#include "host/tsql_functions.h"

namespace ff {
namespace {

std::string ToGbk(const char* utf8, size_t size) {
  std::string_view text(utf8 ? utf8 : "", utf8 ? size : 0);
  return gbk::IsAscii(text) ? std::string(text) : gbk::FromUtf8(text);
}

std::string ToGbk(const char* utf8) { return ToGbk(utf8, utf8 ? std::strlen(utf8) : 0); }

bool Exists(const std::string& path) {
  struct stat info{};
  return ::stat(path.c_str(), &info) == 0;
}

// True when the database file's header says it keeps a write-ahead log.
bool IsWalFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  unsigned char header[20] = {};
  const bool read = std::fread(header, 1, sizeof header, file) == sizeof header;
  std::fclose(file);
  return read && header[18] == 2 && header[19] == 2;
}

// The database's own message, and where it says too little for a user to
// act on, what it means here: a lock that outlasted the busy timeout, or a
// read-only reader that cannot do the writing a database asks for.
std::string ReasonOf(sqlite3* db, int rc) {
  std::string reason = ToGbk(sqlite3_errmsg(db));
  const int code = sqlite3_extended_errcode(db);
  const char* name = sqlite3_db_filename(db, "main");
  const std::string file = name ? name : "";
  if ((rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED) {
    reason += " (another program kept the database locked for more than " + std::to_string(kBusyTimeoutSeconds) +
              " seconds; run again when it has finished writing)";
  } else if (code == SQLITE_READONLY_ROLLBACK || ((code & 0xff) == SQLITE_READONLY && Exists(file + "-journal"))) {
    const std::string shown = ToGbk(file.c_str(), file.size());
    reason += " (a program stopped in the middle of writing the database and left its hot journal " + shown +
              "-journal; FidForge only reads, so it cannot roll the unfinished change back: open the database "
              "once with a program allowed to write it, for example sqlite3 " + shown +
              " \"PRAGMA quick_check\", then run again)";
  } else if ((code & 0xff) == SQLITE_READONLY || (code & 0xff) == SQLITE_CANTOPEN) {
    if (IsWalFile(file)) {
      const std::string shown = ToGbk(file.c_str(), file.size());
      reason += " (the database keeps a write-ahead log, and even a reader needs to make or write " + shown +
                "-wal and " + shown + "-shm beside it, which this folder or medium does not allow; copy the "
                "database to a writable folder, or where it can be written switch it back with sqlite3 " + shown +
                " \"PRAGMA journal_mode=DELETE\")";
    }
  }
  return reason;
}

class SqliteStore : public DbStore {
 public:
  explicit SqliteStore(sqlite3* db) : db_(db) {}
  ~SqliteStore() override {
    ClearStatements();
    sqlite3_close_v2(db_);
  }

  bool Select(const std::string& sql, CStdRecord& record, std::string& error) override {
    return Run(sql, record, nullptr, error);
  }

  bool SelectEach(const std::string& sql, CMemRecord& row, const RowHandler& onRow, std::string& error) override {
    const std::function<bool()> next = [&] { return onRow(row); };
    return Run(sql, row, &next, error);
  }

  std::unique_ptr<RowCursor> Open(const std::string& sql, std::string& error) override;

  // A deferred transaction takes its snapshot at the first read and keeps
  // it (and the shared lock or WAL read mark) until it ends.
  void BeginRead() override { inTransaction_ = sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK; }

  void EndRead() override {
    // A read transaction has nothing to keep: ending it only releases the
    // snapshot. SQLite may already have ended it after an I/O error.
    if (inTransaction_ && !sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    inTransaction_ = false;
  }

 private:
  friend class SqliteCursor;

  // Runs `sql` into `record`. Without `afterRow` every row is appended;
  // with it each row is read into the record's single row and handed over
  // before the next is stepped to, until `afterRow` says stop.
  bool Run(const std::string& sql, CStdRecord& record, const std::function<bool()>* afterRow, std::string& error) {
    sqlite3_stmt* stmt = Prepare(sql, error);
    if (!stmt) {
      record.SetColumns({});
      return false;
    }
    const int columns = sqlite3_column_count(stmt);
    std::vector<std::string> captions;
    captions.reserve(static_cast<size_t>(columns));
    for (int i = 0; i < columns; ++i) captions.push_back(ToGbk(sqlite3_column_name(stmt, i)));
    record.SetColumns(std::move(captions));

    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
      ReadRow(stmt, afterRow ? record.SingleRow() : record.AddRow());
      if (afterRow && !(*afterRow)()) {
        rc = SQLITE_DONE;
        break;
      }
    }
    const bool ok = rc == SQLITE_DONE;
    if (!ok) {
      error = Reason(rc);
      record.Empty();
    }
    // Resetting ends the read transaction, so other connections may write.
    sqlite3_reset(stmt);
    return ok;
  }

  // The values of the row the statement stands on, one per column, each
  // overwriting the text it replaces; NULL is the empty text.
  static void ReadRow(sqlite3_stmt* stmt, std::span<std::string> values) {
    for (size_t i = 0; i < values.size(); ++i) {
      std::string& value = values[i];
      const int column = static_cast<int>(i);
      if (sqlite3_column_type(stmt, column) == SQLITE_NULL) {
        value.clear();
        continue;
      }
      const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
      const std::string_view utf8(text ? text : "", text ? static_cast<size_t>(sqlite3_column_bytes(stmt, column)) : 0);
      if (gbk::IsAscii(utf8)) {
        value.assign(utf8);
      } else {
        value = gbk::KeepingForeignText() ? gbk::FromUtf8Keeping(utf8) : gbk::FromUtf8(utf8);
      }
    }
  }

  // Statements stay prepared for the next run of the same text; the
  // generators repeat a few texts many times. `keep` false: a statement of
  // the caller's own, to finalize when done.
  sqlite3_stmt* Prepare(const std::string& sql, std::string& error, bool keep = true) {
    auto found = statements_.find(sql);
    if (keep && found != statements_.end()) return found->second;

    std::string utf8 = gbk::IsAscii(sql) ? sql : gbk::ToUtf8(sql);
    tsql::AdaptForSqliteInPlace(utf8);
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db_, utf8.c_str(), static_cast<int>(utf8.size()), &stmt, nullptr);
    if (rc != SQLITE_OK) {
      error = Reason(rc);
      sqlite3_finalize(stmt);
      return nullptr;
    }
    if (!stmt) {
      // Nothing but blanks and comments: a query without columns or rows.
      rc = sqlite3_prepare_v2(db_, "SELECT 1 WHERE 0", -1, &stmt, nullptr);
      if (rc != SQLITE_OK) {
        error = ToGbk(sqlite3_errmsg(db_));
        return nullptr;
      }
    }
    if (!keep) return stmt;
    if (statements_.size() >= kMaxStatements) ClearStatements();
    statements_.emplace(sql, stmt);
    return stmt;
  }

  std::string Reason(int rc) const { return ReasonOf(db_, rc); }

  void ClearStatements() {
    for (auto& entry : statements_) sqlite3_finalize(entry.second);
    statements_.clear();
  }

  static constexpr size_t kMaxStatements = 256;
  sqlite3* db_;
  bool inTransaction_ = false;
  std::unordered_map<std::string, sqlite3_stmt*> statements_;
};

// A statement of its own, stepped one row at a time: the other queries of
// the store run on statements of their own meanwhile.
class SqliteCursor : public RowCursor {
 public:
  SqliteCursor(SqliteStore& store, sqlite3_stmt* stmt) : store_(store), stmt_(stmt) {
    const int columns = sqlite3_column_count(stmt);
    captions_.reserve(static_cast<size_t>(columns));
    for (int i = 0; i < columns; ++i) captions_.push_back(ToGbk(sqlite3_column_name(stmt, i)));
  }
  ~SqliteCursor() override { sqlite3_finalize(stmt_); }
  const std::vector<std::string>& Columns() const override { return captions_; }

  bool Next(CMemRecord& row, std::string& error) override {
    if (done_) return false;
    const int rc = sqlite3_step(stmt_);
    if (rc != SQLITE_ROW) {
      done_ = true;
      if (rc != SQLITE_DONE) error = store_.Reason(rc);
      return false;
    }
    if (row.Columns() != captions_) row.SetColumns(captions_);
    SqliteStore::ReadRow(stmt_, row.SingleRow());
    return true;
  }

 private:
  SqliteStore& store_;
  sqlite3_stmt* stmt_;
  std::vector<std::string> captions_;
  bool done_ = false;
};

std::unique_ptr<RowCursor> SqliteStore::Open(const std::string& sql, std::string& error) {
  sqlite3_stmt* stmt = Prepare(sql, error, false);
  if (!stmt) return nullptr;
  return std::make_unique<SqliteCursor>(*this, stmt);
}

}  // namespace

std::unique_ptr<DbStore> OpenSqliteStore(const std::string& path, std::string& error, OpenFault* fault) {
  const std::string shown = gbk::PathInText(path);
  auto fail = [&](OpenFault::Kind kind, std::string text) {
    error = std::move(text);
    if (fault) *fault = {kind, path};
    return nullptr;
  };
  struct stat info{};
  if (path.empty()) return fail(OpenFault::Kind::NoSuchFile, "no SQLite database file named");
  if (::stat(path.c_str(), &info) != 0) {
    const int reason = errno;
    if (reason == EACCES)
      return fail(OpenFault::Kind::NoPermission, "cannot open SQLite database " + shown + ": " + std::strerror(reason));
    return fail(OpenFault::Kind::NoSuchFile, "SQLite database " + shown + " does not exist");
  }
  if (!S_ISREG(info.st_mode)) return fail(OpenFault::Kind::NotAFile, "SQLite database " + shown + " is not a file");
  if (::access(path.c_str(), R_OK) != 0)
    return fail(OpenFault::Kind::NoPermission, "cannot open SQLite database " + shown + ": " + std::strerror(errno));
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    std::string text = "cannot open SQLite database " + shown + ": " + (db ? ReasonOf(db, rc) : ToGbk(sqlite3_errstr(rc)));
    sqlite3_close_v2(db);
    return fail(OpenFault::Kind::Other, std::move(text));
  }
  // A writer's short lock is waited for rather than failing the read.
  sqlite3_busy_timeout(db, kBusyTimeoutSeconds * 1000);
  // A damaged page must fail the read, never read as fewer or empty rows:
  // every b-tree cell's size is checked against its page as it is read
  // (without it a page of garbage can pass as a page without rows), and
  // the connection refuses what could damage the file further (nothing
  // here writes, so that costs nothing).
  sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  rc = sqlite3_exec(db, "PRAGMA cell_size_check=ON", nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) {
    error = "cannot prepare SQLite database " + shown + ": " + ReasonOf(db, rc);
    sqlite3_close_v2(db);
    return nullptr;
  }
  std::string reason;
  if (!tsql::RegisterFunctions(db, &reason)) {
    sqlite3_close_v2(db);
    return fail(OpenFault::Kind::Other, "cannot prepare SQLite database " + shown + ": " + ToGbk(reason.c_str()));
  }
  // Reading the schema tells a database from any other file.
  rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) {
    std::string text = "cannot read SQLite database " + shown + ": " + ReasonOf(db, rc);
    sqlite3_close_v2(db);
    const int primary = rc & 0xff;
    const OpenFault::Kind kind = primary == SQLITE_NOTADB                              ? OpenFault::Kind::NotADatabase
                                 : primary == SQLITE_BUSY || primary == SQLITE_LOCKED ? OpenFault::Kind::Locked
                                                                                      : OpenFault::Kind::Other;
    return fail(kind, std::move(text));
  }
  return std::make_unique<SqliteStore>(db);
}

}  // namespace ff
