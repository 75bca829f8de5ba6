#include "codetext/commit_behind.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "host/file_error.h"
#include "host/user_interface.h"

namespace ff {

CommitBehind::CommitBehind(size_t depth, size_t workers)
    : depth_(std::max<size_t>(depth, 1)) {
  for (size_t i = 0; i < std::max<size_t>(workers, 1); ++i) workers_.emplace_back([this] { Work(); });
}

CommitBehind::~CommitBehind() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  for (std::thread& worker : workers_) worker.join();
  try {
    Collect();
  } catch (...) {
    // A note that fails (standard output closed) while the run is already
    // ending: the files are in place, the run's own error is told.
  }
}

void CommitBehind::Work() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return nextToSync_ < entries_.size() || stop_; });
    if (nextToSync_ >= entries_.size()) return;  // stopped with nothing left to take
    // Entries only leave from the front, and only once settled: this one
    // stays where it is while the lock is released.
    Entry& entry = entries_[nextToSync_++];
    const bool skip = failedInWorker_;  // it will be abandoned: no need for its bytes
    lock.unlock();
    int error = 0;
    if (!skip) {
      error = fault_ ? fault_(entry.commit.target) : 0;
      if (error == 0) error = SyncPendingCommit(entry.commit);
    }
    lock.lock();
    entry.synced = true;
    entry.syncError = error;
    PutInPlace(lock);
  }
}

// Renames the synced files at the front, in commit order. One worker does
// it at a time; the others leave the files they synced to it.
void CommitBehind::PutInPlace(std::unique_lock<std::mutex>& lock) {
  if (placing_) return;
  placing_ = true;
  while (worked_ < entries_.size() && entries_[worked_].synced) {
    Entry& entry = entries_[worked_];
    const bool abandon = failedInWorker_;
    lock.unlock();
    int error = 0;
    if (abandon) {
      AbandonPendingCommit(entry.commit);
    } else if (entry.syncError != 0) {
      error = entry.syncError;
      AbandonPendingCommit(entry.commit);
    } else {
      error = PlacePendingCommit(entry.commit);
    }
    lock.lock();
    entry.error = error;
    entry.state = abandon ? State::Abandoned : error != 0 ? State::Failed : State::Done;
    if (error != 0) failedInWorker_ = true;
    ++worked_;
    changed_.notify_all();
  }
  placing_ = false;
}

bool CommitBehind::Collect() {
  // One file at a time, so that a note that throws (standard output
  // closed) leaves the files after it to the next Collect.
  for (;;) {
    Entry entry;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (worked_ == 0) break;
      entry = std::move(entries_.front());
      entries_.pop_front();
      --worked_;  // the indexes count from the front
      --nextToSync_;
    }
    ReleasePendingCommit(entry.commit);
    collected_ = entry.serial + 1;
    if (entry.state != State::Done) droppedSerials_.push_back(entry.serial);
    if (entry.state == State::Failed) {
      failed_ = true;
      UI().ReportFileError(CFileException(entry.commit.path, entry.error));
    }
    RunNotes(collected_);
  }
  RunNotes(collected_);
  return !failed_;
}

void CommitBehind::RunNotes(long settledUpTo) {
  while (!notes_.empty() && notes_.front().afterSerial <= settledUpTo) {
    Note note = std::move(notes_.front());
    notes_.pop_front();
    const bool dropped = note.aboutSerial >= 0 && std::find(droppedSerials_.begin(), droppedSerials_.end(),
                                                            note.aboutSerial) != droppedSerials_.end();
    if (!dropped) note.run();
  }
}

bool CommitBehind::Settle() {
  {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return worked_ == entries_.size(); });
  }
  return Collect();
}

bool CommitBehind::Failed() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return failed_ || failedInWorker_;
}

void CommitBehind::After(std::function<void()> note, bool aboutLastFile) {
  notes_.push_back({added_, aboutLastFile ? lastFileAdded_ : -1, std::move(note)});
  Collect();
}

void CommitBehind::NewFile(const std::string& target) {
  lastFileAdded_ = -1;
  bool waiting = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    for (size_t i = worked_; i < entries_.size() && !waiting; ++i) waiting = entries_[i].commit.target == target;
  }
  if (waiting) Settle();
}

void CommitBehind::Add(PendingCommit commit) {
  {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return entries_.size() - worked_ < depth_; });
    Entry entry;
    entry.commit = std::move(commit);
    entry.serial = added_;
    entries_.push_back(std::move(entry));
  }
  lastFileAdded_ = added_++;
  changed_.notify_all();
  Collect();
}


}  // namespace ff
