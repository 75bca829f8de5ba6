// One key of the user's settings: named texts under organization /
// application / group. On Linux the group of the file
// <config>/<organization>/<application>.ini (host/settings_file.h); on
// Windows the registry key
// HKEY_CURRENT_USER\Software\<organization>\<application>\<group>, where
// Windows programs keep theirs.
#pragma once

#include <memory>
#include <string>

namespace ff {

class SettingsKey {
 public:
  SettingsKey(const char* organization, const char* application, const char* group);
  ~SettingsKey();
  SettingsKey(const SettingsKey&) = delete;
  SettingsKey& operator=(const SettingsKey&) = delete;

  // True when the key was there before this object wrote to it.
  bool Existed() const;
  // The value `name` (UTF-8); false when there is none.
  bool Read(const char* name, std::string& utf8) const;
  void Write(const char* name, const std::string& utf8);
  // Puts what was written in place; false when it could not be stored.
  bool Sync();

  // Where the key is, for messages (the system's bytes).
  static std::string Location(const char* organization, const char* application, const char* group);

 private:
  struct Store;
  std::unique_ptr<Store> store_;
};

// The login name of the process's user (UTF-8), empty when unknown.
std::string LoginName();

}  // namespace ff
