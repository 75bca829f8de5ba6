#include "tests/support/whole_output.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "codetext/config_query.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "res/function_templates.h"
#include "res/module_texts.h"
#include "res/tree_queries.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

namespace fs = std::filesystem;

// A file name for a code: blanks trimmed, anything but letters, digits,
// '.', '_' and '-' made '_'.
std::string FileNameOf(const std::string& code) {
  std::string name = gbk::Trim(code);
  for (char& c : name) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
                       c == '_' || c == '-';
    if (!plain) c = '_';
  }
  return name;
}

struct Style {
  ValidateStyle code;
  const char* name;
};
constexpr Style kStyles[] = {{ValidateStyle::None, "none"},
                             {ValidateStyle::Macro, "macro"},
                             {ValidateStyle::Loose, "loose"},
                             {ValidateStyle::Compact, "compact"}};

void WriteModule(const fs::path& out, const std::string& author, bool bls, const std::string& idText,
                 const std::string& project) {
  const std::string kind = bls ? "bls" : "fos";
  const long id = gbk::AtoL(idText);
  const fs::path folder = out / kind / idText;
  fs::create_directories(folder);
  {
    // The module sources, as the module code page and `module` write them.
    CCodeMaker maker;
    maker.SetAuthor(author);
    maker.SetProjectName(project);
    const std::string h = (folder / "Process.h").string(), cpp = (folder / "Process.cpp").string();
    ASSERT_TRUE(bls ? maker.MakeBlsModuleHeader(h, id, true) : maker.MakeFosModuleHeader(h, id, true));
    ASSERT_TRUE(bls ? maker.MakeBlsModuleSource(cpp, id, true) : maker.MakeFosModuleSource(cpp, id, true));
  }
  // Each function alone, as the single template page and `function` show
  // it, and each BLS function's client snippet.
  CMemRecord rows;
  code::RunQuery(res::FunctionQuery(KindOf(bls), id), rows);
  const std::string& caption = bls ? res::fn::CaptionBlsCode() : res::fn::CaptionFosCode();
  for (rows.GoTop(); !rows.Eof(); rows.Skip(1)) {
    const std::string code = rows.GetRef(caption, -1);
    const fs::path functions = out / "functions" / kind / idText;
    fs::create_directories(functions);
    for (const Style& style : kStyles) {
      for (bool plain : {false, true}) {
        CCodeMaker maker;
        maker.SetAuthor(author);
        maker.SetValidateStyle(style.code);
        maker.SetBeautify(!plain);
        maker.RoutineComment().SetFileName("processTmp.h");
        const std::string path =
            (functions / (FileNameOf(code) + "." + style.name + (plain ? ".plain" : "") + ".txt")).string();
        std::string text;
        if (style.code == ValidateStyle::Compact && !plain) {
          ASSERT_TRUE(bls ? maker.MakeBlsFunctionFile(path, id, true, code)
                          : maker.MakeFosFunctionFile(path, id, true, code))
              << kind << " " << id << " " << U(code);
          continue;
        }
        ASSERT_TRUE(bls ? maker.MakeBlsFunctionText(id, code, text) : maker.MakeFosFunctionText(id, code, text))
            << kind << " " << id << " " << U(code);
        WriteFile(path, text);
      }
    }
    if (!bls) continue;
    const fs::path snippets = out / "snippets" / idText;
    fs::create_directories(snippets);
    for (bool plain : {false, true}) {
      CCodeMaker maker;
      maker.SetBeautify(!plain);
      std::string text;
      ASSERT_TRUE(maker.MakeBlsClientSnippet(id, true, code, text)) << id << " " << U(code);
      WriteFile((snippets / (FileNameOf(code) + (plain ? ".plain" : "") + ".txt")).string(), text);
    }
  }
}

}  // namespace

void WriteWholeOutput(const std::string& out, const std::string& author) {
  const fs::path root(out);
  fs::create_directories(root / "headers");
  {
    CCodeMaker maker;
    maker.SetAuthor(author);
    const std::string dir = (root / "headers").string() + "/";
    ASSERT_TRUE(maker.MakeFidDefFile(dir + "fiddef.h", true));
    ASSERT_TRUE(maker.MakeFixDefFile(dir + "fixdef.h", true));
    ASSERT_TRUE(maker.MakeBlsDefFile(dir + "blsdef.h", true));
    ASSERT_TRUE(maker.MakeFosDefFile(dir + "fosdef.h", true));
    ASSERT_TRUE(maker.MakeSysDefFile(dir + "sysdef.h", true));
  }
  for (bool bls : {false, true}) {
    CMemRecord modules;
    code::RunQuery(Of(KindOf(bls)).moduleQuery, modules);
    ASSERT_GT(modules.GetCount(), 0);
    for (modules.GoTop(); !modules.Eof(); modules.Skip(1)) {
      WriteModule(root, author, bls, gbk::Trim(modules.GetRef(res::module::CaptionModuleId())),
                  modules.GetRef(res::module::CaptionModuleName()) + " " +
                      modules.GetRef(res::module::CaptionModuleChineseName()));
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

void ExpectSnapshot(const std::map<std::string, std::string>& made, const std::string& snapshot) {
  if (const char* update = std::getenv("FF_UPDATE_SNAPSHOT"); update && *update == '1') {
    fs::remove_all(snapshot);
    for (const auto& [file, bytes] : made) {
      fs::create_directories((fs::path(snapshot) / file).parent_path());
      WriteFile((fs::path(snapshot) / file).string(), bytes);
    }
    std::printf("snapshot rewritten: %zu files in %s\n", made.size(), snapshot.c_str());
    return;
  }
  const auto kept = FolderBytes(snapshot);
  for (const auto& [file, bytes] : kept) {
    const auto it = made.find(file);
    if (it == made.end()) {
      ADD_FAILURE() << file << " is in the snapshot but no longer made";
    } else {
      EXPECT_BYTES_EQ(bytes, it->second) << file;
    }
  }
  for (const auto& [file, bytes] : made) EXPECT_TRUE(kept.count(file)) << file << " is made but not in the snapshot";
}

}  // namespace ff::test
