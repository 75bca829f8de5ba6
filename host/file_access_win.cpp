// What the engine asks of a file on disk, on Windows (host/file_access.h).
#include "host/file_access.h"

#include <cerrno>

#include "host/wide_path_win.h"

namespace ff {

namespace {

HANDLE OpenExisting(const std::string& path, DWORD access) {
  return ::CreateFileW(win::Wide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

bool IsReadableFile(const std::string& path) {
  // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open.
  HANDLE file = OpenExisting(path, GENERIC_READ);
  if (file == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(file);
  return true;
}

int WriteRefused(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(win::Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return win::LastErrno();
  // The read-only attribute is Windows' "no write bit for anybody".
  if (attributes & FILE_ATTRIBUTE_READONLY) return EACCES;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
  HANDLE file = OpenExisting(path, GENERIC_WRITE);
  if (file == INVALID_HANDLE_VALUE) return win::LastErrno();
  ::CloseHandle(file);
  return 0;
}

ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes, int& error) {
  error = 0;
  const DWORD attributes = ::GetFileAttributesW(win::Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    error = win::LastErrno();
    return error == ENOENT ? ReadOutcome::Missing : ReadOutcome::Failed;
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return ReadOutcome::NotAFile;
  HANDLE file = OpenExisting(path, GENERIC_READ);
  if (file == INVALID_HANDLE_VALUE) {
    error = win::LastErrno();
    return ReadOutcome::Failed;
  }
  bytes.clear();
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
      error = win::LastErrno();
      ::CloseHandle(file);
      return ReadOutcome::Failed;
    }
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  ::CloseHandle(file);
  return ReadOutcome::Read;
}

size_t LastSeparator(const std::string& path) { return win::LastSeparator(path); }

std::filesystem::path FsPath(const std::string& path) { return std::filesystem::path(win::Wide(path)); }

std::string PathString(const std::filesystem::path& path) { return win::Utf8(path.wstring()); }

// The command line is the only program on Windows: no desktop program's
// name to give.
std::string ProgramName() { return {}; }

}  // namespace ff
