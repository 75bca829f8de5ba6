// A database a CSimDB talks to. One store per kind of server: the embedded
// SQLite file and SQL Server (or any ODBC data source).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CStdRecord;
class CMemRecord;

namespace ff {

// The four login values, GBK, exactly as the user gave them.
struct LoginValues {
  std::string server;
  std::string user;
  std::string password;
  std::string database;
  // A SQLite file named by its path as the system spells it (UTF-8 bytes,
  // never pushed through GBK, which has no letter for many names). When
  // set it is the database, and `database` only names it in messages.
  std::string databaseFile{};
};

// The rows of one query, one at a time, while other queries may run on
// the same store.
class RowCursor {
 public:
  virtual ~RowCursor() = default;
  // The result's captions, rows or none.
  virtual const std::vector<std::string>& Columns() const = 0;
  // The next row: `row` gets the result's captions as its columns and
  // holds exactly that row. False at the end, and on failure with the
  // reason in `error`.
  virtual bool Next(CMemRecord& row, std::string& error) = 0;
};

class DbStore {
 public:
  virtual ~DbStore() = default;
  // Runs one SQL text (GBK, SQL Server dialect) and replaces the record's
  // columns and rows with the result. On failure the record has no rows,
  // `error` holds the reason and the result is false.
  virtual bool Select(const std::string& sql, CStdRecord& record, std::string& error) = 0;

  // Receives one row of a streamed result; returns false to stop reading.
  using RowHandler = std::function<bool(const CMemRecord& row)>;

  // Runs one SQL text like Select but hands the rows over one at a time:
  // `row` gets the result's captions as its columns and holds exactly the
  // row being handed over, its values refilled in place for the next one.
  // On failure no further row is handed over, `error` holds the reason and
  // the result is false; a failure before the first row hands over none.
  // `onRow` must not run another query on this store: a SQL Server
  // connection carries one result at a time.
  //
  // This default reads the whole result with Select and hands its rows
  // over one by one; the stores override it to read row by row.
  virtual bool SelectEach(const std::string& sql, CMemRecord& row, const RowHandler& onRow, std::string& error);
  // Opens one SQL text as a cursor; null on failure, with the reason in
  // `error`. Other queries may run on this store while it is open.
  //
  // This default reads the whole result with Select and hands its rows out
  // from memory (a SQL Server connection carries one result at a time); a
  // store that can keep a result open beside others (SQLite) reads row by
  // row, and memory stays flat however long the result.
  virtual std::unique_ptr<RowCursor> Open(const std::string& sql, std::string& error);

  // One read transaction around the queries that follow, until EndRead:
  // they all see the same committed state of the database, whatever
  // another program commits meanwhile. The stores that can offer it
  // (SQLite) override these; the others read each query as it comes.
  virtual void BeginRead() {}
  virtual void EndRead() {}
};

// Why a SQLite database file could not be opened, for a user interface
// that says it in its own words; the error text says it in English.
struct OpenFault {
  enum class Kind { None, NoSuchFile, NoPermission, NotAFile, NotADatabase, Locked, Other };
  Kind kind = Kind::None;
  std::string file;  // the database file, the system's bytes ("" for a server)
};

// How long a store waits for a database that another program has locked
// before a query fails with a message that says so.
inline constexpr int kBusyTimeoutSeconds = 5;

// Opens the store that the server text names. Null on failure, with the
// reason in `error` (never the password).
//  - "", "sqlite" -> SQLite file named by `database`; a bare name without
//    '/' is "<name>.sqlite" in the user's data folder.
//  - "sqlite:<file>" -> that file (or bare name); `database` is not used.
//  - "odbc:<connection string>" or "odbc:DSN=..." -> ODBC as given.
//  - anything else -> SQL Server through ODBC.
// `fault`, when given, says why a SQLite file failed.
std::unique_ptr<DbStore> OpenStore(const LoginValues& login, std::string& error, OpenFault* fault = nullptr);

// The SQLite store (host/sqlite_store.cpp), read-only. `path` is a file
// system path (UTF-8, as the system spells file names); a file that does
// not exist is an error, never a new database.
std::unique_ptr<DbStore> OpenSqliteStore(const std::string& path, std::string& error, OpenFault* fault = nullptr);

// SQL Server or any ODBC data source (host/odbc_store.cpp), for every
// server text that does not name SQLite.
std::unique_ptr<DbStore> OpenOdbcStore(const LoginValues& login, std::string& error);

// The name of the demo database: a bare "Developer" (the login default)
// that does not exist yet is created from the embedded demo on first use.
inline constexpr const char* kDemoDatabaseName = "Developer";

// True when the server text names the SQLite store.
bool IsSqliteServer(const std::string& server);

// Where a bare database name lives: $XDG_DATA_HOME/fidforge (or
// ~/.local/share/fidforge) + "/<name>.sqlite". `name` is GBK; the result is
// a file system path (UTF-8).
std::string DefaultDatabasePath(const std::string& name);

}  // namespace ff
