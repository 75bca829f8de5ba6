// The output folder's lock on Windows (host/folder_lock.h). A folder has no
// bytes for LockFileEx to lock, and a lock file would be a file added to
// the folder: the lock is a named mutex of the session, named after the
// folder's identity (its volume and file index, so that two spellings of
// one folder meet). The system lets go of it when its process ends, killed
// or not, as a flock goes with its process.
#include "host/folder_lock.h"

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <iterator>

#include "host/gbk_text.h"
#include "host/wide_path_win.h"

namespace ff {

namespace {

HANDLE HandleOf(int value) { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(value)); }
// Windows handles fit in 32 bits (so that 32- and 64-bit programs can share them).
int ValueOf(HANDLE handle) { return static_cast<int>(reinterpret_cast<intptr_t>(handle)); }

std::string Reason(int error) { return gbk::FromUtf8(std::strerror(error)); }

}  // namespace

FolderLock::~FolderLock() {
  if (fd_ >= 0) {
    ::ReleaseMutex(HandleOf(fd_));
    ::CloseHandle(HandleOf(fd_));
  }
}

bool FolderLock::Acquire(const std::string& folder, int waitMs, std::string& error, bool* busy, long* holder) {
  if (busy) *busy = false;
  if (holder) *holder = 0;  // a mutex does not tell its holder
  const std::string shown = gbk::FromUtf8(folder.empty() ? std::string(".") : folder);
  HANDLE dir = ::CreateFileW(win::Wide(folder.empty() ? std::string(".") : folder).c_str(), FILE_READ_ATTRIBUTES,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                             FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (dir == INVALID_HANDLE_VALUE) {
    const int failure = win::LastErrno();
    // A folder that may be written but not read can still take the files.
    if (failure == EACCES) return true;
    error = "cannot lock the folder " + shown + ": " + Reason(failure);
    return false;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = ::GetFileInformationByHandle(dir, &info);
  ::CloseHandle(dir);
  if (!known) return true;  // a file system that does not tell: nothing to take turns with
  wchar_t name[96];
  std::swprintf(name, std::size(name), L"Local\\fidforge-folder-%08lx-%08lx%08lx", info.dwVolumeSerialNumber,
                info.nFileIndexHigh, info.nFileIndexLow);
  HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name);
  if (!mutex) {
    error = "cannot lock the folder " + shown + ": " + Reason(win::LastErrno());
    return false;
  }
  const DWORD waited = ::WaitForSingleObject(mutex, waitMs < 0 ? 0 : static_cast<DWORD>(waitMs));
  // WAIT_ABANDONED: the holder ended without letting go; the lock is ours.
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
    ::CloseHandle(mutex);
    if (busy) *busy = true;
    error = "the folder " + shown + " is being written by another run for more than " +
            std::to_string(waitMs / 1000) + " seconds; run again when it has finished";
    return false;
  }
  if (fd_ >= 0) {
    ::ReleaseMutex(HandleOf(fd_));
    ::CloseHandle(HandleOf(fd_));
  }
  fd_ = ValueOf(mutex);
  return true;
}

}  // namespace ff
