// Module files through FreeTDS and the TDS test server: a run over a kind
// gives the bytes read from the SQLite file and those of the function-by-
// function texts, on random databases, for three requests whatever the modules.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "modulecode/module_queries.h"
#include "res/module_texts.h"
#include "tds_server/tds_test_server.h"
#include "tests/odbc/odbc_test_util.h"
#include "tests/support/fixed_date.h"
#include "tests/support/module_text_oracle.h"
#include "tests/support/random_config_db.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

// Both files of each module, one string each, read the run's way.
std::vector<std::string> KindRun(CCodeMaker& maker, bool bls, const std::vector<long>& modules) {
  code::KindRows rows(KindOf(bls));
  std::vector<std::string> texts;
  for (long module : modules) {
    const CCodeMaker::ModuleTexts made = maker.MakeModuleTexts(KindOf(bls), module, "Process.h", "Process.cpp", &rows);
    texts.push_back(made.header + made.source);
  }
  return texts;
}

// Text columns as VARCHAR in a Chinese collation, or as NVARCHAR.
class ModuleFetchThroughTds : public ::testing::TestWithParam<bool> {
 protected:
  // Runs `body` connected to the TDS test server on `db` (`server`).
  template <typename Body>
  void ThroughTds(const TestDatabase& db, Body body) {
    TdsTestServer tds({.databasePath = db.path(), .nationalText = GetParam(), .idleSeconds = 60});
    std::string error;
    ASSERT_TRUE(tds.Start(error)) << error;
    auto store =
        OpenStore({"127.0.0.1," + std::to_string(tds.port()) + ";encrypt=no", "sa", "482913", "Developer"}, error);
    ASSERT_TRUE(store) << U(error);
    server = &tds;
    WithStore(std::move(store), body);
  }

  SettingsSandbox sandbox_;
  DefaultDriverSettings driver_;
  FixedDate date_;
  TdsTestServer* server = nullptr;
};

TEST_P(ModuleFetchThroughTds, RandomDatabasesGiveTheSqliteAndTheFunctionByFunctionBytes) {
  const std::vector<long> modules = {1, 2, 3, 4};
  for (double awkward : {0.05, 0.3}) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
      TestDatabase db(RandomConfigSql(seed, awkward));
      CCodeMaker maker;
      maker.SetBeautify(seed % 2 == 1);
      std::vector<std::string> direct[2];
      for (bool bls : {false, true}) direct[bls] = KindRun(maker, bls, modules);
      ThroughTds(db, [&] {
        for (bool bls : {false, true}) {
          const std::vector<std::string> tds = KindRun(maker, bls, modules);
          for (size_t i = 0; i < modules.size(); ++i) {
            SCOPED_TRACE(::testing::Message() << seed << ", " << awkward << (bls ? " BLS " : " FOS ") << modules[i]);
            EXPECT_TRUE(BytesEqual(direct[bls][i], tds[i]));
            const std::string body = tds[i].substr(tds[i].rfind(res::module::IncludeBlock()));
            EXPECT_TRUE(BytesEqual(FunctionByFunctionSource(maker, bls, modules[i]), body));
          }
        }
      });
    }
  }
}

TEST_P(ModuleFetchThroughTds, ARunOverAKindCostsThreeRequestsWhateverTheModules) {
  TestDatabase db(ReadFile(FF_SOURCE_DIR "/tests/modulecode/function_db.sql"));
  ThroughTds(db, [&] {
    CCodeMaker maker;
    for (bool bls : {false, true}) {
      const long before = server->batchCount();
      KindRun(maker, bls, {1, 2, bls ? 8L : 7L, 99});  // one module of functions, three without
      EXPECT_EQ(server->batchCount() - before, 3) << (bls ? "BLS" : "FOS");
    }
  });
}

INSTANTIATE_TEST_SUITE_P(TextKinds, ModuleFetchThroughTds, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "NVarChar" : "VarChar"; });

}  // namespace
}  // namespace ff::test
