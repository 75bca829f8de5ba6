// The parameter queries of a whole module: the per-function parameter
// queries (function_templates.h) for every function of one module at once.
// Each selects the same columns as its per-function query and orders the
// same way after the function's number, so that each function's rows are
// one run of the result in its own query's order. %d is the module id.
#pragma once

#include <string>

namespace ff::res::fn {

const std::string& FosModuleRequestQuery();
const std::string& FosModuleAnswerQuery();
const std::string& BlsModuleRequestQuery();
const std::string& BlsModuleAnswerQuery();

// The functions of a module whose stored code does not compare equal to
// itself without its trailing blanks under the column's own comparison (a
// SQLite column without COLLATE RTRIM): the single-function query, which
// looks for the trimmed code, does not find them. One column, N. %d is the
// module id.
const std::string& FosUnfoundPaddedCodesQuery();
const std::string& BlsUnfoundPaddedCodesQuery();

// The column of a parameter row that holds its function's number (T156.F13,
// T162.F1): "功能码".
const std::string& CaptionParamOwner();

}  // namespace ff::res::fn
