// The whole CLI through SQL Server: every command gives byte-identical
// output whether it reads the SQLite file directly, through FreeTDS from
// the TDS test server (mssql://), or through the SQLite ODBC driver (odbc:).
#include <filesystem>

#include <gtest/gtest.h>

#include "host/gbk_text.h"
#include "res/tree_queries.h"
#include "tests/odbc/odbc_test_util.h"
#include "tds_server/tds_test_server.h"
#include "tests/support/cli_run.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

// fidforge-cli with the global options for `db`, then `args`; the password
// (or none) in FIDFORGE_DB_PASSWORD.
CliResult RunCli(const std::string& db, const std::string& args, const std::string& password, const std::string& scratch) {
  return RunFidforgeCli("--db '" + db + "' --author tester --force " + args, scratch,
                        "env -u FIDFORGE_DB SOURCE_DATE_EPOCH=1700000000 FIDFORGE_DB_PASSWORD='" + password + "'");
}

class CliThroughSqlServer : public ::testing::Test {
 protected:
  void SetUp() override {
    TdsServerOptions o;
    o.databasePath = db_.path();
    o.idleSeconds = 120;
    server_ = std::make_unique<TdsTestServer>(o);
    std::string error;
    ASSERT_TRUE(server_->Start(error)) << error;
  }

  // Every command of the CLI, writing into `out`; what each printed and
  // its exit status go to files there too (the output folder's name
  // replaced, so that the sides compare).
  void RunAll(const std::string& db, const std::string& password, const std::string& out) {
    for (const char* folder : {"headers", "fos", "bls"}) std::filesystem::create_directories(out + "/" + folder);
    std::vector<std::string> commands = {"headers --out '" + out + "/headers'",
                                         "module --kind fos --all --out '" + out + "/fos'",
                                         "module --kind bls --all --out '" + out + "/bls'",
                                         "check-fids", "lint", "lint --format json", "modules --kind fos",
                                         "modules --kind bls"};
    for (const auto& [bls, module, code] : functions_) {
      const std::string function = std::string(bls ? "function --kind bls" : "function --kind fos") + " --module " +
                                   std::to_string(module) + " --code '" + code + "' ";
      for (const char* validate : {"none", "loose", "compact", "macro"}) commands.push_back(function + "--validate " + validate);
      commands.push_back(function + "--plain");
      if (bls) commands.push_back("snippet --module " + std::to_string(module) + " --code '" + code + "'");
    }
    int n = 0;
    for (const std::string& args : commands) {
      const CliResult run = RunCli(db, args, password, scratch_.path().string());
      std::string log = "status " + std::to_string(run.status) + "\n" + run.out + "\n--- stderr\n" + run.err;
      gbk::ReplaceAll(log, out, "<OUT>");
      WriteFile(out + "/run" + std::to_string(n++) + "_" + args.substr(0, args.find(' ')) + ".txt", log);
    }
  }

  void CollectFunctions() {
    std::string error;
    auto direct = OpenSqliteStore(db_.path(), error);
    ASSERT_TRUE(direct) << error;
    for (bool bls : {false, true}) {
      CMemRecord modules;
      direct->Select(Of(KindOf(bls)).moduleQuery, modules, error);
      for (modules.GoTop(); !modules.Eof(); modules.Skip(1)) {
        long module = gbk::AtoL(modules.GetString(G("模块ID")));
        CMemRecord functions;
        direct->Select(res::FunctionQuery(KindOf(bls), module), functions, error);
        for (functions.GoTop(); !functions.Eof(); functions.Skip(1))
          functions_.push_back({bls, module, U(functions.GetString(G(bls ? "BLS编码" : "FOS编码")))});
      }
    }
  }

  SettingsSandbox sandbox_;
  DefaultDriverSettings driver_;
  TestDatabase db_{"", true};
  TempDir scratch_;
  std::unique_ptr<TdsTestServer> server_;
  std::vector<std::tuple<bool, long, std::string>> functions_;
};

TEST_F(CliThroughSqlServer, EveryCommandGivesTheSameBytes) {
  CollectFunctions();
  ASSERT_GT(functions_.size(), 10u);
  TempDir out;
  const std::string sqlite = out / "sqlite";
  const std::string tds = out / "mssql";
  const std::string odbc = out / "odbc";
  RunAll(db_.path(), "", sqlite);
  RunAll("mssql://sa@127.0.0.1:" + std::to_string(server_->port()) + "/Developer?encrypt=no", "482913", tds);
  RunAll(SqliteOdbcServer(db_.path()), "", odbc);

  auto expected = FolderBytes(sqlite);
  ASSERT_GT(expected.size(), functions_.size() * 5);
  // The reference run itself must have worked.
  EXPECT_NE(expected["run0_headers.txt"].rfind("status 0", 0), std::string::npos) << expected["run0_headers.txt"];
  EXPECT_GT(expected["headers/fiddef.h"].size(), 200u);
  // The demo's lint: its deliberate findings, an error among them.
  EXPECT_NE(expected["run4_lint.txt"].rfind("status 4\nwarning\tparam-type-mismatch", 0), std::string::npos)
      << expected["run4_lint.txt"];
  for (const auto& side : {tds, odbc}) {
    auto actual = FolderBytes(side);
    for (const auto& [name, bytes] : expected) {
      auto found = actual.find(name);
      ASSERT_NE(found, actual.end()) << side << " lacks " << name;
      EXPECT_BYTES_EQ(bytes, found->second) << side << ": " << name;
    }
    EXPECT_EQ(actual.size(), expected.size()) << side;
  }
  EXPECT_GE(server_->logins(), static_cast<int>(functions_.size()));
}

TEST_F(CliThroughSqlServer, AFailedLoginExitsWithTheReasonAndNoPassword) {
  TempDir out;
  const CliResult run = RunCli("mssql://sa@127.0.0.1:" + std::to_string(server_->port()) + "/Developer?encrypt=no",
                               "headers --out '" + (out / "headers") + "'", "not-the-password", out.path().string());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Login failed for user 'sa'"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("not-the-password"), std::string::npos) << run.err;
  EXPECT_EQ(run.out.find("not-the-password"), std::string::npos) << run.out;
}

TEST_F(CliThroughSqlServer, AServerWithoutEncryptionGetsNoPasswordUnlessAllowed) {
  TempDir out;
  const std::string url = "mssql://sa@127.0.0.1:" + std::to_string(server_->port()) + "/Developer";
  const int before = server_->loginRecords();
  CliResult run = RunCli(url, "headers --out '" + (out / "headers") + "'", "482913", out.path().string());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(server_->loginRecords(), before);
  EXPECT_NE(run.err.find("?encrypt=no"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(out / "headers/fiddef.h"));
  run = RunCli(url + "?encrypt=no", "headers --out '" + (out / "headers") + "'", "482913", out.path().string());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(server_->loginRecords(), before + 1);
}

}  // namespace
}  // namespace ff::test
