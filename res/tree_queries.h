// The queries of the module/function tree (GBK, SQL Server text, exactly
// as stored, trailing CR LF and comments included).
#pragma once

#include <string>

#include "res/kind.h"

namespace ff::res {

// The modules (Of(kind).moduleQuery): 模块ID (STR text), 模块名称, 模块中文名称.
const std::string& BlsModuleQuery();  // T164
const std::string& FosModuleQuery();  // T158

// The same modules (Of(kind).exactModuleQuery) in the same order with their ids as stored, not through
// STR's ten characters: what the command line addresses a module by.
const std::string& BlsExactModuleQuery();  // T164
const std::string& FosExactModuleQuery();  // T158

// The functions of one module, with the system's "%d" for the module
// number (Of(kind).functionQueryTemplate): fill it with FunctionQuery.
const std::string& BlsFunctionQueryTemplate();  // T161
const std::string& FosFunctionQueryTemplate();  // T154
// The template with its "%d" filled with `module` in decimal.
std::string FunctionQuery(Kind kind, long module);

}  // namespace ff::res
