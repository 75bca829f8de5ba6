// The record of a module's last generation: the exact lines FidForge wrote
// into Process.h and Process.cpp, kept in the file ".fidforge-base" beside
// them. It is the base of the three-way merge: a line of the programmer's
// file that the record has is generated, any other line is hand-written.
//
// The record is text in the encoding of the generated files, CR LF:
//
//   // FidForge: the files as last generated, the base of the next ... (one line)
//   kind FOS
//   module 1
//   file Process.h 42
//   |<each line of Process.h, without its line end>
//   file Process.cpp 560
//   |<each line of Process.cpp>
//   end
//
// The "|" keeps every line, blank ones and those starting with "file",
// unambiguous; the counts let a cut-off record be told from a whole one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ff::merge {

inline constexpr std::string_view kRecordName = ".fidforge-base";

struct BaseRecord {
  std::string kind;  // "FOS" or "BLS"
  long module = 0;
  std::string headerName, sourceName;       // file names, no folder
  std::vector<std::string> header, source;  // lines without their ends (GBK)
};

// The record's text (GBK): `header` and `source` are the generated texts.
std::string MakeRecordText(const std::string& kind, long module, const std::string& headerName, std::string_view header,
                           const std::string& sourceName, std::string_view source);

// Reads a record's text (GBK); false with `why` (the line) when it is not one.
bool ParseRecord(std::string_view text, BaseRecord& record, std::string& why);

}  // namespace ff::merge
