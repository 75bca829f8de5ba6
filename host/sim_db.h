// The connection to the configuration database.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "host/db_store.h"

class CStdRecord;
class CMemRecord;

class CSimDB {
 public:
  CSimDB();
  // Releases the store; called before a connection is destroyed.
  virtual void Close();
  virtual ~CSimDB();

  // Server, user, password, database, in this order. True when connected.
  bool Open(const char* server, const char* user, const char* password, const char* database);
  bool Open(const ff::LoginValues& login);
  bool IsOpen() const { return store_ != nullptr; }

  // The last error text (empty when there is none).
  std::string GetLastErrMsg() const { return lastError_; }
  // Why the last Open of a SQLite file failed (Kind::None otherwise).
  const ff::OpenFault& GetOpenFault() const { return openFault_; }

  // Sets the SQL text of the next SelectInto. The text is taken as it
  // stands: no format expansion.
  void Cmd(const std::string& sql);
  const std::string& CommandText() const { return sql_; }

  // Runs the text set by Cmd and replaces the record's rows with the
  // result. A failed query leaves the record without rows and its reason
  // in GetLastErrMsg().
  bool SelectInto(CStdRecord* record, bool replace = true);
  // The same, for readers that must never take a failure for an empty
  // result: a failed query throws ff::QueryError with the database's
  // message (also left in GetLastErrMsg()).
  void SelectChecked(CStdRecord* record);

  // Runs the text set by Cmd and hands the rows to `onRow` one at a time,
  // without holding the result: each arrives as a one-row record whose
  // columns are the captions (GetString/GetRef read it), refilled in place
  // for the next row. `onRow` returns false to stop reading. A failed
  // query hands over no rows and leaves its reason in GetLastErrMsg().
  // `onRow` must not run another query on this connection.
  bool SelectEach(const std::function<bool(const CMemRecord& row)>& onRow);
  // The same; a failed query throws ff::QueryError, also after some rows
  // were handed over.
  void SelectEachChecked(const std::function<bool(const CMemRecord& row)>& onRow);

  // Opens `sql` as a cursor over its rows, read one at a time while other
  // queries run on this connection (see ff::DbStore::Open). A failed
  // query throws ff::QueryError, when opened and from Next. The cursor
  // must go before the connection closes.
  class Cursor {
   public:
    // The next row into `row`; false at the end.
    bool Next(CMemRecord& row);
    const std::vector<std::string>& Columns() const { return rows_->Columns(); }

   private:
    friend class CSimDB;
    Cursor(CSimDB& db, std::unique_ptr<ff::RowCursor> rows) : db_(db), rows_(std::move(rows)) {}
    CSimDB& db_;
    std::unique_ptr<ff::RowCursor> rows_;
  };
  Cursor OpenChecked(const std::string& sql);

  // One consistent view for a whole command or user action: the queries
  // between BeginSnapshot and the matching EndSnapshot read one committed
  // state of the database (SQLite). Pairs nest; the outermost counts.
  // Close ends an open snapshot.
  void BeginSnapshot();
  void EndSnapshot();

  // Lets tests and tools attach a store they opened themselves.
  void Attach(std::unique_ptr<ff::DbStore> store);

 private:
  // Every use of the store takes it: the one connection serves one query
  // at a time, whichever thread asks. Recursive, so that a row handler
  // that queries again (which it must not) fails as before instead of
  // hanging.
  std::recursive_mutex storeLock_;
  std::unique_ptr<ff::DbStore> store_;
  std::string sql_;
  ff::OpenFault openFault_;
  std::string lastError_;
  int snapshotDepth_ = 0;
};
