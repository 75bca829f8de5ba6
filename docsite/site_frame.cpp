// What every page of the site shares: the frame, the FID links and the
// search entries.
#include "codetext/text_fill.h"
#include "docsite/html_text.h"
#include "docsite/site_pages.h"
#include "res/docsite_templates.h"

namespace ff::site {

namespace tpl = res::site;

std::string FidHref(const std::string& code) { return "fids.html#" + AnchorId("fid-", code); }

std::string WholePage(const SiteModel& site, const std::string& title, const std::string& body) {
  return FillTemplate(tpl::Page(), {{"Title", Html(title)},
                                    {"Body", body},
                                    {"Database", Html(site.database)},
                                    {"Date", site.date}});
}

void AddSearchEntry(SiteModel& site, const char* kind, const std::string& code, const std::string& name,
                    const std::string& number, const std::string& href) {
  site.searchEntries += FillTemplate(tpl::SearchEntry(), {{"Kind", kind},
                                                          {"Code", JsString(code)},
                                                          {"Name", JsString(name)},
                                                          {"Number", JsString(number)},
                                                          {"Href", JsString(href)}});
}

std::string SearchIndexScript(const SiteModel& site) {
  return FillTemplate(tpl::SearchIndex(), {{"Entries", site.searchEntries}});
}

}  // namespace ff::site
