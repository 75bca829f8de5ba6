// The three-way merge of a module's files: the base (what FidForge wrote
// last time, from the record), the programmer's file, and the fresh
// generation. A line of the programmer's file that lines up with the base
// is generated; every other line is hand-written and is kept.
//
// Process.cpp is merged per function, the functions and their bounds
// taken from the base (never guessed from braces):
//  - a function in the base and the fresh text: diff3 within it; a part
//    only the database changed takes the fresh text, a part only the
//    programmer changed keeps theirs, a part both changed is a conflict;
//  - a function that left the database: dropped when nobody edited it,
//    else kept whole inside "#if 0" at the end of the file;
//  - a function that comes back takes its old code from that block;
//  - hand-written text between functions stays between the same
//    functions; when they part, an #ifdef opened before a function goes
//    with that function and an #endif after it too;
//  - the file comment, the include block and the end of the file: diff3,
//    so the generated values follow the database and hand-added lines stay.
// Process.h is one diff3 over the whole file.
//
// Lines are compared without the blanks and tabs at their ends; the
// output takes the fresh text of every line nobody edited. Lines come
// without their line ends; the caller joins them with CR LF.
#pragma once

#include <string>
#include <vector>

namespace ff::merge {

struct Conflict {
  std::string where;  // a function name, or what part of the file
  int first = 0;      // the programmer's lines (1-based, as in their file)
  int last = 0;       // last < first: the programmer deleted lines there
};

struct ThreeWayReport {
  int refreshed = 0;   // functions the database changed
  int keptEdited = 0;  // functions with hand-written changes kept
  int linesKept = 0;   // hand-written lines kept (Process.h: declarations and the like)
  std::vector<std::string> added, retired, removed, restored, notRestored;
  std::vector<std::string> handWritten;  // new functions the file already had, written by hand
  std::vector<Conflict> conflicts;
};

// A file to merge: its lines and, for the programmer's file, the line
// number each had in the file on disk.
struct MergeLines {
  std::vector<std::string> lines;
  std::vector<int> numbers;  // empty: 1, 2, 3, ...
};

struct MergeSettings {
  bool conflictMarkers = false;  // write conflicts as "<<<<<<<" blocks instead of failing
  std::string fileName;          // for the markers
};

// Throws std::runtime_error when the base or the fresh text is not the
// shape the generator writes (a damaged record).
std::vector<std::string> MergeSourceThreeWay(const std::vector<std::string>& base, const MergeLines& mine,
                                             const std::vector<std::string>& fresh, const MergeSettings& settings,
                                             ThreeWayReport& report);
std::vector<std::string> MergeHeaderThreeWay(const std::vector<std::string>& base, const MergeLines& mine,
                                             const std::vector<std::string>& fresh, const MergeSettings& settings,
                                             ThreeWayReport& report);

// How many functions of `base` the fresh text no longer has, and of how many.
void CountLeaving(const std::vector<std::string>& base, const std::vector<std::string>& fresh, int& leaving,
                  int& total);

// The text without its line ends, and back with CR LF after every line.
std::vector<std::string> TextLines(std::string_view text);
std::string JoinCrlf(const std::vector<std::string>& lines);

}  // namespace ff::merge
