// The pages of the dictionary site and what they share while the site is
// made: the lint runs first, the module pages come next and record every
// function and every FID use; the FID, error, rule and index pages are made
// from those records.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "lint/finding.h"
#include "res/kind.h"

class CCodeMaker;
namespace ff::code {
class KindRows;
}
class CMemRecord;

namespace ff::site {

// Takes each page as it is made: file name, GBK text.
using PageSink = std::function<void(const std::string& name, const std::string& gbkText)>;

// The lint's findings, filed by the row they are about (indexes into
// `all`). A parameter's finding is filed under its function.
struct SiteFindings {
  std::vector<lint::Finding> all;
  // Places: ModulePlace, FunctionPlace, FidPlace.
  std::unordered_map<std::string, std::vector<size_t>> byPlace;
  std::map<std::string, int> errorsByRule, warningsByRule;
  // The places some page showed, so that rules.html lists the rest.
  std::unordered_set<std::string> shown;

  const std::vector<size_t>* At(const std::string& place) const;
};

// One function as the other pages link to it (GBK, trimmed).
struct FunctionLink {
  Kind kind = Kind::Fos;
  std::string number, code, name;
  std::string href;  // "fos-12.html#f123"
};

struct ModuleEntry {
  Kind kind = Kind::Fos;
  std::string id, name, chineseName;  // GBK, trimmed
  std::string page;                   // its file name
  std::vector<size_t> functions;      // into SiteModel::functions
  int errors = 0, warnings = 0;       // lint findings on its page
};

struct ErrorCategory {
  std::string name;    // GBK
  std::string anchor;  // in errors.html
  int count = 0;
};

struct SiteModel {
  std::string database;  // GBK, how the pages name the database
  std::string date;      // "YYYY-MM-DD"
  std::vector<FunctionLink> functions;
  std::vector<ModuleEntry> modules;  // FOS modules, then BLS, in query order
  // Trimmed FID code -> the functions whose parameters use it, each once.
  std::unordered_map<std::string, std::vector<size_t>> fidUses;
  std::vector<ErrorCategory> categories;
  SiteFindings findings;
  // The FID definitions (T151), read before the module pages link to them.
  std::shared_ptr<CMemRecord> fids;
  // The first characters whose FIDs are paged by two characters.
  std::set<std::string> splitLetters;
  int fidCount = 0, undefinedCount = 0, unusedCount = 0, errorCount = 0;
  // The entries of search-index.js, as the pages add them.
  std::string searchEntries;
};

// FIDs are paged by the first character of their code after "FID_", or,
// where that page would hold more than kFidsPerLetter defined FIDs, by the
// first two: a FID's page follows from its code and the size of its
// letter, so a link to it moves only when its letter is split. Letters
// upper case, any byte that is no ASCII letter or digit "_".
inline constexpr int kFidsPerLetter = 300;
// The first `length` characters so made ("KH" for FID_KHH), "_" for none.
std::string FidStart(const std::string& code, size_t length);
// "K" or "KH".
std::string FidGroup(const SiteModel& site, const std::string& code);
// "fids-KH.html".
std::string FidGroupPage(const std::string& group);
// The link of a FID code from any page ("fids-KH.html#fid-FID_KHH").
std::string FidHref(const SiteModel& site, const std::string& code);
// The link of a lint rule in the site's rule table ("rules.html#fid-unused").
std::string RuleHref(const std::string& rule);

// Runs the lint on the shared connection and files its findings.
// Throws ff::QueryError when the lint cannot read the database.
void ReadFindings(SiteModel& site);
// Where findings are filed: a module's page, a function's section (also
// for its parameters), a FID's row (also for the FID check's findings), an
// error code's row.
std::string ModulePlace(Kind kind, const std::string& id);
std::string FunctionPlace(Kind kind, const std::string& id);
std::string FidPlace(const std::string& code);
std::string ErrorPlace(const std::string& code);
// The findings filed under `place`, as a list for a page ("" when none),
// counted into `errors` and `warnings`; the place counts as shown.
std::string FindingList(SiteModel& site, const std::string& place, int* errors = nullptr, int* warnings = nullptr);

// Reads the modules of one kind into `site.modules` (with their page names).
void ReadModules(SiteModel& site, Kind kind);
// The page of one module, from the rows of its kind (`kind`: the rows of
// the module's kind, read once for every page); records the functions and
// FID uses in `site`.
std::string ModulePage(CCodeMaker& maker, SiteModel& site, size_t module, code::KindRows& kind);
// Reads the FID definitions and decides which letters are split.
void ReadFids(SiteModel& site);
// The FID pages, one per group, and fids.html, the overview with the
// FID check's lists: the FID query and the three FID checks.
void FidPages(SiteModel& site, const PageSink& add);
// errors.html: the error code query of sysdef.h.
std::string ErrorPage(SiteModel& site);
// index.html, from what the other pages recorded.
std::string IndexPage(const SiteModel& site);
// rules.html: the lint's rules with what they found in this database.
std::string RulePage(const SiteModel& site);
// search-index.js.
std::string SearchIndexScript(const SiteModel& site);

// A page body inside the frame every page shares.
std::string WholePage(const SiteModel& site, const std::string& title, const std::string& body);
// A search entry: kind (ASCII), code, name, number (GBK), href.
void AddSearchEntry(SiteModel& site, const char* kind, const std::string& code, const std::string& name,
                    const std::string& number, const std::string& href);

}  // namespace ff::site
