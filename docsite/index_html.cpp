// index.html: the modules with their functions, the counts, the error
// categories, and where and when the site was made.
#include <string>

#include "codetext/text_fill.h"
#include "docsite/html_text.h"
#include "docsite/site_pages.h"
#include "res/docsite_templates.h"

namespace ff::site {

namespace {

namespace tpl = res::site;

struct KindSummary {
  std::string list;
  int modules = 0, functions = 0;
};

KindSummary ModuleList(const SiteModel& site, Kind kind) {
  KindSummary summary;
  std::string items;
  for (const ModuleEntry& module : site.modules) {
    if (module.kind != kind) continue;
    ++summary.modules;
    summary.functions += static_cast<int>(module.functions.size());
    const std::string lint = module.errors + module.warnings == 0
                                 ? std::string()
                                 : FillTemplate(tpl::IndexModuleLint(), {{"Page", module.page},
                                                                         {"Errors", std::to_string(module.errors)},
                                                                         {"Warnings", std::to_string(module.warnings)}});
    items += FillTemplate(tpl::IndexModule(), {{"Page", module.page},
                                               {"Id", Html(module.id)},
                                               {"Name", Html(module.name)},
                                               {"ChineseName", Html(module.chineseName)},
                                               {"Count", std::to_string(module.functions.size())},
                                               {"Lint", lint}});
  }
  summary.list = items.empty() ? tpl::NoEntries() : FillTemplate(tpl::IndexModuleList(), {{"Items", items}});
  return summary;
}

int LintCount(const SiteModel& site, bool errors) {
  int total = 0;
  for (const auto& [rule, count] : errors ? site.findings.errorsByRule : site.findings.warningsByRule) total += count;
  return total;
}

}  // namespace

std::string IndexPage(const SiteModel& site) {
  const KindSummary fos = ModuleList(site, Kind::Fos);
  const KindSummary bls = ModuleList(site, Kind::Bls);
  std::string categories;
  for (const ErrorCategory& category : site.categories) {
    categories += FillTemplate(tpl::IndexCategory(), {{"Href", "errors.html#" + category.anchor},
                                                      {"Name", Html(category.name)},
                                                      {"Count", std::to_string(category.count)}});
  }
  categories = categories.empty() ? tpl::NoEntries() : FillTemplate(tpl::IndexCategoryList(), {{"Items", categories}});
  const std::string body = FillTemplate(tpl::IndexBody(), {{"Database", Html(site.database)},
                                                          {"Date", site.date},
                                                          {"FosModuleCount", std::to_string(fos.modules)},
                                                          {"FosFunctionCount", std::to_string(fos.functions)},
                                                          {"BlsModuleCount", std::to_string(bls.modules)},
                                                          {"BlsFunctionCount", std::to_string(bls.functions)},
                                                          {"FidCount", std::to_string(site.fidCount)},
                                                          {"UndefinedCount", std::to_string(site.undefinedCount)},
                                                          {"UnusedCount", std::to_string(site.unusedCount)},
                                                          {"ErrorCount", std::to_string(site.errorCount)},
                                                          {"CategoryCount", std::to_string(site.categories.size())},
                                                          {"LintErrors", std::to_string(LintCount(site, true))},
                                                          {"LintWarnings", std::to_string(LintCount(site, false))},
                                                          {"FosModules", fos.list},
                                                          {"BlsModules", bls.list},
                                                          {"Categories", categories}});
  return WholePage(site, tpl::IndexTitle(), body);
}

}  // namespace ff::site
