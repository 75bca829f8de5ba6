// The code's layers and the one direction of the arrows between them: a
// file includes files of its own layer and of the layers below, never
// above. layers.cmake at the top of the source tree is the one place that
// says which folder (or which file) is which layer; the build makes each
// engine layer a library linking only the one below.
//
// Outside the platform layer and the edges (the command line and the
// desktop program), the engine calls neither the operating system nor Qt:
// another platform then means new files in host/ only.
#include <filesystem>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace {

namespace fs = std::filesystem;
using ff::test::ReadFile;

using Layer = int;  // the layer's place in layers.cmake, lowest first

// Files of the inner layers that still call the system themselves (none:
// the comments' settings went to host/settings_key).
const std::set<std::string> kSystemCallsYet{};

// The layers of layers.cmake: each `ff_layer(<name> [ENGINE] <folder or file>...)`
// line, in order.
struct LayerTable {
  std::vector<std::string> names;
  std::map<std::string, Layer> places;  // folder, or folder/file

  Layer Named(const std::string& name) const {
    for (size_t i = 0; i < names.size(); ++i) {
      if (names[i] == name) return static_cast<Layer>(i);
    }
    ADD_FAILURE() << "layers.cmake has no layer " << name;
    return 0;
  }
};

LayerTable ReadLayers(const fs::path& root) {
  LayerTable table;
  static const std::regex line(R"((?:^|\n)ff_layer\(([^)]*)\))");
  const std::string text = ReadFile((root / "layers.cmake").string());
  for (std::sregex_iterator it(text.begin(), text.end(), line), end; it != end; ++it) {
    std::istringstream words((*it)[1].str());
    std::string name;
    words >> name;
    table.names.push_back(name);
    for (std::string place; words >> place;) {
      if (place != "ENGINE") table.places[place] = static_cast<Layer>(table.names.size() - 1);
    }
  }
  return table;
}

// The GUI files each folder names in its CMakeLists.txt (ff_subsystem(GUI ...)),
// with the header beside each.
std::set<std::string> PageFiles(const fs::path& root, const LayerTable& table) {
  std::set<std::string> files;
  static const std::regex gui(R"(ff_subsystem\(GUI([^)]*)\))");
  for (const auto& [folder, layer] : table.places) {
    if (folder.find('/') != std::string::npos) continue;
    const std::string cmake = ReadFile((root / folder / "CMakeLists.txt").string());
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
    pages = PageFiles(root, table);
    ASSERT_GE(table.names.size(), 4u);
    for (const auto& [folder, layer] : table.places) {
      if (folder.find('/') != std::string::npos) continue;
      for (const auto& entry : fs::directory_iterator(root / folder)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".cpp" && ext != ".h") continue;
        const std::string path = folder + "/" + entry.path().filename().string();
        sources.push_back({path, LayerOf(path).value()});
      }
    }
  }

  std::optional<Layer> LayerOf(const std::string& path) const {
    if (auto file = table.places.find(path); file != table.places.end()) return file->second;
    if (pages.count(path)) return table.Named("pages");
    auto it = table.places.find(path.substr(0, path.find('/')));
    if (it == table.places.end()) return std::nullopt;
    return it->second;
  }

  const fs::path root{FF_SOURCE_DIR};
  const LayerTable table = ReadLayers(root);
  std::set<std::string> pages;
  std::vector<Source> sources;
};

TEST_F(Layers, EveryIncludePointsToItsOwnLayerOrBelow) {
  static const std::regex include(R"(#include "([a-z_]+/[a-z_0-9]+\.(h|inc))\")");
  ASSERT_GT(sources.size(), 100u);
  for (const Source& source : sources) {
    const std::string text = ReadFile((root / source.path).string());
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
    if (source.layer == table.Named("platform") || source.layer >= table.Named("edges")) continue;
    const std::string text = ReadFile((root / source.path).string());
    std::smatch match;
    if (!std::regex_search(text, match, system)) continue;
    if (unused.erase(source.path)) continue;
    ADD_FAILURE() << source.path << " includes <" << match[1] << ">: ask host/ instead";
  }
  // A file that no longer calls the system leaves the list.
  EXPECT_TRUE(unused.empty()) << *unused.begin() << " calls the system no more: take it off kSystemCallsYet";
}

}  // namespace
