// The order of a commit, the same on every system: the file's bytes reach
// the disk first, then it takes the target's place; whatever fails, the
// temporary file goes and the slot of the interrupt cleanup is freed.
#include "host/file_error.h"
#include "host/file_replace.h"

namespace ff {

void CompletePendingCommit(PendingCommit& commit) {
  int error = SyncPendingCommit(commit);
  if (error == 0) {
    error = PlacePendingCommit(commit);
  } else {
    AbandonPendingCommit(commit);
  }
  ReleasePendingCommit(commit);
  if (error != 0) throw CFileException(commit.path, error);
}

bool ReplaceFile(const std::string& path, std::string_view bytes) {
  PendingCommit commit;
  if (!StageFile(path, bytes, commit)) return false;
  try {
    if (PrepareCommit(commit)) CompletePendingCommit(commit);
  } catch (...) {
    AbandonPendingCommit(commit);
    ReleasePendingCommit(commit);
    throw;
  }
  return true;
}

}  // namespace ff
