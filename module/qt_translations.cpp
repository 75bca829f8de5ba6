#include "module/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ff::gui {

QString InstallQtTranslations() {
  static QString installed;
  static bool done = false;
  if (done || !QCoreApplication::instance()) return installed;
  done = true;
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto* translator = new QTranslator(QCoreApplication::instance());
  // English is what Qt speaks untranslated: a Chinese program then falls
  // back to Chinese instead.
  const QLocale user = QLocale::system();
  const bool english = user.language() == QLocale::English || user.language() == QLocale::C;
  if (!english && translator->load(user, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
    installed = user.name();
  } else if (translator->load(QStringLiteral("qtbase_zh_CN"), folder)) {
    installed = QStringLiteral("zh_CN");
  } else {
    delete translator;
    return installed;
  }
  QCoreApplication::installTranslator(translator);
  return installed;
}

}  // namespace ff::gui
