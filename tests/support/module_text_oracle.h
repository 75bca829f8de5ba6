// What a module source file must hold, made the long way: the module's
// function list, then each function's text from the function text
// operation, which queries the function again by its code. The module
// source may read the database any way it likes but must give these bytes.
#pragma once

#include <string>

class CCodeMaker;

namespace ff::test {

// The include block and every function text of the module, each followed
// by its empty line, as the source file holds them after its comment.
std::string FunctionByFunctionSource(CCodeMaker& maker, bool bls, long module);

}  // namespace ff::test
