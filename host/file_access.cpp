#include "host/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cerrno>
#include <fstream>
#include <iterator>

namespace ff {

bool IsReadableFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  const bool file = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
  ::close(fd);
  return file;
}

int WriteRefused(const std::string& path) {
  if (::access(path.c_str(), W_OK) != 0) return errno;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && (st.st_mode & 0222) == 0) return EACCES;
  return 0;
}

ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes, int& error) {
  error = 0;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    error = errno;
    return error == ENOENT ? ReadOutcome::Missing : ReadOutcome::Failed;
  }
  if (!S_ISREG(st.st_mode)) return ReadOutcome::NotAFile;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = errno ? errno : EACCES;
    return ReadOutcome::Failed;
  }
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = EIO;
    return ReadOutcome::Failed;
  }
  return ReadOutcome::Read;
}

size_t LastSeparator(const std::string& path) { return path.rfind('/'); }

std::filesystem::path FsPath(const std::string& path) { return std::filesystem::path(path); }

std::string PathString(const std::filesystem::path& path) { return path.string(); }

std::string ProgramName() {
  return QCoreApplication::instance() ? QCoreApplication::applicationName().toStdString() : std::string();
}

}  // namespace ff
