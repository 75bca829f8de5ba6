#include "codetext/stale_check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "host/file_error.h"
#include "host/gbk_text.h"

namespace ff {
namespace {

[[noreturn]] void Fail(const std::string& shown, int error) {
  throw CFileException(shown, error);
}

// True when the file at `path` holds exactly `bytes`; false when it holds
// others or does not exist. Throws when it exists but cannot be read.
bool Holds(const std::string& path, const std::string& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return false;  // a missing file would change
    Fail(path, errno);
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int error = errno;
    ::close(fd);
    Fail(path, error);
  }
  if (S_ISDIR(st.st_mode)) {
    ::close(fd);
    Fail(path, EISDIR);
  }
  // A regular file of another size differs without a byte read.
  if (S_ISREG(st.st_mode) && static_cast<size_t>(st.st_size) != bytes.size()) {
    ::close(fd);
    return false;
  }
  // Read one byte more than expected: a file that grew meanwhile differs.
  std::string read(bytes.size() + 1, '\0');
  size_t done = 0;
  while (done < read.size()) {
    const ssize_t n = ::read(fd, read.data() + done, read.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      Fail(path, error);
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  ::close(fd);
  return done == bytes.size() && std::memcmp(read.data(), bytes.data(), done) == 0;
}

}  // namespace

FileOutcome CompareWithTarget(const std::string& path, const std::function<void(GenFile&)>& write) {
  GenFile file(path, Output().utf8, GenFile::InMemory{});
  write(file);
  if (Holds(path, file.Bytes())) return FileOutcome::Unchanged;
  ++Output().wouldChange;
  return FileOutcome::WouldChange;
}

}  // namespace ff
