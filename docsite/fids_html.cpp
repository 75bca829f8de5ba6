// fids.html: every defined FID with the functions that use it, then the
// FIDs that parameters use without a definition, marked as the FID check
// finds them.
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "codetext/text_fill.h"
#include "docsite/html_text.h"
#include "docsite/site_pages.h"
#include "docsite/site_query.h"
#include "fidcheck/fid_check.h"
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

// The link of every function, made once: a FID lists up to thousands.
std::vector<std::string> UseLinks(const SiteModel& site) {
  std::vector<std::string> links;
  links.reserve(site.functions.size());
  for (const FunctionLink& function : site.functions) {
    links.push_back(FillTemplate(tpl::FidUse(), {{"Href", function.href}, {"Code", Html(function.code)}}));
  }
  return links;
}

std::string UsesText(const SiteModel& site, const std::vector<std::string>& links, const std::string& code) {
  std::string out;
  auto found = site.fidUses.find(code);
  if (found == site.fidUses.end()) return out;
  for (size_t index : found->second) out += links[index];
  return out;
}

// An undefined FID: the parameter name it was first found with, and which
// checks found it.
struct Undefined {
  std::string name;
  bool inBls = false, inFos = false;
};

}  // namespace

std::string FidPage(SiteModel& site) {
  // The checks first: their marks go on the rows.
  std::set<std::string> unused;
  std::vector<std::string> undefinedOrder;
  std::map<std::string, Undefined> undefined;
  const std::string& codeCaption = res::FidCodeCaption();
  const std::string& nameCaption = res::FidNameCaption();
  for (FidCheckKind kind : kFidChecks) {
    CMemRecord rows;
    RunQuery(FidCheckQuery(kind), rows, "the FID check");
    for (rows.GoTop(); !rows.Eof(); rows.Skip(1)) {
      const std::string code = Trimmed(rows, codeCaption);
      if (kind == FidCheckKind::Unused) {
        unused.insert(code);
        continue;
      }
      auto [it, fresh] = undefined.try_emplace(code);
      if (fresh) {
        undefinedOrder.push_back(code);
        it->second.name = Trimmed(rows, nameCaption);
      }
      (kind == FidCheckKind::Bls ? it->second.inBls : it->second.inFos) = true;
    }
  }

  CMemRecord fids;
  RunQuery(res::FidDefQuery(), fids, "the FIDs");
  const std::vector<std::string> links = UseLinks(site);
  UniqueIds anchors;
  std::set<std::string> defined;
  std::string rows;
  for (fids.GoTop(); !fids.Eof(); fids.Skip(1)) {
    const std::string code = Trimmed(fids, codeCaption);
    const std::string number = Trimmed(fids, res::FidNumberCaption());
    const std::string name = Trimmed(fids, nameCaption);
    const std::string anchor = anchors.Take(AnchorId("fid-", code));
    const bool isUnused = unused.count(code) > 0;
    defined.insert(code);
    AddSearchEntry(site, "FID", code, name, number, "fids.html#" + anchor);
    rows += FillTemplate(tpl::FidRow(), {{"Anchor", anchor},
                                         {"Class", isUnused ? "unused" : "used"},
                                         {"Number", Html(number)},
                                         {"Code", Html(code)},
                                         {"Name", Html(name)},
                                         {"DataType", Html(Trimmed(fids, res::FidTypeCaption()))},
                                         {"Note", Html(gbk::Trim(fids.GetRef(res::FidNoteCaption())))},
                                         {"Status", isUnused ? tpl::FidUnusedMark() : std::string()},
                                         {"Uses", UsesText(site, links, code)}});
  }
  site.fidCount = fids.GetCount();
  site.unusedCount = static_cast<int>(unused.size());

  // Every used code without a definition gets a row, so that every
  // parameter's link lands somewhere, also where the checks (which compare
  // untrimmed codes) see it differently.
  std::vector<std::string> leftover;
  for (const auto& [code, uses] : site.fidUses) {
    if (defined.count(code) == 0 && undefined.count(code) == 0) leftover.push_back(code);
  }
  std::sort(leftover.begin(), leftover.end());
  for (const std::string& code : leftover) {
    undefined.try_emplace(code);
    undefinedOrder.push_back(code);
  }

  std::string undefinedRows;
  for (const std::string& code : undefinedOrder) {
    const Undefined& entry = undefined[code];
    std::string status;
    if (entry.inBls) status += tpl::FidUndefinedBlsMark();
    if (entry.inFos) status += tpl::FidUndefinedFosMark();
    const std::string anchor = anchors.Take(AnchorId("fid-", code));
    AddSearchEntry(site, "FID", code, entry.name, std::string(), "fids.html#" + anchor);
    undefinedRows += FillTemplate(tpl::UndefinedFidRow(), {{"Anchor", anchor},
                                                           {"Code", Html(code)},
                                                           {"Name", Html(entry.name)},
                                                           {"Status", status},
                                                           {"Uses", UsesText(site, links, code)}});
  }
  site.undefinedCount = static_cast<int>(undefinedOrder.size());

  const std::string body = FillTemplate(tpl::FidsBody(), {{"FidCount", std::to_string(site.fidCount)},
                                                         {"UndefinedCount", std::to_string(site.undefinedCount)},
                                                         {"UnusedCount", std::to_string(site.unusedCount)},
                                                         {"Rows", rows},
                                                         {"UndefinedRows", undefinedRows}});
  return WholePage(site, tpl::FidsTitle(), body);
}

}  // namespace ff::site
