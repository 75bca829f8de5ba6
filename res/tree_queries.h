// The queries of the module/function tree (GBK, SQL Server text, exactly
// as stored, trailing CR LF and comments included).
#pragma once

#include <string>

namespace ff::res {

// The modules: 模块ID (STR text), 模块名称, 模块中文名称.
const std::string& BlsModuleQuery();  // T164
const std::string& FosModuleQuery();  // T158
inline const std::string& ModuleQuery(bool bls) { return bls ? BlsModuleQuery() : FosModuleQuery(); }

// The same modules in the same order with their ids as stored, not through
// STR's ten characters: what the command line addresses a module by.
const std::string& BlsExactModuleQuery();  // T164
const std::string& FosExactModuleQuery();  // T158
inline const std::string& ExactModuleQuery(bool bls) { return bls ? BlsExactModuleQuery() : FosExactModuleQuery(); }

// The functions of one module, with the system's "%d" for the module
// number: fill it with FunctionQuery.
const std::string& BlsFunctionQueryTemplate();  // T161
const std::string& FosFunctionQueryTemplate();  // T154
inline const std::string& FunctionQueryTemplate(bool bls) {
  return bls ? BlsFunctionQueryTemplate() : FosFunctionQueryTemplate();
}
// The template with its "%d" filled with `module` in decimal.
std::string FunctionQuery(bool bls, long module);

}  // namespace ff::res
