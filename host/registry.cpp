// The host's registry values, kept in the group "Host" of
// <config>/FidForge/fidforge.ini.
#include "host/registry.h"

#include <QSettings>

#include "host/gbk_text.h"
#include "host/settings_file.h"

CKestrelReg theReg;

namespace {

QString Key(const std::string& name) {
  return QStringLiteral("Host/") + QString::fromUtf8(ff::gbk::ToUtf8(name));
}

}  // namespace

void CKestrelReg::Write(const std::string& name, const std::string& value) {
  QSettings settings(ff::SettingsFilePath("FidForge", "fidforge"), QSettings::IniFormat);
  settings.setValue(Key(name), QString::fromUtf8(ff::gbk::ToUtf8(value)));
}

void CKestrelReg::WritePath(const std::string& name, const std::string& path) {
  QSettings settings(ff::SettingsFilePath("FidForge", "fidforge"), QSettings::IniFormat);
  settings.setValue(Key(name), QString::fromLocal8Bit(path.c_str()));
}

std::string CKestrelReg::GetPath(const std::string& name) const {
  QSettings settings(ff::SettingsFilePath("FidForge", "fidforge"), QSettings::IniFormat);
  QVariant value = settings.value(Key(name));
  if (!value.isValid()) return {};
  return value.toString().toLocal8Bit().toStdString();
}

std::string CKestrelReg::GetReg(const std::string& name) const {
  QSettings settings(ff::SettingsFilePath("FidForge", "fidforge"), QSettings::IniFormat);
  QVariant value = settings.value(Key(name));
  if (!value.isValid()) return {};
  return ff::gbk::FromUtf8(value.toString().toUtf8().toStdString());
}
