#include "res/template_catalog.h"

#include "res/comment_texts.h"
#include "res/docsite_templates.h"
#include "res/function_templates.h"
#include "res/header_texts.h"
#include "res/merge_texts.h"
#include "res/snippet_texts.h"
#include "res/validation_texts.h"

namespace ff::res {

std::vector<CatalogTemplate> AllNamedTemplates() {
  namespace sn = snippet;
  namespace val = validate;
  const std::vector<std::string_view> snippetNames{sn::kBlsCode, sn::kBlsName, sn::kFidQs, sn::kFidADefs,
                                                   sn::kFidAs};
  const std::vector<std::string_view> date{"Year", "Month", "Day"};
  return {
      // The server function.
      {"BLS prologue", fn::BlsPrologue(), {}},
      {"FOS prologue", fn::FosPrologue(), {fn::kCreateAnswer}},
      {"FOS SQL placeholder", fn::FosSqlPlaceholder(), {}},
      {"BLS business step, transaction type 1", fn::BlsStepForward(), {}},
      {"BLS business step, other transaction types", fn::BlsStepNoForward(), {}},
      {"BLS audit variables", fn::BlsAuditVariables(), {}},
      {"BLS audit flow", fn::BlsAuditFlow(), {fn::kFuncName}},
      {"FOS multi-row answer loop", fn::FosMultiRowLoop(), {fn::kFids}},
      {"BLS multi-row answer loop", fn::BlsMultiRowLoop(), {fn::kFids}},
      {"FOS end of a multi-row answer", fn::FosMultiRowEnd(), {fn::kRetCode}},
      {"BLS end of a multi-row answer", fn::BlsMultiRowEnd(), {fn::kRetCode}},
      {"FOS stored procedure answer", fn::FosProcedureAnswer(), {fn::kRetCode}},
      {"FOS single answer", fn::FosSingleAnswer(), {fn::kFids, fn::kRetCode}},
      {"BLS single answer", fn::BlsSingleAnswer(), {fn::kErrMsg}},
      {"FOS single-function query", fn::FosSingleQuery(), {fn::kFuncCode}},
      {"BLS single-function query", fn::BlsSingleQuery(), {fn::kFuncCode}},
      // Request validation.
      {"loose validation block",
       val::LooseBlock(),
       {val::kParamName, val::kFidCode, val::kEmptyTest, fn::kCreateAnswer, val::kErrorCode, val::kErrorMessage}},
      {"compact validation block",
       val::CompactBlock(),
       {val::kValid, fn::kCreateAnswer, val::kErrorCode, val::kErrorMessage}},
      // The client snippet.
      {"snippet of a single answer", sn::SingleAnswer(), snippetNames},
      {"snippet of a multi-row answer", sn::MultiRow(), snippetNames},
      // Routine comments.
      {"copyright line", CopyRightTemplate(), {"CopyRight", "Company"}},
      {"file name line", FileNameLine(), {"CurFileName"}},
      {"project line", ProjectLine(), {"CurProjectName"}},
      {"abstract line", AbstractLine(), {"Abstract"}},
      {"author line", AuthorLine(), {"Author"}},
      {"creation date line", CreateDateLine(), date},
      {"first history row", HistoryFirstRow(), {"Year", "Month", "Day", "Author", "Version"}},
      {"function name line", FunctionNameLine(), {"CurFunName"}},
      {"function design line", FunctionDesignLine(), {"Imp"}},
      {"function note line", FunctionNoteLine(), {"Note"}},
      // Definition headers.
      {"fiddef.h line", FidDefLine(), {"Code", "Pad", "Number", "Name"}},
      {"fiddef.h detail", FidDefDetail(), {"Text"}},
      {"fosdef.h/blsdef.h line", CodeDefLine(), {"Code", "Pad", "Number", "Name"}},
      {"sysdef.h category heading", ErrorCategoryHeading(), {"Category"}},
      {"sysdef.h number line", ErrorNumberLine(), {"Code", "Pad", "Value", "ValuePad", "Message"}},
      {"sysdef.h text line", ErrorTextLine(), {"Code", "Pad", "Value", "ValuePad", "Message"}},
      {"sysdef.h message line", ErrorMessageLine(), {"Name", "Pad", "Message"}},
      // Merged module sources.
      {"retired function block", merge::RetiredFunctionBlock(), {"Name", "Text"}},
      {"moved text block", merge::MovedTextBlock(), {"Text"}},
      // The dictionary site.
      {"site page", site::Page(), {"Title", "Body", "Database", "Date"}},
      {"site index body",
       site::IndexBody(),
       {"Database", "Date", "FosModuleCount", "FosFunctionCount", "BlsModuleCount", "BlsFunctionCount", "FidCount",
        "UndefinedCount", "UnusedCount", "ErrorCount", "CategoryCount", "LintErrors", "LintWarnings", "FosModules",
        "BlsModules", "Categories"}},
      {"site index module list", site::IndexModuleList(), {"Items"}},
      {"site index module", site::IndexModule(), {"Page", "Id", "Name", "ChineseName", "Count", "Lint"}},
      {"site index module findings", site::IndexModuleLint(), {"Page", "Errors", "Warnings"}},
      {"site index category list", site::IndexCategoryList(), {"Items"}},
      {"site index category", site::IndexCategory(), {"Href", "Name", "Count"}},
      {"site module title", site::ModuleTitle(), {"Kind", "Id", "Name"}},
      {"site module body",
       site::ModuleBody(),
       {"Kind", "Id", "Name", "ChineseName", "Count", "Findings", "Toc", "Functions"}},
      {"site function entry", site::TocEntry(), {"Anchor", "Number", "Code", "Name"}},
      {"site FOS function",
       site::FosFunction(),
       {"Anchor", "Number", "Code", "Macro", "Function", "Prototype", "Name", "AnswerType", "Design", "Note", "Findings",
        "Request", "Answer"}},
      {"site BLS function",
       site::BlsFunction(),
       {"Anchor", "Number", "Code", "Macro", "Function", "Prototype", "Name", "AnswerType", "TransType", "Design", "Note",
        "Findings", "Request", "Answer"}},
      {"site single answer", site::AnswerSingle(), {"Type"}},
      {"site multi-row answer", site::AnswerMultiRow(), {"Type"}},
      {"site procedure answer", site::AnswerProcedure(), {"Type"}},
      {"site forwarding transaction", site::TransForward(), {"Type"}},
      {"site audited transaction", site::TransAudited(), {"Type"}},
      {"site transaction without forward", site::TransNoForward(), {"Type"}},
      {"site FOS parameters", site::FosParams(), {"Rows"}},
      {"site BLS parameters", site::BlsParams(), {"Rows"}},
      {"site FOS parameter",
       site::FosParamRow(),
       {"Index", "FidHref", "Code", "Name", "DataType", "CType", "Variable", "Mandatory"}},
      {"site BLS parameter",
       site::BlsParamRow(),
       {"Index", "FidHref", "Code", "Name", "DataType", "TypeSpec", "CType", "Variable", "Mandatory", "Precision",
        "Decimals", "Range", "Default", "Note"}},
      {"site FID overview", site::FidsBody(), {"FidCount", "UndefinedCount", "UnusedCount", "Groups", "Undefined", "Unused"}},
      {"site FID page", site::FidGroupBody(), {"Group", "FidCount", "Groups", "Rows", "Undefined"}},
      {"site FID page title", site::FidGroupTitle(), {"Group"}},
      {"site FID pages", site::FidGroupList(), {"Items"}},
      {"site FID page link", site::FidGroupLink(), {"Href", "Group", "Count"}},
      {"site FID list", site::FidLinkList(), {"Items"}},
      {"site FID link", site::FidLink(), {"Href", "Code", "Name"}},
      {"site FID table", site::FidTable(), {"Chunks"}},
      {"site FID rows", site::FidChunk(), {"Rows"}},
      {"site undefined FID table", site::UndefinedFidTable(), {"Rows"}},
      {"site FID", site::FidRow(), {"Anchor", "Class", "Number", "Code", "Name", "DataType", "Note", "Status", "Uses"}},
      {"site undefined FID", site::UndefinedFidRow(), {"Anchor", "Code", "Name", "Status", "Uses"}},
      {"site FID use", site::FidUse(), {"Href", "Code"}},
      {"site findings", site::FindingList(), {"Items"}},
      {"site finding", site::FindingItem(), {"Class", "Severity", "RuleHref", "Rule", "Where", "Message"}},
      {"site function findings", site::FunctionFindings(), {"List"}},
      {"site module findings", site::ModuleFindings(), {"Errors", "Warnings", "List", "Functions"}},
      {"site module finding functions", site::ModuleFindingFunctions(), {"Items"}},
      {"site module finding function",
       site::ModuleFindingFunction(),
       {"Anchor", "Number", "Code", "Name", "Errors", "Warnings"}},
      {"site rule body", site::RulesBody(), {"Errors", "Warnings", "Rows", "Elsewhere"}},
      {"site rule", site::RuleRow(), {"Anchor", "Rule", "Severity", "Summary", "Errors", "Warnings"}},
      {"site findings elsewhere", site::RulesElsewhere(), {"List"}},
      {"site error body", site::ErrorsBody(), {"ErrorCount", "Categories"}},
      {"site error category", site::ErrorCategory(), {"Anchor", "Category", "Count", "Rows"}},
      {"site error", site::ErrorRow(), {"Value", "Code", "MessageCode", "Message", "Kind", "Findings"}},
      {"site search index", site::SearchIndex(), {"Entries"}},
      {"site search entry", site::SearchEntry(), {"Kind", "Code", "Name", "Number", "Href"}},
      {"site failure message", site::SiteFailed(), {"Reason"}},
  };
}

}  // namespace ff::res
