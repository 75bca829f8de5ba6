// fidforge-cli docs: what it tells, its exit statuses, --check and --force.
#include <map>

#include "tests/cli/cli_fixture.h"

namespace ff::test {
namespace {

namespace fs = std::filesystem;

class DocsCommand : public CliTest {
 protected:
  Result Run(const std::string& args) { return CliTest::Run("--db '" + db + "' " + args, "SOURCE_DATE_EPOCH=1141560000"); }
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(site)) files[entry.path().string()] = ReadFile(entry.path().string());
    return files;
  }
  void Sql(const std::string& sql) { ASSERT_EQ(0, std::system(("sqlite3 '" + db + "' \"" + sql + "\"").c_str())); }

  std::string db = Demo();
  // A folder name outside GBK: paths stay the system's bytes.
  std::string site = dir / "site-한글";
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
}  // namespace ff::test
