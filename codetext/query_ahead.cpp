#include "codetext/query_ahead.h"

#include <algorithm>
#include <exception>

#include "host/config_db.h"
#include "host/query_error.h"
#include "host/record.h"
#include "host/sim_db.h"

namespace ff::code {

namespace {
thread_local QueryAhead* active = nullptr;
}  // namespace

struct QueryAhead::Entry {
  enum class State { Queued, Reading, Read };
  std::string sql;
  long batch = 0;
  int uses = 1;  // takes still to come
  State state = State::Queued;
  bool failed = false;
  std::string error;
  CMemRecord rows;

  // Runs on whichever thread reads it, without the queue's lock. Nothing
  // escapes: on the worker an exception would end the program.
  void Read(CSimDB* db) noexcept {
    try {
      failed = !(db && db->Run(sql, rows, error));
      if (failed && error.empty()) error = kNotConnected;
    } catch (const std::exception& e) {
      failed = true;
      rows.SetColumns({});
      error = e.what();
    }
  }
};

QueryAhead::QueryAhead(CSimDB* db, size_t batches)
    : previous_(active), db_(db ? db : g_pConfigDB), keep_(std::max<size_t>(batches, 1)) {
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
  {
    std::lock_guard lock(mutex_);
    const long batch = batches_++;
    // An entry being read stays alive with the worker that holds it.
    std::erase_if(entries_, [&](const auto& entry) { return entry->batch <= batch - static_cast<long>(keep_); });
    for (const std::string& sql : queries) {
      const auto same = std::find_if(entries_.begin(), entries_.end(), [&](const auto& entry) {
        return entry->batch == batch && entry->sql == sql;
      });
      if (same != entries_.end()) {
        ++(*same)->uses;
        continue;
      }
      auto entry = std::make_shared<Entry>();
      entry->sql = sql;
      entry->batch = batch;
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
  std::shared_ptr<Entry> entry = *found;
  if (entry->state == Entry::State::Queued) {
    // The worker has not come to it: no use waiting for it.
    entry->state = Entry::State::Reading;
    lock.unlock();
    entry->Read(db_);
    lock.lock();
    entry->state = Entry::State::Read;
  } else {
    changed_.wait(lock, [&entry] { return entry->state == Entry::State::Read; });
  }
  const bool last = --entry->uses == 0;
  if (last) std::erase(entries_, entry);
  lock.unlock();
  if (entry->failed) {
    record.SetColumns({});
    throw QueryError(entry->error);
  }
  if (last) {
    record.TakeRowsFrom(entry->rows);
  } else {
    CMemRecord copy(entry->rows);
    record.TakeRowsFrom(copy);
  }
  return true;
}

void QueryAhead::Work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    std::shared_ptr<Entry> entry;
    changed_.wait(lock, [&] {
      if (stop_) return true;
      const auto next = std::find_if(entries_.begin(), entries_.end(),
                                     [](const auto& e) { return e->state == Entry::State::Queued; });
      if (next == entries_.end()) return false;
      entry = *next;
      return true;
    });
    if (stop_) return;
    entry->state = Entry::State::Reading;
    lock.unlock();
    entry->Read(db_);
    lock.lock();
    entry->state = Entry::State::Read;
    changed_.notify_all();
  }
}

void ReadAheadRun::Begin(size_t item) {
  for (size_t next = std::max(queued_, item); next <= item + 1 && next < count_; ++next) {
    const std::vector<std::string> queries = queriesOf_(next);
    if (!queries.empty()) ahead_.Queue(queries);
    queued_ = next + 1;
  }
}

}  // namespace ff::code
