// The atomic replace on Windows (host/file_replace.h): the new bytes go to
// a temporary file beside the target, FlushFileBuffers puts them on the
// disk, and MoveFileExW (MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
// puts the file in the target's place. A file gets the permissions its
// folder gives new files, as every Windows program's saved file does; a
// file marked read-only is refused, as a file without write bits is on
// Linux.
#include "host/file_replace.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

#include "host/file_error.h"
#include "host/wide_path_win.h"

// <windows.h> names ReplaceFileW so; the engine's own is meant here.
#undef ReplaceFile

namespace ff {

namespace {

[[noreturn]] void Fail(const std::string& path, int error) { throw CFileException(path, error); }

std::string FolderOf(const std::string& path) {
  const size_t slash = win::LastSeparator(path);
  if (slash == std::string::npos) return ".";
  if (slash == 0 || (slash == 2 && path[1] == ':')) return path.substr(0, slash + 1);
  return path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
  const size_t slash = win::LastSeparator(path);
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string InFolder(const std::string& folder, const std::string& name) {
  const char last = folder.empty() ? '/' : folder.back();
  return last == '/' || last == '\\' ? folder + name : folder + "/" + name;
}

// Temporary files are named ".<target name>.<process id>.<6 letters>"
// beside the target, as on Linux: the process id tells whose file it is
// once its writer is gone.
constexpr size_t kNameMax = 255;
constexpr size_t kTempOverhead = 1 + 1 + 10 + 1 + 6;

std::string TempStem(const std::string& target) {
  return "." + BaseOf(target).substr(0, kNameMax - kTempOverhead) + ".";
}

bool ProcessGone(DWORD pid) {
  HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (process) {
    DWORD code = 0;
    const bool running = ::GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    ::CloseHandle(process);
    return !running;
  }
  return ::GetLastError() == ERROR_INVALID_PARAMETER;  // no such process
}

// Removes the temporary files that killed runs left for `target`.
void RemoveStaleTemps(const std::string& target) {
  const std::string folder = FolderOf(target);
  const std::string stem = TempStem(target);
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW(win::Wide(InFolder(folder, stem + "*")).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const std::string name = win::Utf8(found.cFileName);
    if (name.size() <= stem.size() + 8 || name.compare(0, stem.size(), stem) != 0) continue;
    const std::string_view rest = std::string_view(name).substr(stem.size());
    const size_t dot = rest.find('.');
    if (dot == 0 || dot == std::string_view::npos || rest.size() - dot - 1 != 6 || dot > 10) continue;
    unsigned long pid = 0;
    bool digits = true;
    for (size_t i = 0; digits && i < dot; ++i) {
      digits = rest[i] >= '0' && rest[i] <= '9';
      pid = pid * 10 + static_cast<unsigned long>(rest[i] - '0');
    }
    if (!digits || pid == 0 || pid == ::GetCurrentProcessId() || !ProcessGone(pid)) continue;
    ::DeleteFileW(win::Wide(InFolder(folder, name)).c_str());
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
}

bool WriteAll(HANDLE file, std::string_view data) {
  while (!data.empty()) {
    const DWORD chunk = data.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(data.size());
    DWORD written = 0;
    if (!::WriteFile(file, data.data(), chunk, &written, nullptr)) return false;
    if (written == 0) {
      ::SetLastError(ERROR_DISK_FULL);
      return false;
    }
    data.remove_prefix(written);
  }
  return true;
}

HANDLE OpenExisting(const std::string& path, DWORD access) {
  return ::CreateFileW(win::Wide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// 1: the open file holds exactly `bytes`; 0: others; -1: the error in
// GetLastError.
int Holds(HANDLE file, std::string_view bytes) {
  if (::GetFileType(file) != FILE_TYPE_DISK) return 0;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file, &size)) return -1;
  if (static_cast<unsigned long long>(size.QuadPart) != bytes.size()) return 0;
  std::string read(bytes.size() + 1, '\0');
  size_t done = 0;
  while (done < read.size()) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<size_t>(read.size() - done, 1u << 30));
    if (!::ReadFile(file, read.data() + done, want, &got, nullptr)) return -1;
    if (got == 0) break;
    done += got;
  }
  return done == bytes.size() && std::memcmp(read.data(), bytes.data(), bytes.size()) == 0;
}

// The temporary files being written, so that Ctrl-C or Ctrl-Break (at an
// overwrite question, during a long generation) or the console's closing
// takes them along.
struct PendingTemp {
  std::atomic<bool> used{false};
  wchar_t path[MAX_PATH * 4] = {};
};
PendingTemp g_pending[64];

BOOL WINAPI RemovePendingTemps(DWORD) {
  for (PendingTemp& pending : g_pending) {
    if (pending.used) ::DeleteFileW(pending.path);
  }
  return FALSE;  // the next handler (the default one) ends the process
}

void InstallInterruptCleanup() {
  static std::atomic<bool> installed{false};
  if (installed.exchange(true)) return;
  ::SetConsoleCtrlHandler(RemovePendingTemps, TRUE);
}

int ClaimPendingSlot(const std::string& path) {
  const std::wstring wide = win::Wide(path);
  if (wide.size() >= std::size(g_pending[0].path)) return -1;
  for (int i = 0; i < static_cast<int>(std::size(g_pending)); ++i) {
    if (g_pending[i].used) continue;
    std::memcpy(g_pending[i].path, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    g_pending[i].used = true;
    return i;
  }
  return -1;
}

bool MayWrite(const std::string& target) {
  HANDLE file = OpenExisting(target, GENERIC_WRITE);
  if (file == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(file);
  return true;
}

void WriteInPlace(const std::string& path, const std::string& target, std::string_view bytes) {
  HANDLE file = OpenExisting(target, GENERIC_WRITE);
  if (file == INVALID_HANDLE_VALUE) Fail(path, win::LastErrno());
  if (!WriteAll(file, bytes) || !::SetEndOfFile(file) || !::FlushFileBuffers(file)) {
    const int error = win::LastErrno();
    ::CloseHandle(file);
    Fail(path, error);
  }
  if (!::CloseHandle(file)) Fail(path, win::LastErrno());
}

// A name no other file of the folder has, made as an empty file; the
// handle is open for writing.
HANDLE MakeTemp(const std::string& target, std::string& temp) {
  static std::atomic<unsigned> counter{0};
  const std::string stem = InFolder(FolderOf(target), TempStem(target)) + std::to_string(::GetCurrentProcessId()) + ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned value = (::GetTickCount() * 2654435761u) ^ (counter++ * 40503u);
    std::string letters;
    for (int i = 0; i < 6; ++i, value /= 36) letters += "0123456789abcdefghijklmnopqrstuvwxyz"[value % 36];
    temp = stem + letters;
    HANDLE file = ::CreateFileW(win::Wide(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  ::SetLastError(ERROR_FILE_EXISTS);
  return INVALID_HANDLE_VALUE;
}

}  // namespace

bool FileHolds(const std::string& path, std::string_view bytes) {
  const DWORD attributes = ::GetFileAttributesW(win::Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const int error = win::LastErrno();
    if (error == ENOENT || error == ENOTDIR) return false;  // a missing file would change
    Fail(path, error);
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) Fail(path, EISDIR);
  HANDLE file = OpenExisting(path, GENERIC_READ);
  if (file == INVALID_HANDLE_VALUE) Fail(path, win::LastErrno());
  const int same = Holds(file, bytes);
  const int error = win::LastErrno();
  ::CloseHandle(file);
  if (same < 0) Fail(path, error);
  return same == 1;
}

// Windows programs write through a link as the system opens it; the
// rename then replaces the link itself, which is what saving a file over
// a link does on Windows.
std::string LinkTarget(const std::string& path) { return path; }

bool StageFile(const std::string& path, std::string_view bytes, PendingCommit& staged) {
  staged = PendingCommit{};
  staged.path = path;
  staged.target = LinkTarget(path);
  const std::string& target = staged.target;
  const DWORD attributes = ::GetFileAttributesW(win::Wide(target).c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) Fail(path, EISDIR);
  if (exists) {
    HANDLE file = OpenExisting(target, GENERIC_READ);
    if (file != INVALID_HANDLE_VALUE && ::GetFileType(file) != FILE_TYPE_DISK) {
      // A device (NUL, a console) cannot be replaced: written at once.
      ::CloseHandle(file);
      HANDLE device = OpenExisting(target, GENERIC_WRITE);
      if (device == INVALID_HANDLE_VALUE) Fail(path, win::LastErrno());
      const bool written = WriteAll(device, bytes);
      const int error = win::LastErrno();
      ::CloseHandle(device);
      if (!written) Fail(path, error);
      staged.direct = true;
      return true;
    }
    // Nothing to write: no temporary file, no flush to disk.
    const bool same = file != INVALID_HANDLE_VALUE && Holds(file, bytes) == 1;
    if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    if (same) return false;
  }
  RemoveStaleTemps(target);
  InstallInterruptCleanup();
  std::string temp;
  HANDLE file = MakeTemp(target, temp);
  if (file == INVALID_HANDLE_VALUE) {
    // A folder that takes no new file may still hold a file that may be
    // written: then it is written in place, as a file saver falls back to.
    const int error = win::LastErrno();
    if (!exists || error != EACCES || (attributes & FILE_ATTRIBUTE_READONLY) || !MayWrite(target)) Fail(path, error);
    staged.inPlace.assign(bytes);
    return true;
  }
  staged.temp = temp;
  staged.slot = ClaimPendingSlot(temp);
  const bool written = WriteAll(file, bytes);
  const int error = win::LastErrno();
  const int failed = !written ? error : !::CloseHandle(file) ? win::LastErrno() : 0;
  if (!written) ::CloseHandle(file);
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
  const DWORD attributes = ::GetFileAttributesW(win::Wide(target).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    // A read-only file is only in the way when its bytes would change.
    if (attributes & FILE_ATTRIBUTE_READONLY) Fail(staged.path, EACCES);
    if (!MayWrite(target)) Fail(staged.path, win::LastErrno());
  }
  // The descriptor the flush goes through: FlushFileBuffers needs write
  // access.
  staged.fd = ::_wopen(win::Wide(staged.temp).c_str(), _O_RDWR | _O_BINARY | _O_NOINHERIT);
  if (staged.fd < 0) Fail(staged.path, errno);
  return true;
}

int SyncPendingCommit(PendingCommit& commit) {
  int error = 0;
  HANDLE file = reinterpret_cast<HANDLE>(::_get_osfhandle(commit.fd));
  if (file == INVALID_HANDLE_VALUE || !::FlushFileBuffers(file)) error = win::LastErrno();
  if (::_close(commit.fd) != 0 && error == 0) error = errno;
  commit.fd = -1;
  return error;
}

int PlacePendingCommit(PendingCommit& commit) {
  const std::wstring temp = win::Wide(commit.temp);
  const std::wstring target = win::Wide(commit.target);
  // A virus scanner or an indexer that has just opened the new file or the
  // old one holds it for a moment without sharing its deletion: the
  // rename is tried again for about a second before it counts as failed.
  for (int attempt = 0;; ++attempt) {
    if (::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      commit.temp.clear();
      return 0;
    }
    const DWORD reason = ::GetLastError();
    if (attempt == 10 || (reason != ERROR_SHARING_VIOLATION && reason != ERROR_ACCESS_DENIED &&
                          reason != ERROR_LOCK_VIOLATION))
      break;
    ::Sleep(100);
  }
  const int error = win::LastErrno();
  ::DeleteFileW(temp.c_str());
  commit.temp.clear();
  return error;
}

void AbandonPendingCommit(PendingCommit& commit) {
  if (commit.fd >= 0) ::_close(commit.fd);
  commit.fd = -1;
  if (!commit.temp.empty()) ::DeleteFileW(win::Wide(commit.temp).c_str());
  commit.temp.clear();
}

void ReleasePendingCommit(PendingCommit& commit) {
  if (commit.slot >= 0) g_pending[commit.slot].used = false;
  commit.slot = -1;
}

}  // namespace ff
