#include "host/sim_db.h"

#include "host/record.h"

CSimDB::CSimDB() = default;

void CSimDB::Close() { store_.reset(); }

CSimDB::~CSimDB() { CSimDB::Close(); }

bool CSimDB::Open(const char* server, const char* user, const char* password, const char* database) {
  store_.reset();
  lastError_.clear();
  ff::LoginValues login{server ? server : "", user ? user : "", password ? password : "",
                        database ? database : ""};
  std::string error;
  store_ = ff::OpenStore(login, error);
  if (!store_) {
    lastError_ = error.empty() ? std::string("cannot connect to the database") : error;
    return false;
  }
  return true;
}

void CSimDB::Cmd(const std::string& sql) { sql_ = sql; }

bool CSimDB::SelectInto(CStdRecord* record, bool /*replace*/) {
  if (!record) return false;
  if (!store_) {
    record->SetColumns({});
    lastError_ = "not connected to a database";
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
  if (!store_) {
    lastError_ = "not connected to a database";
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

void CSimDB::Attach(std::unique_ptr<ff::DbStore> store) {
  store_ = std::move(store);
  lastError_.clear();
}
