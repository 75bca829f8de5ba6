#include "tests/support/cli_run.h"

#include <sys/wait.h>

#include <cstdlib>

#include "tests/support/test_support.h"

namespace ff::test {

CliResult RunFidforgeCli(const std::string& args, const std::string& scratch, const std::string& environment) {
  const std::string out = scratch + "/cli-out.txt", err = scratch + "/cli-err.txt";
  const std::string command = environment + (environment.empty() ? "'" : " '") + FF_CLI_PATH + "' " + args +
                              " >'" + out + "' 2>'" + err + "' </dev/null";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
}

}  // namespace ff::test
