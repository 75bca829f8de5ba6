// errors.html: the error codes of sysdef.h by category, with the macro
// names the header gives them.
#include <string>

#include "codetext/text_fill.h"
#include "docsite/html_text.h"
#include "docsite/site_pages.h"
#include "docsite/site_query.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "res/docsite_templates.h"
#include "res/header_texts.h"

namespace ff::site {

namespace {

namespace tpl = res::site;

std::string Trimmed(const CMemRecord& record, const std::string& caption) {
  return gbk::Trim(record.GetRef(caption));
}

}  // namespace

std::string ErrorPage(SiteModel& site) {
  CMemRecord errors;
  RunQuery(res::SysDefQuery(), errors, "the error codes");
  std::string sections, rows;
  auto closeCategory = [&] {
    if (site.categories.empty()) return;
    const ErrorCategory& category = site.categories.back();
    sections += FillTemplate(tpl::ErrorCategory(), {{"Anchor", category.anchor},
                                                    {"Category", Html(category.name)},
                                                    {"Count", std::to_string(category.count)},
                                                    {"Rows", rows}});
    rows.clear();
  };
  // A new section whenever the category changes, as sysdef.h starts a new
  // group: a category that comes back gets a second section.
  for (errors.GoTop(); !errors.Eof(); errors.Skip(1)) {
    const std::string category = Trimmed(errors, res::ErrorCategoryCaption());
    if (site.categories.empty() || category != site.categories.back().name) {
      closeCategory();
      site.categories.push_back({category, "cat-" + std::to_string(site.categories.size() + 1), 0});
    }
    ++site.categories.back().count;
    const std::string value = Trimmed(errors, res::ErrorValueCaption());
    const std::string code = Trimmed(errors, res::ErrorCodeCaption());
    const std::string message = Trimmed(errors, res::ErrorMessageCaption());
    AddSearchEntry(site, "ERR", code, message, value, "errors.html#" + site.categories.back().anchor);
    rows += FillTemplate(tpl::ErrorRow(), {{"Value", Html(value)},
                                           {"Code", Html(code)},
                                           {"MessageCode", Html(Trimmed(errors, res::ErrorMsgNameCaption()))},
                                           {"Message", Html(message)},
                                           {"Kind", Html(Trimmed(errors, res::ErrorKindCaption()))},
                                           {"Findings", FindingList(site, ErrorPlace(code))}});
  }
  closeCategory();
  site.errorCount = errors.GetCount();
  const std::string body = FillTemplate(
      tpl::ErrorsBody(), {{"ErrorCount", std::to_string(site.errorCount)},
                          {"Categories", sections.empty() ? tpl::NoEntries() : sections}});
  return WholePage(site, tpl::ErrorsTitle(), body);
}

}  // namespace ff::site
