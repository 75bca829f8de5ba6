// The atomic replace on POSIX systems (host/file_replace.h).
#include "host/file_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "host/file_error.h"

namespace ff {

namespace {

[[noreturn]] void Fail(const std::string& path, int error) { throw CFileException(path, error); }

// The process's file creation mask, read without changing it.
mode_t CurrentUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
  }
  mode_t mask = ::umask(022);
  ::umask(mask);
  return mask;
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// False with errno set when a link cannot be read or the chain loops.
bool FollowLinks(std::string& path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
    std::string link(PATH_MAX, '\0');
    const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
    if (n < 0) return false;
    link.resize(static_cast<size_t>(n));
    path = link.empty() || link[0] == '/' ? link : FolderOf(path) + "/" + link;
  }
  errno = ELOOP;
  return false;
}

// Temporary files are named ".<target name>.<process id>.XXXXXX" beside the
// target: the process id tells whose file it is once its writer is gone.
// A long target name is cut so that the name stays within NAME_MAX.
constexpr size_t kNameMax = 255;
constexpr size_t kTempOverhead = 1 + 1 + 10 + 1 + 6;  // dots, pid, XXXXXX

std::string TempStem(const std::string& target) {
  return "." + BaseOf(target).substr(0, kNameMax - kTempOverhead) + ".";
}

// Removes the temporary files that earlier runs, killed before they could
// clean up, left for `target`: only files of this user, named as this
// writer names them, whose process no longer exists.
void RemoveStaleTemps(const std::string& target) {
  const std::string folder = FolderOf(target);
  const std::string stem = TempStem(target);
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() <= stem.size() + 8 || name.compare(0, stem.size(), stem) != 0) continue;
    const std::string_view rest = name.substr(stem.size());  // "<pid>.XXXXXX"
    const size_t dot = rest.find('.');
    if (dot == 0 || dot == std::string_view::npos || rest.size() - dot - 1 != 6) continue;
    long pid = 0;
    bool digits = dot <= 10;
    for (size_t i = 0; digits && i < dot; ++i) {
      digits = rest[i] >= '0' && rest[i] <= '9';
      pid = pid * 10 + (rest[i] - '0');
    }
    if (!digits || pid <= 0 || pid == ::getpid()) continue;
    if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;  // alive, or not ours to know
    const std::string path = folder + "/" + std::string(name);
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) ::unlink(path.c_str());
  }
  ::closedir(dir);
}

// Writes all of `data`; false with errno set on failure.
bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = ENOSPC;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// Reads up to `size` bytes; the count read, or -1.
ssize_t ReadFull(int fd, char* data, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(fd, data + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

// 1: the open file holds exactly `bytes`; 0: others; -1: errno set.
int Holds(int fd, std::string_view bytes) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return -1;
  if (S_ISDIR(st.st_mode)) {
    errno = EISDIR;
    return -1;
  }
  // A device or pipe is no file to compare; a regular file of another size
  // differs without a byte read.
  if (!S_ISREG(st.st_mode) || static_cast<size_t>(st.st_size) != bytes.size()) return 0;
  // One byte more than expected: a file that grew meanwhile differs.
  std::string read(bytes.size() + 1, '\0');
  const ssize_t n = ReadFull(fd, read.data(), read.size());
  if (n < 0) return -1;
  return static_cast<size_t>(n) == bytes.size() && std::memcmp(read.data(), bytes.data(), bytes.size()) == 0;
}

// The temporary files being written, so that an interrupt (Ctrl-C at an
// overwrite question, a kill during a long generation) takes them along
// instead of leaving them in the target's folder.
struct PendingTemp {
  volatile std::sig_atomic_t used = 0;
  char path[PATH_MAX] = {};
};
PendingTemp g_pending[64];  // staged files and files waiting for their commit

extern "C" void RemovePendingTemps(int sig) {
  for (PendingTemp& pending : g_pending) {
    if (pending.used) ::unlink(pending.path);
  }
  // The handler was reset on entry: the signal now ends the process as it
  // would have without us.
  ::raise(sig);
}

// Only where nobody else has a say: a handler the program set, or a signal
// it ignores, stays as it is.
void InstallInterruptCleanup() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction current {};
    if (::sigaction(sig, nullptr, &current) != 0 || (current.sa_flags & SA_SIGINFO) ||
        current.sa_handler != SIG_DFL) {
      continue;
    }
    struct sigaction action {};
    action.sa_handler = RemovePendingTemps;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    ::sigaction(sig, &action, nullptr);
  }
}

int ClaimPendingSlot(const std::string& path) {
  if (path.size() >= PATH_MAX) return -1;
  for (int i = 0; i < static_cast<int>(std::size(g_pending)); ++i) {
    if (g_pending[i].used) continue;
    std::memcpy(g_pending[i].path, path.c_str(), path.size() + 1);
    g_pending[i].used = 1;
    return i;
  }
  return -1;
}

bool InPlaceAllowed(int error, const std::string& target) {
  return (error == EACCES || error == EPERM || error == EROFS) && ::access(target.c_str(), W_OK) == 0;
}

void WriteInPlace(const std::string& path, const std::string& target, std::string_view bytes) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) Fail(path, errno);
  if (!WriteAll(fd, bytes) || ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd) != 0) {
    const int error = errno;
    ::close(fd);
    Fail(path, error);
  }
  if (::close(fd) != 0) Fail(path, errno);
}

}  // namespace

bool FileHolds(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return false;  // a missing file would change
    Fail(path, errno);
  }
  const int same = Holds(fd, bytes);
  const int error = errno;
  ::close(fd);
  if (same < 0) Fail(path, error);
  return same == 1;
}

std::string LinkTarget(const std::string& path) {
  std::string target = path;
  if (!FollowLinks(target)) Fail(path, errno);
  return target;
}

bool StageFile(const std::string& path, std::string_view bytes, PendingCommit& staged) {
  staged = PendingCommit{};
  staged.path = path;
  // Write the file a link points to, never replace the link: a dangling
  // link gets its file made where it points.
  staged.target = LinkTarget(path);
  const std::string& target = staged.target;
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists && S_ISDIR(st.st_mode)) Fail(path, EISDIR);
  if (exists && !S_ISREG(st.st_mode)) {
    // A device or a pipe cannot be replaced: written to in place, at once.
    const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) Fail(path, errno);
    const bool written = WriteAll(fd, bytes);
    const int error = errno;
    ::close(fd);
    if (!written) Fail(path, error);
    staged.direct = true;
    return true;
  }
  RemoveStaleTemps(target);
  if (exists) {
    // Nothing to write: no temporary file, no flush to disk.
    const int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
    const bool same = fd >= 0 && Holds(fd, bytes) == 1;
    if (fd >= 0) ::close(fd);
    if (same) return false;
  }
  // A folder that takes no new file may still hold a file that may be
  // written: then it is written in place, as a file saver falls back to.
  if (::access(FolderOf(target).c_str(), W_OK | X_OK) != 0) {
    const int error = errno;
    if (!exists || !InPlaceAllowed(error, target)) Fail(path, error);
    staged.inPlace.assign(bytes);
    return true;
  }
  InstallInterruptCleanup();
  std::string pattern = FolderOf(target) + "/" + TempStem(target) + std::to_string(::getpid()) + ".XXXXXX";
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    if (!exists || !InPlaceAllowed(error, target)) Fail(path, error);
    staged.inPlace.assign(bytes);
    return true;
  }
  staged.temp = pattern;
  staged.slot = ClaimPendingSlot(staged.temp);
  const bool written = WriteAll(fd, bytes);
  const int error = errno;
  const int failed = !written ? error : ::close(fd) != 0 ? errno : 0;
  if (!written) ::close(fd);
  if (failed != 0) {
    AbandonPendingCommit(staged);
    ReleasePendingCommit(staged);
    Fail(path, failed);
  }
  return true;
}

bool PrepareCommit(PendingCommit& staged) {
  if (staged.direct) return false;
  const std::string& target = staged.target;
  if (staged.temp.empty()) {
    WriteInPlace(staged.path, target, staged.inPlace);
    std::string().swap(staged.inPlace);
    return false;
  }
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists) {
    // A read-only file stays read-only for everybody, the superuser too. It
    // is only in the way when its bytes would change: an unchanged one (a
    // file checked in read-only, say) was left alone before.
    if (::access(target.c_str(), W_OK) != 0) Fail(staged.path, errno);
    if ((st.st_mode & 0222) == 0) Fail(staged.path, EACCES);
  }
  const mode_t mode = exists ? (st.st_mode & 07777) : (0666 & ~CurrentUmask());
  // The owner and group stay those of the file replaced (the superuser
  // rewriting a user's file must not make it its own). Others may only
  // keep the group when they belong to it, which is no failure.
  if (exists && ::chown(staged.temp.c_str(), st.st_uid, st.st_gid) != 0 && ::geteuid() == 0)
    Fail(staged.path, errno);
  if (::chmod(staged.temp.c_str(), mode) != 0) Fail(staged.path, errno);
  // The descriptor the fsync goes through (Linux syncs a file opened for
  // reading as well).
  staged.fd = ::open(staged.temp.c_str(), O_RDONLY | O_CLOEXEC);
  if (staged.fd < 0) Fail(staged.path, errno);
  return true;
}

int SyncPendingCommit(PendingCommit& commit) {
  int error = 0;
  if (::fsync(commit.fd) != 0) error = errno;
  if (::close(commit.fd) != 0 && error == 0) error = errno;
  commit.fd = -1;
  return error;
}

int PlacePendingCommit(PendingCommit& commit) {
  if (::rename(commit.temp.c_str(), commit.target.c_str()) == 0) {
    commit.temp.clear();
    return 0;
  }
  const int error = errno;
  ::unlink(commit.temp.c_str());
  commit.temp.clear();
  return error;
}

void AbandonPendingCommit(PendingCommit& commit) {
  if (commit.fd >= 0) ::close(commit.fd);
  commit.fd = -1;
  if (!commit.temp.empty()) ::unlink(commit.temp.c_str());
  commit.temp.clear();
}

void ReleasePendingCommit(PendingCommit& commit) {
  if (commit.slot >= 0) g_pending[commit.slot].used = 0;
  commit.slot = -1;
}

}  // namespace ff
