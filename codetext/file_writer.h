// The one writer of generated files. The edges (the command line, the
// desktop pages) hand it the files the generators made; it asks the
// overwrite question, compares, writes each file atomically
// (host/file_replace.h), honours a check, and tells what became of each.
//
// How it writes is a value the edge gives it (WriteOptions), never a
// switch elsewhere: the command line builds it from its options, a page
// takes the defaults.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "codetext/gen_file.h"
#include "host/file_replace.h"

class CFileException;

namespace ff {

class CommitBehind;

struct WriteOptions {
  bool utf8 = false;   // GBK code to UTF-8 on the way out
  bool check = false;  // write nothing: compare with the files on disk in memory
  // The question comes only when the new bytes differ from an existing
  // file (the command line's way). Otherwise the caller asks with
  // MayOverwrite before the database is read (the pages' way).
  bool askAfterCompare = false;
  // The fsync and rename of changed files run on workers while the next
  // file is made (a long run of many files); see codetext/commit_behind.h.
  bool behind = false;
};

class FileWriter {
 public:
  explicit FileWriter(WriteOptions options = {});
  ~FileWriter();  // settles every file; never throws
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;

  const WriteOptions& Options() const { return options_; }

  // The overwrite question, "文件%s已经存在，是否重写!", when `path` exists
  // and `noPrompt` is off. True when the file may be written. A file that
  // may not be written is said instead of the question: throws
  // CFileException (reported).
  bool MayOverwrite(const std::string& path, bool noPrompt);

  // A file's new bytes, staged beside the target until their commit.
  class Staged {
   public:
    Staged() = default;
    Staged(Staged&& other) noexcept;
    Staged& operator=(Staged&& other) noexcept;
    ~Staged();  // drops the temporary file unless committed
    FileOutcome Outcome() const { return outcome_; }
    const std::string& Path() const { return commit_.path; }

   private:
    friend class FileWriter;
    FileOutcome outcome_ = FileOutcome::Unchanged;
    bool ready_ = false;  // a commit is still to come
    PendingCommit commit_;
  };

  // Checks `file`: under a check only compared (Unchanged or WouldChange,
  // counted); else Unchanged (untouched), Declined (asked after comparing
  // and refused), or Written once committed. Throws CFileException
  // (reported, the files before it told first).
  Staged Stage(const GenFile& file, bool noPrompt);
  FileOutcome Commit(Staged& staged);
  // A file the user would not have overwritten, told as declined.
  static Staged Declined(const std::string& path);
  // Both at once.
  FileOutcome Write(const GenFile& file, bool noPrompt);

  // The bytes `file` gets on the disk.
  std::string BytesOf(const GenFile& file) const;

  // Runs `note` once every file written so far is in place. With
  // `aboutLastFile`, the note speaks of the last file written and is
  // dropped when that file could not be put in place.
  void After(std::function<void()> note, bool aboutLastFile);
  // Waits until every file is in place or failed (reported). False once a
  // file failed: the run stops.
  bool Settle();
  bool Failed() const;
  // Files found stale under a check.
  int WouldChange() const { return wouldChange_; }
  // A file the caller compared itself (the demo database).
  void NoteWouldChange() { ++wouldChange_; }

  // Tests: an errno to fail the fsync of `target` with (0: no fault).
  void SetFaultForTests(std::function<int(const std::string& target)> fault);

 private:
  [[noreturn]] void Report(const CFileException& error);

  WriteOptions options_;
  std::unique_ptr<CommitBehind> behind_;  // made with the first commit behind
  std::function<int(const std::string&)> fault_;
  int wouldChange_ = 0;
};

}  // namespace ff
