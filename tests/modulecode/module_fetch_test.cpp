// A module source reads the whole module with a few queries, yet every
// function text is the one the function-by-function queries give: on
// random databases full of codes and parameters whose order or match
// depends on the server, and with the round trips counted.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "codetext/query_ahead.h"
#include "host/db_store.h"
#include "host/record.h"
#include "host/sim_db.h"
#include "host/config_db.h"
#include "modulecode/module_queries.h"
#include "modulecode/server_collation.h"
#include "res/function_templates.h"
#include "res/module_queries.h"
#include "res/module_texts.h"
#include "tests/modulecode/function_db.h"
#include "tests/support/fixed_date.h"
#include "tests/support/module_text_oracle.h"
#include "tests/support/random_config_db.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::TestDatabase;

// Counts the queries that reach the database.
class CountingStore : public ff::DbStore {
 public:
  CountingStore(std::unique_ptr<ff::DbStore> inner, int& count) : inner_(std::move(inner)), count_(count) {}
  bool Select(const std::string& sql, CStdRecord& record, std::string& error) override {
    ++count_;
    return inner_->Select(sql, record, error);
  }
  bool SelectEach(const std::string& sql, CMemRecord& row, const RowHandler& onRow, std::string& error) override {
    ++count_;
    return inner_->SelectEach(sql, row, onRow, error);
  }

 private:
  std::unique_ptr<ff::DbStore> inner_;
  int& count_;
};

void CountQueries(const TestDatabase& db, int& count) {
  std::string error;
  auto store = ff::OpenSqliteStore(db.path(), error);
  ASSERT_TRUE(store) << error;
  g_pConfigDB->Attach(std::make_unique<CountingStore>(std::move(store), count));
}

TEST(ModuleFetch, RandomDatabasesGiveTheFunctionByFunctionBytes) {
  ff::test::TempDir dir;
  int compared = 0, functions = 0;
  for (double awkward : {0.0, 0.05, 0.3}) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
      TestDatabase db(ff::test::RandomConfigSql(seed, awkward));
      // Every other database compares the function codes as SQLite does by
      // default, trailing blanks included (a schema without COLLATE RTRIM).
      if (seed % 2 == 1) {
        for (const char* table : {"T154", "T161"}) {
          db.Exec(std::string("CREATE TABLE Copy AS SELECT * FROM ") + table + "; DROP TABLE " + table +
                  "; ALTER TABLE Copy RENAME TO " + table + ";");
        }
      }
      CCodeMaker maker;
      // Both alignments and two validation styles across the seeds.
      maker.SetBeautify(seed % 2 == 0);
      maker.SetValidateStyle(seed % 3 == 0 ? ff::ValidateStyle::None : ff::ValidateStyle::Compact);
      for (bool bls : {false, true}) {
        for (long module = 1; module <= 3; ++module) {
          // The source file first: the function comments then carry what
          // the file gave the routine comment object (its version).
          const std::string actual = ff::test::ModuleSourceBody(maker, bls, module, dir / "Process.cpp");
          const std::string expected = ff::test::FunctionByFunctionSource(maker, bls, module);
          ASSERT_TRUE(ff::test::BytesEqual(expected, actual)) << "seed " << seed << ", awkward " << awkward << (bls ? ", BLS" : ", FOS")
                                      << " module " << module;
          ++compared;
          functions += static_cast<int>(expected.size() > ff::res::module::IncludeBlock().size());
        }
      }
    }
  }
  EXPECT_EQ(compared, 3 * 12 * 6);
  EXPECT_GT(functions, compared / 2);  // most modules have functions to compare
}

class ModuleRoundTrips : public ::testing::Test {
 protected:
  void SetUp() override { CountQueries(db, queries); }
  int Source(bool bls, long module) {
    queries = 0;
    ff::test::ModuleSourceBody(maker, bls, module, dir / "Process.cpp");
    return queries;
  }

  TestDatabase db{ff::test::kFunctionSql};
  ff::test::TempDir dir;
  CCodeMaker maker;
  int queries = 0;
};

// Module 7 of the function rows: seven FOS functions, plain codes (one
// with ".", one with a quote); module 8: five BLS functions.
TEST_F(ModuleRoundTrips, APlainModuleCostsItsFunctionListAndOneQueryForEachParameterKind) {
  EXPECT_EQ(Source(false, 7), 3);
  EXPECT_EQ(Source(true, 8), 3);
  EXPECT_EQ(Source(false, 99), 1);  // no functions: no parameters to read
}

TEST_F(ModuleRoundTrips, AModuleReadAheadGivesTheSameFilesWithItsFunctionListReadOnce) {
  auto pair = [this](bool bls, long module, const std::string& folder) {
    std::filesystem::create_directories(folder);
    bls ? maker.MakeBlsModuleHeader(folder + "/Process.h", module, true)
        : maker.MakeFosModuleHeader(folder + "/Process.h", module, true);
    bls ? maker.MakeBlsModuleSource(folder + "/Process.cpp", module, true)
        : maker.MakeFosModuleSource(folder + "/Process.cpp", module, true);
    return ff::test::ReadFile(folder + "/Process.h") + ff::test::ReadFile(folder + "/Process.cpp");
  };
  const ff::test::FixedDate date;
  for (auto [bls, module] : {std::pair{false, 7L}, std::pair{true, 8L}}) {
    const std::string plain = pair(bls, module, dir / "pair");
    queries = 0;
    std::string ahead;
    {
      ff::code::QueryAhead reader;
      reader.Queue(ff::code::ModulePairQueries(bls, module));
      ahead = pair(bls, module, dir / "pair");
    }
    EXPECT_EQ(3, queries) << "module " << module;  // the header's and the source's function list once
    EXPECT_TRUE(ff::test::BytesEqual(plain, ahead)) << "module " << module;
  }
}

TEST_F(ModuleRoundTrips, TiedParametersAreReadWithTheirFunctionsOwnQuery) {
  // Two request parameters of function 1 that tie on type, length and
  // code (up to case): which comes first is the server's choice.
  db.Exec("INSERT INTO T156 (ID, F3, F4, F5, F7, F13, F15) VALUES (20, 'a', 1, 0, 1, 1, 'FID_TIE'),"
          " (21, 'b', 1, 0, 1, 1, 'fid_tie');");
  EXPECT_EQ(Source(false, 7), 4);
}

TEST_F(ModuleRoundTrips, CodesThatMayFindAnotherFunctionKeepTheFunctionByFunctionQueries) {
  // QUERY_USER and query_user are one code on a case-insensitive server.
  db.Exec("INSERT INTO T161 (ID, F1, F2, F3, F5, F7, F14) VALUES (16, 2006, 'query_user', 'x', 1, 8, 0);");
  // Per function: its record, its request parameters, and its answer
  // parameters where the text needs them (the multi-row answers, none
  // for the audited one).
  EXPECT_EQ(Source(true, 8), 1 + 6 * 2 + 1);
}

TEST(ModuleQueries, SelectTheColumnsOfTheirFunctionQueries) {
  // The select list up to FROM, comments and blanks aside.
  auto columns = [](std::string sql) {
    for (size_t at; (at = sql.find("/*")) != std::string::npos;) sql.erase(at, sql.find("*/", at) + 2 - at);
    sql = sql.substr(0, sql.find(" FROM "));
    std::string out;
    for (char c : sql)
      if (c != ' ') out += c;
    return out;
  };
  namespace fn = ff::res::fn;
  EXPECT_EQ(columns(fn::FosRequestQuery()), columns(fn::FosModuleRequestQuery()));
  EXPECT_EQ(columns(fn::FosAnswerQuery()), columns(fn::FosModuleAnswerQuery()));
  EXPECT_EQ(columns(fn::BlsRequestQuery()), columns(fn::BlsModuleRequestQuery()));
  EXPECT_EQ(columns(fn::BlsAnswerQuery()), columns(fn::BlsModuleAnswerQuery()));
  EXPECT_NE(columns(fn::FosModuleRequestQuery()).find(fn::CaptionParamOwner()), std::string::npos);
  EXPECT_NE(columns(fn::BlsModuleAnswerQuery()).find(fn::CaptionParamOwner()), std::string::npos);
}

TEST(ServerCollation, TextsAreDifferentOnlyWhenCertainlySo) {
  using ff::code::MayCompareEqual;
  EXPECT_FALSE(MayCompareEqual("FID_A", "FID_B"));
  EXPECT_FALSE(MayCompareEqual("FID_A", "FID_AA"));
  EXPECT_TRUE(MayCompareEqual("FID_A", "fid_a"));      // case-insensitive
  EXPECT_TRUE(MayCompareEqual("FID_A", "FID_A   "));   // trailing blanks count for nothing
  EXPECT_TRUE(MayCompareEqual("FID-AB", "FIDAB"));     // the hyphen weighs little
  EXPECT_TRUE(MayCompareEqual("O'B", "OB"));
  EXPECT_TRUE(MayCompareEqual(" FID_A", "FID_B"));     // a leading blank: not judged
  EXPECT_TRUE(MayCompareEqual(ff::test::G("代码"), "FID_B"));  // Chinese: not judged
  EXPECT_TRUE(MayCompareEqual("", ""));
  EXPECT_TRUE(MayCompareEqual("A\tB", "AB"));
}

TEST(ServerCollation, EachCodeFindsOnlyItselfWhenPlainAndDistinct) {
  using ff::code::EachCodeFindsOnlyItself;
  EXPECT_TRUE(EachCodeFindsOnlyItself({}));
  EXPECT_TRUE(EachCodeFindsOnlyItself({"QUERY_USER", "USER.QUERY", "O'BRIEN", "ADD_USER   "}));
  EXPECT_FALSE(EachCodeFindsOnlyItself({"ADD_USER", "ADD_USER   "}));
  EXPECT_FALSE(EachCodeFindsOnlyItself({"QUERY_USER", "Query_User"}));
  EXPECT_FALSE(EachCodeFindsOnlyItself({"TWICE", "TWICE"}));
  EXPECT_FALSE(EachCodeFindsOnlyItself({"A-B", "AB"}));
  EXPECT_FALSE(EachCodeFindsOnlyItself({"QUERY_USER", ""}));       // NULL or empty
  EXPECT_FALSE(EachCodeFindsOnlyItself({"QUERY_USER", "  "}));     // blanks only
  EXPECT_FALSE(EachCodeFindsOnlyItself({" QUERY_USER"}));           // trimmed, it finds nothing
  EXPECT_FALSE(EachCodeFindsOnlyItself({ff::test::G("查询")}));
}

}  // namespace
