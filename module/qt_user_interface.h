// The user interface of the desktop module: message boxes, questions, the
// wait cursor, the folder browser and the default application, answered by
// Qt. Installed when the module library is loaded (ff::SetUserInterface).
#pragma once

#include "host/user_interface.h"

#include <QString>

class QWidget;

namespace ff::gui {

class QtUserInterface : public ff::UserInterface {
 public:
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  bool AskYesNo(const std::string& question) override;
  void ReportFileError(const CFileException& error) override;
  void ReportQueryError(const ff::QueryError& error) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  std::optional<std::string> BrowseForFolder(const std::string& title) override;
  std::optional<std::string> BrowseForFolderFrom(const std::string& title, const std::string& start) override;
  std::optional<std::string> AskSaveFileName(const std::string& title, const std::string& suggested,
                                             const std::string& filter) override;
  bool OpenWithDefaultApp(const std::string& path) override;
  void ShowReport(const std::string& text, const std::string& folder) override;

  // The message box title: the application's display name.
  static QString Title();

 private:
  // Message boxes show the normal cursor, also inside a wait.
  void SuspendWait();
  void ResumeWait();
  int waitDepth_ = 0;
  int suspended_ = 0;
};

// The module's instance (installed by the library at load).
QtUserInterface& QtUI();
// Installs the Qt user interface as ff::UI().
void InstallQtUserInterface();

}  // namespace ff::gui
