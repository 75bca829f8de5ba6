// Makes SQLite configuration databases from the embedded scripts. The file
// is built under a temporary name beside the target and linked into place
// only when complete, so a failure never leaves a half-made database and
// an existing file is never replaced.
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "data/embedded_sql.h"
#include "host/gbk_text.h"

namespace ff::data {
namespace {

#ifdef _WIN32
// Windows' rename refuses an existing target, as link() does here; its
// files keep no mode bits and its stat never follows a link.
int LinkNew(const char* from, const char* to) { return ::rename(from, to); }
int MakeReadable(int) { return 0; }
bool Exists(const std::string& path) {
  struct stat info{};
  return ::stat(path.c_str(), &info) == 0;
}
#else
int LinkNew(const char* from, const char* to) { return ::link(from, to); }
int MakeReadable(int fd) { return ::fchmod(fd, 0644); }
bool Exists(const std::string& path) {
  struct stat info{};
  return ::lstat(path.c_str(), &info) == 0;
}
#endif

std::string Shown(const std::string& path) { return gbk::FromUtf8(path); }

// Runs the scripts into the open database `db`, which it closes; with
// `image` the finished database's bytes are taken first.
bool RunScriptsIn(sqlite3* db, const std::vector<std::string_view>& scripts, std::string& error,
                  std::string* image = nullptr) {
  // The file is private until it is linked into place: no journal needed.
  sqlite3_exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;", nullptr, nullptr, nullptr);
  bool ok = sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
  for (std::string_view script : scripts) {
    if (!ok) break;
    std::string text(script);
    char* message = nullptr;
    if (sqlite3_exec(db, text.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
      error = gbk::FromUtf8(message ? message : sqlite3_errmsg(db));
      ok = false;
    }
    sqlite3_free(message);
  }
  // A script may have ended the transaction itself.
  if (ok && !sqlite3_get_autocommit(db) && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
    error = gbk::FromUtf8(sqlite3_errmsg(db));
    ok = false;
  }
  if (ok && image) {
    sqlite3_int64 size = 0;
    unsigned char* bytes = sqlite3_serialize(db, "main", &size, 0);
    if (bytes) {
      image->assign(reinterpret_cast<const char*>(bytes), static_cast<size_t>(size));
      sqlite3_free(bytes);
    } else {
      error = "out of memory";
      ok = false;
    }
  }
  if (sqlite3_close(db) != SQLITE_OK && ok) {
    error = "cannot close the new database";
    ok = false;
  }
  return ok;
}

bool RunScripts(const std::string& tempPath, const std::vector<std::string_view>& scripts, std::string& error) {
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(tempPath.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  if (rc != SQLITE_OK) {
    error = gbk::FromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    sqlite3_close(db);
    return false;
  }
  return RunScriptsIn(db, scripts, error);
}

bool Create(const std::string& path, const std::vector<std::string_view>& scripts, std::string& error) {
  if (path.empty()) {
    error = "no file name given for the new database";
    return false;
  }
  if (Exists(path)) {
    error = Shown(path) + " already exists";
    return false;
  }
  std::string temp = path + ".tmp-XXXXXX";
  int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    error = "cannot create " + Shown(path) + ": " + gbk::FromUtf8(std::strerror(errno));
    return false;
  }
  MakeReadable(fd);  // mkstemp makes it private; a database is for reading
  ::close(fd);
  std::string reason;
  if (!RunScripts(temp, scripts, reason)) {
    ::unlink(temp.c_str());
    error = "cannot create " + Shown(path) + ": " + reason;
    return false;
  }
  // link() refuses an existing target, unlike rename().
  if (LinkNew(temp.c_str(), path.c_str()) != 0) {
    int code = errno;
    if (code != EEXIST && !Exists(path) && ::rename(temp.c_str(), path.c_str()) == 0)
      return true;
    ::unlink(temp.c_str());
    error = "cannot create " + Shown(path) + ": " +
            (code == EEXIST ? std::string("the file already exists") : gbk::FromUtf8(std::strerror(code)));
    return false;
  }
  ::unlink(temp.c_str());
  return true;
}

}  // namespace

bool CreateDatabase(const std::string& path, bool withDemo, std::string& error) {
  if (withDemo) return Create(path, {SchemaSql(), DemoSql()}, error);
  return Create(path, {SchemaSql()}, error);
}

bool DemoDatabaseBytes(std::string& bytes, std::string& error) {
  // SQLite's memory file system keeps the pages a file would get, byte
  // for byte, without a file anywhere.
  const std::string name = "file:/fidforge-demo-" + std::to_string(::getpid()) + "?vfs=memdb";
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(name.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI,
                                 nullptr);
  if (rc != SQLITE_OK) {
    error = "cannot make the demo database in memory: " + gbk::FromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    sqlite3_close(db);
    return false;
  }
  std::string reason;
  if (!RunScriptsIn(db, {SchemaSql(), DemoSql()}, reason, &bytes)) {
    error = "cannot make the demo database in memory: " + reason;
    return false;
  }
  return true;
}

bool CreateDatabaseWith(const std::string& path, std::string_view extraSql, std::string& error) {
  return Create(path, {SchemaSql(), extraSql}, error);
}

}  // namespace ff::data
