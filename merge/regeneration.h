// One regeneration of a module's Process.h and Process.cpp, decided in
// memory before anything is written: the texts to write, the record of
// this generation for the next merge, the report; or why nothing may be
// written. The caller writes the two files through the usual file
// protocol and then the record (WriteRecord), so that a refusal touches
// no file at all.
//
// With `merge`, the files on disk are merged with the fresh generation:
// three-way against the record when there is one (three_way.h), else by
// the rules for files without one (module_merge.h), which refuse what
// they cannot tell apart. Either way a file is refused, nothing written,
// when it starts with a byte order mark, is not valid in the run's
// encoding, holds a character GBK lacks, has no line end after its last
// line (cut off), or holds an unresolved conflict marker.
#pragma once

#include <string>
#include <vector>

#include "res/kind.h"

class CCodeMaker;
namespace ff {
class FileWriter;
}
namespace ff::code {
class KindRows;
}

namespace ff::merge {

struct ModuleFilesRequest {
  Kind kind = Kind::Fos;
  long module = 0;
  std::string headerPath{}, sourcePath{};    // the system's bytes
  std::string freshHeader{}, freshSource{};  // GBK, as the generators make them
  bool merge = false;
  bool conflictMarkers = false;  // conflicts into the file as "<<<<<<<" blocks
  bool forceRetire = false;      // retire most functions / merge another module's files
  bool utf8 = false;             // the files on disk are in the run's UTF-8, not GBK
};

struct ModuleFilesPlan {
  enum class Verdict {
    Write,     // write header, source, then the record
    Refused,   // write nothing: `reason`
    AskFirst,  // most functions would retire, or the files are another module's: ask, then again with forceRetire
  };
  Verdict verdict = Verdict::Write;
  std::string reason;                   // GBK, one line per problem ("PATH:LINE: ...")
  std::string pageReason;               // the same for the module code page (Chinese)
  std::string header, source;           // GBK: what the two files get
  std::string record;                   // GBK: the record's text
  std::vector<std::string> report;      // GBK, "merged: PATH: ..." per merged file
  std::vector<std::string> pageReport;  // the same for the module code page (Chinese)
  int conflictsMarked = 0;              // conflicts written as markers (the files need hand work)
};

// Plans the generation. Never throws for the programmer's files (a
// problem is a refusal); a failure to read them is a refusal too.
ModuleFilesPlan PlanModuleFiles(const ModuleFilesRequest& request);

// The fresh texts of a module, made in memory by `maker` (QueryError
// passes, naming the file). Returns why the two files would not be whole,
// one line per function that cannot be declared or has no body (GBK);
// empty when both are whole. A module with faults must get neither file.
// `kind`: the rows of a run over every module of the kind.
std::vector<std::string> MakeFreshTexts(CCodeMaker& maker, ModuleFilesRequest& request,
                                        code::KindRows* kind = nullptr);

// The record's path: ".fidforge-base" in the folder of Process.cpp.
std::string RecordPath(const std::string& sourcePath);

// The record to write once the files are written: the plan's, or when the
// programmer declined one of the files, the old record's part for it (a
// declined file keeps its old text, so its old base stays its base); ""
// when nothing may be written (a file declined and no old record).
std::string RecordAfterWriting(const ModuleFilesRequest& request, const ModuleFilesPlan& plan, bool headerWritten,
                               bool sourceWritten);

// Writes the record through `writer`, without a question (nothing under
// its check; nothing for an empty record). Throws CFileException like any
// generated file.
void WriteRecord(FileWriter& writer, const std::string& sourcePath, const std::string& record);

// A unified diff from the file on disk (UTF-8 with `utf8`, else GBK) to
// `text` (GBK), "" when equal; in GBK, each line ending in "\n".
std::string DiffWithDisk(const std::string& path, const std::string& text, bool utf8);

}  // namespace ff::merge
