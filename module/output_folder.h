// The folder the pages write into: shown and written as a full path, asked
// for when empty, made when missing (after a question), and opened in the
// desktop's file manager after a generation. Paths are the system's bytes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/folder_lock.h"

class QProcess;

namespace ff::gui {

// `folder` as a full path, cleaned ("" stays ""): a relative folder means
// the current folder of the program, which the user cannot see.
std::string AbsoluteFolder(const std::string& folder);
// `name` in `folder` ("" when the folder is empty: no name is guessed).
std::string FileInFolder(const std::string& folder, const std::string& name);
// Before writing into `folder`: an empty folder is asked for (a message,
// false); a missing one is made when the user agrees. False when nothing
// may be written.
bool ReadyToWrite(const std::string& folder);
// The folders one generation of a page writes into, held until it is done,
// as a run of the command line holds its output folder: the files of two
// programs never mix in one folder. A folder held elsewhere is waited for
// a few seconds, then said, and nothing is written.
class HeldFolders {
 public:
  // Takes every folder of `paths` (files or folders, the system's bytes,
  // existing). False when one cannot be had (told); none is held then.
  bool Hold(const std::vector<std::string>& folders);

 private:
  std::vector<std::unique_ptr<FolderLock>> locks_;
};
// The folder of the file `path` ("." for a bare name).
std::string FolderOf(const std::string& path);
// Opens `folder` in the desktop's file manager; says so when it cannot.
void OpenFolder(const std::string& folder);
// Starts the desktop's opener (xdg-open) on `path`, the system's bytes.
// Null when there is none or it cannot be started (the caller says so);
// when it ends with a failure (no program for the file, say) the user is
// told what was tried and what to install. The process belongs to the
// application and goes when it has ended.
QProcess* StartOpener(const std::string& path);

}  // namespace ff::gui
