// Module ids and function codes that do not survive the way through the
// database: no module overwrites another or lands in the output root, and
// a function without a body is named.
#include <filesystem>
#include <set>

#include "tests/faults/fault_support.h"

namespace ff::test {
namespace {

using ModuleIds = CliFixture;

TEST_F(ModuleIds, EveryModuleGetsItsOwnFolderOrIsReportedAndSkipped) {
  ExecSql(db, ReadFile(FF_SOURCE_DIR "/tests/faults/module_ids.sql"));
  const CliResult r = Run("--force module --kind fos --all --out '" + out() + "'");
  EXPECT_EQ(1, r.status);
  for (const char* skipped : {"NO_ID", "TEXT_ID", "HALF", "SEVEN", "SEVEN_AGAIN"}) {
    EXPECT_NE(std::string::npos, r.err.find(std::string("FOS module \"") + skipped + "\"")) << r.err;
  }
  // Neither module of the id 7 gets the folder: it could be the other's.
  EXPECT_NE(std::string::npos, r.err.find("as module \"SEVEN_AGAIN\" has")) << r.err;
  // Two folders, each with its own module's functions; nothing in the root.
  std::set<std::string> folders;
  for (const auto& entry : std::filesystem::directory_iterator(out())) {
    folders.insert(entry.path().filename().string());
    EXPECT_TRUE(entry.is_directory()) << entry.path();
  }
  EXPECT_EQ((std::set<std::string>{"12345678901", "98765432109"}), folders);
  EXPECT_NE(std::string::npos, ReadFile(out() + "/12345678901/Process.cpp").find("//KH_LIST"));
  EXPECT_EQ(std::string::npos, ReadFile(out() + "/12345678901/Process.cpp").find("//KH_OPEN"));
  EXPECT_NE(std::string::npos, ReadFile(out() + "/98765432109/Process.cpp").find("//KH_OPEN"));

  // One module by its exact id, as `functions` lists it.
  EXPECT_NE(std::string::npos, Run("functions --kind fos --module 12345678901").out.find("KH_LIST"));
  const CliResult one = Run("--force module --kind fos --module 12345678901 --out '" + (dir / "one") + "'");
  EXPECT_EQ(0, one.status) << one.err;
  EXPECT_EQ(ReadFile(out() + "/12345678901/Process.cpp"), ReadFile(dir / "one/Process.cpp"));
}

// A function of module 1 whose files cannot be whole: neither of its
// files changes, the others are written, the function and why are named.
struct BrokenFunction {
  const char* name;
  const char* sql;     // on the demo database, after a good run
  const char* reason;  // in the message
};

class ModuleNotWhole : public CliFixture, public ::testing::WithParamInterface<BrokenFunction> {};

TEST_P(ModuleNotWhole, WritesNeitherFileOfThatModuleAndEveryOtherModule) {
  const std::string command = "--force module --kind fos --all --out '" + out() + "'";
  ASSERT_EQ(0, Run(command).status);
  const auto before = FolderBytes(out());
  ExecSql(db, std::string(GetParam().sql) + ";UPDATE T154 SET F22 = 'renamed' WHERE F26 = 2;");
  const CliResult r = Run(command);
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.err.find("FOS function 1001")) << r.err;
  EXPECT_NE(std::string::npos, r.err.find(GetParam().reason)) << r.err;
  EXPECT_NE(std::string::npos, r.err.find("neither Process.h nor Process.cpp is written")) << r.err;
  const auto after = FolderBytes(out());
  EXPECT_EQ(before.at("1/Process.h"), after.at("1/Process.h"));
  EXPECT_EQ(before.at("1/Process.cpp"), after.at("1/Process.cpp"));
  EXPECT_NE(before.at("2/Process.cpp"), after.at("2/Process.cpp"));
  EXPECT_NE(std::string::npos, after.at("2/Process.cpp").find("renamed"));
  // The one module alone fails the same way.
  const CliResult one = Run("--force module --kind fos --module 1 --out '" + out() + "/1'");
  EXPECT_EQ(1, one.status);
  EXPECT_EQ(before.at("1/Process.cpp"), ReadFile(out() + "/1/Process.cpp"));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ModuleNotWhole,
    ::testing::Values(
        BrokenFunction{"NullCode", "UPDATE T154 SET F19 = NULL WHERE ID = 101", "its code is NULL or blank"},
        BrokenFunction{"BlobCode", "UPDATE T154 SET F19 = X'4BFF4C' WHERE ID = 101", "bytes that are no text"},
        BrokenFunction{"NoUtf8Code", "UPDATE T154 SET F19 = CAST(X'4BFF4C' AS TEXT) WHERE ID = 101",
                       "came out as \"K?L\""},
        BrokenFunction{"CodeGbkLacks", "UPDATE T154 SET F19 = 'KH_' || char(0x1F600) WHERE ID = 101",
                       "characters GBK lacks"},
        BrokenFunction{"NulInCode", "UPDATE T154 SET F19 = CAST(X'4B004C' AS TEXT) WHERE ID = 101",
                       "NUL byte"},
        BrokenFunction{"NameGbkLacks", "UPDATE T154 SET F24 = 'Fun' || char(0x2028) WHERE ID = 101",
                       "its name came out as"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ff::test
