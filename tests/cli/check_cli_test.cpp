// fidforge-cli --check: every writing command compares instead of writing,
// tells each file as "would change" or "unchanged", and exits 5 when
// anything is stale. Nothing on disk changes, not even a folder: a check
// needs no temporary folder at all (TMPDIR names none here).
#include "tests/support/cli_run.h"

namespace ff::test {
namespace {

namespace fs = std::filesystem;

class CheckOption : public CliFixture {
 protected:
  static size_t Count(const std::string& text, const std::string& word) {
    size_t n = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
    return n;
  }
  std::string gen = dir / "gen";
  void SetUp() override {
    CliFixture::SetUp();
    environment = "SOURCE_DATE_EPOCH=1141560000 TMPDIR='" + (dir / "tmp") + "'";
  }
  void TearDown() override { EXPECT_FALSE(fs::exists(dir / "tmp")); }
};

TEST_F(CheckOption, FreshCheckoutIsStaleAndStaysEmpty) {
  Result r = Run("--check headers --out '" + gen + "/include'");
  EXPECT_EQ(5, r.status) << r.err;
  EXPECT_EQ(5u, Count(r.out, "would change: " + gen + "/include/"));
  r = Run("--check module --kind fos --all --out '" + gen + "/fos'");
  EXPECT_EQ(5, r.status) << r.err;
  EXPECT_NE(std::string::npos, r.out.find("would change: " + gen + "/fos/1/Process.cpp")) << r.out;
  r = Run("--check module --kind bls --module 21 --out '" + gen + "/bls' --merge");
  EXPECT_EQ(5, r.status) << r.err;
  EXPECT_FALSE(fs::exists(gen));
}

TEST_F(CheckOption, UpToDateFilesAreUnchangedAndOneEditIsFound) {
  ASSERT_EQ(0, Run("--force headers --out '" + gen + "/include'").status);
  ASSERT_EQ(0, Run("--force module --kind fos --all --out '" + gen + "/fos'").status);
  ASSERT_EQ(0, Run("--force function --kind fos --module 1 --code KH.QUERY --out '" + gen + "/f.cpp'").status);

  Result r = Run("--check headers --out '" + gen + "/include'");
  EXPECT_EQ(0, r.status) << r.out << r.err;
  EXPECT_EQ(5u, Count(r.out, "unchanged: "));
  r = Run("--check module --kind fos --all --out '" + gen + "/fos'");
  EXPECT_EQ(0, r.status) << r.out << r.err;
  EXPECT_EQ(0u, Count(r.out, "would change"));
  r = Run("--check function --kind fos --module 1 --code KH.QUERY --out '" + gen + "/f.cpp'");
  EXPECT_EQ(0, r.status) << r.out << r.err;

  const std::string edited = gen + "/fos/2/Process.h";
  WriteFile(edited, ReadFile(edited) + "// mine\r\n");
  const std::string bytes = ReadFile(edited);
  r = Run("--check module --kind fos --all --out '" + gen + "/fos'");
  EXPECT_EQ(5, r.status);
  EXPECT_EQ(1u, Count(r.out, "would change: "));
  EXPECT_NE(std::string::npos, r.out.find("would change: " + edited + "\n")) << r.out;
  EXPECT_EQ(bytes, ReadFile(edited));

  // The encoding is part of the comparison.
  r = Run("--check --encoding utf-8 headers --out '" + gen + "/include'");
  EXPECT_EQ(5, r.status);
}

TEST_F(CheckOption, MergedModulesCheckAgainstTheirMerge) {
  ASSERT_EQ(0, Run("--force module --kind fos --module 1 --out '" + gen + "'").status);
  const std::string source = gen + "/Process.cpp";
  std::string edited = ReadFile(source);
  const std::string placeholder = "    pDB->Cmd(\"SELECT '...' \");\r\n";
  edited.replace(edited.find(placeholder), placeholder.size(), "    pDB->Cmd(\"SELECT 1\");\r\n");
  WriteFile(source, edited);

  // The hand-written SQL is no staleness when merging...
  Result r = Run("--check module --kind fos --module 1 --out '" + gen + "' --merge");
  EXPECT_EQ(0, r.status) << r.out << r.err;
  EXPECT_NE(std::string::npos, r.out.find("unchanged: " + source)) << r.out;
  // ...but it is for a plain regeneration, which would drop it.
  r = Run("--check module --kind fos --module 1 --out '" + gen + "'");
  EXPECT_EQ(5, r.status);

  Sql("DELETE FROM T154 WHERE ID = 102");
  r = Run("--check module --kind fos --module 1 --out '" + gen + "' --merge");
  EXPECT_EQ(5, r.status);
  EXPECT_NE(std::string::npos, r.out.find("would change: " + source)) << r.out;
  EXPECT_EQ(edited, ReadFile(source));
}

// The site the same way, in a folder named outside GBK (paths stay the
// system's bytes); a failed query is no success and changes no page.
TEST_F(CheckOption, TheSiteIsCheckedPageByPage) {
  const std::string site = dir / "site-한글";
  Result r = Run("--check docs --out '" + site + "'");
  EXPECT_EQ(5, r.status) << r.err;
  EXPECT_NE(std::string::npos, r.out.find("would change: " + site + "/index.html\n"));
  EXPECT_FALSE(fs::exists(site));
  ASSERT_EQ(0, Run("docs --out '" + site + "'").status);
  const auto written = FolderBytes(site);
  EXPECT_EQ(38u, written.size());
  EXPECT_EQ(0, Run("--check docs --out '" + site + "'").status);
  // A changed FID name: its FID page (and search entries) go stale.
  Sql("UPDATE T151 SET F3 = '改名' WHERE F2 = 'FID_KHH'");
  r = Run("--check docs --out '" + site + "'");
  EXPECT_EQ(5, r.status);
  EXPECT_NE(std::string::npos, r.out.find("would change: " + site + "/fids-K.html\n"));
  EXPECT_NE(std::string::npos, r.out.find("unchanged: " + site + "/fos-1.html\n"));
  EXPECT_EQ(written, FolderBytes(site));
  Sql("DROP TABLE T162");
  r = Run("docs --out '" + site + "'");
  EXPECT_EQ(1, r.status);
  EXPECT_EQ("", r.out);
  EXPECT_NE(std::string::npos, r.err.find("lint cannot read the BLS parameters (T162): no such table: T162; "
                                          "no page was changed\n")) << r.err;
  EXPECT_EQ(written, FolderBytes(site));
}

TEST_F(CheckOption, DemoDatabaseAndFailuresKeepTheirOwnStatus) {
  Result r = Run("--check init-demo '" + (dir / "other.sqlite") + "'");
  EXPECT_EQ(5, r.status);
  EXPECT_FALSE(fs::exists(dir / "other.sqlite"));
  r = Run("--check init-demo '" + db + "'");
  EXPECT_EQ(0, r.status) << r.out << r.err;
  EXPECT_NE(std::string::npos, r.out.find("unchanged: " + db)) << r.out;

  // An error is an error, not staleness.
  r = Run("--check module --kind fos --module 77 --out '" + gen + "'");
  EXPECT_EQ(1, r.status);
}

}  // namespace
}  // namespace ff::test
