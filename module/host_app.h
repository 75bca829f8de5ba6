// What the pages ask of the host application.
#pragma once

#include <string>

namespace ff::gui {

// The folder part of the host application's help file path, which the
// window framework derives from the host executable's path: the host
// program's folder (GBK), or "" when unknown.
std::string HelpFileFolder();

// The folder a page starts with when none is stored: `stored` when it is
// not empty, else the host program's folder, else ".".
std::string StartFolder(const std::string& stored);

}  // namespace ff::gui
