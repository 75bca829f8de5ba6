// The demo database's complete generated output against the snapshot kept
// in tests/demo/snapshot/: the five headers, Process.h and Process.cpp of
// every FOS and BLS module, every function's template text in each
// validation style (aligned and plain) and every client snippet (aligned
// and plain). A change anywhere in the generators that moves one byte of
// output shows here with the file's name.
//
// When the demo database itself changes, regenerate the snapshot with
//   scripts/update_snapshot.sh
// (it runs this program with FF_UPDATE_SNAPSHOT=1, which rewrites the
// snapshot folder instead of comparing) and review the diff before
// committing it.
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "codetext/config_query.h"
#include "host/config_db.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "res/function_templates.h"
#include "res/module_texts.h"
#include "res/tree_queries.h"
#include "tests/support/cli_run.h"
#include "tests/support/fixed_date.h"
#include "tests/support/test_support.h"

namespace {

namespace fs = std::filesystem;
using ff::test::ReadFile;
using ff::test::WriteFile;

const char kAuthor[] = "snapshot";

fs::path SnapshotDir() { return fs::path(FF_SOURCE_DIR) / "tests" / "demo" / "snapshot"; }

struct Module {
  long id = 0;
  std::string idText, name, chineseName;
};

std::vector<Module> Modules(bool bls) {
  CMemRecord rows;
  ff::code::RunQuery(ff::res::ModuleQuery(bls), rows);
  std::vector<Module> modules;
  for (rows.GoTop(); !rows.Eof(); rows.Skip(1)) {
    Module m;
    m.idText = ff::gbk::Trim(rows.GetRef(ff::res::module::CaptionModuleId()));
    m.id = ff::gbk::AtoL(m.idText);
    m.name = rows.GetRef(ff::res::module::CaptionModuleName());
    m.chineseName = rows.GetRef(ff::res::module::CaptionModuleChineseName());
    modules.push_back(m);
  }
  return modules;
}

// The codes of a module's functions, exactly as stored.
std::vector<std::string> FunctionCodes(bool bls, long module) {
  CMemRecord rows;
  ff::code::RunQuery(ff::res::FunctionQuery(bls, module), rows);
  const std::string& caption = bls ? ff::res::fn::CaptionBlsCode() : ff::res::fn::CaptionFosCode();
  std::vector<std::string> codes;
  for (rows.GoTop(); !rows.Eof(); rows.Skip(1)) codes.push_back(rows.GetRef(caption, -1));
  return codes;
}

// A file name for a code: blanks trimmed, anything but letters, digits,
// '.', '_' and '-' made '_'.
std::string FileNameOf(const std::string& code) {
  std::string name = ff::gbk::Trim(code);
  for (char& c : name) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '.' || c == '_' || c == '-';
    if (!plain) c = '_';
  }
  return name;
}

struct Style {
  ff::ValidateStyle code;
  const char* name;
};
constexpr Style kStyles[] = {{ff::ValidateStyle::None, "none"},
                             {ff::ValidateStyle::Macro, "macro"},
                             {ff::ValidateStyle::Loose, "loose"},
                             {ff::ValidateStyle::Compact, "compact"}};

// Generates everything into `out`.
void GenerateDemo(const fs::path& out) {
  fs::create_directories(out / "headers");
  {
    CCodeMaker maker;
    maker.SetAuthor(kAuthor);
    const std::string dir = (out / "headers").string() + "/";
    ASSERT_TRUE(maker.MakeFidDefFile(dir + "fiddef.h", true));
    ASSERT_TRUE(maker.MakeFixDefFile(dir + "fixdef.h", true));
    ASSERT_TRUE(maker.MakeBlsDefFile(dir + "blsdef.h", true));
    ASSERT_TRUE(maker.MakeFosDefFile(dir + "fosdef.h", true));
    ASSERT_TRUE(maker.MakeSysDefFile(dir + "sysdef.h", true));
  }
  for (bool bls : {false, true}) {
    const std::string kind = bls ? "bls" : "fos";
    const std::vector<Module> modules = Modules(bls);
    ASSERT_FALSE(modules.empty());
    for (const Module& module : modules) {
      // The module sources, as the module code page and `module` write them.
      const fs::path folder = out / kind / module.idText;
      fs::create_directories(folder);
      {
        CCodeMaker maker;
        maker.SetAuthor(kAuthor);
        maker.SetProjectName(module.name + " " + module.chineseName);
        maker.SetValidateStyle(ff::ValidateStyle::Compact);
        maker.SetBeautify(true);
        ASSERT_TRUE(bls ? maker.MakeBlsModuleHeader((folder / "Process.h").string(), module.id, true)
                        : maker.MakeFosModuleHeader((folder / "Process.h").string(), module.id, true));
        ASSERT_TRUE(bls ? maker.MakeBlsModuleSource((folder / "Process.cpp").string(), module.id, true)
                        : maker.MakeFosModuleSource((folder / "Process.cpp").string(), module.id, true));
      }
      // Each function alone, as the single template page and `function`
      // show it, and each BLS function's client snippet.
      for (const std::string& code : FunctionCodes(bls, module.id)) {
        const fs::path functions = out / "functions" / kind / module.idText;
        fs::create_directories(functions);
        for (const Style& style : kStyles) {
          for (bool plain : {false, true}) {
            CCodeMaker maker;
            maker.SetAuthor(kAuthor);
            maker.SetValidateStyle(style.code);
            maker.SetBeautify(!plain);
            maker.RoutineComment().SetFileName("processTmp.h");
            std::string text;
            ASSERT_TRUE(bls ? maker.MakeBlsFunctionText(module.id, code, text)
                            : maker.MakeFosFunctionText(module.id, code, text))
                << kind << " " << module.id << " " << code;
            WriteFile((functions / (FileNameOf(code) + "." + style.name + (plain ? ".plain" : "") + ".txt"))
                          .string(),
                      text);
          }
        }
        if (!bls) continue;
        const fs::path snippets = out / "snippets" / module.idText;
        fs::create_directories(snippets);
        for (bool plain : {false, true}) {
          CCodeMaker maker;
          maker.SetBeautify(!plain);
          std::string text;
          ASSERT_TRUE(maker.MakeBlsClientSnippet(module.id, true, code, text)) << module.id << " " << code;
          WriteFile((snippets / (FileNameOf(code) + (plain ? ".plain" : "") + ".txt")).string(), text);
        }
      }
    }
  }
}

std::set<std::string> FilesUnder(const fs::path& root) {
  std::set<std::string> files;
  if (!fs::exists(root)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), root).generic_string());
  }
  return files;
}

TEST(DemoSnapshot, WholeOutputIsByteIdentical) {
  ff::test::SettingsSandbox settings;
  ff::test::FixedDate date;
  ff::test::TestDatabase db({}, true);
  ff::test::TempDir dir;
  const fs::path out = dir.path() / "demo";
  GenerateDemo(out);
  if (HasFatalFailure()) return;
  const std::set<std::string> made = FilesUnder(out);

  if (const char* update = std::getenv("FF_UPDATE_SNAPSHOT"); update && *update == '1') {
    fs::remove_all(SnapshotDir());
    for (const std::string& file : made) {
      fs::create_directories((SnapshotDir() / file).parent_path());
      WriteFile((SnapshotDir() / file).string(), ReadFile((out / file).string()));
    }
    std::printf("snapshot rewritten: %zu files in %s\n", made.size(), SnapshotDir().c_str());
    return;
  }

  const std::set<std::string> kept = FilesUnder(SnapshotDir());
  for (const std::string& file : kept) {
    EXPECT_TRUE(made.count(file)) << file << " is in the snapshot but no longer generated";
  }
  for (const std::string& file : made) {
    if (!kept.count(file)) {
      ADD_FAILURE() << file << " is generated but not in the snapshot";
      continue;
    }
    EXPECT_BYTES_EQ(ReadFile((SnapshotDir() / file).string()), ReadFile((out / file).string())) << file;
  }
  // A sanity floor: the demo has headers, modules, functions and snippets.
  EXPECT_GE(made.size(), 250u);
}

// The headers and every module as a build pipeline makes them: through
// fidforge-cli, each file byte for byte the snapshot's, the record of the
// generation beside each module's files.
TEST(DemoSnapshot, TheCommandLineWritesTheSnapshotsFiles) {
  ff::test::SettingsSandbox settings;
  ff::test::TestDatabase db({}, true);
  ff::test::TempDir dir;
  const fs::path out = dir.path() / "demo";
  const std::string common = "--db '" + db.path() + "' --author " + kAuthor + " ";
  for (const std::string command : {"headers -o '" + (out / "headers").string() + "'",
                                    "module --kind fos --all -o '" + (out / "fos").string() + "'",
                                    "module --kind bls --all -o '" + (out / "bls").string() + "'"}) {
    const ff::test::CliResult r =
        ff::test::RunFidforgeCli(common + command, dir.path().string(), "SOURCE_DATE_EPOCH=1141560000");
    ASSERT_EQ(r.status, 0) << command << "\n" << r.err;
  }
  std::set<std::string> made = FilesUnder(out);
  for (auto it = made.begin(); it != made.end();) {
    it = fs::path(*it).filename() == ".fidforge-base" ? made.erase(it) : std::next(it);
  }
  std::set<std::string> kept;
  for (const char* part : {"headers", "fos", "bls"}) {
    for (const std::string& file : FilesUnder(SnapshotDir() / part)) kept.insert(std::string(part) + "/" + file);
  }
  EXPECT_EQ(made, kept);
  for (const std::string& file : kept) {
    if (made.count(file)) EXPECT_BYTES_EQ(ReadFile((SnapshotDir() / file).string()), ReadFile((out / file).string())) << file;
  }
}

}  // namespace
