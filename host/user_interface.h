// How the engine talks to the user: message boxes, questions, the wait
// cursor, the folder browser and opening files. The CLI answers on the
// console, the tests from a script, the GUI with dialogs.
// Every text crossing this interface is GBK.
#pragma once

#include <optional>
#include <string>

class CFileException;

namespace ff {

class QueryError;

class UserInterface {
 public:
  virtual ~UserInterface() = default;
  // A message with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // A message that says something went wrong (a warning's look where the
  // interface has looks).
  virtual void ShowError(const std::string& text) { ShowMessage(text); }
  // A question with Yes and No; Yes is the default. True for Yes.
  virtual bool AskYesNo(const std::string& question) = 0;
  // Whether to overwrite the existing file `path` (GBK, as shown).
  // `question` is the pages' question about it; an interface that speaks
  // other words asks its own.
  virtual bool AskOverwrite(const std::string& path, const std::string& question);
  // The report of a file error.
  virtual void ReportFileError(const CFileException& error);
  // The report of a query the database refused (QueryError::Message()).
  virtual void ReportQueryError(const QueryError& error);
  virtual void BeginWaitCursor() {}
  virtual void EndWaitCursor() {}
  // The folder browser; nullopt when cancelled.
  virtual std::optional<std::string> BrowseForFolder(const std::string& title) { return std::nullopt; }
  // The folder browser opened at `start` (the system's bytes, may be "");
  // the folder picked is the system's bytes too.
  virtual std::optional<std::string> BrowseForFolderFrom(const std::string& title, const std::string& start) {
    return BrowseForFolder(title);
  }
  // The dialog for the name of a file to write, opened at `suggested` (the
  // system's bytes) and showing the files `filter` names ("CSV文件 (*.csv)");
  // it asks before an existing file is replaced. The file picked (the
  // system's bytes), nullopt when cancelled.
  virtual std::optional<std::string> AskSaveFileName(const std::string& title, const std::string& suggested,
                                                     const std::string& filter) {
    return std::nullopt;
  }
  // Opens a file or folder (the system's bytes) with the user's default
  // application; false when none could be started.
  virtual bool OpenWithDefaultApp(const std::string& path) { return false; }
  // The report of a generation into `folder` (the system's bytes): a
  // message that also offers to open the folder.
  virtual void ShowReport(const std::string& text, const std::string& folder) { ShowMessage(text); }
};

// The process-wide user interface (a console one until another is set).
UserInterface& UI();
// Installs `ui` (not owned); null restores the console one.
void SetUserInterface(UserInterface* ui);
// The interface installed by SetUserInterface, null for the console one
// (lets a temporary interface put back the one it replaced).
UserInterface* InstalledUserInterface();

// Shows the wait cursor for the life of the object.
class WaitCursor {
 public:
  WaitCursor() { UI().BeginWaitCursor(); }
  ~WaitCursor() { UI().EndWaitCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace ff
