// Merge regeneration of one module's Process.cpp: reads the file on disk,
// makes the new generation in memory and merges the two. Writing the
// result (and Process.h) is the caller's, through the usual file protocol,
// so that a refused merge touches no file at all.
#pragma once

#include <stdexcept>
#include <string>

#include "merge/module_merge.h"

class CCodeMaker;

namespace ff::merge {

// A merge that would have to guess: the message (GBK) names the file and,
// for a damaged file, the line ("PATH:LINE: reason").
class MergeRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct MergedSource {
  bool hadOldFile = false;  // false: nothing to merge, `text` is the fresh generation
  std::string text;         // GBK: what Process.cpp gets
  MergeReport report;
};

// `path` is GBK. The old file is read in the encoding generated files are
// written in (ff::Output()); a file in the other encoding is refused
// rather than mixed. Throws MergeRefused.
MergedSource MergeModuleSourceFile(CCodeMaker& maker, bool bls, const std::string& path, long moduleId);
// The same with the new generation already made (`fresh`, GBK, as the
// source writer writes it to `path`).
MergedSource MergeIntoModuleSourceFile(const std::string& path, std::string fresh);

// One line for people: "regions kept 2, functions added 1 (Fun_New),
// functions retired 1 (Fun_Old)". GBK.
std::string DescribeReport(const MergeReport& report);

}  // namespace ff::merge
