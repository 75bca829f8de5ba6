// What every page of the site shares: the frame, the FID links and the
// search entries.
#include "codetext/text_fill.h"
#include "docsite/html_text.h"
#include "docsite/site_pages.h"
#include "res/docsite_templates.h"

namespace ff::site {

namespace tpl = res::site;

std::string FidStart(const std::string& code, size_t length) {
  std::string_view rest(code);
  if (rest.size() >= 4 && (rest[0] == 'F' || rest[0] == 'f') && (rest[1] == 'I' || rest[1] == 'i') &&
      (rest[2] == 'D' || rest[2] == 'd') && rest[3] == '_') {
    rest.remove_prefix(4);
  }
  std::string start;
  for (size_t i = 0; i < rest.size() && i < length; ++i) {
    const unsigned char c = static_cast<unsigned char>(rest[i]);
    if (c >= 'a' && c <= 'z') {
      start += static_cast<char>(c - 'a' + 'A');
    } else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
      start += static_cast<char>(c);
    } else {
      start += '_';
    }
  }
  return start.empty() ? std::string("_") : start;
}

std::string FidGroup(const SiteModel& site, const std::string& code) {
  std::string letter = FidStart(code, 1);
  return site.splitLetters.count(letter) ? FidStart(code, 2) : letter;
}

std::string FidGroupPage(const std::string& group) { return "fids-" + group + ".html"; }

std::string FidHref(const SiteModel& site, const std::string& code) {
  return FidGroupPage(FidGroup(site, code)) + "#" + AnchorId("fid-", code);
}

std::string RuleHref(const std::string& rule) { return "rules.html#" + AnchorId("", rule); }

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
