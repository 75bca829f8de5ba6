// Shared by the code generating commands: how a file outcome is told, and
// how generated code goes to standard output.
#pragma once

#include <cstdio>
#include <string>

#include "codetext/gen_file.h"
#include "host/gbk_text.h"

namespace ff::cli {

inline const char* FileOutcomeWord(FileOutcome outcome) {
  switch (outcome) {
    case FileOutcome::Written:
      return "written";
    case FileOutcome::Unchanged:
      return "unchanged";
    default:
      return "declined";
  }
}

// Generated code (GBK) on standard output: the bytes a file would get,
// CR LF included, in the encoding chosen with --encoding.
inline void WriteCode(const std::string& gbkText) {
  const std::string bytes = Output().utf8 ? gbk::ToUtf8(gbkText) : gbkText;
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

}  // namespace ff::cli
