// A minimal SQL Server stand-in for the tests: it speaks just enough of the
// TDS protocol (pre-login without encryption, LOGIN7, SQL batches) for
// FreeTDS's ODBC driver to log in and run the stored queries, and answers
// them from a SQLite configuration database through the same dialect
// adapter and T-SQL functions the SQLite store uses.
//
// A test fixture (and the benchmark's SQL Server) only: one listening
// socket on 127.0.0.1 (a free port), a thread per connection, every wait
// bounded. Each answer leaves in one write with TCP_NODELAY, so that the
// time a query takes is FidForge's and the driver's, not the stand-in's. It stops when destroyed, when
// Stop() is called, or by itself after `idleSeconds` without a request.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace ff::test {

struct TdsServerOptions {
  std::string databasePath;          // the SQLite file behind the server
  std::string user = "sa";           // the one login it accepts
  std::string password = "482913";
  std::string database = "Developer";  // the catalog it claims to hold; "" = any
  // Text columns as NVARCHAR (UTF-16) instead of VARCHAR in a Chinese
  // (code page 936) collation.
  bool nationalText = false;
  // Text columns whose longest value exceeds this many bytes go out as
  // (N)VARCHAR(MAX) in chunks, as SQL Server sends long values.
  size_t maxShortBytes = 8000;
  int idleSeconds = 120;
  // Accepts connections and never answers: a server that hangs.
  bool silent = false;
  // Waits this long before answering each request: the round trip of a
  // network between client and server (0: loopback as it is).
  std::chrono::microseconds requestDelay{0};
  // Keeps every SQL text for batches(); off for long runs that only count.
  bool keepBatches = true;
};

class TdsTestServer {
 public:
  explicit TdsTestServer(TdsServerOptions options);
  ~TdsTestServer();
  TdsTestServer(const TdsTestServer&) = delete;
  TdsTestServer& operator=(const TdsTestServer&) = delete;

  // Binds 127.0.0.1 on a free port and starts accepting. False with the
  // reason on failure.
  bool Start(std::string& error);
  void Stop();
  int port() const { return port_; }

  // What the server saw, for the tests.
  int preLogins() const { return preLogins_; }
  // LOGIN7 records received, accepted or not: each carries the password.
  int loginRecords() const { return loginRecords_; }
  int logins() const { return logins_; }
  int refusedLogins() const { return refusedLogins_; }
  std::vector<std::string> batches() const;  // SQL texts as UTF-8
  // The user, password and database of every LOGIN7 record, as they
  // arrived (UTF-8), accepted or not.
  struct LoginSeen {
    std::string user, password, database;
  };
  std::vector<LoginSeen> loginsSeen() const;
  long long batchCount() const { return batchCount_; }  // SQL batches answered

 private:
  void AcceptLoop();
  void Serve(int socket);
  void JoinFinished();

  TdsServerOptions options_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::thread acceptThread_;
  mutable std::mutex mutex_;  // guards the members below
  struct Connection {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> finished;
  };
  std::vector<Connection> connections_;
  std::vector<std::string> batches_;
  std::vector<LoginSeen> loginsSeen_;
  std::atomic<int> preLogins_{0};
  std::atomic<int> loginRecords_{0};
  std::atomic<int> logins_{0};
  std::atomic<int> refusedLogins_{0};
  std::atomic<long long> batchCount_{0};
  std::atomic<int64_t> lastActivity_{0};
  friend class TdsConnection;
};

}  // namespace ff::test
