#include "docsite/site_files.h"

#include <fstream>

#include "codetext/code_maker.h"
#include "host/file_error.h"
#include "host/gbk_text.h"
#include "host/user_interface.h"
#include "res/docsite_templates.h"

namespace ff::site {

namespace {

// The mark sits in the first lines of every page, script and stylesheet.
constexpr std::streamsize kMarkWindow = 1024;

// True when the regular file at `path` holds exactly `bytes`.
bool HoldsBytes(const std::string& path, const std::string& bytes) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in || static_cast<size_t>(in.tellg()) != bytes.size()) return false;
  in.seekg(0);
  std::string content(bytes.size(), '\0');
  in.read(content.data(), static_cast<std::streamsize>(content.size()));
  return in.gcount() == static_cast<std::streamsize>(content.size()) && content == bytes;
}

}  // namespace

std::string PageBytes(const std::string& gbkText) { return gbk::ToUtf8(gbkText); }

bool WrittenBySite(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return true;  // nothing there to lose
  std::string head(kMarkWindow, '\0');
  in.read(head.data(), kMarkWindow);
  head.resize(static_cast<size_t>(in.gcount()));
  return head.find(res::site::GeneratorMark()) != std::string::npos;
}

SiteFiles::SiteFiles(std::string folder, bool noPrompt) : folder_(std::move(folder)), noPrompt_(noPrompt) {
  if (folder_.empty()) folder_.push_back('.');
  if (folder_.back() != '/') folder_ += '/';
}

SiteFiles::~SiteFiles() = default;

void SiteFiles::Add(const std::string& name, const std::string& gbkText) {
  Pending pending;
  pending.result.path = folder_ + name;
  if (Output().check) {
    // A check asks nothing and writes nothing: the page is only compared.
    const bool same = HoldsBytes(pending.result.path, PageBytes(gbkText));
    pending.result.outcome = same ? FileOutcome::Unchanged : FileOutcome::WouldChange;
    if (!same) ++Output().wouldChange;
    pending_.push_back(std::move(pending));
    return;
  }
  if (!WrittenBySite(pending.result.path)) {
    CCodeMaker asker;
    bool overwrite;
    try {
      overwrite = asker.CheckOverwrite(pending.result.path, noPrompt_);
    } catch (const CFileException& error) {
      // A file nobody may write is said instead of the question.
      error.ReportError();
      throw;
    }
    if (!overwrite) {
      pending.result.outcome = FileOutcome::Declined;
      pending_.push_back(std::move(pending));
      return;
    }
  }
  const std::string utf8 = PageBytes(gbkText);
  if (HoldsBytes(pending.result.path, utf8)) {
    // Nothing to write: no temporary file, no flush to disk.
    pending.result.outcome = FileOutcome::Unchanged;
    pending_.push_back(std::move(pending));
    return;
  }
  try {
    pending.file = std::make_unique<GenFile>(pending.result.path, false);
    pending.file->Write(utf8);
    pending.file->Finish();  // closed now: a large site holds no descriptors
  } catch (const CFileException& error) {
    UI().ReportFileError(error);
    throw;
  }
  pending_.push_back(std::move(pending));
}

std::vector<SiteFile> SiteFiles::Commit() {
  std::vector<SiteFile> results;
  results.reserve(pending_.size());
  for (Pending& pending : pending_) {
    if (pending.file) {
      try {
        pending.result.outcome = pending.file->Commit();
      } catch (const CFileException& error) {
        UI().ReportFileError(error);
        throw;
      }
    }
    results.push_back(pending.result);
  }
  pending_.clear();
  return results;
}

}  // namespace ff::site
