// ff-tds-serve: the TDS test server as a program of its own, for the
// Windows stage (scripts/test_windows.sh): fidforge-cli.exe under Wine
// reaches it through Wine's ODBC, which hands the calls to the machine's
// unixODBC and FreeTDS.
//   ff-tds-serve DATABASE.sqlite    prints the port, then serves until killed
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "tds_server/tds_test_server.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ff-tds-serve DATABASE.sqlite\n");
    return 2;
  }
  ff::test::TdsServerOptions options;
  options.databasePath = argv[1];
  options.keepBatches = false;
  options.idleSeconds = 600;
  ff::test::TdsTestServer server(options);
  std::string error;
  if (!server.Start(error)) {
    std::fprintf(stderr, "ff-tds-serve: %s\n", error.c_str());
    return 1;
  }
  std::printf("%d\n", server.port());
  std::fflush(stdout);
  for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
}
