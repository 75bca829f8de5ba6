// Shared by the code generating commands: how a file outcome is told, and
// how generated code goes to standard output.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "cli/commands.h"
#include "codetext/code_maker.h"
#include "codetext/commit_behind.h"
#include "codetext/gen_file.h"
#include "host/config_db.h"
#include "host/file_error.h"
#include "host/folder_lock.h"
#include "host/gbk_text.h"
#include "host/sim_db.h"

namespace ff::cli {

inline const char* FileOutcomeWord(FileOutcome outcome) {
  switch (outcome) {
    case FileOutcome::Written:
      return "written";
    case FileOutcome::Unchanged:
      return "unchanged";
    case FileOutcome::WouldChange:
      return "would change";
    default:
      return "declined";
  }
}

// Generated code (GBK) on standard output: the bytes a file would get,
// CR LF included, in the encoding chosen with --encoding.
inline void WriteCode(const std::string& gbkText) {
  WriteOut(Output().utf8 ? gbk::ToUtf8(gbkText) : gbkText);
  FinishOut();
}

// Creates the output folder `folder` (the system's bytes) and its parents when missing, so
// that a first run in a fresh checkout works (not under --check). False
// when that failed (reported, naming `file` when the folder is made for one).
inline bool MakeOutputFolder(const std::string& folder, const std::string& file = {}) {
  if (Output().check) return true;  // a check writes nothing, folders included
  std::error_code error;
  std::filesystem::create_directories(folder.empty() ? std::string(".") : folder, error);
  if (error) {
    PrintError((file.empty() ? std::string() : "cannot write " + gbk::FromUtf8(file) + ": ") +
               "cannot create the folder " + gbk::FromUtf8(folder) + ": " + gbk::FromUtf8(error.message()));
    return false;
  }
  return true;
}

// Holds `folder` (the system's bytes, existing) for this run until the
// program ends: a second run writing into it waits a few seconds, then
// fails naming the process that holds it. Files of two runs never mix in
// one folder. A check writes nothing and takes no lock. False when the
// folder cannot be had (reported).
inline bool LockOutputFolder(const std::string& folder) {
  if (Output().check) return true;
  static FolderLock lock;  // one output folder a run
  std::string error;
  if (lock.Acquire(folder, kFolderLockWaitMs, error)) return true;
  PrintError(error);
  return false;
}

// Tells on standard output how the last file of `maker` went; a declined
// overwrite gives kDeclined.
inline int TellFileOutcome(const CCodeMaker& maker, const std::string& path) {
  const FileOutcome outcome = maker.LastFileOutcome();
  // A written file still on its way to the disk is told once it is in
  // place, and not at all when it could not be put there.
  const std::string word = FileOutcomeWord(outcome);
  AfterCommits([word, path] { PrintPathLine(word, path); }, outcome == FileOutcome::Written);
  return outcome == FileOutcome::Declined ? kDeclined : kOk;
}

// The text of one function or snippet, `made` by `maker`: a failure, or no
// text at all (nothing has that code), is an error naming `what`. Otherwise
// the text goes to standard output, or `writeFile` writes it to `path`
// (the system's bytes; empty: standard output); a file error was reported by the writer.
template <class WriteFile>
int DeliverCode(const CCodeMaker& maker, bool made, const std::string& text, const std::string& what,
                const std::string& path, WriteFile writeFile) {
  if (!made) {
    PrintError("cannot generate " + what + ": " + maker.LastError());
    return kFailure;
  }
  if (text.empty()) {
    PrintError("no " + what);
    return kFailure;
  }
  if (path.empty()) {
    WriteCode(text);
    return kOk;
  }
  if (!MakeOutputFolder(std::filesystem::path(path).parent_path().string(), path)) return kFailure;
  try {
    writeFile();
  } catch (const CFileException&) {
    return kFailure;
  }
  return TellFileOutcome(maker, path);
}

}  // namespace ff::cli
