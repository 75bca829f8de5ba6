// The user's own folders on Windows (host/temp_folder.h). The temporary
// folder Windows gives a user (%TEMP%, under the user's profile) is the
// user's alone by its permissions, so no owner needs checking.
#include "host/temp_folder.h"

#include <cstring>
#include <iterator>

#include "host/gbk_text.h"
#include "host/wide_path_win.h"

namespace ff {

namespace {

std::string Reason(int error) { return gbk::FromUtf8(std::strerror(error)); }

std::string Environment(const wchar_t* name) {
  wchar_t value[32768];
  const DWORD n = ::GetEnvironmentVariableW(name, value, static_cast<DWORD>(std::size(value)));
  return n > 0 && n < std::size(value) ? win::Utf8(std::wstring_view(value, n)) : std::string();
}

std::string WithoutTrailingSeparator(std::string path) {
  while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

}  // namespace

bool UserTempFolder(std::string& folder, std::string& error, const std::string& notOwn) {
  wchar_t temp[MAX_PATH + 1];
  const DWORD n = ::GetTempPathW(static_cast<DWORD>(std::size(temp)), temp);
  if (n == 0 || n > MAX_PATH) {
    error = "no temporary folder: " + Reason(win::LastErrno());
    return false;
  }
  const std::string path = WithoutTrailingSeparator(win::Utf8(std::wstring_view(temp, n))) + "\\fidforge";
  if (!::CreateDirectoryW(win::Wide(path).c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
    error = gbk::PathInText(path) + ": " + Reason(win::LastErrno());
    return false;
  }
  const DWORD attributes = ::GetFileAttributesW(win::Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
      (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    error = gbk::PathInText(path) + ": " + notOwn;
    return false;
  }
  folder = path;
  return true;
}

std::string UserDataFile(const std::string& fileName) {
  std::string base = WithoutTrailingSeparator(Environment(L"LOCALAPPDATA"));
  if (base.empty()) {
    const std::string profile = WithoutTrailingSeparator(Environment(L"USERPROFILE"));
    if (!profile.empty()) base = profile + "\\AppData\\Local";
  }
  if (base.empty()) base = ".";
  return base + "\\fidforge\\" + fileName;
}

}  // namespace ff
