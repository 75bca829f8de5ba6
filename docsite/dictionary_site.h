// The browsable reference of the message dictionary: a static HTML site,
// made from the configuration database with the queries and naming rules of
// the code generators, readable from the file system without a server.
//
//   index.html        modules, counts, error categories, lint findings
//   fos-<id>.html     one page per FOS module, bls-<id>.html per BLS module,
//                     with the lint's findings on the module and its functions
//   fids-<X>.html     the FIDs whose code (after "FID_") starts with X (or
//                     with XY, fids-XY.html, for a letter of many FIDs) and
//                     where they are used; undefined FIDs of that start
//   fids.html         the FID pages, undefined and unused FIDs
//   errors.html       the error codes of sysdef.h by category
//   rules.html        the lint's rules, linked from every finding
//   style.css, search.js, search-index.js (read on first use of the search box)
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "docsite/site_files.h"

namespace ff::site {

struct SiteOptions {
  std::string folder;    // the system's bytes, never GBK; made when missing
  std::string database;  // GBK: how the pages name the database
  bool noPrompt = false; // replace files the site did not write without asking
  FileWriter* writer = nullptr;  // the run's writer; null: the pages' (GBK, no check)
  // Told after each page is made: pages made, pages in all.
  std::function<void(size_t done, size_t total)> progress;
};

// Makes the whole site on the shared connection. Nothing in the folder
// changes until every page is made; then pages whose bytes are unchanged
// are left untouched. The date on the pages follows SOURCE_DATE_EPOCH like
// the generated code, so a regenerated site is byte for byte the same.
// All queries read one committed state of the database. Under the
// writer's check nothing is written and nothing asked: each page is told
// Unchanged or WouldChange. Throws
// ff::QueryError (a query failed: no file changed) or CFileException
// (already reported).
std::vector<SiteFile> MakeDictionarySite(const SiteOptions& options);

}  // namespace ff::site
