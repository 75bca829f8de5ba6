#include "tests/support/cli_run.h"

#ifndef _WIN32
#include <sys/wait.h>
#else
// Windows' system() gives the exit status itself (and runs cmd, not sh:
// the command line's runs are compared under Wine by scripts/test_windows.sh).
#define WIFEXITED(raw) ((raw) != -1)
#define WEXITSTATUS(raw) (raw)
#endif

#include <cstdlib>
#include <filesystem>

namespace ff::test {

CliResult RunFidforgeCli(const std::string& args, const std::string& scratch, const std::string& environment,
                         const std::string& cwd) {
  const std::string out = scratch + "/cli-out.txt", err = scratch + "/cli-err.txt";
  const std::string command = (cwd.empty() ? "" : "cd '" + cwd + "' && ") + environment +
                              (environment.empty() ? "'" : " '") + FF_CLI_PATH + "' " + args + " >'" + out + "' 2>'" +
                              err + "' </dev/null";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
}

void CliTest::SetUp() {
#ifdef _WIN32
  ::_putenv_s("FIDFORGE_DB", "");
#else
  ::unsetenv("FIDFORGE_DB");
#endif
}

std::string CliTest::Db(std::string_view sql) {
  const std::string path = dir / ("db" + std::to_string(++made) + ".sqlite");
  TestDatabase db(sql);
  std::filesystem::copy_file(db.path(), path);
  return path;
}

void CliFixture::SetUp() {
  CliTest::SetUp();
  ASSERT_EQ(0, CliTest::Run("init-demo '" + db + "'").status);
}

CliResult CliFixture::Run(const std::string& args) const {
  return CliTest::Run("--db '" + db + "' --author " + author + " " + args, environment);
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
