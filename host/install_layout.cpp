#include "host/install_layout.h"

#include <unistd.h>

#include <climits>

namespace ff {
namespace {

std::string ProgramFolder() {
  char path[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  std::string program(path, static_cast<size_t>(length));
  const size_t slash = program.rfind('/');
  return slash == std::string::npos ? std::string() : program.substr(0, slash);
}

}  // namespace

std::string InstalledTsqlExtension() {
  const std::string folder = ProgramFolder();
  if (folder.empty()) return {};
  for (const char* relative : {"/" FF_MODULE_DIR "/libfidforge_tsql.so", "/../lib/libfidforge_tsql.so"}) {
    std::string candidate = folder + relative;
    if (::access(candidate.c_str(), R_OK) == 0) {
      // Shown to the user: /usr/bin/../lib/fidforge/... reads as /usr/lib/fidforge/...
      char resolved[PATH_MAX];
      if (::realpath(candidate.c_str(), resolved)) return resolved;
      return candidate;
    }
  }
  return {};
}

}  // namespace ff
