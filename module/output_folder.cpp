#include "module/output_folder.h"

#include <QDir>
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
  // Messages are GBK: a name with letters outside GBK shows "?" there.
  const std::string shown = ff::gbk::FromUtf8(folder);
  if (!ff::UI().AskYesNo(texts::FolderMissingAsk(shown))) return false;
  if (!QDir().mkpath(path) || !QFileInfo(path).isDir()) {
    const std::string reason = QFileInfo::exists(path) ? texts::NotAFolder() : texts::FolderNotWritable();
    ff::UI().ShowMessage(texts::FolderNotCreated(shown, reason));
    return false;
  }
  return true;
}

void OpenFolder(const std::string& folder) {
  if (!ff::UI().OpenWithDefaultApp(folder))
    ff::UI().ShowMessage(texts::NoFolderLauncher(ff::gbk::FromUtf8(folder)));
}

}  // namespace ff::gui
