#include "docsite/dictionary_site.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "codetext/code_maker.h"
#include "codetext/file_writer.h"
#include "codetext/routine_comment.h"
#include "docsite/site_pages.h"
#include "host/file_access.h"
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
  std::filesystem::create_directories(FsPath(folder), error);
  if (error) {
    CFileException failure(folder, gbk::FromUtf8(error.message()));
    UI().ReportFileError(failure);
    throw failure;
  }
}

}  // namespace

std::vector<SiteFile> MakeDictionarySite(const SiteOptions& options) {
  // The pages are UTF-8: every character of the database reaches them.
  gbk::KeepForeignText keep;
  SiteModel site;
  site.database = options.database;
  const CommentDate date = TodayForComments();
  site.date = date.year + "-" + date.month + "-" + date.day;

  FileWriter pagesWriter;
  FileWriter& writer = options.writer ? *options.writer : pagesWriter;
  if (!writer.Options().check) MakeFolder(options.folder.empty() ? std::string(".") : options.folder);
  ConfigSnapshot snapshot;
  SiteFiles files(options.folder, options.noPrompt, writer);

  // The lint first: its findings go on the pages of the rows they are about.
  ReadFindings(site);
  ReadFids(site);
  for (const Kind kind : kKinds) ReadModules(site, kind);
  CCodeMaker maker;
  // The module pages, then the FID pages, errors, rules, index, the search
  // index, the script and the style.
  const size_t pages = site.modules.size() + 7;
  size_t made = 0;
  auto add = [&](const std::string& name, const std::string& text) {
    files.Add(name, text);
    if (options.progress) options.progress(++made, pages);
  };
  {
    // The rows of every module with a few queries for each kind; the FOS
    // modules come first and go before the BLS rows are read.
    std::optional<code::KindRows> kind;
    for (size_t module = 0; module < site.modules.size(); ++module) {
      const Kind of = site.modules[module].kind;
      if (!kind || kind->kind() != of) kind.emplace(of);
      // Each page goes to its temporary file at once: the site is never held whole.
      const std::string page = ModulePage(maker, site, module, *kind);
      add(site.modules[module].page, page);
    }
  }
  // The FID pages count as one step: how many there are shows as they come.
  FidPages(site, [&files](const std::string& name, const std::string& page) { files.Add(name, page); });
  if (options.progress) options.progress(++made, pages);
  add("errors.html", ErrorPage(site));
  add("rules.html", RulePage(site));
  add("index.html", IndexPage(site));
  add("search-index.js", SearchIndexScript(site));
  add("search.js", res::site::SearchScript());
  add("style.css", res::site::Stylesheet());
  return files.Commit();
}

}  // namespace ff::site
