// The settings keys on Windows (host/settings_key.h): registry keys under
// HKEY_CURRENT_USER\Software, the values as texts (REG_SZ).
#include "host/settings_key.h"

#include <iterator>
#include <vector>

#include "host/wide_path_win.h"

namespace ff {

namespace {

std::wstring KeyPath(const char* organization, const char* application, const char* group) {
  return L"Software\\" + win::Wide(organization) + L"\\" + win::Wide(application) + L"\\" + win::Wide(group);
}

}  // namespace

struct SettingsKey::Store {
  std::wstring path;
  HKEY key = nullptr;
  bool existed = false;
  bool failed = false;
};

SettingsKey::SettingsKey(const char* organization, const char* application, const char* group)
    : store_(std::make_unique<Store>()) {
  store_->path = KeyPath(organization, application, group);
  store_->existed =
      ::RegOpenKeyExW(HKEY_CURRENT_USER, store_->path.c_str(), 0, KEY_READ | KEY_WRITE, &store_->key) == ERROR_SUCCESS;
  if (!store_->existed) {
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, store_->path.c_str(), 0, KEY_READ, &store_->key) == ERROR_SUCCESS) {
      store_->existed = true;  // there, but not ours to change
    } else {
      store_->key = nullptr;
    }
  }
}

SettingsKey::~SettingsKey() {
  if (store_->key) ::RegCloseKey(store_->key);
}

bool SettingsKey::Existed() const { return store_->existed; }

bool SettingsKey::Read(const char* name, std::string& utf8) const {
  if (!store_->key) return false;
  const std::wstring value = win::Wide(name);
  DWORD type = 0, size = 0;
  if (::RegQueryValueExW(store_->key, value.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
  if (::RegQueryValueExW(store_->key, value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
      ERROR_SUCCESS)
    return false;
  size_t length = size / sizeof(wchar_t);
  while (length > 0 && text[length - 1] == L'\0') --length;  // the stored terminator
  utf8 = win::Utf8(std::wstring_view(text.data(), length));
  return true;
}

void SettingsKey::Write(const char* name, const std::string& utf8) {
  if (!store_->key || !store_->existed) {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, store_->path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key,
                          nullptr) != ERROR_SUCCESS) {
      store_->failed = true;
      return;
    }
    if (store_->key) ::RegCloseKey(store_->key);
    store_->key = key;
  }
  const std::wstring text = win::Wide(utf8);
  if (::RegSetValueExW(store_->key, win::Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS)
    store_->failed = true;
}

bool SettingsKey::Sync() {
  if (store_->key) ::RegFlushKey(store_->key);
  const bool ok = !store_->failed;
  store_->failed = false;
  return ok;
}

std::string SettingsKey::Location(const char* organization, const char* application, const char* group) {
  return "HKEY_CURRENT_USER\\" + win::Utf8(KeyPath(organization, application, group));
}

std::string LoginName() {
  wchar_t name[257];
  DWORD size = static_cast<DWORD>(std::size(name));
  if (::GetUserNameW(name, &size) && size > 1) return win::Utf8(std::wstring_view(name, size - 1));
  return {};
}

}  // namespace ff
