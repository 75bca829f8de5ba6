// --kind and --module N of the commands that read one module: a module the
// database does not have is an error, never an empty result.
#pragma once

#include <CLI/CLI.hpp>

#include "res/kind.h"

namespace ff::cli {

// --kind fos|bls, required, read into `kind` once.
CLI::Option* AddKindOption(CLI::App* command, Kind& kind);

// True when the database has a module of `kind` with the id `module`;
// otherwise says so on stderr. Throws QueryError when the module list
// cannot be read.
bool KnownModule(Kind kind, long module);

}  // namespace ff::cli
