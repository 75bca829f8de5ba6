#include "codetext/stale_check.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "host/file_error.h"
#include "host/gbk_text.h"

namespace ff {
namespace {

// A private folder under the system's temporary folder, removed with its
// content when it goes.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& shownPath) {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/fidforge-check-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
      throw CFileException(shownPath, gbk::FromUtf8(std::string("temporary folder: ") + std::strerror(errno)));
    }
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The whole file; false when it does not exist. Throws for other failures.
bool ReadAll(const std::string& native, const std::string& shown, std::string& bytes) {
  std::error_code error;
  const auto status = std::filesystem::status(native, error);
  if (status.type() == std::filesystem::file_type::not_found) return false;
  if (status.type() == std::filesystem::file_type::directory) {
    throw CFileException(shown, EISDIR);
  }
  std::ifstream in(native, std::ios::binary);
  if (!in) throw CFileException(shown, errno ? errno : EACCES);
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) throw CFileException(shown, EIO);
  return true;
}

}  // namespace

FileOutcome CompareWithTarget(const std::string& path, const std::function<void(GenFile&)>& write) {
  ScratchFolder scratch(path);
  const std::string made = scratch.Path() + "/generated";
  {
    GenFile file(made);  // paths are the system's bytes
    write(file);
    file.CommitNow();  // read back at once
  }
  std::string fresh, current;
  ReadAll(made, path, fresh);
  const bool same = ReadAll(path, path, current) && current == fresh;
  if (same) return FileOutcome::Unchanged;
  ++Output().wouldChange;
  return FileOutcome::WouldChange;
}

}  // namespace ff
