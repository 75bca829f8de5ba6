// The FID pages: every defined FID with the functions that use it, then
// the FIDs that parameters use without a definition, marked as the FID
// check finds them, one page per group of codes; and fids.html, the
// overview of the groups and of what the FID check found.
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

// The rows of one FID page while they are gathered.
struct FidGroupRows {
  std::string defined, chunk, undefined;
  int count = 0;
  UniqueIds anchors;

  // Rows go into tables of kChunkRows: the browser lays out those in view.
  void AddDefined(const std::string& row) {
    chunk += row;
    if (++count % kChunkRows == 0) CloseChunk();
  }
  void CloseChunk() {
    if (chunk.empty()) return;
    defined += FillTemplate(tpl::FidChunk(), {{"Rows", chunk}});
    chunk.clear();
  }
  static constexpr int kChunkRows = 20;
};

// A FID's check marks and lint findings.
std::string StatusText(SiteModel& site, const std::string& marks, const std::string& code) {
  return marks + FindingList(site, FidPlace(code));
}

// A list of FID links for the overview: code and name, each once.
std::string FidLinks(const SiteModel& site, const std::vector<std::pair<std::string, std::string>>& fids) {
  if (fids.empty()) return tpl::NoEntries();
  std::string items;
  for (const auto& [code, name] : fids) {
    items += FillTemplate(tpl::FidLink(), {{"Href", FidHref(site, code)}, {"Code", Html(code)}, {"Name", Html(name)}});
  }
  return FillTemplate(tpl::FidLinkList(), {{"Items", items}});
}

}  // namespace

void ReadFids(SiteModel& site) {
  site.fids = std::make_shared<CMemRecord>();
  CMemRecord& fids = *site.fids;
  RunQuery(res::FidDefQuery(), fids, "the FIDs");
  std::map<std::string, int> letters;
  for (fids.GoTop(); !fids.Eof(); fids.Skip(1)) ++letters[FidStart(Trimmed(fids, res::FidCodeCaption()), 1)];
  for (const auto& [letter, count] : letters) {
    if (count > kFidsPerLetter) site.splitLetters.insert(letter);
  }
}

void FidPages(SiteModel& site, const PageSink& add) {
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

  CMemRecord& fids = *site.fids;
  const std::vector<std::string> links = UseLinks(site);
  std::map<std::string, FidGroupRows> groups;
  std::set<std::string> defined;
  std::vector<std::pair<std::string, std::string>> unusedList;
  for (fids.GoTop(); !fids.Eof(); fids.Skip(1)) {
    const std::string code = Trimmed(fids, codeCaption);
    const std::string number = Trimmed(fids, res::FidNumberCaption());
    const std::string name = Trimmed(fids, nameCaption);
    const std::string group = FidGroup(site, code);
    FidGroupRows& page = groups[group];
    const std::string anchor = page.anchors.Take(AnchorId("fid-", code));
    const bool isUnused = unused.count(code) > 0;
    if (isUnused && defined.count(code) == 0) unusedList.emplace_back(code, name);
    defined.insert(code);
    AddSearchEntry(site, "FID", code, name, number, FidGroupPage(group) + "#" + anchor);
    page.AddDefined(FillTemplate(tpl::FidRow(), {{"Anchor", anchor},
                                                 {"Class", isUnused ? "unused" : "used"},
                                                 {"Number", Html(number)},
                                                 {"Code", Html(code)},
                                                 {"Name", Html(name)},
                                                 {"DataType", Html(Trimmed(fids, res::FidTypeCaption()))},
                                                 {"Note", Html(gbk::Trim(fids.GetRef(res::FidNoteCaption())))},
                                                 {"Status", StatusText(site, isUnused ? tpl::FidUnusedMark() : std::string(), code)},
                                                 {"Uses", UsesText(site, links, code)}}));
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

  std::vector<std::pair<std::string, std::string>> undefinedList;
  for (const std::string& code : undefinedOrder) {
    const Undefined& entry = undefined[code];
    std::string status;
    if (entry.inBls) status += tpl::FidUndefinedBlsMark();
    if (entry.inFos) status += tpl::FidUndefinedFosMark();
    const std::string group = FidGroup(site, code);
    FidGroupRows& page = groups[group];
    const std::string anchor = page.anchors.Take(AnchorId("fid-", code));
    AddSearchEntry(site, "FID", code, entry.name, std::string(), FidGroupPage(group) + "#" + anchor);
    undefinedList.emplace_back(code, entry.name);
    page.undefined += FillTemplate(tpl::UndefinedFidRow(), {{"Anchor", anchor},
                                                            {"Code", Html(code)},
                                                            {"Name", Html(entry.name)},
                                                            {"Status", StatusText(site, status, code)},
                                                            {"Uses", UsesText(site, links, code)}});
  }
  site.undefinedCount = static_cast<int>(undefinedOrder.size());

  // Every page names all groups, so that one can be reached from another.
  std::string groupBar;
  for (const auto& [group, rows] : groups) {
    groupBar += FillTemplate(tpl::FidGroupLink(), {{"Href", FidGroupPage(group)},
                                                   {"Group", Html(group)},
                                                   {"Count", std::to_string(rows.count)}});
  }
  groupBar = FillTemplate(tpl::FidGroupList(), {{"Items", groupBar}});
  for (auto& [group, rows] : groups) {
    rows.CloseChunk();
    std::string body = FillTemplate(tpl::FidGroupBody(), {{"Group", Html(group)},
                                                         {"FidCount", std::to_string(rows.count)},
                                                         {"Groups", groupBar},
                                                         {"Rows", rows.defined.empty() ? tpl::NoEntries()
                                                                                       : FillTemplate(tpl::FidTable(), {{"Chunks", rows.defined}})},
                                                         {"Undefined", rows.undefined.empty() ? std::string()
                                                                                              : FillTemplate(tpl::UndefinedFidTable(), {{"Rows", rows.undefined}})}});
    rows = FidGroupRows();  // a large site holds one page at a time
    add(FidGroupPage(group), WholePage(site, FillTemplate(tpl::FidGroupTitle(), {{"Group", group}}), body));
  }

  const std::string body = FillTemplate(tpl::FidsBody(), {{"FidCount", std::to_string(site.fidCount)},
                                                         {"UndefinedCount", std::to_string(site.undefinedCount)},
                                                         {"UnusedCount", std::to_string(site.unusedCount)},
                                                         {"Groups", groupBar},
                                                         {"Undefined", FidLinks(site, undefinedList)},
                                                         {"Unused", FidLinks(site, unusedList)}});
  add("fids.html", WholePage(site, tpl::FidsTitle(), body));
  site.fids.reset();
}

}  // namespace ff::site
