// The whole generated output of the connected database, and its
// comparison with a snapshot folder kept in the tree.
#pragma once

#include <map>
#include <string>

namespace ff::test {

// Writes into `out`: the five headers (headers/), Process.h and Process.cpp
// of every FOS and BLS module (fos/<id>/, bls/<id>/), every function's text
// in each validation style, aligned and plain (functions/<kind>/<id>/), and
// each BLS function's client snippet, aligned and plain (snippets/<id>/).
// The compact aligned function text goes through the file form, the rest
// through the text form: both must give the same bytes.
void WriteWholeOutput(const std::string& out, const std::string& author);

// `made` (relative path -> bytes) against the files under `snapshot`: each
// byte for byte, none missing, none extra. With FF_UPDATE_SNAPSHOT=1 the
// folder is rewritten from `made` instead (review the diff before committing).
void ExpectSnapshot(const std::map<std::string, std::string>& made, const std::string& snapshot);

}  // namespace ff::test
