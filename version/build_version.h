// The version of this build, for `--version`: the project's version and,
// when built from a git checkout, the commit (marked when the work tree
// held changes that were not committed).
#pragma once

namespace ff {

// "1.0.0", or "1.0.0 (commit 80bb4c6e1a2b)", or
// "1.0.0 (commit 80bb4c6e1a2b, modified)".
const char* BuildVersion();

}  // namespace ff
