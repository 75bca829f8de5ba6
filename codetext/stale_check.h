// The stale check of a build pipeline (--check): a generation is made as
// usual, but only compared with the file on disk. Nothing is written next
// to the target, no folder is made, and the target keeps its bytes and its
// time.
#pragma once

#include <functional>
#include <string>

#include "codetext/gen_file.h"

namespace ff {

// Runs `write` into memory and compares the result, in the output
// encoding, with `path` (the system's bytes). Nothing is made anywhere,
// not even a temporary file. Unchanged, or WouldChange (a missing target
// would change too; counted in Output().wouldChange). Throws
// CFileException when the target exists but cannot be read.
FileOutcome CompareWithTarget(const std::string& path, const std::function<void(GenFile&)>& write);

}  // namespace ff
