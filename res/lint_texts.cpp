#include "res/lint_texts.h"

#include "res/text.h"

namespace ff::res::lint {

// The long texts of functions may be of a type REPLACE and LEN do not take
// on SQL Server (TEXT); they are cast first. The casts keep Unicode, so that
// a character without a GBK form is still one when the driver converts it.
const std::string& FidQuery() {
  return FF_GBK(
      "SELECT STR(F1) NUM, F2 FID编码, F3 NAME, F4 参数数据类型, F5 NOTE, "
      "LEN(F2) - LEN(REPLACE(F2, '?', '')) Q_FID编码, LEN(F3) - LEN(REPLACE(F3, '?', '')) Q_NAME, LEN(F5) - LEN(REPLACE(F5, '?', '')) Q_NOTE "
      "FROM T151 ORDER BY F1, F2");
}

const std::string& FosFunctionQuery() {
  return FF_GBK(
      "SELECT ID, STR(F18) NUM, F19 CODE, F22 NAME, F24 FUNNAME, STR(F26) MODULEID, "
      "F28 DESIGN, F32 NOTE, LEN(F19) - LEN(REPLACE(F19, '?', '')) Q_CODE, LEN(F22) - LEN(REPLACE(F22, '?', '')) Q_NAME, "
      "LEN(F24) - LEN(REPLACE(F24, '?', '')) Q_FUNNAME, LEN(CAST(F28 AS NVARCHAR(4000))) - LEN(REPLACE(CAST(F28 AS NVARCHAR(4000)), '?', '')) Q_DESIGN, "
      "LEN(CAST(F32 AS NVARCHAR(4000))) - LEN(REPLACE(CAST(F32 AS NVARCHAR(4000)), '?', '')) Q_NOTE FROM T154 ORDER BY F18, ID");
}

const std::string& BlsFunctionQuery() {
  return FF_GBK(
      "SELECT ID, STR(F1) NUM, F2 CODE, F3 NAME, F4 FUNNAME, STR(F7) MODULEID, "
      "F8 DESIGN, F12 NOTE, LEN(F2) - LEN(REPLACE(F2, '?', '')) Q_CODE, LEN(F3) - LEN(REPLACE(F3, '?', '')) Q_NAME, "
      "LEN(F4) - LEN(REPLACE(F4, '?', '')) Q_FUNNAME, LEN(CAST(F8 AS NVARCHAR(4000))) - LEN(REPLACE(CAST(F8 AS NVARCHAR(4000)), '?', '')) Q_DESIGN, "
      "LEN(CAST(F12 AS NVARCHAR(4000))) - LEN(REPLACE(CAST(F12 AS NVARCHAR(4000)), '?', '')) Q_NOTE FROM T161 ORDER BY F1, ID");
}

// The parameter tables are the largest: read in one plain scan, in table
// order, each row matched to its function by OWNER in memory. The FID code
// of a parameter is not counted for lost characters: such a code is either
// defined in T151, where it is counted, or reported as undefined.
const std::string& FosParamQuery() {
  return FF_GBK(
      "SELECT F13 OWNER, ID, F15 FID编码, F3 参数名称, F7 参数数据类型, "
      "LEN(F3) - LEN(REPLACE(F3, '?', '')) Q_参数名称 FROM T156");
}

const std::string& BlsParamQuery() {
  return FF_GBK(
      "SELECT F1 OWNER, ID, F2 FID编码, F3 参数名称, F7 参数数据类型, "
      "LEN(F3) - LEN(REPLACE(F3, '?', '')) Q_参数名称 FROM T162");
}

const std::string& FosModuleQuery() {
  return FF_GBK(
      "SELECT STR(ID) ID, F3 NAME, F2 CNAME, LEN(F3) - LEN(REPLACE(F3, '?', '')) Q_NAME, LEN(F2) - LEN(REPLACE(F2, '?', '')) Q_CNAME "
      "FROM T158 ORDER BY ID");
}

const std::string& BlsModuleQuery() {
  return FF_GBK(
      "SELECT STR(ID) ID, F4 NAME, F3 CNAME, LEN(F4) - LEN(REPLACE(F4, '?', '')) Q_NAME, LEN(F3) - LEN(REPLACE(F3, '?', '')) Q_CNAME "
      "FROM T164 ORDER BY ID");
}

// The rows of sysdef.h, with the same filter as its own query.
const std::string& ErrorQuery() {
  return FF_GBK(
      "SELECT STR(A.ID) ID, A.F1 错误码, STR(A.F10) 错误码数据类型, A.F2 CODE, A.F6 错误信息编码, "
      "RTRIM(A.F3) 错误信息, RTRIM(LTRIM(B.NAME)) CATEGORY, LEN(A.F1) - LEN(REPLACE(A.F1, '?', '')) Q_错误码, "
      "LEN(A.F2) - LEN(REPLACE(A.F2, '?', '')) Q_CODE, LEN(A.F6) - LEN(REPLACE(A.F6, '?', '')) Q_错误信息编码, "
      "LEN(A.F3) - LEN(REPLACE(A.F3, '?', '')) Q_错误信息, LEN(B.NAME) - LEN(REPLACE(B.NAME, '?', '')) Q_CATEGORY "
      "FROM T470 A, T471 B WHERE A.F8 = B.ID AND B.GRADE=2 AND B.FID=2 AND B.TYPE=0 ORDER BY A.F8, A.ID");
}

const std::string& CaptionId() { return FF_GBK("ID"); }
const std::string& CaptionNumber() { return FF_GBK("NUM"); }
const std::string& CaptionCode() { return FF_GBK("CODE"); }
const std::string& CaptionName() { return FF_GBK("NAME"); }
const std::string& CaptionFunName() { return FF_GBK("FUNNAME"); }
const std::string& CaptionModule() { return FF_GBK("MODULEID"); }
const std::string& CaptionDesign() { return FF_GBK("DESIGN"); }
const std::string& CaptionNote() { return FF_GBK("NOTE"); }
const std::string& CaptionOwner() { return FF_GBK("OWNER"); }
const std::string& CaptionChineseName() { return FF_GBK("CNAME"); }
const std::string& CaptionCategory() { return FF_GBK("CATEGORY"); }
std::string QCaption(const std::string& caption) { return "Q_" + caption; }

const std::vector<std::string>& GuardMacros() {
  static const std::vector<std::string> guards{"_FIDDEF_DEFINE_H", "_FOSDEF_DEFINE_H", "_BLSDEF_DEFINE_H",
                                               "__FIXDEF_DEFINE__", "_SYSDEF", "AFX_PROCESS_H"};
  return guards;
}

const std::string& SeverityShown(bool error) { return error ? FF_GBK("错误") : FF_GBK("警告"); }
const std::string& FindingFields() { return FF_GBK("级别[C8],规则[C24],位置[C40],说明[C255]"); }
const std::string& PageNone() { return FF_GBK("代码检查尚未发现任何问题。"); }
const std::string& PageFound() { return FF_GBK("代码检查共发现%Count%个问题，其中%Errors%个错误！"); }
const std::string& PageFailed() { return FF_GBK("代码检查失败：%Reason%"); }

}  // namespace ff::res::lint
