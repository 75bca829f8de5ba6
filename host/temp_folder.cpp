#include "host/temp_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "host/gbk_text.h"

namespace ff {

namespace {

std::string Reason(int error) { return gbk::FromUtf8(std::strerror(error)); }

// An existing folder of this user that nobody else may enter.
bool IsOwnFolder(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
}

bool MakePrivateFolder(const std::string& path, std::string& error, const std::string& notOwn) {
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
    error = gbk::PathInText(path) + ": " + Reason(errno);
    return false;
  }
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) {
    error = gbk::PathInText(path) + ": " + Reason(errno);
    return false;
  }
  // Someone else's folder (or a link to one) under our name: another user
  // could read or replace what we write there.
  if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) {
    error = gbk::PathInText(path) + ": " + notOwn;
    return false;
  }
  if ((st.st_mode & 077) != 0 && ::chmod(path.c_str(), 0700) != 0) {
    error = gbk::PathInText(path) + ": " + Reason(errno);
    return false;
  }
  return true;
}

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value && value[0] == '/' ? std::string(value) : std::string();
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

bool UserTempFolder(std::string& folder, std::string& error, const std::string& notOwn) {
  const std::string runtime = WithoutTrailingSlash(Env("XDG_RUNTIME_DIR"));
  std::string path;
  if (!runtime.empty() && IsOwnFolder(runtime)) {
    path = runtime + "/fidforge";
  } else {
    std::string tmp = WithoutTrailingSlash(Env("TMPDIR"));
    if (tmp.empty()) tmp = "/tmp";
    path = (tmp == "/" ? std::string() : tmp) + "/fidforge-" + std::to_string(::geteuid());
  }
  if (!MakePrivateFolder(path, error, notOwn)) return false;
  folder = path;
  return true;
}

std::string UserDataFile(const std::string& fileName) {
  std::string base;
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && data[0] == '/') {
    base = data;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home && home[0] ? home : ".") + "/.local/share";
  }
  return base + "/fidforge/" + fileName;
}

}  // namespace ff
