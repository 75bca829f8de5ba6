// A generated file being written.
//
// The bytes go to a temporary file in the target's folder, which replaces
// the target by a rename only when everything was written: a failed write
// never leaves a half-written file, and the old content survives. A result
// identical to the file on disk leaves the file untouched (its time too).
// A file of up to 1 MiB is gathered in memory first and gets its
// temporary file only when it differs from the target: regenerating an
// unchanged tree creates and deletes no files.
// Where no file can be made beside the target but the target itself may
// be written, the bytes are gathered in memory and written over it in
// place at the commit. A symbolic link is written through, dangling or not;
// a rewritten file keeps its mode, owner and group. A temporary file that a
// killed run left for the same target goes with the next write.
#pragma once

#include <string>
#include <string_view>

namespace ff {

// The last steps of a committed file, for a CommitBehind to finish on its
// worker: the temporary file's bytes to the disk, then the rename.
struct PendingCommit {
  int fd = -1;           // the temporary file, open
  std::string temp;      // its path
  std::string target;    // the file it replaces (links resolved)
  std::string path;      // the target as the caller named it, for reports
  int slot = -1;         // where an interrupt finds the temporary file
};
// fsync, close, rename; 0 or the errno of the step that failed (the
// temporary file is then removed and the target keeps its bytes).
int CompletePendingCommit(PendingCommit& commit);
// The same in two steps: the bytes to the disk (fsync, close; the
// temporary file stays), then the rename (on failure the temporary file
// goes). Either gives 0 or the errno of its failure.
int SyncPendingCommit(PendingCommit& commit);
int PlacePendingCommit(PendingCommit& commit);
// Drops the temporary file; the target keeps its bytes.
void AbandonPendingCommit(PendingCommit& commit);
// Forgets the temporary file for an interrupt (call on the committing thread).
void ReleasePendingCommit(PendingCommit& commit);

enum class FileOutcome {
  Written,
  Unchanged,
  Declined,
  WouldChange,  // --check: the file is not written, but its bytes would change
};

// How generated text reaches the disk, for the whole process.
struct OutputOptions {
  bool utf8 = false;   // convert the GBK text to UTF-8 on the way out
  bool check = false;  // write nothing: only compare with the files on disk
  int wouldChange = 0; // files found stale while checking
};
OutputOptions& Output();

class GenFile {
 public:
  // A file to become `path` (the system's bytes: UTF-8 on Linux, never
  // GBK). Throws CFileException when its folder can take no file and the
  // target cannot be written in place.
  explicit GenFile(std::string path);
  // The same, with the encoding chosen by the caller instead of Output():
  // `toUtf8` converts the GBK text to UTF-8 on the way out (web pages are
  // UTF-8 whatever the code's encoding).
  GenFile(std::string path, bool toUtf8);
  // Bytes for `path` that stay in memory (a --check compares them): the
  // file system is not touched, and nothing may be committed.
  struct InMemory {};
  GenFile(std::string path, bool toUtf8, InMemory);
  ~GenFile();  // discards the temporary file unless committed
  GenFile(const GenFile&) = delete;
  GenFile& operator=(const GenFile&) = delete;

  // Throws CFileException.
  void Write(std::string_view bytes);
  // Finishes the file: renames it over the target, or drops it when the
  // target already holds the same bytes. While a CommitBehind is active on
  // this thread, a changed file's fsync and rename are left to it.
  // Throws CFileException.
  FileOutcome Commit();
  // The same, always finished before it returns (a caller that reads the
  // file next).
  FileOutcome CommitNow();

  const std::string& Path() const { return path_; }
  // True when the target exists and holds exactly the bytes written; no
  // more may be written after it.
  bool SameAsTarget();
  // No more bytes come: they all go to the temporary file (its fsync comes
  // with the commit, and a file left unchanged needs none), and the file
  // holds no memory and no descriptor until its commit.
  void Finish();
  // An in-memory file's bytes, in the output encoding; no more may be
  // written after it.
  const std::string& Bytes();

 private:
  std::string path_;
  std::string tempPath_;
  int fd_ = -1;
  bool committed_ = false;
  std::string buffer_;  // small write buffer, flushed at 64 KiB

  int pendingSlot_ = -1;   // where an interrupt finds the temporary file
  std::string target_;     // the file the rename replaces (links resolved)
  bool direct_ = false;    // a device or pipe: written in place, no rename
  bool inPlace_ = false;   // no temporary file: gathered, then written over the target
  std::string gathered_;   // the bytes not in a temporary file (yet)
  bool finished_ = false;
  bool memory_ = false;    // InMemory: every byte stays in gathered_
  bool utf8_ = false;      // convert GBK to UTF-8 on the way out
  bool Gathering() const { return fd_ < 0 && !inPlace_ && !direct_ && tempPath_.empty(); }
  bool InPlaceAllowed(int error) const;
  bool MakeTemp();    // false: no temporary file, the file is written in place
  void Spill();       // the gathered bytes to a new temporary file
  void Complete();    // the write buffer flushed; nothing more comes
  void Flush(bool final);
  void Emit(std::string_view bytes);
  void CommitInPlace();
  FileOutcome CommitFile(bool behind);
  [[noreturn]] void Fail(int error) const;
};

}  // namespace ff
