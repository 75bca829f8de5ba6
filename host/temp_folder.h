// The user's own temporary folder. Each user of a machine gets a folder
// that only that user can enter, so that the fixed names written there (the
// preview header, the editor file) never meet another user's files.
#pragma once

#include <string>

namespace ff {

// The folder, made on first use (mode 0700): "$XDG_RUNTIME_DIR/fidforge"
// when the session has a runtime folder, else "fidforge-<uid>" in the
// system's temporary folder ($TMPDIR, else /tmp). A folder that exists but
// is not a folder of this user's, or is a link, is refused, never used.
// Paths are the system's bytes. False with `error` (GBK) when there is none;
// `notOwn` (GBK) is the reason given for a folder of someone else's.
bool UserTempFolder(std::string& folder, std::string& error, const std::string& notOwn);

// The path of `fileName` (the system's bytes) in FidForge's folder of the
// user's data, where a database named without a folder lives:
// "$XDG_DATA_HOME/fidforge" (else "~/.local/share/fidforge"); on Windows
// "%LOCALAPPDATA%\fidforge". The folder may not exist yet.
std::string UserDataFile(const std::string& fileName);

}  // namespace ff
