// The function texts of a whole module source, read with a few queries for
// the module instead of three for each function.
//
// Function by function, the source file costs one function query and up
// to two parameter queries per function; on SQL Server each is a network
// round trip. Here the function records come from the module query the
// source file reads anyway, and the parameters from one request and one
// answer query for the whole module or kind (ModuleParameters). The texts are the
// same bytes as MakeFosFunctionText/MakeBlsFunctionText give for each
// function's code.
#pragma once

#include <memory>
#include <string>

class CCodeMaker;
class CMemRecord;

namespace ff::code {

class FunctionParameters;
struct ModuleRows;

class ModuleFunctionTexts {
 public:
  // The parameters come from `rows` where it holds them.
  ModuleFunctionTexts(CCodeMaker& maker, ModuleRows& rows);
  ~ModuleFunctionTexts();
  ModuleFunctionTexts(const ModuleFunctionTexts&) = delete;
  ModuleFunctionTexts& operator=(const ModuleFunctionTexts&) = delete;

  // The text of the function in the current row of `functions`, a row of
  // the module query: what the function text operation gives for the
  // row's trimmed code when that code selects this row alone (see
  // EachCodeFindsOnlyItself). Fails as that operation does: a failed
  // query throws ff::QueryError, other failures give false.
  bool Make(const CMemRecord& functions, std::string& text);

 private:
  CCodeMaker& maker_;
  ff::Kind kind_;
  std::unique_ptr<FunctionParameters> parameters_;
};

}  // namespace ff::code
