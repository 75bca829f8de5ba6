// fidforge-cli run as a build pipeline runs it: one command line through
// the shell, standard input empty, standard output and errors caught in
// files, the program's own exit status.
#pragma once

#include <string>

namespace ff::test {

struct CliResult {
  int status = -1;  // -1 when the program did not exit by itself
  std::string out;  // as printed (generated code stays GBK)
  std::string err;  // UTF-8
};

// Runs `<environment> 'fidforge-cli' <args>` with `sh`; `args` and
// `environment` ("NAME=value ...") are shell words, quoted by the caller.
// The captured output goes through files in `scratch`, a folder of the test.
CliResult RunFidforgeCli(const std::string& args, const std::string& scratch, const std::string& environment = "");

}  // namespace ff::test
