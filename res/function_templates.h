// The fixed texts a generated server function is assembled from, the
// pieces and line formats that join them, and the queries that read one
// function and its parameters. Every text is GBK with CR LF line ends.
//
// The templates hold named placeholders (%CreateAnswer%, %Fids%,
// %FuncName%, %RetCode%, %ErrMsg%), filled with ff::FillTemplate. The line
// formats keep the system's printf form and are filled only through the
// functions with named values below.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ff::res::fn {

// --- templates ------------------------------------------------------------
const std::string& BlsPrologue();
const std::string& FosPrologue();          // holds %CreateAnswer%
const std::string& FosSqlPlaceholder();
const std::string& BlsStepForward();       // transaction type 1
const std::string& BlsStepNoForward();     // transaction types other than 1 and 2
const std::string& BlsAuditVariables();    // transaction type 2
// The audit flow of transaction type 2, answer included; holds %FuncName%.
const std::string& BlsAuditFlow();
const std::string& FosMultiRowLoop();      // holds %Fids%
const std::string& BlsMultiRowLoop();      // holds %Fids%
const std::string& FosMultiRowEnd();       // holds %RetCode%
const std::string& BlsMultiRowEnd();       // holds %RetCode%
const std::string& FosProcedureAnswer();   // answer type 1; holds %RetCode%
const std::string& FosSingleAnswer();      // holds %Fids% and %RetCode%
const std::string& BlsSingleAnswer();      // holds %ErrMsg%

// --- placeholders -----------------------------------------------------------
inline constexpr std::string_view kCreateAnswer = "CreateAnswer";
inline constexpr std::string_view kFids = "Fids";
inline constexpr std::string_view kFuncName = "FuncName";
inline constexpr std::string_view kRetCode = "RetCode";
inline constexpr std::string_view kErrMsg = "ErrMsg";
inline constexpr std::string_view kFuncCode = "FuncCode";

// --- pieces -----------------------------------------------------------------
const std::string& OpenBrace();                // "{\r\n"
const std::string& CloseBrace();               // "}\r\n"
const std::string& RequestComment();           // "    //取出全部请求变量\r\n"
const std::string& ValidationComment();        // "    //请求变量有效性检查\r\n\r\n"
const std::string& CreateAnswerReplacement();  // for %CreateAnswer%
const std::string& RetCodeReplacement();       // for %RetCode%
const std::string& NewLine();                  // "\r\n"

// --- lines ----------------------------------------------------------------
// "    %s %s = pSvrComm->Get%s( %s ); //%s\r\n"
struct RequestLine {
  std::string_view cType, variable, getter, code, name;
};
void AppendRequestLine(std::string& out, const RequestLine& line);

// "        pSvrComm->SetItem( %s, %spDB->Get( %d ) ); //%s\r\n" (FOS),
// "... %spClient->GetItem( %d ) ..." (BLS).
struct AnswerLine {
  std::string_view code, filler, row, name;  // row: the row number, from 1
};
void AppendFosAnswerLine(std::string& out, const AnswerLine& line);
void AppendBlsAnswerLine(std::string& out, const AnswerLine& line);

// "//%s    %s    //%s\r\n": the identification line above a prototype.
struct IdentLine {
  std::string_view code, number, name;
};
std::string MakeIdentLine(const IdentLine& line);

// "long %s%s( struct Service_Module* pModule )\r\n".
struct Prototype {
  std::string_view prefix;  // "" or "Fun_"
  std::string_view name;
};
std::string MakePrototype(const Prototype& prototype);
const std::string& BlsNamePrefix();  // "Fun_"
const std::string& BlsNameMark();    // "Fun": a name starting so gets no prefix
// What a header puts after a prototype in place of its line end.
const std::string& DeclarationEnd();  // ";\r\n"

// --- captions of the function and parameter records ----------------------
const std::string& CaptionId();          // "ID"
const std::string& CaptionFosNumber();   // "FOSID"
const std::string& CaptionBlsNumber();   // "BLSID"
const std::string& CaptionFosCode();     // "FOS编码"
const std::string& CaptionBlsCode();     // "BLS编码"
const std::string& CaptionFosName();     // "FOS名称"
const std::string& CaptionBlsName();     // "BLS名称"
const std::string& CaptionFunName();     // "FUNNAME"
const std::string& CaptionDesign();      // "DESIGN"
const std::string& CaptionNote();        // "NOTE"
const std::string& CaptionAnswerType();  // "应答类型"
const std::string& CaptionTransType();   // "交易类型"
const std::string& CaptionMandatory();   // "强制标志", of a parameter row

// --- queries (%d: module id or function ID; %FuncCode%: the code) ----------
const std::string& FosSingleQuery();
const std::string& BlsSingleQuery();
const std::string& FosRequestQuery();
const std::string& FosAnswerQuery();
const std::string& BlsRequestQuery();
const std::string& BlsAnswerQuery();

}  // namespace ff::res::fn
