// The author, company and copyright of the routine comments, in the
// module's own settings key (host/settings_key.h): on Linux the group
// "KestrelComment" of <config>/KestrelSoft/AddIns.ini, on Windows the
// registry key HKEY_CURRENT_USER\Software\KestrelSoft\AddIns\KestrelComment.
#include "login/comment_settings.h"

#include "host/gbk_text.h"
#include "host/settings_key.h"
#include "res/settings_texts.h"

namespace {

constexpr const char* kOrganization = "KestrelSoft";
constexpr const char* kApplication = "AddIns";
constexpr const char* kGroup = "KestrelComment";
// The largest author a read accepts, as the host's buffer held it.
constexpr size_t kMaxAuthorBytes = 1023;

// Reads a value of the open key; false when it is missing.
bool ReadValue(ff::SettingsKey& key, const char* name, std::string& text) {
  std::string utf8;
  if (!key.Read(name, utf8)) return false;
  text = ff::gbk::FromUtf8(utf8);
  return true;
}

void WriteValue(ff::SettingsKey& key, const char* name, const std::string& text) {
  key.Write(name, ff::gbk::ToUtf8(text));
}

}  // namespace

namespace ff {

std::string CurrentUserName() { return gbk::FromUtf8(LoginName()); }

}  // namespace ff

CCommentSettings::CCommentSettings() = default;

CCommentSettings::~CCommentSettings() { key_.reset(); }

const char* CCommentSettings::DefaultCompany() { return ff::res::SettingsDefaultCompany().c_str(); }

void CCommentSettings::Load() {
  if (loaded_) return;
  auto file = std::make_unique<ff::SettingsKey>(kOrganization, kApplication, kGroup);
  const bool exists = file->Existed();
  if (exists) {
    key_ = std::move(file);  // any key held before is released here

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
    key_->Sync();
    loaded_ = true;
    return;
  }
  // No key yet: create it with every value at its default.
  key_ = std::move(file);
  author_ = ff::CurrentUserName();
  company_ = DefaultCompany();
  copyRight_ = ff::res::SettingsCopyRightCreated();
  WriteValue(*key_, "Author", author_);
  WriteValue(*key_, "Company", company_);
  WriteValue(*key_, "CopyRight", copyRight_);
  key_->Sync();
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
  if (!key_->Sync()) return false;
  // Read again at the next use, with the defaults for empty values.
  Close();
  author_.clear();
  company_.clear();
  copyRight_.clear();
  return true;
}

std::string CCommentSettings::FilePath() {
  return ff::SettingsKey::Location(kOrganization, kApplication, kGroup);
}
