#include "tests/faults/fault_support.h"

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>

namespace ff::test {

std::map<std::string, std::string> FolderBytes(const std::string& folder) {
  std::map<std::string, std::string> files;
  std::error_code ec;
  for (auto it = std::filesystem::recursive_directory_iterator(folder, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_regular_file()) {
      files[std::filesystem::relative(it->path(), folder).string()] = ReadFile(it->path().string());
    }
  }
  return files;
}

void ExecSql(const std::string& database, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(SQLITE_OK, sqlite3_open(database.c_str(), &db));
  char* error = nullptr;
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  EXPECT_EQ(SQLITE_OK, rc) << (error ? error : "") << " in " << sql;
  sqlite3_free(error);
  sqlite3_close(db);
}

void CliFixture::SetUp() {
  ::unsetenv("FIDFORGE_DB");
  ASSERT_EQ(0, Run("init-demo '" + db + "'").status);
}

CliResult CliFixture::Run(const std::string& args) const {
  return RunFidforgeCli("--db '" + db + "' --author dev " + args, dir.path().string());
}

const std::vector<std::string>& CliFixture::EveryCommand() {
  static const std::vector<std::string> commands{
      "headers --out OUT/h",
      "module --kind fos --all --out OUT/fos",
      "module --kind bls --all --out OUT/bls",
      "module --kind fos --module 1 --out OUT/one",
      "module --kind fos --all --out OUT/fos --merge",
      "--check headers --out OUT/h",
      "function --kind fos --module 1 --code KH_LIST --out OUT/f.cpp",
      "function --kind bls --module 21 --code QUERY_USER_LIST --out OUT/b.cpp",
      "snippet --module 21 --code QUERY_USER_LIST --out OUT/s.cpp",
      "check-fids --strict",
      "modules --kind fos",
      "functions --kind bls --module 21",
      "lint",
      "lint --format json",
      "docs --out OUT/site",
  };
  return commands;
}

}  // namespace ff::test
