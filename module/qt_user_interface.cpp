#include "module/qt_user_interface.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "host/file_error.h"
#include "module/qt_text.h"

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
  QMessageBox box(QMessageBox::Warning, Title(), ToQ(error.Message()), QMessageBox::Ok, Owner());
  box.exec();
  ResumeWait();
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
  SuspendWait();
  const QString dir = QFileDialog::getExistingDirectory(nullptr, ToQ(title), QString());
  ResumeWait();
  if (dir.isEmpty()) return std::nullopt;
  return FromQ(dir);
}

void QtUserInterface::OpenWithDefaultApp(const std::string& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(ToQ(path)));
}

QtUserInterface& QtUI() {
  static QtUserInterface ui;
  return ui;
}

void InstallQtUserInterface() { ff::SetUserInterface(&QtUI()); }

}  // namespace ff::gui
