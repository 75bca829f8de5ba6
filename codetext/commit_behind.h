// Lets the files of a long run reach the disk behind the generation.
//
// A generated file ends with an fsync of its temporary file and the rename
// over the target; on a busy disk the fsync takes longer than making the
// file. A writer made for a long run (WriteOptions::behind) owns one and
// hands it these two steps, so that the next file is made while the last
// ones reach the disk. (A file whose bytes are
// unchanged, or that fails before, is settled at once as always.) Several
// fsyncs run at once: one after the other, each waits for the disk's own
// flush (about 3.7 ms a file on the shared machine), while at once the
// disk serves them together. The files are put in place in the order they
// were committed, each only once its bytes are on the disk: after a crash
// every target holds its old bytes or its new ones, never a part.
//
// A failure of those steps is reported through the user interface, on the
// thread of the run, the next time it looks (Collect, Settle, a further
// commit); the temporary file goes and the target keeps its bytes. Every
// file committed after a failed one is abandoned the same way, as if the
// run had stopped at the failure. Failed() tells the run to stop.
//
// What the run says about a file (the command line's "written: path")
// waits for the file: After() runs it once every file committed before it
// is in place, and not at all when the file it speaks of failed.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "host/file_replace.h"

namespace ff {

class CommitBehind {
 public:
  // At most `depth` files wait; a further commit waits for the oldest.
  // `workers` fsyncs run at once.
  explicit CommitBehind(size_t depth = 16, size_t workers = 4);
  // Settles every file (the run's notes run, failures are reported); never
  // throws.
  ~CommitBehind();
  CommitBehind(const CommitBehind&) = delete;
  CommitBehind& operator=(const CommitBehind&) = delete;

  // Reports the failures and runs the notes of the files settled by now.
  // False once a file has failed.
  bool Collect();
  // Waits until every file is settled, then Collect().
  bool Settle();
  bool Failed() const;

  // Runs `note` on this thread once every file committed so far is
  // settled (at once when none is waiting). With `aboutLastFile`, the note
  // speaks of the last file begun, and is dropped when that file was
  // handed over here and failed or was abandoned.
  void After(std::function<void()> note, bool aboutLastFile);

  // For the writer: a file for `target` begins (one still waiting for the
  // same target is settled first); a commit to finish.
  void NewFile(const std::string& target);
  void Add(PendingCommit commit);

  // Tests: an errno to fail the fsync of `target` with (0: no fault).
  void SetFaultForTests(std::function<int(const std::string& target)> fault) { fault_ = std::move(fault); }

 private:
  enum class State { Waiting, Done, Failed, Abandoned };
  struct Entry {
    PendingCommit commit;
    long serial = 0;
    bool synced = false;  // its fsync is over (error: syncError)
    int syncError = 0;
    State state = State::Waiting;
    int error = 0;
  };
  struct Note {
    long afterSerial;  // runs once the files up to this serial are settled
    long aboutSerial;  // the file it speaks of (-1: none)
    std::function<void()> run;
  };

  void Work();
  void PutInPlace(std::unique_lock<std::mutex>& lock);
  void RunNotes(long settledUpTo);

  size_t depth_;
  std::function<int(const std::string&)> fault_;

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Entry> entries_;  // in commit order; settled ones wait for Collect
  size_t worked_ = 0;          // entries_ settled (in place or not), from the front
  size_t nextToSync_ = 0;      // the first entry no worker has taken
  bool placing_ = false;       // a worker is putting files in place
  bool stop_ = false;
  bool failedInWorker_ = false;

  // The run's own thread only.
  long added_ = 0;          // serials handed out
  long collected_ = 0;      // serials collected, all of them settled
  long lastFileAdded_ = -1; // serial of the last file begun, when it was handed over
  bool failed_ = false;
  std::deque<long> droppedSerials_;  // failed or abandoned, for the notes
  std::deque<Note> notes_;
  std::vector<std::thread> workers_;
};

}  // namespace ff
