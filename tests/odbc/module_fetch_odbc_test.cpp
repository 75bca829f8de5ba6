// Module sources through SQL Server's protocol (FreeTDS against the TDS
// test server): read with a few queries a module, they hold the bytes of
// the function-by-function texts through the same connection and the
// bytes read from the SQLite file, on random databases; and a module costs
// the server three requests.
#include <map>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "tests/modulecode/function_db.h"
#include "tests/odbc/odbc_test_util.h"
#include "tests/odbc/tds_test_server.h"
#include "tests/support/module_text_oracle.h"
#include "tests/support/random_config_db.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

class ModuleFetchThroughTds : public ::testing::TestWithParam<bool> {
 protected:
  // The TDS test server on `db`, text columns as the parameter says.
  std::unique_ptr<TdsTestServer> Serve(const TestDatabase& db) {
    TdsServerOptions o;
    o.databasePath = db.path();
    o.nationalText = GetParam();
    o.idleSeconds = 60;
    auto server = std::make_unique<TdsTestServer>(o);
    std::string error;
    EXPECT_TRUE(server->Start(error)) << error;
    return server;
  }
  std::unique_ptr<DbStore> Connect(const TdsTestServer& server) {
    std::string error;
    auto store = OpenStore({"127.0.0.1," + std::to_string(server.port()) + ";encrypt=no", "sa", "482913", "Developer"}, error);
    EXPECT_TRUE(store) << U(error);
    return store;
  }

  SettingsSandbox sandbox_;
  DefaultDriverSettings driver_;
  TempDir dir_;
};

TEST_P(ModuleFetchThroughTds, RandomDatabasesGiveTheFunctionByFunctionAndTheSqliteBytes) {
  for (double awkward : {0.05, 0.3}) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
      TestDatabase db(RandomConfigSql(seed, awkward));
      CCodeMaker maker;
      maker.SetBeautify(seed % 2 == 1);
      // From the SQLite file first.
      std::map<std::pair<bool, long>, std::string> direct;
      for (bool bls : {false, true})
        for (long module = 1; module <= 3; ++module)
          direct[{bls, module}] = ModuleSourceBody(maker, bls, module, dir_ / "direct.cpp");

      auto server = Serve(db);
      auto store = Connect(*server);
      ASSERT_TRUE(store);
      WithStore(std::move(store), [&] {
        for (bool bls : {false, true}) {
          for (long module = 1; module <= 3; ++module) {
            const std::string where = "seed " + std::to_string(seed) + ", awkward " + std::to_string(awkward) +
                                      (bls ? ", BLS " : ", FOS ") + std::to_string(module);
            const std::string source = ModuleSourceBody(maker, bls, module, dir_ / "tds.cpp");
            EXPECT_TRUE(BytesEqual(direct[{bls, module}], source)) << where;
            EXPECT_TRUE(BytesEqual(FunctionByFunctionSource(maker, bls, module), source)) << where;
          }
        }
      });
    }
  }
}

TEST_P(ModuleFetchThroughTds, AModuleSourceCostsThreeRequests) {
  TestDatabase db(kFunctionSql);
  auto server = Serve(db);
  auto store = Connect(*server);
  ASSERT_TRUE(store);
  WithStore(std::move(store), [&] {
    CCodeMaker maker;
    const long before = server->batchCount();
    ModuleSourceBody(maker, false, 7, dir_ / "fos.cpp");  // seven FOS functions
    EXPECT_EQ(server->batchCount() - before, 3);
    ModuleSourceBody(maker, true, 8, dir_ / "bls.cpp");  // five BLS functions
    EXPECT_EQ(server->batchCount() - before, 6);
  });
}

INSTANTIATE_TEST_SUITE_P(TextKinds, ModuleFetchThroughTds, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "NVarChar" : "VarChar"; });

}  // namespace
}  // namespace ff::test
