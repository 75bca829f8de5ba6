#include "module/sheet_size.h"

#include <QSettings>

#include "host/settings_file.h"

namespace ff::gui {

namespace {
const QString kKey = QStringLiteral("Desktop/SheetSize");
const QString kMaximizedKey = QStringLiteral("Desktop/SheetMaximized");
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

bool StoredSheetMaximized() {
  QSettings settings(ff::SettingsFilePath("FidForge", "fidforge"), QSettings::IniFormat);
  return settings.value(kMaximizedKey).toBool();
}

void StoreSheetMaximized(bool maximized) {
  QSettings settings(ff::SettingsFilePath("FidForge", "fidforge"), QSettings::IniFormat);
  settings.setValue(kMaximizedKey, maximized);
}

}  // namespace ff::gui
