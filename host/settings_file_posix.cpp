#include "host/settings_file.h"

#include <cstdlib>

namespace ff {

QString SettingsFilePath(const char* organization, const char* application) {
  QString base;
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && config[0] == '/') {
    base = QString::fromLocal8Bit(config);
  } else {
    const char* home = std::getenv("HOME");
    base = QString::fromLocal8Bit(home && home[0] ? home : ".") + QStringLiteral("/.config");
  }
  return base + QLatin1Char('/') + QLatin1String(organization) + QLatin1Char('/') +
         QLatin1String(application) + QStringLiteral(".ini");
}

}  // namespace ff
