// Reads the queries of a long run ahead of the generation.
//
// Making a module's files is two kinds of work one after the other: its
// queries (on SQL Server each a network round trip, on SQLite most of the
// CPU time) and the texts made from their rows. While a QueryAhead is
// active on a thread, the run names the queries of the next module
// (Queue) while it makes the current one, a worker reads them on the same
// connection, and RunQuery on the run's thread takes a queued query's
// rows (Take) instead of sending it again.
//
// Nothing about the result depends on it: a queued query is the same text
// on the same connection inside the same snapshot, so its rows are the
// ones RunQuery would have read. A text queued twice in one batch (the
// module's function list, which Process.h and Process.cpp both read) is
// read once and taken twice. A query that was not queued is sent as
// always; queued ones that are never taken go with their batch. A queued
// query that fails fails where it is taken, as RunQuery fails, and
// nowhere if it is not.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CMemRecord;
class CSimDB;

namespace ff::code {

class QueryAhead {
 public:
  // Reads on `db` (the shared connection when null) and holds the results
  // of the last `batches` batches queued. Becomes this thread's active
  // QueryAhead until it goes.
  explicit QueryAhead(CSimDB* db = nullptr, size_t batches = 2);
  // Waits for the query being read, drops the rest.
  ~QueryAhead();
  QueryAhead(const QueryAhead&) = delete;
  QueryAhead& operator=(const QueryAhead&) = delete;

  // The active QueryAhead of this thread, or null.
  static QueryAhead* Active();

  // The queries of one piece of work (a module), read in this order. The
  // batches older than the last `batches` are dropped, read or not.
  void Queue(const std::vector<std::string>& queries);

  // When `sql` is queued: waits until it is read (or reads it here if the
  // worker has not begun it), puts its rows into `record` and returns
  // true; a failed query throws ff::QueryError with the database's
  // message. False when it is not queued.
  bool Take(const std::string& sql, CMemRecord& record);

 private:
  struct Entry;
  void Work();

  QueryAhead* previous_;
  CSimDB* db_;
  size_t keep_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::shared_ptr<Entry>> entries_;  // in queue order
  long batches_ = 0;
  bool stop_ = false;
  std::thread worker_;
};

// Reads ahead along a run over numbered items (the modules of `module
// --all`, the pages of the site): as item i begins, item i + 1's queries
// are queued, and item i's own the first time.
class ReadAheadRun {
 public:
  // `queriesOf(i)`: the queries item i sends, in order (none: nothing to
  // read ahead for it).
  using QueriesOf = std::function<std::vector<std::string>(size_t item)>;
  ReadAheadRun(size_t count, QueriesOf queriesOf) : count_(count), queriesOf_(std::move(queriesOf)) {}

  void Begin(size_t item);

 private:
  QueryAhead ahead_;
  size_t count_;
  QueriesOf queriesOf_;
  size_t queued_ = 0;  // the items before it are queued
};

}  // namespace ff::code
