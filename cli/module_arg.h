// --module N of the commands that read one module: a module the database
// does not have is an error, never an empty result.
#pragma once

namespace ff::cli {

// True when the database has a FOS (or BLS) module with the id `module`;
// otherwise says so on stderr. Throws QueryError when the module list
// cannot be read.
bool KnownModule(bool bls, long module);

}  // namespace ff::cli
