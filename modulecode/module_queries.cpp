#include "modulecode/module_queries.h"

#include "codetext/config_query.h"
#include "codetext/query_ahead.h"
#include "res/module_queries.h"
#include "res/tree_queries.h"

namespace ff::code {

std::string ModuleFunctionsQuery(bool bls, long moduleId) {
  return QueryWithId(res::FunctionQueryTemplate(bls), moduleId);
}

std::string ModuleParametersQuery(bool bls, bool answers, long moduleId) {
  namespace fn = res::fn;
  const std::string& query = bls ? (answers ? fn::BlsModuleAnswerQuery() : fn::BlsModuleRequestQuery())
                                 : (answers ? fn::FosModuleAnswerQuery() : fn::FosModuleRequestQuery());
  return QueryWithId(query, moduleId);
}

std::vector<std::string> ModulePairQueries(bool bls, long moduleId) {
  const std::string functions = ModuleFunctionsQuery(bls, moduleId);
  return {functions, functions, ModuleParametersQuery(bls, false, moduleId),
          ModuleParametersQuery(bls, true, moduleId)};
}

void ReadModuleAhead(bool bls, long moduleId) {
  if (QueryAhead* ahead = QueryAhead::Active()) ahead->Queue(ModulePairQueries(bls, moduleId));
}

}  // namespace ff::code
