// What the pages ask of the host application.
#pragma once

#include <string>

namespace ff::gui {

// The folder part of the host application's help file path, which the
// window framework derives from the host executable's path: the host
// program's folder (the system's bytes), or "" when unknown.
std::string HelpFileFolder();

// The folder a page starts with: `stored` when it is not empty (made
// absolute: a relative one meant the current folder), else the user's own
// output folder DefaultOutputFolder(). The program's folder is read-only
// once installed, so it is never the default.
std::string StartFolder(const std::string& stored);
// "~/FidForge" (the system's bytes), made when first written to.
std::string DefaultOutputFolder();

}  // namespace ff::gui
