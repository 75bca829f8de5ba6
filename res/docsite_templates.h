// The pages of the dictionary site: whole page and block templates with
// named placeholders, the stylesheet and the search script. GBK text with
// LF line ends; the site writer converts it to UTF-8.
//
// Every placeholder that takes database text is filled with HTML-escaped
// text (docsite/html_text.h); the templates themselves never hold a value.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ff::res::site {

// --- files -------------------------------------------------------------------
// What a generated file carries near its start, so that a later run knows
// it may replace the file without asking.
const std::string& GeneratorMark();  // "FidForge docs"
const std::string& Stylesheet();      // style.css, whole
const std::string& SearchScript();    // search.js, whole
// search-index.js, loaded by search.js when the search box is first used.
// %Entries%: SearchEntry lines.
const std::string& SearchIndex();
// %Kind% (FID, FOS, BLS, ERR), %Code%, %Name%, %Number%, %Href%; each
// filled with JavaScript string text.
const std::string& SearchEntry();

// --- every page ----------------------------------------------------------------
// %Title%, %Body%, %Database%, %Date%.
const std::string& Page();

// --- index.html --------------------------------------------------------------
// %Database%, %Date%, %FosModuleCount%, %FosFunctionCount%, %BlsModuleCount%,
// %BlsFunctionCount%, %FidCount%, %UndefinedCount%, %UnusedCount%,
// %ErrorCount%, %CategoryCount%, %LintErrors%, %LintWarnings%, %FosModules%,
// %BlsModules%, %Categories%.
const std::string& IndexBody();
const std::string& IndexTitle();
// %Items%: IndexModule lines.
const std::string& IndexModuleList();
// %Page%, %Id%, %Name%, %ChineseName%, %Count%, %Lint% (IndexModuleLint or "").
const std::string& IndexModule();
// %Page%, %Errors%, %Warnings%: a module's findings.
const std::string& IndexModuleLint();
// %Items%: IndexCategory lines.
const std::string& IndexCategoryList();
// %Href%, %Name%, %Count%.
const std::string& IndexCategory();
const std::string& NoEntries();  // a list without rows

// --- a module page -----------------------------------------------------------
// %Kind% (FOS, BLS), %Id%, %Name%, %ChineseName%, %Count%, %Findings%
// (ModuleFindings or ""), %Toc%, %Functions%.
const std::string& ModuleBody();
const std::string& ModuleTitle();  // %Kind%, %Id%, %Name%
// %Anchor%, %Number%, %Code%, %Name%.
const std::string& TocEntry();
// %Anchor%, %Number%, %Code%, %Macro%, %Function%, %Prototype%, %Name%,
// %AnswerType%, %Design%, %Note%, %Findings% (FunctionFindings or ""),
// %Request%, %Answer% (and %TransType% for BLS).
const std::string& FosFunction();
const std::string& BlsFunction();
// %Type%: the answer or transaction type as read.
const std::string& AnswerSingle();
const std::string& AnswerMultiRow();
const std::string& AnswerProcedure();  // FOS answer type 1
const std::string& TransForward();     // transaction type 1
const std::string& TransAudited();     // transaction type 2
const std::string& TransNoForward();   // any other
const std::string& MandatoryYes();
const std::string& MandatoryNo();
// %Rows%.
const std::string& FosParams();
const std::string& BlsParams();
// %Index%, %FidHref%, %Code%, %Name%, %DataType%, %CType%, %Variable%,
// %Mandatory%; BLS also %TypeSpec%, %Precision%, %Decimals%, %Range%,
// %Default%, %Note%.
const std::string& FosParamRow();
const std::string& BlsParamRow();
const std::string& NoParams();

// --- fids.html and the FID pages -------------------------------------------------
// fids.html. %FidCount%, %UndefinedCount%, %UnusedCount%, %Groups%
// (FidGroupList), %Undefined%, %Unused% (FidLinkList or NoEntries).
const std::string& FidsBody();
const std::string& FidsTitle();
// A FID page: %Group%, %FidCount%, %Groups%, %Rows% (FidTable or
// NoEntries), %Undefined% (UndefinedFidTable or "").
const std::string& FidGroupBody();
const std::string& FidGroupTitle();  // %Group%
// %Items%: FidGroupLink lines (%Href%, %Group%, %Count%).
const std::string& FidGroupList();
const std::string& FidGroupLink();
// %Items%: FidLink lines (%Href%, %Code%, %Name%).
const std::string& FidLinkList();
const std::string& FidLink();
// %Chunks%: FidChunk blocks, each with %Rows% (FidRow lines, a few).
const std::string& FidTable();
const std::string& FidChunk();
// %Rows%: UndefinedFidRow lines.
const std::string& UndefinedFidTable();
// %Anchor%, %Class%, %Number%, %Code%, %Name%, %DataType%, %Note%, %Status%, %Uses%.
const std::string& FidRow();
// %Anchor%, %Code%, %Name%, %Status%, %Uses%.
const std::string& UndefinedFidRow();
const std::string& FidUnusedMark();
const std::string& FidUndefinedBlsMark();
const std::string& FidUndefinedFosMark();
// %Href%, %Code%: one function that uses a FID.
const std::string& FidUse();

// --- lint findings -----------------------------------------------------------
// %Items%: FindingItem lines.
const std::string& FindingList();
// %Class% (error, warning), %Severity%, %RuleHref%, %Rule%, %Where%, %Message%.
const std::string& FindingItem();
const std::string& SeverityError();
const std::string& SeverityWarning();
// A function's findings: %List%.
const std::string& FunctionFindings();
// A module's: %Errors%, %Warnings%, %List% (its own), %Functions%
// (ModuleFindingFunctions or "").
const std::string& ModuleFindings();
// %Items%: ModuleFindingFunction lines (%Anchor%, %Number%, %Code%, %Name%,
// %Errors%, %Warnings%).
const std::string& ModuleFindingFunctions();
const std::string& ModuleFindingFunction();

// Every parameter row's ID and its function's (ID, OWNER), for findings
// that name a parameter by its row (Of(kind).paramOwnerQuery).
const std::string& FosParamOwnerQuery();
const std::string& BlsParamOwnerQuery();

// --- rules.html -------------------------------------------------------------------
// %Errors%, %Warnings%, %Rows% (RuleRow lines), %Elsewhere% (RulesElsewhere or "").
const std::string& RulesBody();
const std::string& RulesTitle();
// %Anchor%, %Rule%, %Severity%, %Summary%, %Errors%, %Warnings%.
const std::string& RuleRow();
// %List%: the findings no other page shows.
const std::string& RulesElsewhere();
// The lint's rules as the rule table gives them, in its order: what each
// finds and how bad. A rule the lint gains later still gets its row on the
// site (from its findings), without these texts.
struct RuleText {
  std::string rule;               // the rule's stable name (ASCII)
  std::string severity, summary;  // GBK
};
const std::vector<RuleText>& RuleTable();
// The entry of `rule`, or null.
const RuleText* RuleDescription(std::string_view rule);

// --- errors.html ---------------------------------------------------------------
// %ErrorCount%, %Categories%.
const std::string& ErrorsBody();
const std::string& ErrorsTitle();
// %Anchor%, %Category%, %Count%, %Rows%.
const std::string& ErrorCategory();
// %Value%, %Code%, %MessageCode%, %Message%, %Kind%, %Findings%.
const std::string& ErrorRow();

// --- the desktop program ------------------------------------------------------------
// The title of the folder browser of the export page's site button.
const std::string& FolderBrowserTitle();
// %Reason%: why the site was not made (no page changed).
const std::string& SiteFailed();

}  // namespace ff::res::site
