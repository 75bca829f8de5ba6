// The demo database's complete generated output against the snapshot kept
// in tests/demo/snapshot/: the five headers, Process.h and Process.cpp of
// every FOS and BLS module, every function's template text in each
// validation style (aligned and plain), every client snippet (aligned and
// plain) and the dictionary site. A change anywhere in the generators that
// moves one byte of output shows here with the file's name. The headers,
// the modules and the site are made by fidforge-cli too, as a build
// pipeline makes them, and must be the same files; so are functions and
// snippets as it prints them.
//
// When the demo database itself changes, regenerate the snapshot with
//   scripts/update_snapshot.sh
// (it runs this program with FF_UPDATE_SNAPSHOT=1, which rewrites the
// snapshot folder instead of comparing) and review the diff before
// committing it.
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "tests/support/cli_run.h"
#include "tests/support/fixed_date.h"
#include "tests/support/test_support.h"
#include "tests/support/whole_output.h"

namespace {

TEST(DemoSnapshot, EngineAndCommandLineWriteTheSnapshotByteForByte) {
  ff::test::SettingsSandbox settings;
  ff::test::FixedDate date;
  ff::test::TestDatabase db({}, true);
  ff::test::TempDir dir;
  ff::test::WriteWholeOutput(dir / "engine", "snapshot");
  if (HasFatalFailure()) return;

  // The database by a name of its own: the site's pages name it.
  ff::test::ExecSql(db.path(), "VACUUM INTO '" + (dir / "demo.sqlite") + "'");
  for (const std::string command : {"headers -o cli/headers", "module --kind fos --all -o cli/fos",
                                    "module --kind bls --all -o cli/bls", "docs -o cli/site"}) {
    const ff::test::CliResult r = ff::test::RunFidforgeCli("--db demo.sqlite --author snapshot " + command,
                                                           dir.path().string(), "SOURCE_DATE_EPOCH=1141560000",
                                                           dir.path().string());
    ASSERT_EQ(r.status, 0) << command << "\n" << r.err;
  }
  auto made = ff::test::FolderBytes(dir / "engine");
  // A function of each kind in every style, and a snippet in both, as the
  // command line prints them.
  auto printed = [&](const std::string& command) {
    return ff::test::RunFidforgeCli("--db demo.sqlite --author snapshot " + command, dir.path().string(),
                                    "SOURCE_DATE_EPOCH=1141560000", dir.path().string()).out;
  };
  for (const std::string plain : {"", ".plain"}) {
    const std::string flag = plain.empty() ? "" : " --plain";
    for (const std::string style : {"none", "macro", "loose", "compact"}) {
      for (const auto& [kind, module, code] : {std::tuple("fos", "1", "KH.QUERY"), std::tuple("bls", "21", "QUERY_USER")}) {
        const std::string file = std::string("functions/") + kind + "/" + module + "/" + code + "." + style + plain + ".txt";
        EXPECT_TRUE(made[file] == printed(std::string("function --kind ") + kind + " --module " + module + " --code " + code +
                                      " --validate " + style + flag)) << file << ": the command line's differs";
      }
    }
    EXPECT_TRUE(made["snippets/21/QUERY_USER" + plain + ".txt"] == printed("snippet --module 21 --code QUERY_USER" + flag))
        << plain;
  }
  std::map<std::string, std::string> cli;
  for (const auto& [file, bytes] : ff::test::FolderBytes(dir / "cli")) {
    if (!file.ends_with("/.fidforge-base")) cli[file] = bytes;
  }
  size_t sources = 0, site = 0;  // the headers and modules of the engine: the command line makes each
  for (const auto& [file, bytes] : made) sources += !file.starts_with("functions/") && !file.starts_with("snippets/");
  for (const auto& [file, bytes] : cli) {
    if (file.starts_with("site/")) {
      made[file] = bytes, ++site;
    } else {
      EXPECT_TRUE(made.count(file) && made[file] == bytes) << file << ": the command line's differs";
    }
  }
  EXPECT_EQ(sources, cli.size() - site);
  EXPECT_GE(made.size(), 280u);  // headers, modules, functions, snippets and the site
  ff::test::ExpectSnapshot(made, std::string(FF_SOURCE_DIR) + "/tests/demo/snapshot");
}

}  // namespace
