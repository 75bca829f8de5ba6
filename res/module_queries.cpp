#include "res/module_queries.h"

#include "res/text.h"

namespace ff::res::fn {

const std::string& FosModuleRequestQuery() {
  return FF_GBK(
      "SELECT STR(B.ID) ID,A.F13 功能码,A.F15 FID编码,A.F3 参数名称, A.F4 参数类型,STR(A.F5) 强制标志, STR(A.F7) 参数数据类型 FROM T156 A , T154 B WHERE  A.F4 = 1 AND A.F13 = B.ID AND B.ID IN (SELECT ID FROM T154 WHERE F26 = %d) ORDER BY B.ID, A.F7,DATALENGTH(RTRIM(A.F15)) DESC, A.F15");
}

const std::string& FosModuleAnswerQuery() {
  return FF_GBK(
      "SELECT STR(B.ID) ID,A.F13 功能码,A.F15 FID编码,A.F3 参数名称, A.F4 参数类型,STR(A.F5) 强制标志, STR(A.F7) 参数数据类型 FROM T156 A , T154 B WHERE  A.F4 = 2 AND A.F13 = B.ID AND B.ID IN (SELECT ID FROM T154 WHERE F26 = %d) ORDER BY B.ID, A.F7, DATALENGTH(RTRIM(A.F15)) DESC,A.F15");
}

const std::string& BlsModuleRequestQuery() {
  return FF_GBK(
      "SELECT A.F1 功能码,A.F2 FID编码,A.F3 参数名称, STR(A.F4) 参数类型,STR(A.F5) 强制标志, A.F6 取值范围,STR(A.F7) 参数数据类型, STR(A.F8) 参数精度,STR(A.F9) 小数点长度,A.F10 备注信息,A.F11 测试默认值 FROM T162 A , T161 B WHERE  A.F4 = 1 AND A.F1 = B.ID AND B.ID IN (SELECT ID FROM T161 WHERE F7 = %d) ORDER BY B.ID, A.F7, DATALENGTH(RTRIM(A.F2)) DESC, A.F2 --BLS");
}

const std::string& BlsModuleAnswerQuery() {
  return FF_GBK(
      "SELECT A.F1 功能码,A.F2 FID编码,A.F3 参数名称, STR(A.F4) 参数类型,STR(A.F5) 强制标志, A.F6 取值范围,STR(A.F7) 参数数据类型, STR(A.F8) 参数精度,STR(A.F9) 小数点长度,A.F10 备注信息,A.F11 测试默认值 FROM T162 A, T161 B WHERE  A.F4 = 2 AND A.F1 = B.ID AND B.ID IN (SELECT ID FROM T161 WHERE F7 = %d) ORDER BY B.ID, A.F7, DATALENGTH(RTRIM(A.F2)) DESC,A.F2 --BLS A");
}

const std::string& FosUnfoundPaddedCodesQuery() {
  return FF_GBK("SELECT COUNT(*) N FROM T154 WHERE F26 = %d AND F19 <> RTRIM(F19)");
}

const std::string& BlsUnfoundPaddedCodesQuery() {
  return FF_GBK("SELECT COUNT(*) N FROM T161 WHERE F7 = %d AND F2 <> RTRIM(F2)");
}

const std::string& CaptionParamOwner() { return FF_GBK("功能码"); }

}  // namespace ff::res::fn
