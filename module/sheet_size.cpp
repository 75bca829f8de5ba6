#include "module/sheet_size.h"

#include <QSettings>

#include "host/settings_file.h"

namespace ff::gui {

namespace {
const QString kKey = QStringLiteral("Desktop/SheetSize");
}

QSize StoredSheetSize() {
  QSettings settings(ff::SettingsFilePath("FidForge", "fidforge"), QSettings::IniFormat);
  const QSize size = settings.value(kKey).toSize();
  return size.isValid() && size.width() > 0 && size.height() > 0 ? size : QSize();
}

void StoreSheetSize(const QSize& size) {
  QSettings settings(ff::SettingsFilePath("FidForge", "fidforge"), QSettings::IniFormat);
  settings.setValue(kKey, size);
}

}  // namespace ff::gui
