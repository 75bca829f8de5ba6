// The pages of the dictionary site: whole page and block templates with
// named placeholders, the stylesheet and the search script. GBK text with
// LF line ends; the site writer converts it to UTF-8.
//
// Every placeholder that takes database text is filled with HTML-escaped
// text (docsite/html_text.h); the templates themselves never hold a value.
#pragma once

#include <string>

namespace ff::res::site {

// --- files -------------------------------------------------------------------
// What a generated file carries near its start, so that a later run knows
// it may replace the file without asking.
const std::string& GeneratorMark();  // "FidForge docs"
const std::string& Stylesheet();      // style.css, whole
const std::string& SearchScript();    // search.js, whole
// search-index.js. %Entries%: SearchEntry lines.
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
// %ErrorCount%, %CategoryCount%, %FosModules%, %BlsModules%, %Categories%.
const std::string& IndexBody();
const std::string& IndexTitle();
// %Page%, %Id%, %Name%, %ChineseName%, %Count%, %Functions%.
const std::string& IndexModule();
// %Href%, %Number%, %Code%, %Name%.
const std::string& IndexFunction();
// %Items%: IndexCategory lines.
const std::string& IndexCategoryList();
// %Href%, %Name%, %Count%.
const std::string& IndexCategory();
const std::string& NoEntries();  // a list without rows

// --- a module page -----------------------------------------------------------
// %Kind% (FOS, BLS), %Id%, %Name%, %ChineseName%, %Count%, %Toc%, %Functions%.
const std::string& ModuleBody();
const std::string& ModuleTitle();  // %Kind%, %Id%, %Name%
// %Anchor%, %Number%, %Code%, %Name%.
const std::string& TocEntry();
// %Anchor%, %Number%, %Code%, %Macro%, %Function%, %Prototype%, %Name%,
// %AnswerType%, %Design%, %Note%, %Request%, %Answer% (and %TransType% for BLS).
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

// --- fids.html -----------------------------------------------------------------
// %FidCount%, %UndefinedCount%, %UnusedCount%, %Rows%, %UndefinedRows%.
const std::string& FidsBody();
const std::string& FidsTitle();
// %Anchor%, %Class%, %Number%, %Code%, %Name%, %DataType%, %Note%, %Status%, %Uses%.
const std::string& FidRow();
// %Anchor%, %Code%, %Name%, %Status%, %Uses%.
const std::string& UndefinedFidRow();
const std::string& FidUnusedMark();
const std::string& FidUndefinedBlsMark();
const std::string& FidUndefinedFosMark();
// %Href%, %Code%: one function that uses a FID.
const std::string& FidUse();

// --- errors.html ---------------------------------------------------------------
// %ErrorCount%, %Categories%.
const std::string& ErrorsBody();
const std::string& ErrorsTitle();
// %Anchor%, %Category%, %Count%, %Rows%.
const std::string& ErrorCategory();
// %Value%, %Code%, %MessageCode%, %Message%, %Kind%.
const std::string& ErrorRow();

// --- the desktop program ------------------------------------------------------------
// The title of the folder browser of the export page's site button.
const std::string& FolderBrowserTitle();
// %Reason%: why the site was not made (no page changed).
const std::string& SiteFailed();

}  // namespace ff::res::site
