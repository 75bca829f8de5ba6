// Replacing a file's bytes on the disk so that it always holds its old
// bytes or its new ones, never a part.
//
// The new bytes go to a temporary file in the target's folder, which
// replaces the target by a rename once they are on the disk. Bytes
// identical to the file on disk leave the file untouched (its time too)
// and make no temporary file. Where no file can be made beside the target
// but the target itself may be written, the bytes are written over it in
// place at the commit. A symbolic link is written through, dangling or
// not; a rewritten file keeps its mode, owner and group. A temporary file
// that a killed run left for the same target goes with the next write, and
// an interrupt (Ctrl-C, a kill) takes the temporary files of this process
// along.
//
// Paths are the system's bytes (UTF-8 on Linux, never GBK). Every failure
// throws CFileException naming the path as the caller gave it.
#pragma once

#include <string>
#include <string_view>

namespace ff {

// New bytes for a file, on their way: staged beside the target, then
// committed (the target's mode and owner, the fsync, the rename).
struct PendingCommit {
  std::string path;     // the target as the caller named it, for reports
  std::string target;   // the file the rename replaces (links resolved)
  std::string temp;     // the temporary file; empty when written in place
  int fd = -1;          // the temporary file, open for its fsync once prepared
  int slot = -1;        // where an interrupt finds the temporary file
  std::string inPlace;  // the bytes for a target written over in place
  bool direct = false;  // a device or pipe: written at once, nothing to commit
};

// True when the file `path` ends at holds exactly `bytes`; false when it
// holds others, does not exist, or is a device or pipe (never read).
// Throws when it exists but cannot be read, or is a folder.
bool FileHolds(const std::string& path, std::string_view bytes);

// The file a chain of symbolic links from `path` ends at, whether it exists
// or not.
std::string LinkTarget(const std::string& path);

// Compares `bytes` with the target; when they differ, puts them beside it
// into a temporary file (closed again: a site stages hundreds). False when
// the target holds them already: nothing was made.
bool StageFile(const std::string& path, std::string_view bytes, PendingCommit& staged);

// Readies a staged file for its last two steps: the target may be
// replaced, the temporary file gets its mode and owner and is opened for
// the fsync. A file written in place is written here, and is then done.
// False when nothing more is to do.
bool PrepareCommit(PendingCommit& staged);

// The last two steps, for a worker: the bytes to the disk (fsync, close;
// the temporary file stays), then the rename (on failure the temporary
// file goes). Each gives 0 or the errno of its failure.
int SyncPendingCommit(PendingCommit& commit);
int PlacePendingCommit(PendingCommit& commit);
// Both steps, then forgets the temporary file; throws on failure (the
// temporary file is gone and the target keeps its bytes).
void CompletePendingCommit(PendingCommit& commit);
// Drops the temporary file; the target keeps its bytes.
void AbandonPendingCommit(PendingCommit& commit);
// Forgets the temporary file for an interrupt (call on the committing thread).
void ReleasePendingCommit(PendingCommit& commit);

// The whole replacement at once, for a file that is not generated code (a
// page's temporary file, an exported list). False when unchanged.
bool ReplaceFile(const std::string& path, std::string_view bytes);

}  // namespace ff
