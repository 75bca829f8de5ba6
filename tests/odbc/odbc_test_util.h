// Shared pieces of the ODBC tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/db_store.h"
#include "host/record.h"
#include "host/sim_db.h"
#include "host/config_db.h"
#include "tests/support/test_support.h"

namespace ff::test {

// Clears every driver setting, so that the defaults apply.
struct DefaultDriverSettings {
  ScopedEnv driver{"FIDFORGE_ODBC_DRIVER", std::nullopt};
  ScopedEnv charset{"FIDFORGE_ODBC_CHARSET", std::nullopt};
  ScopedEnv version{"FIDFORGE_TDS_VERSION", std::nullopt};
  ScopedEnv timeout{"FIDFORGE_ODBC_LOGIN_TIMEOUT", std::nullopt};
  ScopedEnv options{"FIDFORGE_ODBC_OPTIONS", std::nullopt};
};

// The loadable T-SQL function library built next to the tests.
std::string TsqlExtensionPath();

// "odbc:" server text for the SQLite file through the SQLite3 ODBC driver,
// with the T-SQL functions loaded (or not).
std::string SqliteOdbcServer(const std::string& path, bool withFunctions = true);

// Every stored query, filled in for the modules and functions the
// database holds (read through `store`): the tree, the function and
// parameter queries, the definition header queries and the FID checks.
std::vector<std::string> StoredQueries(DbStore& store);

// The whole result of one query (captions and every value, GBK) as one
// readable text, for comparing two stores.
std::string Dump(DbStore& store, const std::string& sql);

// Runs `body` with g_pConfigDB pointing at a connection over `store`.
template <typename Body>
void WithStore(std::unique_ptr<DbStore> store, Body body) {
  CSimDB db;
  db.Attach(std::move(store));
  CSimDB* saved = g_pConfigDB;
  g_pConfigDB = &db;
  body();
  g_pConfigDB = saved;
}

}  // namespace ff::test
