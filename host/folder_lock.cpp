#include "host/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include "host/gbk_text.h"

namespace ff {
namespace {

// The process holding a flock on the file `st` describes, as /proc/locks
// lists it ("1: FLOCK  ADVISORY  WRITE 4242 08:01:1234 0 EOF"); 0 when
// it cannot be told.
long FlockHolder(const struct stat& st) {
  std::ifstream locks("/proc/locks");
  std::string line;
  char wanted[64];
  std::snprintf(wanted, sizeof wanted, "%02x:%02x:%lu", major(st.st_dev), minor(st.st_dev),
                static_cast<unsigned long>(st.st_ino));
  while (std::getline(locks, line)) {
    std::istringstream fields(line);
    std::string number, kind, mode, access, pid, file;
    fields >> number >> kind;
    if (kind == "->") continue;  // a waiter, not the holder
    fields >> mode >> access >> pid >> file;
    if (kind == "FLOCK" && file == wanted) return std::atol(pid.c_str());
  }
  return 0;
}

}  // namespace

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);  // lets go of the lock
}

bool FolderLock::Acquire(const std::string& folder, int waitMs, std::string& error, bool* busy, long* holder) {
  if (busy) *busy = false;
  if (holder) *holder = 0;
  const std::string shown = gbk::FromUtf8(folder.empty() ? std::string(".") : folder);
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    // A folder that may be written but not read (-wx) can still take the
    // files: it goes without the lock rather than failing the run.
    if (errno == EACCES || errno == EPERM) return true;
    error = "cannot lock the folder " + shown + ": " + gbk::FromUtf8(std::strerror(errno));
    return false;
  }
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) break;
    const int failure = errno;
    if (failure == EINTR) continue;
    if (failure != EWOULDBLOCK) {
      // A file system without locks: nothing to take turns with.
      if (failure == ENOLCK || failure == EOPNOTSUPP) break;
      error = "cannot lock the folder " + shown + ": " + gbk::FromUtf8(std::strerror(failure));
      ::close(fd);
      return false;
    }
    if (std::chrono::steady_clock::now() >= until) {
      struct stat st {};
      const long pid = ::fstat(fd, &st) == 0 ? FlockHolder(st) : 0;
      if (busy) *busy = true;
      if (holder) *holder = pid;
      error = "the folder " + shown + " is being written by another run" +
              (pid > 0 ? " (process " + std::to_string(pid) + ")" : std::string()) + " for more than " +
              std::to_string(waitMs / 1000) + " seconds; run again when it has finished";
      ::close(fd);
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  if (fd_ >= 0) ::close(fd_);
  fd_ = fd;
  return true;
}

}  // namespace ff
