#include "codetext/file_writer.h"

#include <utility>

#include "codetext/commit_behind.h"
#include "host/file_access.h"
#include "host/file_error.h"
#include "host/gbk_text.h"
#include "host/user_interface.h"
#include "res/file_texts.h"

namespace ff {

FileWriter::FileWriter(WriteOptions options) : options_(options) {}

FileWriter::~FileWriter() = default;  // the CommitBehind settles its files

FileWriter::Staged::Staged(Staged&& other) noexcept
    : outcome_(other.outcome_), ready_(std::exchange(other.ready_, false)), commit_(std::move(other.commit_)) {}

FileWriter::Staged& FileWriter::Staged::operator=(Staged&& other) noexcept {
  if (this != &other) {
    this->~Staged();
    new (this) Staged(std::move(other));
  }
  return *this;
}

FileWriter::Staged::~Staged() {
  if (!ready_) return;
  AbandonPendingCommit(commit_);
  ReleasePendingCommit(commit_);
}

bool FileWriter::MayOverwrite(const std::string& path, bool noPrompt) {
  if (noPrompt || options_.check) return true;
  if (!IsReadableFile(path)) return true;
  // A file that may not be written is said before the question, not after
  // a Yes that could not be kept.
  if (const int refused = WriteRefused(path)) Report(CFileException(path, refused));
  const std::string shown = gbk::PathInText(path);
  return UI().AskOverwrite(shown, res::OverwriteQuestion(shown));
}

std::string FileWriter::BytesOf(const GenFile& file) const {
  return options_.utf8 && !file.asIs ? gbk::ToUtf8(file.text) : file.text;
}

void FileWriter::Report(const CFileException& error) {
  // The files before this one are told first.
  if (behind_) behind_->Settle();
  error.ReportError();
  throw error;
}

FileWriter::Staged FileWriter::Stage(const GenFile& file, bool noPrompt) {
  Staged staged;
  staged.commit_.path = file.path;
  try {
    const std::string converted = options_.utf8 && !file.asIs ? gbk::ToUtf8(file.text) : std::string();
    const std::string& bytes = options_.utf8 && !file.asIs ? converted : file.text;
    if (options_.check) {
      // Nothing is asked and nothing is made anywhere: only compared.
      staged.outcome_ = FileHolds(file.path, bytes) ? FileOutcome::Unchanged : FileOutcome::WouldChange;
      if (staged.outcome_ == FileOutcome::WouldChange) ++wouldChange_;
      return staged;
    }
    // A file still on its way to this target is put in place first: this
    // one is compared with it and replaces it.
    if (behind_) behind_->NewFile(LinkTarget(file.path));
    if (!StageFile(file.path, bytes, staged.commit_)) return staged;  // Unchanged
    staged.ready_ = true;
    staged.outcome_ = FileOutcome::Written;
    if (options_.askAfterCompare && !MayOverwrite(file.path, noPrompt)) staged = Declined(file.path);
  } catch (const CFileException& error) {
    Report(error);
  }
  return staged;
}

FileOutcome FileWriter::Commit(Staged& staged) {
  if (!staged.ready_) return staged.outcome_;
  staged.ready_ = false;
  try {
    if (PrepareCommit(staged.commit_)) {
      // The workers start with the first file that needs them: a run that
      // writes nothing starts none.
      if (options_.behind && !behind_) {
        behind_ = std::make_unique<CommitBehind>();
        if (fault_) behind_->SetFaultForTests(fault_);
      }
      if (behind_) {
        behind_->Add(std::move(staged.commit_));
      } else {
        CompletePendingCommit(staged.commit_);
      }
    }
  } catch (const CFileException& error) {
    AbandonPendingCommit(staged.commit_);
    ReleasePendingCommit(staged.commit_);
    Report(error);
  }
  return staged.outcome_;
}

FileWriter::Staged FileWriter::Declined(const std::string& path) {
  Staged staged;
  staged.commit_.path = path;
  staged.outcome_ = FileOutcome::Declined;
  return staged;
}

FileOutcome FileWriter::Write(const GenFile& file, bool noPrompt) {
  Staged staged = Stage(file, noPrompt);
  return Commit(staged);
}

void FileWriter::After(std::function<void()> note, bool aboutLastFile) {
  if (behind_) {
    behind_->After(std::move(note), aboutLastFile);
  } else {
    note();
  }
}

bool FileWriter::Settle() { return behind_ ? behind_->Settle() : true; }

bool FileWriter::Failed() const { return behind_ && behind_->Failed(); }

void FileWriter::SetFaultForTests(std::function<int(const std::string& target)> fault) {
  fault_ = std::move(fault);
  if (behind_) behind_->SetFaultForTests(fault_);
}

}  // namespace ff
