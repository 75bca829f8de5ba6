// Helpers shared by the tests.
#pragma once

#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "host/user_interface.h"
#include "res/kind.h"

namespace ff::test {

// The kind of the tables' `bls` columns.
inline Kind KindOf(bool bls) { return bls ? Kind::Bls : Kind::Fos; }

// A user interface that answers from a script and remembers what it was
// shown. Installed for its lifetime.
class ScriptedUI : public UserInterface {
 public:
  ScriptedUI();
  ~ScriptedUI() override;

  // Answers for the coming questions, in order. A question with no scripted
  // answer is counted, fails the test and is answered No.
  void Answer(bool yes) { answers_.push_back(yes); }

  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowReport(const std::string& text, const std::string& folder) override {
    messages.push_back(text);
    reportFolders.push_back(folder);
  }
  bool AskYesNo(const std::string& question) override;
  void ReportFileError(const CFileException& error) override;
  void BeginWaitCursor() override { ++waitDepth; }
  void EndWaitCursor() override { --waitDepth; }
  std::optional<std::string> BrowseForFolder(const std::string& title) override {
    browserTitles.push_back(title);
    return nextFolder;
  }
  std::optional<std::string> BrowseForFolderFrom(const std::string& title, const std::string& start) override {
    browserStarts.push_back(start);
    return BrowseForFolder(title);
  }
  std::optional<std::string> AskSaveFileName(const std::string&, const std::string& suggested,
                                             const std::string& filter) override {
    saveSuggestions.push_back(suggested);
    saveFilters.push_back(filter);
    return nextSaveName;
  }
  bool OpenWithDefaultApp(const std::string& path) override {
    opened.push_back(path);
    return launcher;
  }

  // Everything is GBK, as the engine passes it.
  std::optional<std::string> nextFolder, nextSaveName;  // the browser's and the save dialog's answers
  bool launcher = true;  // false: no application opens anything
  std::vector<std::string> messages, questions, reportFolders, browserTitles, browserStarts, opened;
  std::vector<std::string> fileErrors;  // CFileException::Message() of each report
  std::vector<std::string> saveSuggestions, saveFilters;
  int waitDepth = 0;
  int unscripted = 0;

 private:
  std::deque<bool> answers_;
};

// A fresh folder, removed with everything in it at destruction.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::filesystem::path& path() const { return path_; }
  std::string operator/(std::string_view name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Sets (or with nullopt removes) an environment variable for its lifetime.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Points XDG_CONFIG_HOME and XDG_DATA_HOME at a temporary folder for its
// lifetime, so settings and data never touch the real user's.
class SettingsSandbox {
 public:
  SettingsSandbox();
  const TempDir& dir() const { return dir_; }

 private:
  TempDir dir_;
  ScopedEnv config_, data_;
};

// A SQLite configuration database made for one test from the schema and an
// SQL script (UTF-8), connected as g_pConfigDB for the test's lifetime.
class TestDatabase {
 public:
  // `sql` runs after the schema; `withDemo` adds the demo rows first.
  explicit TestDatabase(std::string_view sql = {}, bool withDemo = false);
  ~TestDatabase();
  const std::string& path() const { return path_; }
  // Runs more SQL (UTF-8) on the file directly.
  void Exec(std::string_view sql);

 private:
  TempDir dir_;
  std::string path_;
};

// GBK <-> UTF-8 for writing expectations in readable source.
std::string G(std::string_view utf8);  // UTF-8 literal -> GBK bytes
std::string U(std::string_view gbk);   // GBK bytes -> UTF-8

std::string ReadFile(const std::string& path);
// Every file under `folder` (relative path -> bytes), temporary files too.
std::map<std::string, std::string> FolderBytes(const std::string& folder);
// Runs SQL (UTF-8) on a database file through its own connection.
void ExecSql(const std::string& database, const std::string& sql);
// The names of the entries of a folder (hidden ones too).
std::set<std::string> Names(const std::filesystem::path& folder);
void WriteFile(const std::string& path, std::string_view bytes);
// tests/golden/<relative>, read byte for byte.
std::string Golden(const std::string& relative);

// Byte-exact comparison; on mismatch the message shows the first differing
// line of each side with CR, LF, tabs and trailing blanks made visible.
::testing::AssertionResult BytesEqual(std::string_view expected, std::string_view actual);

}  // namespace ff::test

#define EXPECT_BYTES_EQ(expected, actual) EXPECT_TRUE(::ff::test::BytesEqual((expected), (actual)))
