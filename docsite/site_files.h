// The files of the dictionary site, written as one: every page is staged
// by the writer into a temporary file first, and only when all of them
// were made does any page replace its target. A failure on the way (a
// query, a full disk) leaves every file of an earlier site as it was.
#pragma once

#include <string>
#include <vector>

#include "codetext/file_writer.h"

namespace ff::site {

struct SiteFile {
  std::string path;  // the system's bytes
  FileOutcome outcome = FileOutcome::Written;
};

class SiteFiles {
 public:
  // `folder` (the system's bytes, as every path) must exist. With `noPrompt` a file the site did not write
  // is replaced without the overwrite question. Under the writer's check
  // nothing is asked or written: each page is only compared.
  SiteFiles(std::string folder, bool noPrompt, FileWriter& writer);
  ~SiteFiles();  // drops the temporary files of an unfinished site
  SiteFiles(const SiteFiles&) = delete;
  SiteFiles& operator=(const SiteFiles&) = delete;

  // Makes the file `name` of the site from GBK text, written as UTF-8.
  // A file at that place that does not carry the site's generator mark (a
  // page written by hand, say) is asked about first; a declined file is
  // left alone and told as declined. Throws CFileException (reported by
  // the writer).
  void Add(const std::string& name, const std::string& gbkText);

  // Puts every made file in place: unchanged ones are left untouched.
  // Throws CFileException (reported by the writer).
  std::vector<SiteFile> Commit();

  const std::string& Folder() const { return folder_; }

 private:
  std::string folder_;
  bool noPrompt_;
  FileWriter& writer_;
  std::vector<FileWriter::Staged> pending_;
};

// The bytes of a site file from the page text the site made (GBK): UTF-8.
// The one place where the pages' text changes its encoding.
std::string PageBytes(const std::string& gbkText);

// True when the file at `path` is missing, or carries the site's
// generator mark near its start.
bool WrittenBySite(const std::string& path);

}  // namespace ff::site
