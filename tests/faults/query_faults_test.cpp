// Damaged databases against every command: each either gives the output
// it gave before the damage, exit 0, or stops with exit 1 and the
// database's own reason, leaving every file it wrote earlier as it was.
#include <sqlite3.h>

#include <atomic>
#include <cctype>
#include <filesystem>
#include <chrono>
#include <regex>
#include <set>
#include <thread>

#include "host/gbk_text.h"
#include "tests/faults/fault_support.h"

namespace ff::test {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Overwrites `bytes` bytes of the root page of `table` from `offset` (all
// of the page when 0) with `fill`: bytes that are no b-tree page.
void CorruptRootPage(const std::string& database, const std::string& table, long offset = 0, long bytes = 0,
                     char fill = static_cast<char>(0xA5)) {
  sqlite3* db = nullptr;
  ASSERT_EQ(SQLITE_OK, sqlite3_open(database.c_str(), &db));
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, ("SELECT rootpage, (SELECT page_size FROM pragma_page_size) FROM sqlite_master "
                          "WHERE name = '" + table + "'").c_str(), -1, &stmt, nullptr);
  ASSERT_EQ(SQLITE_ROW, sqlite3_step(stmt));
  const long page = sqlite3_column_int64(stmt, 0), size = sqlite3_column_int64(stmt, 1);
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  std::string file = ReadFile(database);
  ASSERT_GE(static_cast<long>(file.size()), page * size);
  const long from = (page - 1) * size + offset;
  const long to = bytes > 0 ? from + bytes : page * size;
  for (long i = from; i < to; ++i) file[static_cast<size_t>(i)] = fill;
  WriteFile(database, file);
}

struct Damage {
  const char* name;
  std::string sql;         // run on the database; empty: corrupt a root page
  const char* reason;      // the database's own words
  const char* table = "T156";  // whose root page
  long offset = 0, bytes = 0;  // which of its bytes (0 bytes: all)
  char fill = static_cast<char>(0xA5);
};

class DamagedDatabase : public CliFixture, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedDatabase, EveryCommandGivesTheRightOutputOrStopsWithTheReasonKeepingEarlierFiles) {
  const Damage& damage = GetParam();
  for (const char* folder : {"/h", "/one"}) std::filesystem::create_directories(out() + folder);
  // Run twice: the second run finds every file as it would make it.
  std::vector<CliResult> before;
  for (const std::string& command : EveryCommand())
    ASSERT_EQ(0, Run("--force " + gbk::Replaced(command, "OUT", out())).status % 4);
  for (const std::string& command : EveryCommand()) {
    before.push_back(Run("--force " + gbk::Replaced(command, "OUT", out())));
    ASSERT_TRUE(before.back().status == 0 || before.back().status == 4) << command << ": " << before.back().err;
  }
  const auto goodFiles = FolderBytes(out());

  if (damage.sql.empty()) {
    CorruptRootPage(db, damage.table, damage.offset, damage.bytes, damage.fill);
  } else {
    ExecSql(db, damage.sql);
  }
  int failed = 0;
  for (size_t i = 0; i < EveryCommand().size(); ++i) {
    const std::string& command = EveryCommand()[i];
    const CliResult after = Run("--force " + gbk::Replaced(command, "OUT", out()));
    if (after.status == before[i].status) {
      EXPECT_EQ(before[i].out, after.out) << command;
      EXPECT_EQ("", after.err) << command;
    } else {
      ++failed;
      EXPECT_EQ(1, after.status) << command << ": " << after.err;
      EXPECT_EQ(0u, after.err.rfind("fidforge-cli: ", 0)) << command << ": " << after.err;
      EXPECT_NE(std::string::npos, Lower(after.err).find(Lower(damage.reason))) << command << ": " << after.err;
    }
    // Whether it failed or not, every file is as the healthy run left it.
    EXPECT_EQ(goodFiles, FolderBytes(out())) << command;
  }
  EXPECT_GT(failed, 0) << "the damage touched no command";
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedDatabase,
    ::testing::Values(Damage{"MissingFidTable", "DROP TABLE T151", "no such table: T151"},
                      Damage{"MissingFunctionTable", "DROP TABLE T154", "no such table: T154"},
                      Damage{"MissingModuleTable", "DROP TABLE T164", "no such table: T164"},
                      Damage{"MissingNameColumn", "ALTER TABLE T154 RENAME COLUMN F22 TO F22_GONE",
                             "no such column: F22"},
                      Damage{"MissingParameterColumn", "ALTER TABLE T156 RENAME COLUMN F15 TO F15_GONE",
                             "no such column"},
                      Damage{"CorruptParameterPage", "", "database disk image is malformed"},
                      // 200 zero bytes over the cell pointers leave a page that
                      // reads as rows of garbage until each cell is checked.
                      Damage{"CorruptFidCellPointers", "", "database disk image is malformed", "T151", 8, 200, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A writer that commits while a command runs: every row the command reads
// comes from one committed state, and a short lock is waited for.
TEST_F(CliFixture, AWriterCommittingMeanwhileGivesOutputOfOneState) {
  std::atomic<bool> stop{false};
  std::atomic<int> commits{0};
  std::thread writer([&] {
    sqlite3* conn = nullptr;
    sqlite3_open(db.c_str(), &conn);
    sqlite3_busy_timeout(conn, 10000);
    for (int n = 0; !stop; ++n) {
      // Every function name carries the number of the commit that set it.
      const std::string sql = "BEGIN EXCLUSIVE; UPDATE T154 SET F22 = 'state" + std::to_string(n) +
                              "'; UPDATE T161 SET F3 = 'state" + std::to_string(n) + "'; COMMIT;";
      if (sqlite3_exec(conn, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK) ++commits;
      std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    sqlite3_close(conn);
  });
  // Every run starts after a first commit: each then names one of them.
  while (commits == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  std::vector<CliResult> results;
  for (const char* kind : {"fos", "bls"}) {
    results.push_back(Run("--force module --kind " + std::string(kind) + " --all --out '" + out() + "'"));
  }
  stop = true;
  writer.join();
  for (const CliResult& r : results) EXPECT_EQ(0, r.status) << r.err;
  EXPECT_GT(commits.load(), 0);

  // One state per run: each kind's files name exactly one commit.
  const std::regex state("state[0-9]+");
  std::set<std::string> fos, bls;
  for (const auto& [path, bytes] : FolderBytes(out())) {
    std::set<std::string>& seen = std::stoi(path) > 20 ? bls : fos;  // BLS modules are 21..23
    for (std::sregex_iterator it(bytes.begin(), bytes.end(), state), end; it != end; ++it) seen.insert(it->str());
  }
  EXPECT_EQ(1u, fos.size());
  EXPECT_EQ(1u, bls.size());
}

// A lock held longer than the wait fails the command, saying so and writing
// nothing; a short one is waited for.
TEST_F(CliFixture, ALongLockFailsSayingSoAndAShortOneIsWaitedFor) {
  sqlite3* conn = nullptr;
  ASSERT_EQ(SQLITE_OK, sqlite3_open(db.c_str(), &conn));
  ASSERT_EQ(SQLITE_OK, sqlite3_exec(conn, "BEGIN EXCLUSIVE; UPDATE T158 SET F2 = F2;", nullptr, nullptr, nullptr));
  std::filesystem::create_directories(out());
  CliResult r = Run("--force headers --out '" + out() + "'");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.err.find("database is locked")) << r.err;
  EXPECT_NE(std::string::npos, r.err.find("another program")) << r.err;
  EXPECT_TRUE(FolderBytes(out()).empty());
  std::thread release([conn] {
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    sqlite3_exec(conn, "COMMIT", nullptr, nullptr, nullptr);
  });
  r = Run("check-fids");
  release.join();
  sqlite3_close(conn);
  EXPECT_EQ(0, r.status) << r.err;
}

}  // namespace
}  // namespace ff::test
