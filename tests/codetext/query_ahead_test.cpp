// Queries read ahead on another thread: the run takes the rows it would
// have read itself, each query reaches the database once, a failure shows
// where the query is taken (and nowhere when it is not), and the worker's
// queries and the run's own never meet on the connection.
#include "codetext/query_ahead.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "codetext/config_query.h"
#include "host/config_db.h"
#include "host/db_store.h"
#include "host/query_error.h"
#include "host/record.h"
#include "host/sim_db.h"

namespace ff::test {
namespace {

// Answers each query with one row holding its own text; a text that
// begins with "FAIL" fails, one that begins with "THROW" throws. Counts
// what it is sent and how many queries run at once, and can hold a query
// until released.
class ScriptedStore : public DbStore {
 public:
  struct Log {
    std::mutex mutex;
    std::condition_variable changed;
    std::map<std::string, int> sent;
    std::string holding;  // a query that waits for Release
    bool held = false;    // the held query has arrived
    int inside = 0;
    int mostInside = 0;
  };
  explicit ScriptedStore(Log& log) : log_(log) {}

  bool Select(const std::string& sql, CStdRecord& record, std::string& error) override {
    {
      std::unique_lock lock(log_.mutex);
      ++log_.sent[sql];
      log_.mostInside = std::max(log_.mostInside, ++log_.inside);
      if (sql == log_.holding) {
        log_.held = true;
        log_.changed.notify_all();
        log_.changed.wait(lock, [this] { return log_.holding.empty(); });
      }
    }
    std::this_thread::yield();  // gives a second caller the chance to come in
    std::lock_guard lock(log_.mutex);
    --log_.inside;
    if (sql.rfind("THROW", 0) == 0) throw std::runtime_error("the store broke");
    record.SetColumns({"Q"});
    if (sql.rfind("FAIL", 0) == 0) {
      error = "no such table: " + sql;
      return false;
    }
    record.AppendRow({sql});
    return true;
  }

 private:
  Log& log_;
};

class QueryAheadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = g_pConfigDB;
    g_pConfigDB = &db_;
    db_.Attach(std::make_unique<ScriptedStore>(log_));
  }
  void TearDown() override { g_pConfigDB = saved_; }

  std::string Read(const std::string& sql) {
    CMemRecord record;
    code::RunQuery(sql, record);
    return record.GetCount() == 1 ? record.GetString("Q", 0) : "<" + std::to_string(record.GetCount()) + " rows>";
  }
  int Sent(const std::string& sql) {
    std::lock_guard lock(log_.mutex);
    return log_.sent[sql];
  }
  void Hold(const std::string& sql) {
    std::lock_guard lock(log_.mutex);
    log_.holding = sql;
    log_.held = false;
  }
  void WaitUntilHeld() {
    std::unique_lock lock(log_.mutex);
    log_.changed.wait(lock, [this] { return log_.held; });
  }
  void Release() {
    std::lock_guard lock(log_.mutex);
    log_.holding.clear();
    log_.changed.notify_all();
  }

  ScriptedStore::Log log_;
  CSimDB db_;
  CSimDB* saved_ = nullptr;
};

TEST_F(QueryAheadTest, TheRunTakesTheRowsOfEachQueuedQueryWhichIsSentOnce) {
  code::QueryAhead ahead;
  ahead.Queue({"A", "B", "A"});
  EXPECT_EQ("A", Read("A"));
  EXPECT_EQ("B", Read("B"));
  EXPECT_EQ("A", Read("A"));  // queued twice: read once, taken twice
  EXPECT_EQ("C", Read("C"));  // never queued: sent as always
  EXPECT_EQ("A", Read("A"));  // taken as often as queued: sent again
  EXPECT_EQ(2, Sent("A"));
  EXPECT_EQ(1, Sent("B"));
  EXPECT_EQ(1, Sent("C"));
}

TEST_F(QueryAheadTest, TakenInAnyOrderAndKeptForTheLastTwoBatches) {
  code::QueryAhead ahead(nullptr, 2);
  ahead.Queue({"A1", "B1"});
  ahead.Queue({"A2", "B2"});
  EXPECT_EQ("B1", Read("B1"));
  EXPECT_EQ("A1", Read("A1"));
  ahead.Queue({"A3"});  // the first batch goes: B2 and A2 stay
  EXPECT_EQ("B2", Read("B2"));
  EXPECT_EQ("A2", Read("A2"));
  EXPECT_EQ("A3", Read("A3"));
  for (const char* sql : {"A1", "B1", "A2", "B2", "A3"}) EXPECT_EQ(1, Sent(sql)) << sql;
}

TEST_F(QueryAheadTest, ARunQueuesEachItemOnceAsTheOneBeforeItBegins) {
  const std::vector<std::vector<std::string>> items = {{"I0", "J0"}, {"I1"}, {}, {"I3"}, {"I4"}};
  std::vector<int> asked(items.size(), 0);
  code::ReadAheadRun run(items.size(), [&](size_t i) {
    ++asked[i];
    return items[i];
  });
  for (size_t i : {0, 1, 3, 4}) {  // item 2 is skipped by the run
    run.Begin(i);
    for (const std::string& sql : items[i]) EXPECT_EQ(sql, Read(sql));
  }
  EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 1}), asked);
  for (const char* sql : {"I0", "J0", "I1", "I3", "I4"}) EXPECT_EQ(1, Sent(sql)) << sql;
}

TEST_F(QueryAheadTest, AFailureShowsWhereTheQueryIsTakenAndNowhereElse) {
  code::QueryAhead ahead;
  ahead.Queue({"FAIL unused", "A", "FAIL T156"});
  EXPECT_EQ("A", Read("A"));  // the failed query before it was never wanted
  try {
    Read("FAIL T156");
    ADD_FAILURE() << "the failed query gave rows";
  } catch (const QueryError& error) {
    EXPECT_EQ("no such table: FAIL T156", error.Reason());
  }
  // The connection goes on serving the run.
  EXPECT_EQ("B", Read("B"));
  // A store that throws on the worker fails the run, not the program.
  ahead.Queue({"THROW"});
  EXPECT_THROW(Read("THROW"), std::exception);
}

TEST_F(QueryAheadTest, TheWorkerAndTheRunNeverQueryAtOnce) {
  {
    code::QueryAhead ahead;
    for (int module = 0; module < 200; ++module) {
      const std::string m = std::to_string(module);
      ahead.Queue({"F" + m, "R" + m, "A" + m});
      // The run's own queries in between, as a function that is queried
      // by itself would send them.
      ASSERT_EQ("own" + m, Read("own" + m));
      ASSERT_EQ("F" + m, Read("F" + m));
      if (module % 3 != 0) {
        ASSERT_EQ("R" + m, Read("R" + m));
      }
      ASSERT_EQ("A" + m, Read("A" + m));
    }
  }
  EXPECT_EQ(1, log_.mostInside);
}

TEST_F(QueryAheadTest, GoingAwayWaitsForTheQueryInFlight) {
  Hold("A");
  auto ahead = std::make_unique<code::QueryAhead>();
  ahead->Queue({"A", "B", "C"});
  WaitUntilHeld();
  std::thread release([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // going away has begun (or not: both must hold)
    Release();
  });
  ahead.reset();
  release.join();
  EXPECT_EQ(1, Sent("A"));
  EXPECT_EQ(nullptr, code::QueryAhead::Active());
}

}  // namespace
}  // namespace ff::test
