// The host's registry object. On Linux the values live in an INI file under
// the user's configuration folder (QSettings; honours XDG_CONFIG_HOME).
#pragma once

#include <string>

class CKestrelReg {
 public:
  // Stores `value` (GBK) under `name`.
  void Write(const std::string& name, const std::string& value);
  // The stored value (GBK); a missing value reads as the empty text.
  std::string GetReg(const std::string& name) const;
  // A path value: the system's bytes, stored and read back as they are.
  void WritePath(const std::string& name, const std::string& path);
  std::string GetPath(const std::string& name) const;
};

extern CKestrelReg theReg;

namespace ff {
// "TRUE" exactly reads as on; anything else as off.
inline bool IsSwitchOn(const std::string& text) { return text == "TRUE"; }
inline const char* SwitchText(bool on) { return on ? "TRUE" : "FALSE"; }
}  // namespace ff
