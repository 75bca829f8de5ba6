#include "modulecode/module_queries.h"

#include "codetext/config_query.h"
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

std::vector<std::string> ModuleSourceQueries(bool bls, long moduleId) {
  return {ModuleFunctionsQuery(bls, moduleId), ModuleParametersQuery(bls, false, moduleId),
          ModuleParametersQuery(bls, true, moduleId)};
}

std::vector<std::string> ModulePairQueries(bool bls, long moduleId) {
  std::vector<std::string> queries = ModuleSourceQueries(bls, moduleId);
  queries.insert(queries.begin(), queries.front());  // Process.h's
  return queries;
}

}  // namespace ff::code
