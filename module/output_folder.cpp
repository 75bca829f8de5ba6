#include "module/output_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QFileInfo>

#include "host/gbk_text.h"
#include "host/user_interface.h"
#include "module/qt_text.h"
#include "res/desktop_texts.h"

namespace texts = ff::res::desktop;

namespace ff::gui {

std::string AbsoluteFolder(const std::string& folder) {
  if (folder.empty()) return {};
  return PathFromQ(QDir::cleanPath(QDir(PathToQ(folder)).absolutePath()));
}

std::string FileInFolder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return {};
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool ReadyToWrite(const std::string& folder) {
  if (folder.empty()) {
    ff::UI().ShowMessage(texts::FolderEmpty());
    return false;
  }
  const QString path = PathToQ(folder);
  if (QFileInfo(path).isDir()) return true;
  const std::string shown = ff::gbk::PathInText(folder);
  if (QFileInfo::exists(path)) {
    ff::UI().ShowError(texts::FolderNotCreated(shown, texts::NotAFolder()));
    return false;
  }
  if (!ff::UI().AskYesNo(texts::FolderMissingAsk(shown))) return false;
  if (!QDir().mkpath(path) || !QFileInfo(path).isDir()) {
    const std::string reason = QFileInfo::exists(path) ? texts::NotAFolder() : texts::FolderNotWritable();
    ff::UI().ShowError(texts::FolderNotCreated(shown, reason));
    return false;
  }
  return true;
}

bool HeldFolders::Hold(const std::vector<std::string>& folders) {
  // One lock a folder, however it is named: a second lock on the same
  // folder from this program would wait for the first.
  QStringList seen;
  for (const std::string& folder : folders) {
    const QString real = QFileInfo(PathToQ(folder.empty() ? std::string(".") : folder)).canonicalFilePath();
    if (real.isEmpty() || seen.contains(real)) continue;
    seen.push_back(real);
    auto lock = std::make_unique<FolderLock>();
    std::string error;
    bool busy = false;
    long holder = 0;
    if (!lock->Acquire(PathFromQ(real), kFolderLockWaitMs, error, &busy, &holder)) {
      locks_.clear();
      ff::UI().ShowError(busy ? texts::FolderBusy(ff::gbk::PathInText(folder), holder > 0 ? std::to_string(holder) : "")
                              : texts::FolderNotLocked(error));
      return false;
    }
    locks_.push_back(std::move(lock));
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

void OpenFolder(const std::string& folder) {
  if (!ff::UI().OpenWithDefaultApp(folder))
    ff::UI().ShowError(texts::NoFolderLauncher(ff::gbk::PathInText(folder)));
}

QProcess* StartOpener(const std::string& path) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return nullptr;
  auto* process = new QProcess(QCoreApplication::instance());
  process->setProgram(opener);
  process->setArguments({PathToQ(path)});
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardInputFile(QProcess::nullDevice());
  const QFileInfo info(PathToQ(path));
  const texts::OpenedKind kind = info.isDir()                                   ? texts::OpenedKind::Folder
                                 : info.suffix().startsWith(QStringLiteral("htm")) ? texts::OpenedKind::WebPage
                                                                                  : texts::OpenedKind::TextFile;
  QObject::connect(process, &QProcess::finished, process, [process, path, kind](int code, QProcess::ExitStatus) {
    process->deleteLater();
    if (code == 0) return;
    // What the opener said, its last lines: the program it looked for.
    QStringList lines = QString::fromLocal8Bit(process->readAllStandardError()).trimmed().split(QLatin1Char('\n'));
    if (lines.size() > 6) lines = lines.mid(lines.size() - 6);
    const QString said = lines.join(QLatin1Char('\n'));
    ff::UI().ShowError(texts::OpenerFailed(ff::gbk::PathInText(path), std::to_string(code), FromQ(said), kind));
  });
  process->start();
  if (!process->waitForStarted()) {
    delete process;
    return nullptr;
  }
  return process;
}

}  // namespace ff::gui
