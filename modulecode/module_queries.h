// The queries that make a module's source pair, named in one place for the
// generator that sends them and for the run that reads them ahead
// (code::QueryAhead).
#pragma once

#include <string>
#include <vector>

namespace ff::code {

// The records of the module's functions; Process.h and Process.cpp each
// send it.
std::string ModuleFunctionsQuery(bool bls, long moduleId);

// The request (`answers`: answer) parameters of all the module's functions.
std::string ModuleParametersQuery(bool bls, bool answers, long moduleId);

// The queries of Process.h and then Process.cpp, in the order they are
// sent when each function's code finds only its own record (the usual
// case; otherwise the functions are queried one by one and the parameter
// queries are not sent). `sourceFirst`: Process.cpp is made first (a
// merge makes the new source text before the header is written).
std::vector<std::string> ModulePairQueries(bool bls, long moduleId, bool sourceFirst = false);

// Hands ModulePairQueries to the active QueryAhead of this thread, if any:
// a run calls it for the next module as it begins each one.
void ReadModuleAhead(bool bls, long moduleId, bool sourceFirst = false);

}  // namespace ff::code
