#include "res/function_templates.h"

#include "res/system_format.h"
#include "res/text.h"

// The long templates are the files of res/templates/, byte for byte.

namespace ff::res::fn {

const std::string& BlsPrologue() { return FF_TEMPLATE("bls_prologue.txt"); }
const std::string& FosPrologue() { return FF_TEMPLATE("fos_prologue.txt"); }
const std::string& FosSqlPlaceholder() { return FF_TEMPLATE("fos_sql_placeholder.txt"); }
const std::string& BlsStepForward() { return FF_TEMPLATE("bls_step_forward.txt"); }
const std::string& BlsStepNoForward() { return FF_TEMPLATE("bls_step_no_forward.txt"); }
const std::string& BlsAuditVariables() { return FF_TEMPLATE("bls_audit_variables.txt"); }
const std::string& BlsAuditFlow() { return FF_TEMPLATE("bls_audit_flow.txt"); }
const std::string& FosMultiRowLoop() { return FF_TEMPLATE("fos_multi_row_loop.txt"); }
const std::string& BlsMultiRowLoop() { return FF_TEMPLATE("bls_multi_row_loop.txt"); }
const std::string& FosMultiRowEnd() { return FF_TEMPLATE("fos_multi_row_end.txt"); }
const std::string& BlsMultiRowEnd() { return FF_TEMPLATE("bls_multi_row_end.txt"); }
const std::string& FosProcedureAnswer() { return FF_TEMPLATE("fos_procedure_answer.txt"); }
const std::string& FosSingleAnswer() { return FF_TEMPLATE("fos_single_answer.txt"); }
const std::string& BlsSingleAnswer() { return FF_TEMPLATE("bls_single_answer.txt"); }

// --- pieces -----------------------------------------------------------------

const std::string& OpenBrace() { return FF_GBK("{\r\n"); }
const std::string& CloseBrace() { return FF_GBK("}\r\n"); }
const std::string& RequestComment() { return FF_GBK("    //取出全部请求变量\r\n"); }
const std::string& ValidationComment() { return FF_GBK("    //请求变量有效性检查\r\n\r\n"); }
const std::string& CreateAnswerReplacement() {
  return FF_GBK("pSvrComm->CreateAnswer();\r\n        pSvrComm->SetErrMark()");
}
const std::string& RetCodeReplacement() { return FF_GBK("-(pSvrComm->GetFunc()*1000 + ERR_RUNSQL)"); }
const std::string& NewLine() { return FF_GBK("\r\n"); }

// --- lines ----------------------------------------------------------------

void AppendRequestLine(std::string& out, const RequestLine& line) {
  AppendSystemFormat(out, FF_GBK("    %s %s = pSvrComm->Get%s( %s ); //%s\r\n"),
                     {line.cType, line.variable, line.getter, line.code, line.name});
}

void AppendFosAnswerLine(std::string& out, const AnswerLine& line) {
  AppendSystemFormat(out, FF_GBK("        pSvrComm->SetItem( %s, %spDB->Get( %d ) ); //%s\r\n"),
                     {line.code, line.filler, line.row, line.name});
}

void AppendBlsAnswerLine(std::string& out, const AnswerLine& line) {
  AppendSystemFormat(out, FF_GBK("        pSvrComm->SetItem( %s, %spClient->GetItem( %d ) ); //%s\r\n"),
                     {line.code, line.filler, line.row, line.name});
}

std::string MakeIdentLine(const IdentLine& line) {
  return SystemFormat(FF_GBK("//%s    %s    //%s\r\n"), {line.code, line.number, line.name});
}

std::string MakePrototype(const Prototype& prototype) {
  return SystemFormat(FF_GBK("long %s%s( struct Service_Module* pModule )\r\n"),
                      {prototype.prefix, prototype.name});
}
const std::string& BlsNamePrefix() { return FF_GBK("Fun_"); }
const std::string& BlsNameMark() { return FF_GBK("Fun"); }
const std::string& DeclarationEnd() { return FF_GBK(";\r\n"); }

// --- captions -----------------------------------------------------------------

const std::string& CaptionId() { return FF_GBK("ID"); }
const std::string& CaptionFosNumber() { return FF_GBK("FOSID"); }
const std::string& CaptionBlsNumber() { return FF_GBK("BLSID"); }
const std::string& CaptionFosCode() { return FF_GBK("FOS编码"); }
const std::string& CaptionBlsCode() { return FF_GBK("BLS编码"); }
const std::string& CaptionFosName() { return FF_GBK("FOS名称"); }
const std::string& CaptionBlsName() { return FF_GBK("BLS名称"); }
const std::string& CaptionFunName() { return FF_GBK("FUNNAME"); }
const std::string& CaptionDesign() { return FF_GBK("DESIGN"); }
const std::string& CaptionNote() { return FF_GBK("NOTE"); }
const std::string& CaptionAnswerType() { return FF_GBK("应答类型"); }
const std::string& CaptionTransType() { return FF_GBK("交易类型"); }
const std::string& CaptionMandatory() { return FF_GBK("强制标志"); }

// --- queries ------------------------------------------------------------------

const std::string& FosSingleQuery() {
  return FF_GBK(
      "SELECT STR(ISNULL(ID, 0)) ID,STR(ISNULL(F26, 0)) MODULEID,STR(F18) FOSID, F19 FOS编码, F22 FOS名称, F24 FUNNAME, F28 DESIGN,F32 NOTE,STR(ISNULL(F34,0)) 应答类型  FROM T154 WHERE  F26 = %d  AND  F19 = '%FuncCode%' ORDER BY F18  \r\n --FOS  Single");
}

const std::string& BlsSingleQuery() {
  return FF_GBK(
      "SELECT STR(ISNULL(ID, 0)) ID, STR(ISNULL(ID, 0)) MODULEID,STR(F1) BLSID, F2 BLS编码, F3 BLS名称, F4 FUNNAME,F8 DESIGN, F12 NOTE,STR(ISNULL(F14,0)) 应答类型, STR(ISNULL(F5,1)) 交易类型 FROM T161  where F7 =%d  AND F2 = '%FuncCode%' ORDER BY F1 \r\n --BLS Single");
}

const std::string& FosRequestQuery() {
  return FF_GBK(
      "SELECT STR(B.ID) ID,A.F13 功能码,A.F15 FID编码,/*C.F2 FID编码_废弃,*/A.F3 参数名称,/*C.F3 参数名称__废弃,*/ A.F4 参数类型,STR(A.F5) 强制标志, STR(A.F7) 参数数据类型 FROM T156 A ,/*T151 C,*/ T154 B WHERE  A.F4 = 1 AND A.F13 = B.ID /*AND A.F2 = C.ID*/ AND B.ID = %d  ORDER BY A.F7,DATALENGTH(RTRIM(A.F15)) DESC, A.F15");
}

const std::string& FosAnswerQuery() {
  return FF_GBK(
      "SELECT STR(B.ID) ID,A.F13 功能码,A.F15 FID编码,/*C.F2 FID编码_废弃,*/A.F3 参数名称,/*C.F3 参数名称__废弃,*/ A.F4 参数类型,STR(A.F5) 强制标志, STR(A.F7) 参数数据类型 FROM T156 A ,/*T151 C,*/ T154 B WHERE  A.F4 = 2 AND A.F13 = B.ID /*AND A.F2 = C.ID*/ AND B.ID  = %d ORDER BY A.F7, DATALENGTH(RTRIM(A.F15)) DESC,A.F15");
}

const std::string& BlsRequestQuery() {
  return FF_GBK(
      "SELECT A.F1 功能码,A.F2 FID编码,A.F3 参数名称, STR(A.F4) 参数类型,STR(A.F5) 强制标志, A.F6 取值范围,STR(A.F7) 参数数据类型, STR(A.F8) 参数精度,STR(A.F9) 小数点长度,A.F10 备注信息,A.F11 测试默认值 FROM T162 A , T161 B WHERE  A.F4 = 1 AND A.F1 = B.ID AND B.ID = %d  ORDER BY A.F7, DATALENGTH(RTRIM(A.F2)) DESC, A.F2 --BLS");
}

const std::string& BlsAnswerQuery() {
  return FF_GBK(
      "SELECT A.F1 功能码,A.F2 FID编码,A.F3 参数名称, STR(A.F4) 参数类型,STR(A.F5) 强制标志, A.F6 取值范围,STR(A.F7) 参数数据类型, STR(A.F8) 参数精度,STR(A.F9) 小数点长度,A.F10 备注信息,A.F11 测试默认值 FROM T162 A, T161 B WHERE  A.F4 = 2 AND A.F1 = B.ID AND B.ID = %d ORDER BY A.F7, DATALENGTH(RTRIM(A.F2)) DESC,A.F2 --BLS A");
}

}  // namespace ff::res::fn
