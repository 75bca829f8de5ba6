#include "module/qt_user_interface.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "host/file_error.h"
#include "host/query_error.h"
#include "module/output_folder.h"
#include "module/qt_text.h"
#include "res/desktop_texts.h"

namespace ff::gui {

namespace {
// The window a message box belongs to: the modal dialog in front.
QWidget* Owner() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}
}  // namespace

QString QtUserInterface::Title() {
  QString title = QGuiApplication::applicationDisplayName();
  return title.isEmpty() ? QStringLiteral("FidForge") : title;
}

void QtUserInterface::SuspendWait() {
  suspended_ = waitDepth_;
  for (int i = 0; i < suspended_; ++i) QApplication::restoreOverrideCursor();
}

void QtUserInterface::ResumeWait() {
  for (int i = 0; i < suspended_; ++i) QApplication::setOverrideCursor(Qt::WaitCursor);
  suspended_ = 0;
}

void QtUserInterface::ShowMessage(const std::string& text) {
  SuspendWait();
  QMessageBox box(QMessageBox::Information, Title(), ToQ(text), QMessageBox::Ok, Owner());
  box.exec();
  ResumeWait();
}

void QtUserInterface::ShowError(const std::string& text) {
  SuspendWait();
  QMessageBox box(QMessageBox::Warning, Title(), ToQ(text), QMessageBox::Ok, Owner());
  box.exec();
  ResumeWait();
}

bool QtUserInterface::AskYesNo(const std::string& question) {
  SuspendWait();
  QMessageBox box(QMessageBox::Question, Title(), ToQ(question), QMessageBox::Yes | QMessageBox::No, Owner());
  box.setDefaultButton(QMessageBox::Yes);
  const bool yes = box.exec() == QMessageBox::Yes;
  ResumeWait();
  return yes;
}

void QtUserInterface::ReportFileError(const CFileException& error) {
  SuspendWait();
  // The reason in the user's words where the system's number is known; the
  // file's name as the system spells it (GBK lacks most letters).
  std::string reason = ff::res::desktop::SystemErrorText(error.SystemError());
  if (reason.empty()) reason = error.Reason();
  const QString text = ToQ(ff::res::desktop::FileFailed(ff::gbk::PathInText(error.FileName()), reason));
  QMessageBox box(QMessageBox::Critical, Title(), text, QMessageBox::Ok, Owner());
  box.exec();
  ResumeWait();
}

void QtUserInterface::ReportQueryError(const ff::QueryError& error) {
  // The database's own reason as it gave it; what was being done in our
  // words, the file as the system spells it.
  static constexpr std::string_view kGenerating = "cannot generate ";
  const std::string& what = error.What();
  std::string text;
  if (what.rfind(kGenerating, 0) == 0) {
    text = ff::res::desktop::QueryFailedFor(ff::gbk::PathInText(what.substr(kGenerating.size())), error.Reason());
  } else {
    text = ff::res::desktop::QueryFailed(error.Reason());
  }
  ShowError(text);
}

void QtUserInterface::BeginWaitCursor() {
  ++waitDepth_;
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUserInterface::EndWaitCursor() {
  if (waitDepth_ <= 0) return;
  --waitDepth_;
  QApplication::restoreOverrideCursor();
}

std::optional<std::string> QtUserInterface::BrowseForFolder(const std::string& title) {
  return BrowseForFolderFrom(title, std::string());
}

std::optional<std::string> QtUserInterface::BrowseForFolderFrom(const std::string& title, const std::string& start) {
  SuspendWait();
  const QString dir = QFileDialog::getExistingDirectory(Owner(), ToQ(title), PathToQ(start));
  ResumeWait();
  if (dir.isEmpty()) return std::nullopt;
  return PathFromQ(dir);
}

std::optional<std::string> QtUserInterface::AskSaveFileName(const std::string& title, const std::string& suggested,
                                                            const std::string& filter) {
  SuspendWait();
  const QString file = QFileDialog::getSaveFileName(Owner(), ToQ(title), PathToQ(suggested), ToQ(filter));
  ResumeWait();
  if (file.isEmpty()) return std::nullopt;
  return PathFromQ(file);
}

bool QtUserInterface::OpenWithDefaultApp(const std::string& path) { return StartOpener(path) != nullptr; }

void QtUserInterface::ShowReport(const std::string& text, const std::string& folder) {
  SuspendWait();
  QMessageBox box(QMessageBox::Information, Title(), ToQ(text), QMessageBox::Ok, Owner());
  QPushButton* open = box.addButton(ToQ(ff::res::desktop::OpenFolderButton()), QMessageBox::ActionRole);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
  ResumeWait();
  if (box.clickedButton() == open) OpenFolder(folder);
}

QtUserInterface& QtUI() {
  static QtUserInterface ui;
  return ui;
}

void InstallQtUserInterface() { ff::SetUserInterface(&QtUI()); }

}  // namespace ff::gui
