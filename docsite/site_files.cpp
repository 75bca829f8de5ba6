#include "docsite/site_files.h"

#include <fstream>

#include "host/file_access.h"
#include "host/gbk_text.h"
#include "res/docsite_templates.h"

namespace ff::site {

namespace {

// The mark sits in the first lines of every page, script and stylesheet.
constexpr std::streamsize kMarkWindow = 1024;

}  // namespace

std::string PageBytes(const std::string& gbkText) { return gbk::ToUtf8(gbkText); }

bool WrittenBySite(const std::string& path) {
  std::ifstream in(FsPath(path), std::ios::binary);
  if (!in) return true;  // nothing there to lose
  std::string head(kMarkWindow, '\0');
  in.read(head.data(), kMarkWindow);
  head.resize(static_cast<size_t>(in.gcount()));
  return head.find(res::site::GeneratorMark()) != std::string::npos;
}

SiteFiles::SiteFiles(std::string folder, bool noPrompt, FileWriter& writer)
    : folder_(std::move(folder)), noPrompt_(noPrompt), writer_(writer) {
  if (folder_.empty()) folder_.push_back('.');
  if (folder_.back() != '/') folder_ += '/';
}

SiteFiles::~SiteFiles() = default;

void SiteFiles::Add(const std::string& name, const std::string& gbkText) {
  GenFile file(folder_ + name, PageBytes(gbkText), true);
  // Only a file the site did not write is asked about, before anything else.
  if (!writer_.Options().check && !WrittenBySite(file.path) && !writer_.MayOverwrite(file.path, noPrompt_)) {
    pending_.push_back(FileWriter::Declined(file.path));
    return;
  }
  pending_.push_back(writer_.Stage(file, true));
}

std::vector<SiteFile> SiteFiles::Commit() {
  std::vector<SiteFile> results;
  results.reserve(pending_.size());
  for (FileWriter::Staged& staged : pending_) results.push_back({staged.Path(), writer_.Commit(staged)});
  pending_.clear();
  return results;
}

}  // namespace ff::site
