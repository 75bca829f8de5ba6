// The pages of the dictionary site and what they share while the site is
// made: the module pages come first and record every function and every
// FID use; the FID, error and index pages are made from those records.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

class CCodeMaker;

namespace ff::site {

// One function as the other pages link to it (GBK, trimmed).
struct FunctionLink {
  bool bls = false;
  std::string number, code, name;
  std::string href;  // "fos-12.html#f123"
};

struct ModuleEntry {
  bool bls = false;
  std::string id, name, chineseName;  // GBK, trimmed
  std::string page;                   // its file name
  std::vector<size_t> functions;      // into SiteModel::functions
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
  int fidCount = 0, undefinedCount = 0, unusedCount = 0, errorCount = 0;
  // The entries of search-index.js, as the pages add them.
  std::string searchEntries;
};

// The link of a FID code from any page ("fids.html#fid-FID_KHH").
std::string FidHref(const std::string& code);

// Reads the modules of one kind into `site.modules` (with their page names).
void ReadModules(SiteModel& site, bool bls);
// The page of one module: runs its function query and each function's two
// parameter queries; records the functions and FID uses in `site`.
std::string ModulePage(CCodeMaker& maker, SiteModel& site, size_t module);
// fids.html: the FID query and the three FID checks.
std::string FidPage(SiteModel& site);
// errors.html: the error code query of sysdef.h.
std::string ErrorPage(SiteModel& site);
// index.html, from what the other pages recorded.
std::string IndexPage(const SiteModel& site);
// search-index.js.
std::string SearchIndexScript(const SiteModel& site);

// A page body inside the frame every page shares.
std::string WholePage(const SiteModel& site, const std::string& title, const std::string& body);
// A search entry: kind (ASCII), code, name, number (GBK), href.
void AddSearchEntry(SiteModel& site, const char* kind, const std::string& code, const std::string& name,
                    const std::string& number, const std::string& href);

}  // namespace ff::site
