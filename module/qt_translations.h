// Qt's own texts (standard buttons, the folder browser) in the user's
// language, Chinese when Qt has none for it: the rest of the program
// speaks Chinese, and 确定 beside "Cancel" would read oddly.
#pragma once

#include <QString>

namespace ff::gui {

// Installs the translation once per application; returns the language
// loaded ("zh_CN", "de", ...), "" when Qt's translations are not installed
// (Debian: qt6-translations-l10n).
QString InstallQtTranslations();

}  // namespace ff::gui
