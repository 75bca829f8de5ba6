// The author, company and copyright of the routine comments. The module's
// key lives in <config>/KestrelSoft/AddIns.ini as the group
// "KestrelComment"; the key exists when the group holds any value.
#include "login/comment_settings.h"

#include <pwd.h>
#include <unistd.h>

#include <QSettings>
#include <QStringList>
#include <cstdlib>
#include <vector>

#include "host/gbk_text.h"
#include "host/settings_file.h"
#include "res/settings_texts.h"

namespace {

constexpr const char* kGroup = "KestrelComment";
// The largest author a read accepts, as the host's buffer held it.
constexpr size_t kMaxAuthorBytes = 1023;

std::unique_ptr<QSettings> OpenSettingsFile() {
  return std::make_unique<QSettings>(ff::SettingsFilePath("KestrelSoft", "AddIns"), QSettings::IniFormat);
}

// Reads a value of the open key; false when it is missing.
bool ReadValue(QSettings& key, const char* name, std::string& text) {
  QVariant value = key.value(QLatin1String(name));
  if (!value.isValid()) return false;
  text = ff::gbk::FromUtf8(value.toString().toUtf8().toStdString());
  return true;
}

void WriteValue(QSettings& key, const char* name, const std::string& text) {
  key.setValue(QLatin1String(name), QString::fromUtf8(ff::gbk::ToUtf8(text)));
}

}  // namespace

namespace ff {

std::string CurrentUserName() {
  std::vector<char> buffer(16384);
  struct passwd entry{};
  struct passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_name && found->pw_name[0])
    return gbk::FromUtf8(found->pw_name);
  // Containers sometimes run a user the password file does not list.
  for (const char* variable : {"USER", "LOGNAME"}) {
    const char* name = std::getenv(variable);
    if (name && name[0]) return gbk::FromUtf8(name);
  }
  return {};
}

}  // namespace ff

CCommentSettings::CCommentSettings() = default;

CCommentSettings::~CCommentSettings() { key_.reset(); }

const char* CCommentSettings::DefaultCompany() { return ff::res::SettingsDefaultCompany().c_str(); }

void CCommentSettings::Load() {
  if (loaded_) return;
  auto file = OpenSettingsFile();
  const bool exists = file->childGroups().contains(QLatin1String(kGroup));
  if (exists) {
    key_ = std::move(file);  // any key held before is released here
    key_->beginGroup(QLatin1String(kGroup));

    std::string text;
    if (ReadValue(*key_, "Author", text) && text.size() <= kMaxAuthorBytes) author_ = ff::gbk::TrimLeft(text);
    if (author_.empty()) {
      author_ = ff::CurrentUserName();
      WriteValue(*key_, "Author", author_);
    }
    // A company the user set is kept; a missing or empty one becomes the
    // default.
    if (ReadValue(*key_, "Company", text)) company_ = text;
    if (ff::gbk::Trim(company_).empty()) {
      company_ = DefaultCompany();
      WriteValue(*key_, "Company", company_);
    }
    if (ReadValue(*key_, "CopyRight", text)) copyRight_ = text;
    if (copyRight_.empty()) {
      copyRight_ = ff::res::SettingsCopyRightExisting();
      WriteValue(*key_, "CopyRight", copyRight_);
    }
    key_->sync();
    loaded_ = true;
    return;
  }
  // No key yet: create it with every value at its default.
  key_ = std::move(file);
  key_->beginGroup(QLatin1String(kGroup));
  author_ = ff::CurrentUserName();
  company_ = DefaultCompany();
  copyRight_ = ff::res::SettingsCopyRightCreated();
  WriteValue(*key_, "Author", author_);
  WriteValue(*key_, "Company", company_);
  WriteValue(*key_, "CopyRight", copyRight_);
  key_->sync();
  loaded_ = true;
}

void CCommentSettings::Close() {
  if (loaded_) {
    key_.reset();
    loaded_ = false;
  }
}

std::string CCommentSettings::GetAuthor() {
  Load();
  return author_;
}

std::string CCommentSettings::CommentCopyRight() {
  Load();
  const std::string value = ff::gbk::Trim(copyRight_);
  if (value == ff::res::SettingsCopyRightExisting() || value == ff::res::SettingsCopyRightCreated()) return {};
  return value;
}

std::string CCommentSettings::CommentCompany() {
  Load();
  const std::string value = ff::gbk::Trim(company_);
  return value == DefaultCompany() ? std::string() : value;
}

bool CCommentSettings::Save(const std::string& author, const std::string& company, const std::string& copyRight) {
  Load();
  if (!key_) return false;
  WriteValue(*key_, "Author", author);
  WriteValue(*key_, "Company", company);
  WriteValue(*key_, "CopyRight", copyRight);
  key_->sync();
  if (key_->status() != QSettings::NoError) return false;
  // Read again at the next use, with the defaults for empty values.
  Close();
  author_.clear();
  company_.clear();
  copyRight_.clear();
  return true;
}

std::string CCommentSettings::FilePath() {
  return ff::SettingsFilePath("KestrelSoft", "AddIns").toLocal8Bit().toStdString();
}
