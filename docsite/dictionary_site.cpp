#include "docsite/dictionary_site.h"

#include <filesystem>
#include <system_error>

#include "codetext/code_maker.h"
#include "codetext/gen_file.h"
#include "codetext/query_ahead.h"
#include "codetext/routine_comment.h"
#include "docsite/site_pages.h"
#include "host/file_error.h"
#include "host/gbk_text.h"
#include "host/user_interface.h"
#include "host/config_db.h"
#include "modulecode/module_queries.h"
#include "res/docsite_templates.h"

namespace ff::site {

namespace {

void MakeFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    CFileException failure(folder, gbk::FromUtf8(error.message()));
    UI().ReportFileError(failure);
    throw failure;
  }
}

}  // namespace

std::vector<SiteFile> MakeDictionarySite(const SiteOptions& options) {
  SiteModel site;
  site.database = options.database;
  const CommentDate date = TodayForComments();
  site.date = date.year + "-" + date.month + "-" + date.day;

  if (!Output().check) MakeFolder(options.folder.empty() ? std::string(".") : options.folder);
  ConfigSnapshot snapshot;
  SiteFiles files(options.folder, options.noPrompt);

  // The lint first: its findings go on the pages of the rows they are about.
  ReadFindings(site);
  ReadFids(site);
  ReadModules(site, false);
  ReadModules(site, true);
  CCodeMaker maker;
  {
    // The next module's queries are read while one page is made.
    code::ReadAheadRun ahead(site.modules.size(), [&site](size_t module) {
      const ModuleEntry& entry = site.modules[module];
      return code::ModuleSourceQueries(entry.bls, gbk::AtoL(entry.id));
    });
    for (size_t module = 0; module < site.modules.size(); ++module) {
      ahead.Begin(module);
      // Each page goes to its temporary file at once: the site is never held whole.
      const std::string page = ModulePage(maker, site, module);
      files.Add(site.modules[module].page, page);
    }
  }
  FidPages(site, [&files](const std::string& name, const std::string& page) { files.Add(name, page); });
  files.Add("errors.html", ErrorPage(site));
  files.Add("rules.html", RulePage(site));
  files.Add("index.html", IndexPage(site));
  files.Add("search-index.js", SearchIndexScript(site));
  files.Add("search.js", res::site::SearchScript());
  files.Add("style.css", res::site::Stylesheet());
  return files.Commit();
}

}  // namespace ff::site
