// The layout of a generated module source (Process.cpp) as the merge sees
// it: where each generated function stands, and where the hand-written
// regions between its markers are. Everything else in the file is text
// outside the functions.
//
// A generated function is recognised by three lines at the left margin:
// the identification line ("//CODE    NUMBER    //NAME"), the prototype
// ("long NAME( struct Service_Module* pModule )") and the opening brace
// "{". It runs to the first line that is exactly "}" and includes the
// function comment box directly above its identification line. Text
// inside "#if 0" ... "#endif" outside the functions is never taken for a
// function (the merge parks retired functions there).
//
// Lines end in CR LF or a lone LF; offsets cover whole lines, line ends
// included, so that cutting and joining keeps every byte.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ff::merge {

// A merge that cannot go on: what() says why for the command line,
// Shown() the same for the module code page (Chinese, GBK).
class MergeError : public std::runtime_error {
 public:
  MergeError(const std::string& reason, std::string shown)
      : std::runtime_error(reason), shown_(std::move(shown)) {}
  const std::string& Shown() const { return shown_; }

 private:
  std::string shown_;
};

// A file that cannot be merged without guessing: a marker without its
// partner, nested markers, a function twice, a function without its end.
class DamagedFile : public MergeError {
 public:
  DamagedFile(int line, const std::string& reason, std::string shown)
      : MergeError(reason, std::move(shown)), line_(line) {}
  int Line() const { return line_; }  // 1-based

 private:
  int line_;
};

// A marker pair and the text between: //##Begin ... //##End or
// //##BeginSQL ... //##EndSQL. Offsets into the file text.
struct Region {
  std::string word;  // "Begin" or "BeginSQL"
  int line = 0;      // of the begin marker
  size_t begin = 0;  // start of the begin marker line
  size_t end = 0;    // after the end marker line
};

struct GeneratedFunction {
  std::string prototype;  // the prototype line without its line end: the key
  std::string name;       // the function name in the prototype
  int line = 0;           // of the prototype
  size_t begin = 0;       // start of the comment box (or identification line)
  size_t end = 0;         // after the closing brace line
  std::vector<Region> regions;  // in file order
};

// The generated functions of `text` in file order. Throws DamagedFile.
std::vector<GeneratedFunction> ReadSourceLayout(std::string_view text);

}  // namespace ff::merge
