// Where FidForge's own files are, seen from the running program: installed,
// the module folder (FF_MODULE_DIR, relative to the program's folder, e.g.
// /usr/bin -> /usr/lib/fidforge); in the build tree, build/lib beside
// build/bin. So an installation works under any prefix.
#pragma once

#include <string>

namespace ff {

// The path of the T-SQL SQLite extension (libfidforge_tsql.so) that belongs
// to the running program, or "" when there is none.
std::string InstalledTsqlExtension();

}  // namespace ff
