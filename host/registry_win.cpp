// The host's registry values on Windows (host/registry.h): the registry
// key HKEY_CURRENT_USER\Software\FidForge\Host, the values as texts.
#include "host/registry.h"

#include "host/gbk_text.h"
#include "host/settings_key.h"

CKestrelReg theReg;

namespace {

constexpr const char* kOrganization = "FidForge";
constexpr const char* kApplication = "fidforge";
constexpr const char* kGroup = "Host";

std::string Read(const std::string& name) {
  ff::SettingsKey key(kOrganization, kApplication, kGroup);
  std::string utf8;
  return key.Read(name.c_str(), utf8) ? utf8 : std::string();
}

void Store(const std::string& name, const std::string& utf8) {
  ff::SettingsKey key(kOrganization, kApplication, kGroup);
  key.Write(name.c_str(), utf8);
  key.Sync();
}

}  // namespace

void CKestrelReg::Write(const std::string& name, const std::string& value) { Store(name, ff::gbk::ToUtf8(value)); }

// Paths are UTF-8 on Windows too: stored as the text they are.
void CKestrelReg::WritePath(const std::string& name, const std::string& path) { Store(name, path); }

std::string CKestrelReg::GetPath(const std::string& name) const { return Read(name); }

std::string CKestrelReg::GetReg(const std::string& name) const { return ff::gbk::FromUtf8(Read(name)); }
