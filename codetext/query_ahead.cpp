#include "codetext/query_ahead.h"

#include <algorithm>

#include "host/config_db.h"
#include "host/query_error.h"
#include "host/record.h"
#include "host/sim_db.h"

namespace ff::code {

namespace {
thread_local QueryAhead* active = nullptr;
}  // namespace

struct QueryAhead::Entry {
  std::string sql;
  bool read = false;  // `rows` or `error` holds the result
  bool failed = false;
  std::string error;
  CMemRecord rows;
};

QueryAhead::QueryAhead(CSimDB* db) : previous_(active), db_(db ? db : g_pConfigDB) {
  active = this;
  worker_ = std::thread([this] { Work(); });
}

QueryAhead::~QueryAhead() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  worker_.join();
  active = previous_;
}

QueryAhead* QueryAhead::Active() { return active; }

void QueryAhead::Queue(const std::vector<std::string>& queries) {
  if (queries.empty()) return;
  {
    std::lock_guard lock(mutex_);
    for (const std::string& sql : queries) {
      auto entry = std::make_shared<Entry>();
      entry->sql = sql;
      entries_.push_back(std::move(entry));
    }
  }
  changed_.notify_all();
}

bool QueryAhead::Take(const std::string& sql, CMemRecord& record) {
  std::unique_lock lock(mutex_);
  const auto found =
      std::find_if(entries_.begin(), entries_.end(), [&sql](const auto& entry) { return entry->sql == sql; });
  if (found == entries_.end()) return false;
  // What was queued before it is not wanted after all.
  const size_t index = static_cast<size_t>(found - entries_.begin());
  const bool started = index < nextToRead_;
  std::shared_ptr<Entry> entry = *found;
  entries_.erase(entries_.begin(), found + 1);
  nextToRead_ = started ? nextToRead_ - (index + 1) : 0;
  if (started) {
    changed_.wait(lock, [&entry] { return entry->read; });
    lock.unlock();
  } else {
    // The worker has not come to it: no use waiting for it.
    lock.unlock();
    entry->failed = !(db_ && db_->Run(entry->sql, entry->rows, entry->error));
    if (entry->failed && entry->error.empty()) entry->error = kNotConnected;
  }
  if (entry->failed) {
    record.SetColumns({});
    throw QueryError(entry->error);
  }
  record.TakeRowsFrom(entry->rows);
  return true;
}

void QueryAhead::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stop_ || nextToRead_ < entries_.size(); });
    if (stop_) return;
    // Held here too: Take may drop it from the queue while it is read.
    std::shared_ptr<Entry> entry = entries_[nextToRead_++];
    lock.unlock();
    std::string error;
    const bool ok = db_ && db_->Run(entry->sql, entry->rows, error);
    if (!ok && error.empty()) error = kNotConnected;
    lock.lock();
    entry->failed = !ok;
    entry->error = std::move(error);
    entry->read = true;
    changed_.notify_all();
  }
}

}  // namespace ff::code
