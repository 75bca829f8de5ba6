// Shared by the code generating commands: how a file outcome is told, and
// how generated code goes to standard output.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "cli/commands.h"
#include "codetext/code_maker.h"
#include "codetext/file_writer.h"
#include "host/config_db.h"
#include "host/file_access.h"
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
inline void WriteCode(const FileWriter& writer, const std::string& gbkText) {
  WriteOut(writer.BytesOf(GenFile({}, gbkText)));
  FinishOut();
}

// Creates the output folder `folder` (the system's bytes) and its parents when missing, so
// that a first run in a fresh checkout works (not under --check). False
// when that failed (reported, naming `file` when the folder is made for one).
inline bool MakeOutputFolder(const FileWriter& writer, const std::string& folder, const std::string& file = {}) {
  if (writer.Options().check) return true;  // a check writes nothing, folders included
  std::error_code error;
  std::filesystem::create_directories(FsPath(folder.empty() ? std::string(".") : folder), error);
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
inline bool LockOutputFolder(const FileWriter& writer, const std::string& folder) {
  if (writer.Options().check) return true;
  static FolderLock lock;  // one output folder a run
  std::string error;
  if (lock.Acquire(folder, kFolderLockWaitMs, error)) return true;
  PrintError(error);
  return false;
}

// Tells on standard output how `path` went; a declined overwrite gives
// kDeclined. A written file still on its way to the disk is told once it
// is in place, and not at all when it could not be put there.
inline int TellFileOutcome(FileWriter& writer, FileOutcome outcome, const std::string& path) {
  const std::string word = FileOutcomeWord(outcome);
  writer.After([word, path] { PrintPathLine(word, path); }, outcome == FileOutcome::Written);
  return outcome == FileOutcome::Declined ? kDeclined : kOk;
}

// The text of one function or snippet, `made` by `maker`: a failure, or no
// text at all (nothing has that code), is an error naming `what`. Otherwise
// the text goes to standard output, or to the file `path` (the system's
// bytes; empty: standard output); a file error was reported by the writer.
inline int DeliverCode(Context& context, const CCodeMaker& maker, bool made, const std::string& text,
                       const std::string& what, const std::string& path) {
  if (!made) {
    PrintError("cannot generate " + what + ": " + maker.LastError());
    return kFailure;
  }
  if (text.empty()) {
    PrintError("no " + what);
    return kFailure;
  }
  FileWriter& writer = context.Writer();
  if (path.empty()) {
    WriteCode(writer, text);
    return kOk;
  }
  if (!MakeOutputFolder(writer, PathString(FsPath(path).parent_path()), path)) return kFailure;
  FileOutcome outcome;
  try {
    outcome = writer.Write(GenFile(path, text), context.options.force);
  } catch (const CFileException&) {
    return kFailure;
  }
  return TellFileOutcome(writer, outcome, path);
}

}  // namespace ff::cli
