// An advisory lock on an output folder, so that two runs writing into one
// folder take turns instead of leaving files of both. The folder itself
// is locked (flock on its descriptor): no lock file is added to it, and a
// killed run's lock goes with its process.
#pragma once

#include <string>

namespace ff {

class FolderLock {
 public:
  FolderLock() = default;
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Takes the lock on `folder` (the system's bytes; it must exist),
  // waiting up to `waitMs` for another holder to let go. False with the
  // reason in `error` (GBK), naming the holder's process when the system
  // tells it. `busy`, when given, says whether another holder was the
  // reason, and `holder` gets its process id (0 when unknown), for a
  // caller that says it in its own words.
  bool Acquire(const std::string& folder, int waitMs, std::string& error, bool* busy = nullptr, long* holder = nullptr);

 private:
  int fd_ = -1;
};

// How long a run waits for another run's output folder.
inline constexpr int kFolderLockWaitMs = 3000;

}  // namespace ff
