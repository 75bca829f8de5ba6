// Where the settings files live: the user's configuration folder,
// $XDG_CONFIG_HOME or else ~/.config, read afresh on every call so that a
// changed environment (the tests' sandbox) takes effect at once.
#pragma once

#include <QString>

namespace ff {

// "<config>/<organization>/<application>.ini"
QString SettingsFilePath(const char* organization, const char* application);

}  // namespace ff
