#include "res/tree_queries.h"

#include "res/system_format.h"
#include "res/text.h"

namespace ff::res {

const std::string& BlsModuleQuery() {
  return FF_GBK("SELECT STR(ID) 模块ID, F4 模块名称, F3 模块中文名称, STR(F2) ID  FROM T164\r\n");
}

const std::string& FosModuleQuery() {
  return FF_GBK("SELECT STR(ID) 模块ID, F3 模块名称, F2 模块中文名称 FROM T158\r\n");
}

const std::string& BlsExactModuleQuery() {
  return FF_GBK("SELECT ID 模块ID, F4 模块名称, F3 模块中文名称 FROM T164\r\n");
}

const std::string& FosExactModuleQuery() {
  return FF_GBK("SELECT ID 模块ID, F3 模块名称, F2 模块中文名称 FROM T158\r\n");
}

const std::string& BlsFunctionQueryTemplate() {
  return FF_GBK(
      " SELECT STR(ISNULL(ID, 0)) ID, STR(ISNULL(F7, 0)) MODULEID,STR(F1) BLSID, F2 BLS编码, F3 BLS名称, "
      "F4 FUNNAME,F8 DESIGN, F12 NOTE,STR(ISNULL(F14,0)) 应答类型, STR(ISNULL(F5,1)) 交易类型 FROM T161  "
      "where F7 =%d  ORDER BY F1 \r\n --BLS");
}

const std::string& FosFunctionQueryTemplate() {
  return FF_GBK(
      "SELECT STR(ISNULL(ID, 0)) ID,STR(ISNULL(F26, 0)) MODULEID,STR(F18) FOSID, F19 FOS编码, F22 FOS名称, "
      "F24 FUNNAME, F28 DESIGN,F32 NOTE,STR(ISNULL(F34,0)) 应答类型  FROM T154 WHERE  F26 = %d ORDER BY F18  "
      "\r\n --FOS");
}

std::string FunctionQuery(Kind kind, long module) {
  return SystemFormat(Of(kind).functionQueryTemplate, {std::to_string(module)});
}

}  // namespace ff::res
