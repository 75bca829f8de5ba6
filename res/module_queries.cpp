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

// The function queries of one module, with the flag and the key, over the
// whole table ordered by the module first.
const std::string& FosKindFunctionsQuery() {
  return FF_GBK(
      "SELECT STR(ISNULL(ID, 0)) ID,STR(ISNULL(F26, 0)) MODULEID,STR(F18) FOSID, F19 FOS编码, F22 FOS名称, F24 FUNNAME, F28 DESIGN,F32 NOTE,STR(ISNULL(F34,0)) 应答类型, CASE WHEN F19 <> RTRIM(F19) THEN 1 ELSE 0 END UNFOUND, F26 MODULEKEY FROM T154 WHERE F26 IS NOT NULL ORDER BY F26, F18 --FOS ALL");
}

const std::string& BlsKindFunctionsQuery() {
  return FF_GBK(
      "SELECT STR(ISNULL(ID, 0)) ID, STR(ISNULL(F7, 0)) MODULEID,STR(F1) BLSID, F2 BLS编码, F3 BLS名称, F4 FUNNAME,F8 DESIGN, F12 NOTE,STR(ISNULL(F14,0)) 应答类型, STR(ISNULL(F5,1)) 交易类型, CASE WHEN F2 <> RTRIM(F2) THEN 1 ELSE 0 END UNFOUND, F7 MODULEKEY FROM T161 WHERE F7 IS NOT NULL ORDER BY F7, F1 --BLS ALL");
}

// "B.ID IN (the ids of module m)" for every module m at once: C pairs each
// function id once with each module that has a function of that id.
const std::string& FosKindRequestQuery() {
  return FF_GBK(
      "SELECT STR(B.ID) ID,A.F13 功能码,A.F15 FID编码,A.F3 参数名称, A.F4 参数类型,STR(A.F5) 强制标志, STR(A.F7) 参数数据类型, C.M MODULEKEY FROM T156 A , T154 B, (SELECT DISTINCT F26 M, ID FROM T154 WHERE F26 IS NOT NULL) C WHERE  A.F4 = 1 AND A.F13 = B.ID AND B.ID = C.ID ORDER BY C.M, B.ID, A.F7,DATALENGTH(RTRIM(A.F15)) DESC, A.F15");
}

const std::string& FosKindAnswerQuery() {
  return FF_GBK(
      "SELECT STR(B.ID) ID,A.F13 功能码,A.F15 FID编码,A.F3 参数名称, A.F4 参数类型,STR(A.F5) 强制标志, STR(A.F7) 参数数据类型, C.M MODULEKEY FROM T156 A , T154 B, (SELECT DISTINCT F26 M, ID FROM T154 WHERE F26 IS NOT NULL) C WHERE  A.F4 = 2 AND A.F13 = B.ID AND B.ID = C.ID ORDER BY C.M, B.ID, A.F7, DATALENGTH(RTRIM(A.F15)) DESC,A.F15");
}

const std::string& BlsKindRequestQuery() {
  return FF_GBK(
      "SELECT A.F1 功能码,A.F2 FID编码,A.F3 参数名称, STR(A.F4) 参数类型,STR(A.F5) 强制标志, A.F6 取值范围,STR(A.F7) 参数数据类型, STR(A.F8) 参数精度,STR(A.F9) 小数点长度,A.F10 备注信息,A.F11 测试默认值, C.M MODULEKEY FROM T162 A , T161 B, (SELECT DISTINCT F7 M, ID FROM T161 WHERE F7 IS NOT NULL) C WHERE  A.F4 = 1 AND A.F1 = B.ID AND B.ID = C.ID ORDER BY C.M, B.ID, A.F7, DATALENGTH(RTRIM(A.F2)) DESC, A.F2 --BLS");
}

const std::string& BlsKindAnswerQuery() {
  return FF_GBK(
      "SELECT A.F1 功能码,A.F2 FID编码,A.F3 参数名称, STR(A.F4) 参数类型,STR(A.F5) 强制标志, A.F6 取值范围,STR(A.F7) 参数数据类型, STR(A.F8) 参数精度,STR(A.F9) 小数点长度,A.F10 备注信息,A.F11 测试默认值, C.M MODULEKEY FROM T162 A, T161 B, (SELECT DISTINCT F7 M, ID FROM T161 WHERE F7 IS NOT NULL) C WHERE  A.F4 = 2 AND A.F1 = B.ID AND B.ID = C.ID ORDER BY C.M, B.ID, A.F7, DATALENGTH(RTRIM(A.F2)) DESC,A.F2 --BLS A");
}

const std::string& CaptionModuleKey() { return FF_GBK("MODULEKEY"); }
const std::string& CaptionUnfound() { return FF_GBK("UNFOUND"); }

const std::string& CaptionParamOwner() { return FF_GBK("功能码"); }

}  // namespace ff::res::fn
