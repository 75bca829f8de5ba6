#include "res/template_catalog.h"

#include "res/comment_texts.h"
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
  };
}

}  // namespace ff::res
