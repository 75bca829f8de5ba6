// fidforge-cli docs: what it tells, its exit statuses, --check and --force.
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/cli_run.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::ReadFile;
namespace fs = std::filesystem;

class DocsCommand : public ::testing::Test {
 protected:
  using Result = ff::test::CliResult;

  Result Run(const std::string& args) {
    return ff::test::RunFidforgeCli("--db '" + db + "' " + args, dir.path().string(), "SOURCE_DATE_EPOCH=1141560000");
  }
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(site)) files[entry.path().string()] = ReadFile(entry.path().string());
    return files;
  }
  void Sql(const std::string& sql) {
    sqlite3* handle = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(db.c_str(), &handle));
    EXPECT_EQ(SQLITE_OK, sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, nullptr)) << sqlite3_errmsg(handle);
    sqlite3_close(handle);
  }

  ff::test::SettingsSandbox sandbox;
  ff::test::TempDir dir;
  std::string db = dir / "demo.sqlite";
  // A folder name outside GBK: paths stay the system's bytes.
  std::string site = dir / "site-한글";
  void SetUp() override { ASSERT_EQ(Run("init-demo '" + db + "'").status, 0); }
};

TEST_F(DocsCommand, WritesTellsAndChecks) {
  // --check on a fresh checkout: stale, and nothing made, not even the folder.
  Result r = Run("--check docs --out '" + site + "'");
  EXPECT_EQ(5, r.status) << r.err;
  EXPECT_NE(std::string::npos, r.out.find("would change: " + site + "/index.html\n"));
  EXPECT_FALSE(fs::exists(site));

  r = Run("docs --out '" + site + "'");
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_NE(std::string::npos, r.out.find("written: " + site + "/index.html\n"));
  EXPECT_NE(std::string::npos, r.out.find("written: " + site + "/fos-1.html\n"));
  const auto written = Files();
  EXPECT_EQ(38u, written.size());

  r = Run("--check docs --out '" + site + "'");
  EXPECT_EQ(0, r.status) << r.out << r.err;
  EXPECT_EQ(std::string::npos, r.out.find("would change"));

  // A changed FID name: its FID page (and search entries) go stale; a check
  // tells so and leaves every file alone.
  Sql("UPDATE T151 SET F3 = '改名' WHERE F2 = 'FID_KHH'");
  r = Run("--check docs --out '" + site + "'");
  EXPECT_EQ(5, r.status);
  EXPECT_NE(std::string::npos, r.out.find("would change: " + site + "/fids-K.html\n"));
  EXPECT_NE(std::string::npos, r.out.find("unchanged: " + site + "/fos-1.html\n"));
  EXPECT_EQ(written, Files());
}

TEST_F(DocsCommand, AFailedQueryIsNotSuccess) {
  ASSERT_EQ(0, Run("docs --out '" + site + "'").status);
  const auto good = Files();

  Sql("DROP TABLE T162");
  const Result r = Run("docs --out '" + site + "'");
  EXPECT_EQ(1, r.status);
  EXPECT_EQ("", r.out);
  EXPECT_NE(std::string::npos, r.err.find("fidforge-cli: lint cannot read the BLS parameters (T162): ")) << r.err;
  EXPECT_NE(std::string::npos, r.err.find("no such table: T162; no page was changed\n")) << r.err;
  EXPECT_EQ(good, Files());
}

}  // namespace
