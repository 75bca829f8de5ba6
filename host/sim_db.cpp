#include "host/sim_db.h"

#include "host/query_error.h"
#include "host/record.h"

CSimDB::CSimDB() = default;

void CSimDB::Close() {
  std::lock_guard lock(storeLock_);
  if (store_ && snapshotDepth_ > 0) store_->EndRead();
  snapshotDepth_ = 0;
  store_.reset();
}

CSimDB::~CSimDB() { CSimDB::Close(); }

bool CSimDB::Open(const char* server, const char* user, const char* password, const char* database) {
  return Open(ff::LoginValues{server ? server : "", user ? user : "", password ? password : "",
                              database ? database : ""});
}

bool CSimDB::Open(const ff::LoginValues& login) {
  CSimDB::Close();
  lastError_.clear();
  openFault_ = {};
  std::string error;
  std::unique_ptr<ff::DbStore> store = ff::OpenStore(login, error, &openFault_);
  std::lock_guard lock(storeLock_);
  store_ = std::move(store);
  if (!store_) {
    lastError_ = error.empty() ? std::string("cannot connect to the database") : error;
    return false;
  }
  return true;
}

void CSimDB::Cmd(const std::string& sql) { sql_ = sql; }

bool CSimDB::SelectInto(CStdRecord* record, bool /*replace*/) {
  if (!record) return false;
  std::lock_guard lock(storeLock_);
  if (!store_) {
    record->SetColumns({});
    lastError_ = ff::kNotConnected;
    return false;
  }
  std::string error;
  if (!store_->Select(sql_, *record, error)) {
    lastError_ = error.empty() ? std::string("the query failed") : error;
    return false;
  }
  lastError_.clear();
  return true;
}

bool CSimDB::SelectEach(const std::function<bool(const CMemRecord& row)>& onRow) {
  std::lock_guard lock(storeLock_);
  if (!store_) {
    lastError_ = ff::kNotConnected;
    return false;
  }
  CMemRecord row;
  std::string error;
  if (!store_->SelectEach(sql_, row, onRow, error)) {
    lastError_ = error.empty() ? std::string("the query failed") : error;
    return false;
  }
  lastError_.clear();
  return true;
}

void CSimDB::SelectChecked(CStdRecord* record) {
  if (!SelectInto(record, true)) throw ff::QueryError(lastError_);
}

void CSimDB::SelectEachChecked(const std::function<bool(const CMemRecord& row)>& onRow) {
  if (!SelectEach(onRow)) throw ff::QueryError(lastError_);
}

CSimDB::Cursor CSimDB::OpenChecked(const std::string& sql) {
  std::lock_guard lock(storeLock_);
  if (!store_) throw ff::QueryError(ff::kNotConnected);
  std::string error;
  std::unique_ptr<ff::RowCursor> rows = store_->Open(sql, error);
  if (!rows) throw ff::QueryError(error.empty() ? std::string("the query failed") : error);
  return Cursor(*this, std::move(rows));
}

bool CSimDB::Cursor::Next(CMemRecord& row) {
  std::lock_guard lock(db_.storeLock_);
  std::string error;
  if (rows_->Next(row, error)) return true;
  if (!error.empty()) throw ff::QueryError(error);
  return false;
}

void CSimDB::BeginSnapshot() {
  std::lock_guard lock(storeLock_);
  if (store_ && snapshotDepth_++ == 0) store_->BeginRead();
}

void CSimDB::EndSnapshot() {
  std::lock_guard lock(storeLock_);
  if (!store_ || snapshotDepth_ == 0) return;
  if (--snapshotDepth_ == 0) store_->EndRead();
}

void CSimDB::Attach(std::unique_ptr<ff::DbStore> store) {
  std::lock_guard lock(storeLock_);
  if (store_ && snapshotDepth_ > 0) store_->EndRead();
  snapshotDepth_ = 0;
  store_ = std::move(store);
  lastError_.clear();
}
