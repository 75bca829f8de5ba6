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

// The queries of Process.cpp alone (and of the module's page of the
// dictionary site): its function list, its request and answer parameters.
std::vector<std::string> ModuleSourceQueries(bool bls, long moduleId);

// The queries of Process.h and Process.cpp, each as often as they are sent
// when each function's code finds only its own record (the usual case;
// otherwise the functions are queried one by one and the parameter
// queries are not sent).
std::vector<std::string> ModulePairQueries(bool bls, long moduleId);

}  // namespace ff::code
