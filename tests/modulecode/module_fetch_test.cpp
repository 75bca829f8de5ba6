// A run over a kind reads its rows with a few queries, yet each module gets
// the bytes of its own and of the function-by-function queries: on random
// databases whose order or match depends on the comparison; round trips counted.
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "docsite/dictionary_site.h"
#include "host/config_db.h"
#include "host/db_store.h"
#include "modulecode/module_queries.h"
#include "modulecode/server_collation.h"
#include "res/function_templates.h"
#include "res/module_queries.h"
#include "res/module_texts.h"
#include "tests/support/fixed_date.h"
#include "tests/support/module_text_oracle.h"
#include "tests/support/random_config_db.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::TestDatabase;

// Counts the queries that reach the database (a streamed one once).
class CountingStore : public ff::DbStore {
 public:
  CountingStore(std::unique_ptr<ff::DbStore> inner, int& count) : inner_(std::move(inner)), count_(count) {}
  bool Select(const std::string& sql, CStdRecord& record, std::string& error) override {
    return ++count_, inner_->Select(sql, record, error);
  }
  std::unique_ptr<ff::RowCursor> Open(const std::string& sql, std::string& error) override {
    return ++count_, inner_->Open(sql, error);
  }

 private:
  std::unique_ptr<ff::DbStore> inner_;
  int& count_;
};

// Both files of every module of `modules`, read the run's way (`kind`) or each module's own way.
std::vector<CCodeMaker::ModuleTexts> MakeAll(CCodeMaker& maker, bool bls, const std::vector<long>& modules, bool kind) {
  ff::code::KindRows rows(ff::test::KindOf(bls));
  std::vector<CCodeMaker::ModuleTexts> texts;
  for (long module : modules)
    texts.push_back(maker.MakeModuleTexts(ff::test::KindOf(bls), module, "Process.h", "Process.cpp", kind ? &rows : nullptr));
  return texts;
}

// Stores: the schema's COLLATE RTRIM, or SQLite's default comparison
// (trailing blanks count), as a copy of each function table has it.
class KindRun : public ::testing::TestWithParam<bool> {};

TEST_P(KindRun, RandomDatabasesGiveEachModuleTheBytesOfItsOwnQueries) {
  const ff::test::FixedDate date;
  int functions = 0;
  for (double awkward : {0.0, 0.05, 0.3}) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
      TestDatabase db(ff::test::RandomConfigSql(seed, awkward));
      for (const char* table : {"T154", "T161"}) {
        if (!GetParam()) db.Exec(std::string("CREATE TABLE Copy AS SELECT * FROM ") + table + "; DROP TABLE " + table +
                                 "; ALTER TABLE Copy RENAME TO " + table + ";");
      }
      CCodeMaker maker;
      maker.SetBeautify(seed % 2 == 0);
      maker.SetValidateStyle(seed % 3 == 0 ? ff::ValidateStyle::None : ff::ValidateStyle::Compact);
      for (bool bls : {false, true}) {
        const std::vector<long> modules = {1, 3, 2, 4};  // 2 below 3: read again; 4: no functions
        const auto run = MakeAll(maker, bls, modules, true);
        const auto own = MakeAll(maker, bls, modules, false);
        for (size_t i = 0; i < modules.size(); ++i) {
          const std::string where = "seed " + std::to_string(seed) + ", awkward " + std::to_string(awkward) +
                                    (bls ? ", BLS " : ", FOS ") + std::to_string(modules[i]);
          EXPECT_TRUE(ff::test::BytesEqual(own[i].header + own[i].source, run[i].header + run[i].source)) << where;
          EXPECT_EQ(own[i].faults, run[i].faults) << where;
          // The function comments carry what the last file gave the routine comment object.
          const std::string body = run[i].source.substr(run[i].source.find(ff::res::module::IncludeBlock()));
          ASSERT_TRUE(ff::test::BytesEqual(ff::test::FunctionByFunctionSource(maker, bls, modules[i]), body)) << where;
          functions += static_cast<int>(body.size() > ff::res::module::IncludeBlock().size());
        }
      }
    }
  }
  EXPECT_GT(functions, 3 * 8 * 6 / 2);  // most modules have functions to compare
}

INSTANTIATE_TEST_SUITE_P(Comparisons, KindRun, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "RtrimSchema" : "SqliteDefault"; });

// `modules` more FOS modules (from 100 on) of three functions with a request and an answer parameter each.
std::string PlainModules(int modules) {
  std::string sql;
  for (int m = 0; m < modules; ++m) {
    for (int f = 0; f < 3; ++f) {
      const std::string id = std::to_string(1000 + m * 3 + f), module = std::to_string(100 + m);
      sql += "INSERT INTO T154 (ID, F18, F19, F22, F26, F34) VALUES (" + id + ", " + id + ", 'FN_" + id + "', 'x', " +
             module + ", 0); INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (" + id + ", 'p', 1, 1, 1, " + id +
             ", 'FID_KHH'), (" + id + "0, 'q', 2, 0, 1, " + id + ", 'FID_A');\n";
    }
  }
  return sql;
}

// The queries of a run over FOS module 7 and `more` plain modules, or BLS module 8, after `sql`.
struct RoundTrips {
  const char* name;
  const char* sql;
  bool bls;
  int more;
  int queries;
};

class KindRunRoundTrips : public ::testing::TestWithParam<RoundTrips> {};

TEST_P(KindRunRoundTrips, AreAConstantForTheKindPlusTheFallBacksOfModulesTheDatabaseCouldTellApart) {
  const RoundTrips& c = GetParam();
  TestDatabase db(ff::test::ReadFile(FF_SOURCE_DIR "/tests/modulecode/function_db.sql") + c.sql + PlainModules(c.more));
  std::string error;
  auto store = ff::OpenSqliteStore(db.path(), error);
  ASSERT_TRUE(store) << error;
  int queries = 0;
  g_pConfigDB->Attach(std::make_unique<CountingStore>(std::move(store), queries));
  std::vector<long> modules = {c.bls ? 8L : 7L, 99};  // 99: no functions
  for (int m = 0; m < c.more; ++m) modules.push_back(100 + m);
  CCodeMaker maker;
  MakeAll(maker, c.bls, modules, true);
  EXPECT_EQ(queries, c.queries);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KindRunRoundTrips,
    ::testing::Values(
        // The functions, the request and the answer parameters of the kind.
        RoundTrips{"Plain", "", false, 0, 3}, RoundTrips{"PlainBls", "", true, 0, 3},
        RoundTrips{"FortyModulesMore", "", false, 40, 3},
        // Two request parameters of function 1 that tie on type, length and
        // code (up to case): which comes first is the server's choice.
        RoundTrips{"TiedParameters",
                   "INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (20, 'a', 1, 0, 1, 1, 'FID_TIE'),"
                   " (21, 'b', 1, 0, 1, 1, 'fid_tie');",
                   false, 40, 4},
        // Two functions of one number: the module's own function list.
        RoundTrips{"TiedNumbers", "INSERT INTO T154 (ID, F18, F19, F26) VALUES (9, 1001, 'TWIN', 7);", false, 40, 4},
        // QUERY_USER and query_user are one code on a case-insensitive
        // server: per function its record, its request parameters, and its
        // answer parameters where the text needs them.
        RoundTrips{"CodesThatMayFindAnother",
                   "INSERT INTO T161 (ID, F1, F2, F3, F5, F7, F14) VALUES (16, 2006, 'query_user', 'x', 1, 8, 0);",
                   true, 0, 1 + 6 * 2 + 1}),
    [](const auto& info) { return std::string(info.param.name); });

// The dictionary site reads the parameters a kind at a time too: 40
// modules more of functions cost it no query more.
TEST(SiteRoundTrips, DoNotGrowWithTheModules) {
  ff::test::SettingsSandbox settings;
  int queries[2] = {};
  for (int more : {0, 40}) {
    std::string modules;
    for (int m = 0; m < more; ++m) modules += "INSERT INTO T158 VALUES (" + std::to_string(100 + m) + ", 'm', 'M');";
    TestDatabase db(ff::test::ReadFile(FF_SOURCE_DIR "/tests/modulecode/function_db.sql") +
                    "INSERT INTO T158 VALUES (7, 'fos', 'F'); INSERT INTO T164 VALUES (8, 1, 'bls', 'B');" +
                    PlainModules(more) + modules);
    std::string error;
    auto store = ff::OpenSqliteStore(db.path(), error);
    ASSERT_TRUE(store) << error;
    g_pConfigDB->Attach(std::make_unique<CountingStore>(std::move(store), queries[more > 0]));
    ff::test::TempDir out;
    ff::site::SiteOptions options;
    options.folder = out / "site";
    ff::site::MakeDictionarySite(options);
  }
  EXPECT_EQ(queries[0], queries[1]);
}

TEST(ModuleQueries, TheKindQueriesSelectTheColumnsOfTheModuleAndFunctionQueries) {
  // The select list up to FROM, comments and blanks aside.
  auto columns = [](std::string sql) {
    for (size_t at; (at = sql.find("/*")) != std::string::npos;) sql.erase(at, sql.find("*/", at) + 2 - at);
    sql = sql.substr(0, sql.find(" FROM "));
    std::erase(sql, ' ');
    return sql;
  };
  namespace fn = ff::res::fn;
  // A kind query's columns without its last `n` (the flag and the module key).
  auto without = [](std::string columns, int n) {
    EXPECT_TRUE(columns.ends_with(fn::CaptionModuleKey())) << columns;
    while (n-- > 0) columns.erase(columns.rfind(','));
    return columns;
  };
  for (bool bls : {false, true}) {
    for (bool answers : {false, true}) {
      const std::string own = columns(bls ? (answers ? fn::BlsAnswerQuery() : fn::BlsRequestQuery())
                                          : (answers ? fn::FosAnswerQuery() : fn::FosRequestQuery()));
      EXPECT_EQ(own, columns(ff::code::ModuleParametersQuery(ff::test::KindOf(bls), answers, 1)));
      EXPECT_EQ(own, without(columns(bls ? (answers ? fn::BlsKindAnswerQuery() : fn::BlsKindRequestQuery())
                                         : (answers ? fn::FosKindAnswerQuery() : fn::FosKindRequestQuery())),
                             1));
      EXPECT_NE(own.find(fn::CaptionParamOwner()), std::string::npos);
    }
    const std::string kind = columns(bls ? fn::BlsKindFunctionsQuery() : fn::FosKindFunctionsQuery());
    EXPECT_EQ(columns(ff::code::ModuleFunctionsQuery(ff::test::KindOf(bls), 1)), without(kind, 2));
    EXPECT_NE(kind.find(fn::CaptionUnfound() + ","), std::string::npos);
  }
}

TEST(ServerCollation, TextsAreDifferentAndCodesFindOnlyThemselvesOnlyWhenCertainlySo) {
  const std::string chinese = ff::test::G("代码");
  const std::vector<std::tuple<std::string, std::string, bool>> pairs = {
      {"FID_A", "FID_B", false}, {"FID_A", "FID_AA", false}, {"FID_A", "fid_a", true},  // case-insensitive
      {"FID_A", "FID_A   ", true},                                                  // trailing blanks count for nothing
      {"FID-AB", "FIDAB", true}, {"O'B", "OB", true},                                // lightly weighed
      {" FID_A", "FID_B", true}, {chinese, "FID_B", true}, {"", "", true}, {"A\tB", "AB", true}};  // not judged
  for (const auto& [a, b, may] : pairs) EXPECT_EQ(may, ff::code::MayCompareEqual(a, b)) << a << " / " << b;
  using Codes = std::vector<std::string_view>;
  EXPECT_TRUE(ff::code::EachCodeFindsOnlyItself({}));
  EXPECT_TRUE(ff::code::EachCodeFindsOnlyItself({"QUERY_USER", "USER.QUERY", "O'BRIEN", "ADD_USER   "}));
  for (const Codes& codes : std::vector<Codes>{{"ADD_USER", "ADD_USER   "}, {"QUERY_USER", "Query_User"}, {"A-B", "AB"},
                                               {"TWICE", "TWICE"}, {"QUERY_USER", ""}, {"QUERY_USER", "  "},
                                               {" QUERY_USER"}, {chinese}})
    EXPECT_FALSE(ff::code::EachCodeFindsOnlyItself(codes)) << codes.front();
}

}  // namespace
