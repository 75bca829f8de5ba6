#include "module/host_app.h"

#include <QCoreApplication>

#include "host/gbk_text.h"
#include "module/qt_text.h"

namespace ff::gui {

std::string HelpFileFolder() {
  if (!QCoreApplication::instance()) return {};
  // The help file sits beside the program: <program>.hlp.
  const std::string helpFile = FromQ(QCoreApplication::applicationFilePath()) + ".hlp";
  const size_t slash = ff::gbk::FindLast(helpFile, "/");
  return slash == std::string::npos ? std::string() : helpFile.substr(0, slash);
}

std::string StartFolder(const std::string& stored) {
  if (!stored.empty()) return stored;
  std::string folder = HelpFileFolder();
  return folder.empty() ? std::string(1, '.') : folder;
}

}  // namespace ff::gui
