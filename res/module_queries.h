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

// The functions and parameters of every module of a kind at once, for a
// run over all modules: each selects the columns of its module query (the
// same captions, the same order) and two more at the end, and orders the
// rows by the module first, then as the module query orders them, so that
// each module's rows are one run of the result. The last column,
// CaptionModuleKey(), holds the module id as stored (T154.F26, T161.F7 of
// the function); a module's rows are those whose key is its id.
// The functions' second last column, CaptionUnfound(), is 1 for a
// function that the padded-codes query above would count, else 0.
const std::string& FosKindFunctionsQuery();
const std::string& BlsKindFunctionsQuery();
const std::string& FosKindRequestQuery();
const std::string& FosKindAnswerQuery();
const std::string& BlsKindRequestQuery();
const std::string& BlsKindAnswerQuery();
const std::string& CaptionModuleKey();  // "MODULEKEY"
const std::string& CaptionUnfound();    // "UNFOUND"

// The column of a parameter row that holds its function's number (T156.F13,
// T162.F1): "功能码".
const std::string& CaptionParamOwner();

}  // namespace ff::res::fn
