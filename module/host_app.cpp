#include "module/host_app.h"

#include <QCoreApplication>
#include <QDir>

#include "module/output_folder.h"
#include "module/qt_text.h"

namespace ff::gui {

std::string HelpFileFolder() {
  if (!QCoreApplication::instance()) return {};
  // The help file sits beside the program: <program>.hlp.
  const std::string helpFile = PathFromQ(QCoreApplication::applicationFilePath()) + ".hlp";
  const size_t slash = helpFile.rfind('/');
  return slash == std::string::npos ? std::string() : helpFile.substr(0, slash);
}

std::string DefaultOutputFolder() { return PathFromQ(QDir::homePath() + QStringLiteral("/FidForge")); }

std::string StartFolder(const std::string& stored) {
  if (!stored.empty()) return AbsoluteFolder(stored);
  return DefaultOutputFolder();
}

}  // namespace ff::gui
