// The settings keys on Linux (host/settings_key.h): groups of INI files
// under the user's configuration folder, through Qt's settings.
#include "host/settings_key.h"

#include <pwd.h>
#include <unistd.h>

#include <QSettings>
#include <QStringList>
#include <cstdlib>
#include <vector>

#include "host/settings_file.h"

namespace ff {

struct SettingsKey::Store {
  Store(const char* organization, const char* application)
      : file(SettingsFilePath(organization, application), QSettings::IniFormat) {}
  QSettings file;
  bool existed = false;
};

SettingsKey::SettingsKey(const char* organization, const char* application, const char* group)
    : store_(std::make_unique<Store>(organization, application)) {
  // A group exists in the file once it holds any value.
  store_->existed = store_->file.childGroups().contains(QLatin1String(group));
  store_->file.beginGroup(QLatin1String(group));
}

SettingsKey::~SettingsKey() = default;

bool SettingsKey::Existed() const { return store_->existed; }

bool SettingsKey::Read(const char* name, std::string& utf8) const {
  const QVariant value = store_->file.value(QLatin1String(name));
  if (!value.isValid()) return false;
  utf8 = value.toString().toUtf8().toStdString();
  return true;
}

void SettingsKey::Write(const char* name, const std::string& utf8) {
  store_->file.setValue(QLatin1String(name), QString::fromUtf8(utf8));
}

bool SettingsKey::Sync() {
  store_->file.sync();
  return store_->file.status() == QSettings::NoError;
}

std::string SettingsKey::Location(const char* organization, const char* application, const char*) {
  return SettingsFilePath(organization, application).toLocal8Bit().toStdString();
}

std::string LoginName() {
  std::vector<char> buffer(16384);
  struct passwd entry{};
  struct passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name &&
      found->pw_name[0])
    return found->pw_name;
  // Containers sometimes run a user the password file does not list.
  for (const char* variable : {"USER", "LOGNAME"}) {
    const char* name = std::getenv(variable);
    if (name && name[0]) return name;
  }
  return {};
}

}  // namespace ff
