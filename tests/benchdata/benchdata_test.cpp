// The synthetic benchmark database: right sizes, every kind of function the
// generators branch on, and the same bytes for the same seed.
#include <sqlite3.h>

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "bench/bench_db.h"
#include "tests/support/test_support.h"

namespace {

using ff::bench::BenchCounts;
using ff::bench::BenchScale;
using ff::bench::MakeBenchDatabase;
using ff::test::ReadFile;
using ff::test::TempDir;

// Read-only access to a made database, one value or one column at a time.
class Db {
 public:
  explicit Db(const std::string& path) {
    EXPECT_EQ(sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  }
  ~Db() { sqlite3_close(db_); }
  long long Number(const std::string& sql) {
    std::set<std::string> column = Column(sql);
    return column.empty() ? -1 : std::stoll(*column.begin());
  }
  std::set<std::string> Column(const std::string& sql) {
    std::set<std::string> values;
    sqlite3_stmt* stmt = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK) << sql;
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
      const unsigned char* text = sqlite3_column_text(stmt, 0);
      values.insert(text ? reinterpret_cast<const char*>(text) : "NULL");
    }
    sqlite3_finalize(stmt);
    return values;
  }

 private:
  sqlite3* db_ = nullptr;
};

BenchScale Small() { return BenchScale{}.Scaled(0.01); }

std::string Make(const TempDir& dir, const std::string& name, std::uint64_t seed, const BenchScale& scale,
                 BenchCounts* counts = nullptr) {
  std::string path = dir / name;
  std::string error;
  EXPECT_TRUE(MakeBenchDatabase(path, seed, scale, false, counts, error)) << error;
  return path;
}

TEST(BenchData, ScaledSizesKeepTheShapeOfAFunction) {
  BenchScale s = Small();
  EXPECT_EQ(s.fids, 200);
  EXPECT_EQ(s.fosModules, 1);
  EXPECT_EQ(s.blsModules, 1);
  EXPECT_EQ(s.functionsPerModule, 40);
  EXPECT_EQ(s.requestParams, 20);
  EXPECT_EQ(s.answerParams, 10);
  EXPECT_EQ(s.errorCodes, 20);
  EXPECT_EQ(s.errorCategories, 1);  // never scaled below one
}

TEST(BenchData, SmallDatabaseHasTheCountsItReports) {
  TempDir dir;
  BenchCounts counts;
  Db db(Make(dir, "small.sqlite", 1, Small(), &counts));

  EXPECT_EQ(db.Number("SELECT count(*) FROM T151"), 200);
  EXPECT_EQ(db.Number("SELECT count(*) FROM T158"), 1);
  EXPECT_EQ(db.Number("SELECT count(*) FROM T164"), 1);
  EXPECT_EQ(db.Number("SELECT count(*) FROM T154"), 40);
  EXPECT_EQ(db.Number("SELECT count(*) FROM T161"), 40);
  EXPECT_EQ(db.Number("SELECT count(*) FROM T471"), 1);
  EXPECT_EQ(db.Number("SELECT count(*) FROM T470"), 20);
  EXPECT_EQ(db.Number("SELECT count(*) FROM T151"), counts.fids);
  EXPECT_EQ(db.Number("SELECT count(*) FROM T156"), counts.fosParams);
  EXPECT_EQ(db.Number("SELECT count(*) FROM T162"), counts.blsParams);
  EXPECT_EQ(db.Number("SELECT count(*) FROM T470"), counts.errorCodes);

  // About 20 request and 10 answer parameters per function.
  const double perFos = static_cast<double>(counts.fosParams) / 40;
  const double perBls = static_cast<double>(counts.blsParams) / 40;
  EXPECT_GT(perFos, 25);
  EXPECT_LT(perFos, 35);
  EXPECT_GT(perBls, 25);
  EXPECT_LT(perBls, 36);  // audited functions carry their fixed FIDs
  const long long requests = db.Number("SELECT count(*) FROM T156 WHERE F4 = 1");
  const long long answers = db.Number("SELECT count(*) FROM T156 WHERE F4 = 2");
  EXPECT_GT(requests, answers * 3 / 2);

  // Every parameter belongs to a function of the database.
  EXPECT_EQ(db.Number("SELECT count(*) FROM T156 WHERE F13 NOT IN (SELECT ID FROM T154)"), 0);
  EXPECT_EQ(db.Number("SELECT count(*) FROM T162 WHERE F1 NOT IN (SELECT ID FROM T161)"), 0);
  EXPECT_EQ(db.Number("SELECT count(*) FROM T154 WHERE F26 NOT IN (SELECT ID FROM T158)"), 0);
  EXPECT_EQ(db.Number("SELECT count(*) FROM T161 WHERE F7 NOT IN (SELECT ID FROM T164)"), 0);
  // Unique keys where the generators rely on them.
  EXPECT_EQ(db.Number("SELECT count(DISTINCT F2) FROM T151"), 200);
  EXPECT_EQ(db.Number("SELECT count(DISTINCT F1) FROM T151"), 200);
  EXPECT_EQ(db.Number("SELECT count(DISTINCT F19) FROM T154"), 40);
  EXPECT_EQ(db.Number("SELECT count(DISTINCT F2) FROM T161"), 40);
}

TEST(BenchData, CoversEveryBranchOfTheGenerators) {
  TempDir dir;
  BenchScale scale = BenchScale{}.Scaled(0.05);  // 5 + 5 modules, 200 + 200 functions
  scale.errorCategories = 20;
  Db db(Make(dir, "cover.sqlite", 7, scale));

  EXPECT_EQ(db.Column("SELECT DISTINCT IFNULL(F34, 'NULL') FROM T154"),
            (std::set<std::string>{"0", "1", "2", "3", "NULL"}));
  EXPECT_EQ(db.Column("SELECT DISTINCT IFNULL(F14, 'NULL') FROM T161"),
            (std::set<std::string>{"0", "1", "2", "3", "NULL"}));
  EXPECT_EQ(db.Column("SELECT DISTINCT IFNULL(F5, 'NULL') FROM T161"),
            (std::set<std::string>{"1", "2", "3", "4", "NULL"}));
  // Multi-row by code: LIST and List with answer type 0, and a lower-case
  // list that does not count.
  EXPECT_GT(db.Number("SELECT count(*) FROM T154 WHERE F34 = 0 AND F19 GLOB '*LIST*'"), 0);
  EXPECT_GT(db.Number("SELECT count(*) FROM T161 WHERE F14 = 0 AND F2 GLOB '*List*'"), 0);
  EXPECT_GT(db.Number("SELECT count(*) FROM T154 WHERE F19 GLOB '*list*'") +
                db.Number("SELECT count(*) FROM T161 WHERE F2 GLOB '*list*'"),
            0);
  EXPECT_GT(db.Number("SELECT count(*) FROM T154 WHERE F19 GLOB '*.*'"), 0);
  EXPECT_GT(db.Number("SELECT count(*) FROM T154 WHERE F19 GLOB '* '") +
                db.Number("SELECT count(*) FROM T161 WHERE F2 GLOB '* '"),
            0);
  EXPECT_GT(db.Number("SELECT count(*) FROM T154 WHERE F24 IS NOT NULL"), 0);
  EXPECT_GT(db.Number("SELECT count(*) FROM T154 WHERE F28 GLOB '*' || char(10) || '*'"), 0);

  // Audited BLS functions carry what the audit flow reads.
  EXPECT_EQ(db.Number("SELECT count(*) FROM T161 B WHERE B.F5 = 2 AND NOT EXISTS "
                      "(SELECT 1 FROM T162 A WHERE A.F1 = B.ID AND A.F4 = 1 AND A.F2 = 'FID_ZLLB' AND A.F5 = 1)"),
            0);
  EXPECT_EQ(db.Number("SELECT count(*) FROM T161 B WHERE B.F5 = 2 AND NOT EXISTS "
                      "(SELECT 1 FROM T162 A WHERE A.F1 = B.ID AND A.F4 = 1 AND A.F2 = 'FID_SHXYM')"),
            0);

  // Data types and mandatory flags of every kind.
  EXPECT_EQ(db.Column("SELECT DISTINCT F7 FROM T162"),
            (std::set<std::string>{"0", "1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_EQ(db.Column("SELECT DISTINCT IFNULL(F5, 'NULL') FROM T156"),
            (std::set<std::string>{"0", "1", "2", "NULL"}));

  // The FID check finds undefined and unused FIDs.
  EXPECT_GT(db.Number("SELECT count(*) FROM T162 WHERE F2 NOT IN (SELECT F2 FROM T151)"), 0);
  EXPECT_GT(db.Number("SELECT count(*) FROM T156 WHERE F15 NOT IN (SELECT F2 FROM T151)"), 0);
  EXPECT_GT(db.Number("SELECT count(*) FROM T151 WHERE F2 NOT IN (SELECT F15 FROM T156) "
                      "AND F2 NOT IN (SELECT F2 FROM T162)"),
            0);

  // Error codes: numbers and texts, with and without message names, and
  // categories that sysdef.h leaves out.
  EXPECT_EQ(db.Column("SELECT DISTINCT F10 FROM T470 WHERE F10 IN (1, 6)"), (std::set<std::string>{"1", "6"}));
  EXPECT_GT(db.Number("SELECT count(*) FROM T470 WHERE IFNULL(F6, '') = ''"), 0);
  EXPECT_GT(db.Number("SELECT count(*) FROM T471 WHERE NOT (GRADE = 2 AND FID = 2 AND TYPE = 0)"), 0);
  EXPECT_GT(db.Number("SELECT count(*) FROM T471 WHERE GRADE = 2 AND FID = 2 AND TYPE = 0"), 0);
}

TEST(BenchData, SameSeedSameBytesOtherSeedOtherBytes) {
  TempDir dir;
  const std::string a = ReadFile(Make(dir, "a.sqlite", 42, Small()));
  const std::string b = ReadFile(Make(dir, "b.sqlite", 42, Small()));
  const std::string c = ReadFile(Make(dir, "c.sqlite", 43, Small()));
  ASSERT_FALSE(a.empty());
  EXPECT_TRUE(a == b) << "the same seed gave different files";
  EXPECT_FALSE(a == c) << "another seed gave the same file";
}

TEST(BenchData, RefusesAnExistingFileUnlessTold) {
  TempDir dir;
  const std::string path = dir / "old.sqlite";
  ff::test::WriteFile(path, "keep me");
  std::string error;
  EXPECT_FALSE(MakeBenchDatabase(path, 1, Small(), false, nullptr, error));
  EXPECT_NE(error.find("exists"), std::string::npos) << error;
  EXPECT_EQ(ReadFile(path), "keep me");

  error.clear();
  EXPECT_TRUE(MakeBenchDatabase(path, 1, Small(), true, nullptr, error)) << error;
  Db db(path);
  EXPECT_EQ(db.Number("SELECT count(*) FROM T151"), 200);
}

TEST(BenchData, RejectsAScaleItCannotBuild) {
  TempDir dir;
  BenchScale scale = Small();
  scale.fids = 0;
  std::string error;
  EXPECT_FALSE(MakeBenchDatabase(dir / "none.sqlite", 1, scale, false, nullptr, error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "none.sqlite"));
}

}  // namespace
