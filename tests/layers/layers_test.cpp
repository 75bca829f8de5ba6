// The code's layers, lowest first, and the one direction of the arrows
// between them: a file includes files of its own layer and of the layers
// below, never above. The table here is the one place that says which
// folder (or which files of a folder) is which layer; docs/architecture.md
// explains it.
//
// Outside the platform layer and the edges (the command line and the
// desktop program), the engine calls neither the operating system nor Qt:
// another platform then means new files in host/ only.
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

enum Layer {
  kPlatform,    // files, settings, temporary folders, GBK text, the stores, the demo database
  kTexts,       // the system's texts, queries and templates
  kCodeText,    // the generator object, routine comments, the file writer, FID naming
  kGenerators,  // headers, modules, single functions, snippets, FID check, lint, site, merge
  kEdges,       // the command line; the window framework the pages stand on
  kPages,       // the desktop program's pages and dialogs
  kEntry,       // the main sheet, the module entry, the host program
};

const std::map<std::string, Layer>& FolderLayers() {
  static const std::map<std::string, Layer> layers{
      {"host", kPlatform},       {"data", kPlatform},       {"version", kPlatform},
      {"res", kTexts},           {"codetext", kCodeText},   {"headers", kGenerators},
      {"modulecode", kGenerators}, {"singlecode", kGenerators}, {"fidcheck", kGenerators},
      {"lint", kGenerators},     {"docsite", kGenerators},  {"merge", kGenerators},
      {"login", kGenerators},    {"cli", kEdges},           {"module", kEdges},
      {"tds_server", kEdges},
      {"app", kEntry},
  };
  return layers;
}

// The files of module/ above the pages: the sheet that holds them and the entry.
const std::set<std::string> kEntryFiles{"module/main_sheet.cpp", "module/main_sheet.h", "module/module_entry.cpp",
                                        "module/client_module.h"};

// Files of the inner layers that still call the system themselves: the file
// writer and its comparison, and the settings of the comments. They go to
// host/ with the next platform.
const std::set<std::string> kSystemCallsYet{"codetext/gen_file.cpp", "codetext/stale_check.cpp",
                                            "login/comment_settings.cpp"};

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The GUI files each folder names in its CMakeLists.txt (ff_subsystem(GUI ...)),
// with the header beside each.
std::set<std::string> PageFiles(const fs::path& root) {
  std::set<std::string> files;
  static const std::regex gui(R"(ff_subsystem\(GUI([^)]*)\))");
  for (const auto& [folder, layer] : FolderLayers()) {
    const std::string cmake = ReadText(root / folder / "CMakeLists.txt");
    std::smatch match;
    if (!std::regex_search(cmake, match, gui)) continue;
    std::istringstream names(match[1].str());
    for (std::string name; names >> name;) {
      files.insert(folder + "/" + name);
      files.insert(folder + "/" + name.substr(0, name.size() - 4) + ".h");
    }
  }
  return files;
}

struct Source {
  std::string path;  // relative to the source folder
  Layer layer;
};

class Layers : public ::testing::Test {
 protected:
  void SetUp() override {
    pages = PageFiles(root);
    for (const auto& [folder, layer] : FolderLayers()) {
      for (const auto& entry : fs::directory_iterator(root / folder)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".cpp" && ext != ".h") continue;
        const std::string path = folder + "/" + entry.path().filename().string();
        sources.push_back({path, LayerOf(path).value()});
      }
    }
  }

  std::optional<Layer> LayerOf(const std::string& path) const {
    if (kEntryFiles.count(path)) return kEntry;
    if (pages.count(path)) return kPages;
    auto it = FolderLayers().find(path.substr(0, path.find('/')));
    if (it == FolderLayers().end()) return std::nullopt;
    return it->second;
  }

  const fs::path root{FF_SOURCE_DIR};
  std::set<std::string> pages;
  std::vector<Source> sources;
};

TEST_F(Layers, EveryIncludePointsToItsOwnLayerOrBelow) {
  static const std::regex include(R"(#include "([a-z_]+/[a-z_0-9]+\.(h|inc))\")");
  ASSERT_GT(sources.size(), 100u);
  for (const Source& source : sources) {
    const std::string text = ReadText(root / source.path);
    for (std::sregex_iterator it(text.begin(), text.end(), include), end; it != end; ++it) {
      const std::string target = (*it)[1];
      const std::optional<Layer> layer = LayerOf(target);
      if (!layer) {
        ADD_FAILURE() << source.path << " includes " << target << ", which is in no layer of the product";
      } else {
        EXPECT_LE(*layer, source.layer) << source.path << " includes " << target << " from a layer above it";
      }
    }
  }
}

TEST_F(Layers, OnlyThePlatformAndTheEdgesCallTheSystemOrQt) {
  static const std::regex system(R"(#include <((unistd|fcntl|dirent|signal|pwd|dlfcn|termios|poll|windows)\.h|sys/[a-z]+\.h|Q[A-Za-z]+)>)");
  std::set<std::string> unused = kSystemCallsYet;
  for (const Source& source : sources) {
    if (source.layer == kPlatform || source.layer >= kEdges) continue;
    const std::string text = ReadText(root / source.path);
    std::smatch match;
    if (!std::regex_search(text, match, system)) continue;
    if (unused.erase(source.path)) continue;
    ADD_FAILURE() << source.path << " includes <" << match[1] << ">: ask host/ instead";
  }
  // A file that no longer calls the system leaves the list.
  EXPECT_TRUE(unused.empty()) << *unused.begin() << " calls the system no more: take it off kSystemCallsYet";
}

}  // namespace
