// The module pages: every function of a FOS or BLS module with its request
// and answer parameters, named as the code generators name them.
#include <string>

#include "codetext/code_maker.h"
#include "codetext/text_fill.h"
#include "docsite/html_text.h"
#include "docsite/site_pages.h"
#include "docsite/site_query.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/record.h"
#include "modulecode/module_parameters.h"
#include "modulecode/module_queries.h"
#include "codetext/config_query.h"
#include "res/docsite_templates.h"
#include "res/function_templates.h"
#include "res/module_texts.h"
#include "res/param_captions.h"
#include "res/tree_queries.h"

namespace ff::site {

namespace {

namespace tpl = res::site;
namespace fn = res::fn;

std::string Trimmed(const CMemRecord& record, const std::string& caption) {
  return gbk::Trim(record.GetRef(caption));
}

// The prototype line as the generators write it, without its line end.
std::string PrototypeText(const CCodeMaker& maker, Kind kind, const std::string& funName, const std::string& macro) {
  std::string line = maker.MakePrototype(kind, funName, macro);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  return line;
}

// The function name inside a prototype "long NAME( struct ... )": the
// generators' own naming, read back rather than derived a second time.
std::string FunctionName(const std::string& prototype) {
  const size_t blank = prototype.find(' ');
  const size_t paren = prototype.find('(');
  if (blank == std::string::npos || paren == std::string::npos || paren < blank) return prototype;
  return gbk::Trim(prototype.substr(blank + 1, paren - blank - 1));
}

std::string AnswerTypeText(Kind kind, long answerType, const std::string& macro) {
  const std::string type = std::to_string(answerType);
  if (CCodeMaker::IsMultiRowAnswer(answerType, macro)) return FillTemplate(tpl::AnswerMultiRow(), {{"Type", type}});
  if (kind == Kind::Fos && answerType == 1) return FillTemplate(tpl::AnswerProcedure(), {{"Type", type}});
  return FillTemplate(tpl::AnswerSingle(), {{"Type", type}});
}

std::string TransTypeText(long transType) {
  const std::string type = std::to_string(transType);
  const std::string& tmpl = transType == 1   ? tpl::TransForward()
                            : transType == 2 ? tpl::TransAudited()
                                             : tpl::TransNoForward();
  return FillTemplate(tmpl, {{"Type", type}});
}

std::string MandatoryText(const std::string& flag) {
  if (flag.empty() || flag == "0") return tpl::MandatoryNo();
  if (flag == "1") return tpl::MandatoryYes();
  return Html(flag);
}

// The parameter table of one function; records each FID's use.
std::string ParamTable(const CCodeMaker& maker, SiteModel& site, size_t function, Kind kind, bool request,
                       CMemRecord& params) {
  if (params.GetCount() == 0) return tpl::NoParams();
  std::string rows;
  int index = 0;
  for (params.GoTop(); !params.Eof(); params.Skip(1)) {
    ++index;
    FidVarInfo info = maker.GetFidVarInfo(params);
    // Request items become variables without "Ans" in the server code
    // (sFidKHH); answer items keep the name the client snippet uses.
    if (request) gbk::ReplaceAll(info.variable, "FidAns", "Fid");
    std::vector<size_t>& uses = site.fidUses[info.code];
    if (uses.empty() || uses.back() != function) uses.push_back(function);

    const std::string number = std::to_string(index);
    const std::string code = Html(info.code);
    const std::string name = Html(info.name);
    const std::string dataType = Html(Trimmed(params, res::CaptionDataType()));
    const std::string mandatory = MandatoryText(Trimmed(params, fn::CaptionMandatory()));
    const std::string href = FidHref(site, info.code);
    if (kind == Kind::Fos) {
      rows += FillTemplate(tpl::FosParamRow(), {{"Index", number},
                                                {"FidHref", href},
                                                {"Code", code},
                                                {"Name", name},
                                                {"DataType", dataType},
                                                {"CType", info.cType},
                                                {"Variable", Html(info.variable)},
                                                {"Mandatory", mandatory}});
    } else {
      rows += FillTemplate(tpl::BlsParamRow(), {{"Index", number},
                                                {"FidHref", href},
                                                {"Code", code},
                                                {"Name", name},
                                                {"DataType", dataType},
                                                {"TypeSpec", Html(info.typeTag)},
                                                {"CType", info.cType},
                                                {"Variable", Html(info.variable)},
                                                {"Mandatory", mandatory},
                                                {"Precision", Html(Trimmed(params, res::CaptionPrecision()))},
                                                {"Decimals", Html(Trimmed(params, res::CaptionDecimals()))},
                                                {"Range", Html(Trimmed(params, res::CaptionRange()))},
                                                {"Default", Html(Trimmed(params, res::CaptionTestDefault()))},
                                                {"Note", Html(Trimmed(params, res::CaptionParamNote()))}});
    }
  }
  return FillTemplate(Of(kind).siteParams, {{"Rows", rows}});
}

}  // namespace

void ReadModules(SiteModel& site, Kind kind) {
  CMemRecord modules;
  RunQuery(Of(kind).moduleQuery, modules, std::string("the ") + Of(kind).name + " modules");
  UniqueIds pages;
  for (const ModuleEntry& known : site.modules) pages.Take(known.page);
  for (modules.GoTop(); !modules.Eof(); modules.Skip(1)) {
    ModuleEntry module;
    module.kind = kind;
    module.id = Trimmed(modules, res::module::CaptionModuleId());
    module.name = Trimmed(modules, res::module::CaptionModuleName());
    module.chineseName = Trimmed(modules, res::module::CaptionModuleChineseName());
    module.page = pages.Take(AnchorId(std::string(Of(kind).lower) + "-", module.id)) + ".html";
    site.modules.push_back(std::move(module));
  }
}

std::string ModulePage(CCodeMaker& maker, SiteModel& site, size_t moduleIndex, code::KindRows& kindRows) {
  ModuleEntry& module = site.modules[moduleIndex];
  const KindTable& of = Of(module.kind);
  const long moduleId = gbk::AtoL(module.id);
  const std::string kind = of.name;

  CMemRecord request, answer;
  code::ModuleRows rows = [&] {
    try {
      return kindRows.Functions(moduleId);
    } catch (const QueryError& error) {
      throw error.Within("cannot read the functions of " + kind + " module " + module.id);
    }
  }();
  CMemRecord& functions = rows.functions;
  const std::string& numberCaption = of.numberCaption;
  const std::string& codeCaption = of.codeCaption;
  // The parameters of the whole kind at once where that gives each
  // function's own rows; a failure is told as the first function's.
  if (functions.GetCount() > 0) {
    const std::string what = kind + " " + gbk::Trim(functions.GetRef(codeCaption, 0));
    try {
      kindRows.AddParameters(rows, false);
    } catch (const QueryError& error) {
      throw error.Within("cannot read the request parameters of " + what);
    }
    try {
      kindRows.AddParameters(rows, true);
    } catch (const QueryError& error) {
      throw error.Within("cannot read the answer parameters of " + what);
    }
  }
  code::FunctionParameters parameters(module.kind, rows);
  const std::string& nameCaption = of.nameCaption;

  UniqueIds anchors;
  std::string toc, sections, lintFunctions;
  module.errors = module.warnings = 0;
  for (functions.GoTop(); !functions.Eof(); functions.Skip(1)) {
    const std::string idText = Trimmed(functions, fn::CaptionId());
    const long id = gbk::AtoL(idText);
    const std::string number = Trimmed(functions, numberCaption);
    const std::string codeText = Trimmed(functions, codeCaption);
    const std::string macro = gbk::Replaced(codeText, ".", "_");
    const std::string name = Trimmed(functions, nameCaption);
    const long answerType = gbk::AtoL(Trimmed(functions, fn::CaptionAnswerType()));
    const std::string prototype = PrototypeText(maker, module.kind, functions.GetRef(fn::CaptionFunName()), macro);
    const std::string anchor = anchors.Take(AnchorId("f", idText));

    const size_t function = site.functions.size();
    site.functions.push_back({module.kind, number, codeText, name, module.page + "#" + anchor});
    module.functions.push_back(function);
    AddSearchEntry(site, kind.c_str(), codeText, name, number, site.functions.back().href);

    const std::string what = kind + " " + codeText;
    try {
      parameters.Request(id, request);
    } catch (const QueryError& error) {
      throw error.Within("cannot read the request parameters of " + what);
    }
    try {
      parameters.Answer(id, answer);
    } catch (const QueryError& error) {
      throw error.Within("cannot read the answer parameters of " + what);
    }

    const std::string hNumber = Html(number), hCode = Html(codeText), hName = Html(name);
    toc += FillTemplate(tpl::TocEntry(), {{"Anchor", anchor}, {"Number", hNumber}, {"Code", hCode}, {"Name", hName}});
    const std::string requestTable = ParamTable(maker, site, function, module.kind, true, request);
    const std::string answerTable = ParamTable(maker, site, function, module.kind, false, answer);
    const std::string transType =
        module.kind == Kind::Bls ? TransTypeText(gbk::AtoL(Trimmed(functions, fn::CaptionTransType()))) : std::string();
    int errors = 0, warnings = 0;
    std::string findings = FindingList(site, FunctionPlace(module.kind, idText), &errors, &warnings);
    if (!findings.empty()) {
      findings = FillTemplate(tpl::FunctionFindings(), {{"List", findings}});
      lintFunctions += FillTemplate(tpl::ModuleFindingFunction(), {{"Anchor", anchor},
                                                                  {"Number", hNumber},
                                                                  {"Code", hCode},
                                                                  {"Name", hName},
                                                                  {"Errors", std::to_string(errors)},
                                                                  {"Warnings", std::to_string(warnings)}});
      module.errors += errors;
      module.warnings += warnings;
    }
    sections += FillTemplate(of.siteFunction,
                             {{"Anchor", anchor},
                              {"Number", hNumber},
                              {"Code", hCode},
                              {"Macro", Html(macro)},
                              {"Function", Html(FunctionName(prototype))},
                              {"Prototype", Html(prototype)},
                              {"Name", hName},
                              {"AnswerType", Html(AnswerTypeText(module.kind, answerType, macro))},
                              {"TransType", Html(transType)},
                              {"Design", Html(Trimmed(functions, fn::CaptionDesign()))},
                              {"Note", Html(Trimmed(functions, fn::CaptionNote()))},
                              {"Findings", findings},
                              {"Request", requestTable},
                              {"Answer", answerTable}});
  }

  const std::string count = std::to_string(module.functions.size());
  std::string lint = FindingList(site, ModulePlace(module.kind, module.id), &module.errors, &module.warnings);
  if (!lint.empty() || !lintFunctions.empty()) {
    const std::string list = lintFunctions.empty()
                                 ? std::string()
                                 : FillTemplate(tpl::ModuleFindingFunctions(), {{"Items", lintFunctions}});
    lint = FillTemplate(tpl::ModuleFindings(), {{"Errors", std::to_string(module.errors)},
                                                {"Warnings", std::to_string(module.warnings)},
                                                {"List", lint},
                                                {"Functions", list}});
  }
  const std::string body = FillTemplate(tpl::ModuleBody(), {{"Kind", kind},
                                                           {"Id", Html(module.id)},
                                                           {"Name", Html(module.name)},
                                                           {"ChineseName", Html(module.chineseName)},
                                                           {"Count", count},
                                                           {"Findings", lint},
                                                           {"Toc", toc},
                                                           {"Functions", sections}});
  const std::string title =
      FillTemplate(tpl::ModuleTitle(), {{"Kind", kind}, {"Id", module.id}, {"Name", module.chineseName.empty() ? module.name : module.chineseName}});
  return WholePage(site, title, body);
}

}  // namespace ff::site
