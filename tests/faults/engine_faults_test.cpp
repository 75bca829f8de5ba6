// The engine facing a failed query: the generators stop and say why, the
// file being written keeps its bytes, and one action reads one state.
#include <sqlite3.h>

#include <functional>
#include <optional>

#include "codetext/code_maker.h"
#include "fidcheck/fid_check.h"
#include "host/query_error.h"
#include "host/record.h"
#include "host/sim_db.h"
#include "host/config_db.h"
#include "codetext/config_query.h"
#include "tests/faults/fault_support.h"

namespace ff::test {
namespace {

TEST(QueryErrors, SayWhatFailedAndTheDatabasesReason) {
  const QueryError bare("no such table: T151");
  EXPECT_EQ("no such table: T151", bare.Message());
  const QueryError told = bare.Within("cannot generate fiddef.h");
  EXPECT_EQ("cannot generate fiddef.h: no such table: T151", told.Message());
  // The nearer description wins over one added further out.
  EXPECT_EQ(told.Message(), told.Within("cannot run the command").Message());
}

// Every generator facing a failed query (a table or column gone, or no
// connection at all) throws what failed and the database's reason, instead
// of writing or giving nothing; the file it would write keeps its bytes and
// no temporary file is left. The command line's side is DamagedDatabase.
TEST(FailedQuery, EveryGeneratorStopsSayingWhyAndKeepsTheOldBytes) {
  SettingsSandbox settings;
  ScriptedUI ui;
  TempDir dir;
  CCodeMaker maker;
  using Make = std::function<void(const std::string&)>;
  const std::vector<std::pair<std::string, Make>> generators{
      {"fiddef.h", [&](const std::string& p) { maker.MakeFidDefFile(p, true); }},
      {"fosdef.h", [&](const std::string& p) { maker.MakeFosDefFile(p, true); }},
      {"sysdef.h", [&](const std::string& p) { maker.MakeSysDefFile(p, true); }},
      {"Process.h", [&](const std::string& p) { maker.MakeFosModuleHeader(p, 1, true); }},
      {"Process.cpp", [&](const std::string& p) { maker.MakeFosModuleSource(p, 1, true); }},
      {"f.cpp", [&](const std::string& p) { maker.MakeFosFunctionFile(p, 1, true, "F_ONE"); }},
  };
  for (bool connected : {true, false}) {
    std::optional<TestDatabase> db;
    if (connected) {
      db.emplace("INSERT INTO T158 VALUES (1, 'M', 'M');"
                 "INSERT INTO T154 (ID, F18, F19, F22, F26) VALUES (1, 1, 'F_ONE', 'one', 1);");
      db->Exec("DROP TABLE T151; DROP TABLE T470; ALTER TABLE T154 RENAME COLUMN F22 TO GONE;");
    }
    for (const auto& [name, make] : generators) {
      const std::string path = dir / name;
      WriteFile(path, "good bytes\r\n");
      try {
        make(path);
        ADD_FAILURE() << name << " was written from a failed query";
      } catch (const QueryError& error) {
        EXPECT_EQ("cannot generate " + path, error.What());
        if (connected) {
          EXPECT_NE(std::string::npos, error.Reason().find("no such")) << error.Reason();
        }
      }
      EXPECT_EQ("good bytes\r\n", ReadFile(path)) << name;
    }
    EXPECT_EQ(generators.size(), Names(dir.path()).size());
    CMemRecord record;
    if (!connected) {
      EXPECT_THROW(code::RunQuery("SELECT 1", record), QueryError);
    }
  }
  EXPECT_TRUE(ui.fileErrors.empty());
  // The text generators and the FID check throw too, leaving nothing behind.
  TestDatabase db({}, true);
  db.Exec("DROP TABLE T156; DROP TABLE T162;");
  std::string text = "stale";
  EXPECT_THROW(maker.MakeFosFunctionText(1, "KH_LIST", text), QueryError);
  EXPECT_EQ("", text);
  EXPECT_THROW(maker.MakeBlsClientSnippet(21, true, "QUERY_USER_LIST", text), QueryError);
  CMemRecord record;
  record.SetColumns({"A"});
  record.AppendRow({"x"});
  EXPECT_THROW(RunFidCheck(FidCheckKind::Unused, record), QueryError);
  EXPECT_EQ(0, record.GetCount());
}

TEST(Snapshot, OneActionReadsOneCommittedState) {
  SettingsSandbox settings;
  TestDatabase db("INSERT INTO T158 VALUES (1, 'before', 'M');");
  // Another program that writes while the action reads: with a write-ahead
  // log it need not wait for the reader.
  sqlite3* writer = nullptr;
  ASSERT_EQ(SQLITE_OK, sqlite3_open(db.path().c_str(), &writer));
  ASSERT_EQ(SQLITE_OK, sqlite3_exec(writer, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr));
  auto name = [] {
    CMemRecord record;
    code::RunQuery("SELECT F2 FROM T158", record);
    return record.Value(0, 0);
  };
  {
    ConfigSnapshot action;
    EXPECT_EQ("before", name());
    ASSERT_EQ(SQLITE_OK, sqlite3_exec(writer, "UPDATE T158 SET F2 = 'after'", nullptr, nullptr, nullptr));
    {
      ConfigSnapshot nested;
      EXPECT_EQ("before", name());
    }
    EXPECT_EQ("before", name());
  }
  EXPECT_EQ("after", name());
  sqlite3_close(writer);
}

}  // namespace
}  // namespace ff::test
