// Merge regeneration of a module source: the fresh generation of
// Process.cpp, with everything hand-written in the old file carried over.
//
//  - A function of the fresh generation that the old file has too (same
//    prototype) takes the old text of each marker region, marker lines
//    included, matched by marker word and order within the function.
//  - An old function that the fresh generation lacks is kept whole at the
//    end of the file, disabled by "#if 0" under a comment naming it.
//  - Old text between functions is kept next to the function it followed
//    (or, when that one is gone, the one it preceded); text whose
//    neighbours are both gone goes to a marked block at the end. Text
//    after the last function stays at the end.
//  - The file comment and the include block take the fresh text unless the
//    user changed them beyond the values the generator fills in (file
//    name, project, abstract, author, dates): then the old text stays.
//
// An unedited old file gives exactly the fresh bytes; merging the result
// again gives the same bytes. Texts are GBK. This is the merge of files
// without a record of their last generation (regeneration.h); files with
// one are merged three-way (three_way.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "merge/source_layout.h"

namespace ff::merge {

struct MergeReport {
  int regionsKept = 0;        // regions whose old text differs from the fresh one
  int functionsAdded = 0;     // fresh functions the old file did not have
  int functionsRetired = 0;   // old functions moved into the disabled block
  int outsideTextsKept = 0;   // hand-written pieces outside the functions
  std::vector<std::string> added;    // function names
  std::vector<std::string> retired;  // function names
};

// Throws DamagedFile for an old file that cannot be merged without
// guessing (its line numbers count in `oldText`), and std::runtime_error
// for a fresh generation that cannot take the old regions (two functions
// of one prototype, an old region with no place in the fresh function).
// The fresh function with the old text of each of its regions (by marker
// word and order). Throws DamagedFile for an old region with no place.
std::string MergeFunction(std::string_view oldText, const GeneratedFunction& old, std::string_view freshText,
                          const GeneratedFunction& fresh, MergeReport& report);

std::string MergeModuleSource(std::string_view oldText, std::string_view freshText, MergeReport& report);

}  // namespace ff::merge
