#include "codetext/gen_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "codetext/commit_behind.h"
#include "host/file_error.h"
#include "host/gbk_text.h"

namespace ff {

namespace {

constexpr size_t kBufferSize = 64 * 1024;
// A file is gathered in memory up to this size before it gets a temporary
// file: most generated files are far smaller, and one that comes out
// unchanged then costs no file at all.
constexpr size_t kGatherLimit = 1024 * 1024;

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

// The file a chain of symbolic links ends at, whether it exists or not;
// false with errno set when a link cannot be read or the chain loops.
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
  const std::string base = BaseOf(target);
  return "." + base.substr(0, kNameMax - kTempOverhead) + ".";
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
bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = ENOSPC;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Reads up to `size` bytes; the count read, or -1.
ssize_t ReadFull(int fd, char* data, size_t size) {
  size_t done = 0;
  while (done < size) {
    ssize_t n = ::read(fd, data + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

// The temporary files being written, so that an interrupt (Ctrl-C at an
// overwrite question, a kill during a long generation) takes them along
// instead of leaving them in the target's folder.
struct PendingTemp {
  volatile std::sig_atomic_t used = 0;
  char path[PATH_MAX] = {};
};
PendingTemp g_pending[32];  // files being written and files waiting for their commit

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

void ReleasePendingSlot(int& slot) {
  if (slot >= 0) g_pending[slot].used = 0;
  slot = -1;
}

bool SameContent(const std::string& a, const std::string& b) {
  struct stat sa {}, sb {};
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
  if (!S_ISREG(sa.st_mode) || !S_ISREG(sb.st_mode) || sa.st_size != sb.st_size) return false;
  int fa = ::open(a.c_str(), O_RDONLY | O_CLOEXEC);
  if (fa < 0) return false;
  int fb = ::open(b.c_str(), O_RDONLY | O_CLOEXEC);
  if (fb < 0) {
    ::close(fa);
    return false;
  }
  std::string ba(kBufferSize, '\0'), bb(kBufferSize, '\0');
  bool same = true;
  for (;;) {
    ssize_t na = ReadFull(fa, ba.data(), ba.size());
    ssize_t nb = ReadFull(fb, bb.data(), bb.size());
    if (na < 0 || nb < 0 || na != nb || std::memcmp(ba.data(), bb.data(), static_cast<size_t>(na)) != 0) {
      same = false;
      break;
    }
    if (na == 0) break;
  }
  ::close(fa);
  ::close(fb);
  return same;
}

// True when the file at `path` holds exactly `bytes`.
bool SameBytes(const std::string& bytes, const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || static_cast<size_t>(st.st_size) != bytes.size())
    return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  std::string read(bytes.size(), '\0');
  const ssize_t n = ReadFull(fd, read.data(), read.size());
  char extra;
  const bool same = n == static_cast<ssize_t>(bytes.size()) && read == bytes && ReadFull(fd, &extra, 1) == 0;
  ::close(fd);
  return same;
}

}  // namespace

OutputOptions& Output() {
  static OutputOptions options;
  return options;
}

GenFile::GenFile(std::string path) : GenFile(std::move(path), Output().utf8) {}

GenFile::GenFile(std::string path, bool toUtf8) : path_(std::move(path)), utf8_(toUtf8) {
  buffer_.reserve(kBufferSize);
  target_ = path_;  // the system's bytes, as the caller got them
  // Write the file a link points to, never replace the link: a dangling
  // link gets its file made where it points.
  if (!FollowLinks(target_)) Fail(errno);
  // A file still on its way to this target is put in place first: this
  // file is compared with it and replaces it.
  if (CommitBehind* behind = CommitBehind::Active()) behind->NewFile(target_);

  struct stat st {};
  const bool exists = ::stat(target_.c_str(), &st) == 0;
  if (exists) {
    if (S_ISDIR(st.st_mode)) Fail(EISDIR);
    if (!S_ISREG(st.st_mode)) {
      // A device or a pipe cannot be replaced: write to it in place.
      fd_ = ::open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
      if (fd_ < 0) Fail(errno);
      direct_ = true;
      return;
    }
  }

  RemoveStaleTemps(target_);
  // The temporary file comes once the bytes outgrow memory or must reach
  // the disk; a folder that could take none fails now, before the work.
  if (::access(FolderOf(target_).c_str(), W_OK | X_OK) != 0) {
    const int error = errno;
    // A folder that takes no new file may still hold a file that may be
    // written: then it is written in place, as a file saver falls back to.
    if (exists && InPlaceAllowed(error)) {
      inPlace_ = true;
      return;
    }
    Fail(error);
  }
}

GenFile::GenFile(std::string path, bool toUtf8, InMemory) : path_(std::move(path)), memory_(true), utf8_(toUtf8) {
  buffer_.reserve(kBufferSize);
}

const std::string& GenFile::Bytes() {
  Complete();
  return gathered_;
}

bool GenFile::InPlaceAllowed(int error) const {
  return (error == EACCES || error == EPERM || error == EROFS) && ::access(target_.c_str(), W_OK) == 0;
}

bool GenFile::MakeTemp() {
  InstallInterruptCleanup();
  std::string pattern = FolderOf(target_) + "/" + TempStem(target_) + std::to_string(::getpid()) + ".XXXXXX";
  fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd_ < 0) {
    const int error = errno;
    struct stat st {};
    if (::stat(target_.c_str(), &st) == 0 && S_ISREG(st.st_mode) && InPlaceAllowed(error)) {
      inPlace_ = true;
      return false;
    }
    Fail(error);
  }
  tempPath_ = pattern;
  pendingSlot_ = ClaimPendingSlot(tempPath_);
  return true;
}

void GenFile::Spill() {
  if (memory_ || !Gathering()) return;
  if (!MakeTemp()) return;  // in place: the gathered bytes are the file
  const std::string bytes = std::move(gathered_);
  std::string().swap(gathered_);
  if (!WriteAll(fd_, bytes.data(), bytes.size())) Fail(errno);
}

GenFile::~GenFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!committed_ && !tempPath_.empty()) ::unlink(tempPath_.c_str());
  ReleasePendingSlot(pendingSlot_);
}

void GenFile::Fail(int error) const {
  throw CFileException(path_, error);
}

void GenFile::Write(std::string_view bytes) {
  if (finished_) Fail(EBADF);
  if (!utf8_ && bytes.size() >= kBufferSize) {
    // A whole page at once goes out as it is, not copied through the buffer.
    Flush(true);
    Emit(bytes);
    return;
  }
  buffer_.append(bytes);
  if (buffer_.size() >= kBufferSize) Flush(false);
}

void GenFile::Flush(bool final) {
  if (buffer_.empty()) return;
  size_t take = buffer_.size();
  std::string converted;
  std::string_view out = buffer_;
  if (utf8_) {
    if (!final) {
      // Keep a lead byte whose trail byte has not come yet.
      size_t pos = 0;
      while (pos < buffer_.size()) {
        size_t len = gbk::CharLength(buffer_, pos);
        if (len == 1 && pos + 1 == buffer_.size() && gbk::IsLeadByte(static_cast<unsigned char>(buffer_[pos]))) break;
        pos += len;
      }
      take = pos;
    }
    converted = gbk::ToUtf8(std::string_view(buffer_).substr(0, take));
    out = converted;
  }
  Emit(out);
  buffer_.erase(0, take);
}

void GenFile::Emit(std::string_view bytes) {
  if (Gathering() && !memory_ && gathered_.size() + bytes.size() > kGatherLimit) Spill();
  if (fd_ < 0) {
    gathered_.append(bytes);
  } else if (!WriteAll(fd_, bytes.data(), bytes.size())) {
    Fail(errno);
  }
}

void GenFile::Complete() {
  if (finished_) return;
  Flush(true);
  std::string().swap(buffer_);
  finished_ = true;
}

void GenFile::Finish() {
  Complete();
  // A finished file may wait long for its commit (a site holds hundreds):
  // it keeps neither its bytes nor a descriptor meanwhile. Its fsync comes
  // with the commit, and a file found unchanged needs none.
  Spill();
  if (fd_ >= 0) {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail(errno);
  }
}

bool GenFile::SameAsTarget() {
  if (direct_) return false;
  Complete();
  if (!tempPath_.empty()) return SameContent(tempPath_, target_);
  return SameBytes(gathered_, target_);
}

void GenFile::CommitInPlace() {
  const int fd = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) Fail(errno);
  if (!WriteAll(fd, gathered_.data(), gathered_.size()) ||
      ::ftruncate(fd, static_cast<off_t>(gathered_.size())) != 0 || ::fsync(fd) != 0) {
    const int error = errno;
    ::close(fd);
    Fail(error);
  }
  if (::close(fd) != 0) Fail(errno);
}

FileOutcome GenFile::Commit() { return CommitFile(true); }

FileOutcome GenFile::CommitNow() { return CommitFile(false); }

FileOutcome GenFile::CommitFile(bool behind) {
  if (memory_) Fail(EBADF);  // nothing of it is meant for the disk
  Complete();
  if (Gathering() && SameBytes(gathered_, target_)) {
    // Nothing to write: no temporary file, no flush to disk.
    committed_ = true;
    return FileOutcome::Unchanged;
  }
  Finish();  // a temporary file with every byte, unless direct or in place
  if (direct_) {
    committed_ = true;
    return FileOutcome::Written;
  }
  if (inPlace_) {
    const bool same = SameBytes(gathered_, target_);
    if (!same) CommitInPlace();
    committed_ = true;
    return same ? FileOutcome::Unchanged : FileOutcome::Written;
  }
  if (SameContent(tempPath_, target_)) {
    // Leave the file and its time alone; bytes that are dropped need no fsync.
    ::unlink(tempPath_.c_str());
    committed_ = true;
    ReleasePendingSlot(pendingSlot_);
    return FileOutcome::Unchanged;
  }
  struct stat st {};
  const bool exists = ::stat(target_.c_str(), &st) == 0;
  if (exists) {
    // A read-only file stays read-only for everybody, the superuser too. It
    // is only in the way when its bytes would change: an unchanged one (a
    // file checked in read-only, say) is left alone above.
    if (::access(target_.c_str(), W_OK) != 0) Fail(errno);
    if ((st.st_mode & 0222) == 0) Fail(EACCES);
  }
  mode_t mode = exists ? (st.st_mode & 07777) : (0666 & ~CurrentUmask());
  // The owner and group stay those of the file replaced (the superuser
  // rewriting a user's file must not make it its own). Others may only
  // keep the group when they belong to it, which is no failure.
  if (exists && ::chown(tempPath_.c_str(), st.st_uid, st.st_gid) != 0 && ::geteuid() == 0) Fail(errno);
  if (::chmod(tempPath_.c_str(), mode) != 0) Fail(errno);

  // The descriptor the fsync goes through (Linux syncs a file opened for
  // reading as well).
  const int fd = ::open(tempPath_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) Fail(errno);
  PendingCommit commit{fd, tempPath_, target_, path_, pendingSlot_};
  pendingSlot_ = -1;
  committed_ = true;  // the temporary file is the commit's now
  if (CommitBehind* active = behind ? CommitBehind::Active() : nullptr) {
    active->Add(std::move(commit));
    return FileOutcome::Written;
  }
  const int error = CompletePendingCommit(commit);
  ReleasePendingCommit(commit);
  if (error != 0) Fail(error);
  return FileOutcome::Written;
}

int SyncPendingCommit(PendingCommit& commit) {
  int error = 0;
  if (::fsync(commit.fd) != 0) error = errno;
  if (::close(commit.fd) != 0 && error == 0) error = errno;
  commit.fd = -1;
  return error;
}

int PlacePendingCommit(PendingCommit& commit) {
  if (::rename(commit.temp.c_str(), commit.target.c_str()) == 0) return 0;
  const int error = errno;
  ::unlink(commit.temp.c_str());
  return error;
}

int CompletePendingCommit(PendingCommit& commit) {
  const int error = SyncPendingCommit(commit);
  if (error == 0) return PlacePendingCommit(commit);
  ::unlink(commit.temp.c_str());
  return error;
}

void AbandonPendingCommit(PendingCommit& commit) {
  if (commit.fd >= 0) ::close(commit.fd);
  commit.fd = -1;
  ::unlink(commit.temp.c_str());
}

void ReleasePendingCommit(PendingCommit& commit) { ReleasePendingSlot(commit.slot); }

}  // namespace ff
