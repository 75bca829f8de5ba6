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

KindSummary ModuleList(const SiteModel& site, bool bls) {
  KindSummary summary;
  for (const ModuleEntry& module : site.modules) {
    if (module.bls != bls) continue;
    ++summary.modules;
    std::string items;
    for (size_t index : module.functions) {
      const FunctionLink& function = site.functions[index];
      items += FillTemplate(tpl::IndexFunction(), {{"Href", function.href},
                                                   {"Number", Html(function.number)},
                                                   {"Code", Html(function.code)},
                                                   {"Name", Html(function.name)}});
    }
    summary.functions += static_cast<int>(module.functions.size());
    summary.list += FillTemplate(tpl::IndexModule(), {{"Page", module.page},
                                                      {"Id", Html(module.id)},
                                                      {"Name", Html(module.name)},
                                                      {"ChineseName", Html(module.chineseName)},
                                                      {"Count", std::to_string(module.functions.size())},
                                                      {"Functions", items}});
  }
  if (summary.list.empty()) summary.list = tpl::NoEntries();
  return summary;
}

}  // namespace

std::string IndexPage(const SiteModel& site) {
  const KindSummary fos = ModuleList(site, false);
  const KindSummary bls = ModuleList(site, true);
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
                                                          {"FosModules", fos.list},
                                                          {"BlsModules", bls.list},
                                                          {"Categories", categories}});
  return WholePage(site, tpl::IndexTitle(), body);
}

}  // namespace ff::site
