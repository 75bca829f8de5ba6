#include "tests/support/test_support.h"

#include <sqlite3.h>
#include <stdlib.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include "data/embedded_sql.h"
#include "host/file_error.h"
#include "host/gbk_text.h"
#include "host/config_db.h"

#ifdef _WIN32
#include <direct.h>
#include <io.h>

// What the tests take of POSIX, in Windows' C library (the Windows build
// runs them under Wine).
namespace {
int setenv(const char* name, const char* value, int) { return ::_putenv_s(name, value); }
int unsetenv(const char* name) { return ::_putenv_s(name, ""); }
char* mkdtemp(char* pattern) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = pattern;
    if (::_mktemp_s(name.data(), name.size() + 1) != 0) return nullptr;
    if (::_mkdir(name.c_str()) == 0) return std::strcpy(pattern, name.c_str());
  }
  return nullptr;
}
}  // namespace
#endif

namespace ff::test {

// ---- ScriptedUI -----------------------------------------------------------

ScriptedUI::ScriptedUI() { SetUserInterface(this); }
ScriptedUI::~ScriptedUI() { SetUserInterface(nullptr); }

bool ScriptedUI::AskYesNo(const std::string& question) {
  questions.push_back(question);
  if (answers_.empty()) {
    ++unscripted;
    ADD_FAILURE() << "unexpected question: " << U(question);
    return false;
  }
  bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void ScriptedUI::ReportFileError(const CFileException& error) { fileErrors.push_back(error.Message()); }

// ---- TempDir ----------------------------------------------------------------

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "fidforge-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    ADD_FAILURE() << "cannot create a temporary folder from " << pattern;
  }
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

// ---- environment -----------------------------------------------------------

ScopedEnv::ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
  if (const char* old = std::getenv(name)) old_ = old;
  if (value) setenv(name, value->c_str(), 1);
  else unsetenv(name);
}

ScopedEnv::~ScopedEnv() {
  if (old_) setenv(name_, old_->c_str(), 1);
  else unsetenv(name_);
}

// Where the data folder is told (host/temp_folder.h).
#ifdef _WIN32
constexpr const char* kDataFolderVariable = "LOCALAPPDATA";
#else
constexpr const char* kDataFolderVariable = "XDG_DATA_HOME";
#endif

SettingsSandbox::SettingsSandbox()
    : config_("XDG_CONFIG_HOME", (dir_.path() / "config").string()),
      data_(kDataFolderVariable, (dir_.path() / "data").string()) {
  std::filesystem::create_directories(dir_.path() / "config");
  std::filesystem::create_directories(dir_.path() / "data");
}

// ---- TestDatabase ----------------------------------------------------------

TestDatabase::TestDatabase(std::string_view sql, bool withDemo) {
  path_ = dir_ / "config.sqlite";
  std::string script;
  if (withDemo) {
    script.assign(data::DemoSql());
    script += "\n;\n";
  }
  script.append(sql);
  std::string error;
  if (!data::CreateDatabaseWith(path_, script, error)) {
    ADD_FAILURE() << "cannot create the test database: " << U(error);
    return;
  }
  if (!ConnectConfigDB("sqlite", "", "", path_)) ADD_FAILURE() << "cannot connect to the test database " << path_;
}

TestDatabase::~TestDatabase() { DisconnectConfigDB(); }

void TestDatabase::Exec(std::string_view sql) { ExecSql(path_, std::string(sql)); }

void ExecSql(const std::string& database, const std::string& sql) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    ADD_FAILURE() << "cannot open " << database << ": " << sqlite3_errmsg(db);
    sqlite3_close(db);
    return;
  }
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK)
    ADD_FAILURE() << "SQL failed: " << (message ? message : "") << "\n" << sql;
  sqlite3_free(message);
  sqlite3_close(db);
}

// ---- text and files --------------------------------------------------------

std::string G(std::string_view utf8) { return gbk::FromUtf8(utf8); }
std::string U(std::string_view gbk) { return gbk::ToUtf8(gbk); }

std::set<std::string> Names(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

std::map<std::string, std::string> FolderBytes(const std::string& folder) {
  std::map<std::string, std::string> files;
  std::error_code ec;
  for (auto it = std::filesystem::recursive_directory_iterator(folder, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_regular_file())
      files[std::filesystem::relative(it->path(), folder).generic_string()] = ReadFile(it->path().string());
  }
  return files;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ADD_FAILURE() << "cannot read " << path;
    return {};
  }
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) ADD_FAILURE() << "cannot write " << path;
}

std::string Golden(const std::string& relative) {
  return ReadFile(std::string(FF_SOURCE_DIR) + "/tests/golden/" + relative);
}

namespace {

// The line around `offset` (without its LF), with CR, LF, tabs and
// trailing blanks made visible, in UTF-8.
std::string VisibleLine(std::string_view text, size_t offset, size_t* lineNumber) {
  size_t begin = offset > text.size() ? text.size() : offset;
  while (begin > 0 && text[begin - 1] != '\n') --begin;
  size_t end = text.find('\n', begin);
  bool hasLf = end != std::string_view::npos;
  if (!hasLf) end = text.size();
  *lineNumber = 1;
  for (size_t i = 0; i < begin; ++i)
    if (text[i] == '\n') ++*lineNumber;
  const std::string utf8 = gbk::ToUtf8(text.substr(begin, end - begin));
  std::string_view line(utf8);
  size_t trailing = line.size();
  while (trailing > 0 && (line[trailing - 1] == ' ' || line[trailing - 1] == '\r')) --trailing;
  std::string shown;
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c == '\r') shown += "\\r";
    else if (c == '\t') shown += "\\t";
    else if (c == ' ' && i >= trailing) shown += "\xC2\xB7";  // a middle dot
    else shown += c;
  }
  if (hasLf) shown += "\\n";
  else shown += "<end>";
  return shown;
}

}  // namespace

::testing::AssertionResult BytesEqual(std::string_view expected, std::string_view actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  size_t expectedLine = 0, actualLine = 0;
  std::string e = VisibleLine(expected, at, &expectedLine);
  std::string a = VisibleLine(actual, at, &actualLine);
  return ::testing::AssertionFailure()
         << "bytes differ at offset " << at << " (expected " << expected.size() << " bytes, got "
         << actual.size() << ")\n  expected line " << expectedLine << ": " << e << "\n  actual   line "
         << actualLine << ": " << a;
}

}  // namespace ff::test
