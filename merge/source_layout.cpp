#include "merge/source_layout.h"

#include <map>

#include "codetext/text_fill.h"
#include "res/merge_texts.h"

namespace ff::merge {
namespace {

constexpr std::string_view kPrototypeStart = "long ";
constexpr std::string_view kPrototypeEnd = "( struct Service_Module* pModule )";
constexpr std::string_view kMarkerStart = "//##";
// A function comment box: "/" and 71 "*" on top, 70 "*" and "/" below.
const std::string kBoxTop = "/" + std::string(71, '*');
const std::string kBoxBottom = std::string(70, '*') + "/";

struct Line {
  size_t begin = 0;
  size_t end = 0;          // after the line end
  std::string_view text;   // without the line end
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t lf = text.find('\n', pos);
    size_t end = lf == std::string_view::npos ? text.size() : lf + 1;
    size_t contentEnd = lf == std::string_view::npos ? text.size() : lf;
    if (contentEnd > pos && text[contentEnd - 1] == '\r') --contentEnd;
    lines.push_back({pos, end, text.substr(pos, contentEnd - pos)});
    pos = end;
  }
  return lines;
}

// Lines are compared from their first byte, which always starts a
// character: a line end is never part of a double-byte character, and
// every pattern below is ASCII under 0x40 where it matters (blanks,
// slashes, '#', braces), bytes that are never GBK trail bytes.
std::string_view SkipBlanks(std::string_view text) {
  size_t b = 0;
  while (b < text.size() && (text[b] == ' ' || text[b] == '\t')) ++b;
  return text.substr(b);
}

bool IsWordChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The marker word of a line ("Begin", "End", "BeginSQL", "EndSQL"), or
// "" when the line is no marker. The text after the word is the user's.
std::string_view MarkerWord(std::string_view line) {
  std::string_view rest = SkipBlanks(line);
  if (rest.substr(0, kMarkerStart.size()) != kMarkerStart) return {};
  rest.remove_prefix(kMarkerStart.size());
  size_t n = 0;
  while (n < rest.size() && IsWordChar(rest[n])) ++n;
  std::string_view word = rest.substr(0, n);
  if (word == "Begin" || word == "End" || word == "BeginSQL" || word == "EndSQL") return word;
  return {};
}

bool IsOpeningWord(std::string_view word) { return word == "Begin" || word == "BeginSQL"; }
std::string ClosingWord(std::string_view opening) { return opening == "Begin" ? "End" : "EndSQL"; }

bool IsPrototype(std::string_view line) {
  return line.size() > kPrototypeStart.size() + kPrototypeEnd.size() &&
         line.substr(0, kPrototypeStart.size()) == kPrototypeStart &&
         line.substr(line.size() - kPrototypeEnd.size()) == kPrototypeEnd;
}

bool IsIdentification(std::string_view line) {
  return line.substr(0, 2) == "//" && line.substr(0, kMarkerStart.size()) != kMarkerStart;
}

std::string NameOf(std::string_view prototype) {
  std::string_view name = prototype.substr(kPrototypeStart.size());
  name.remove_suffix(kPrototypeEnd.size());
  while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return std::string(name);
}

// A preprocessor line "#if...", "#ifdef", "#ifndef" opens, "#endif" closes.
int ConditionalDepthChange(std::string_view line) {
  std::string_view rest = SkipBlanks(line);
  if (rest.empty() || rest.front() != '#') return 0;
  rest = SkipBlanks(rest.substr(1));
  if (rest.substr(0, 5) == "endif") return -1;
  if (rest.substr(0, 2) == "if" && (rest.size() == 2 || !IsWordChar(rest[2]) || rest.substr(0, 5) == "ifdef" ||
                                    rest.substr(0, 6) == "ifndef")) {
    return 1;
  }
  return 0;
}

bool IsIfZero(std::string_view line) {
  std::string_view rest = SkipBlanks(line);
  if (rest.empty() || rest.front() != '#') return false;
  rest = SkipBlanks(rest.substr(1));
  if (rest.substr(0, 2) != "if" || rest.size() < 3 || (rest[2] != ' ' && rest[2] != '\t')) return false;
  rest = SkipBlanks(rest.substr(2));
  return !rest.empty() && rest.front() == '0' && (rest.size() == 1 || !IsWordChar(rest[1]));
}

std::string Quoted(std::string_view word) { return "//##" + std::string(word); }

}  // namespace

std::vector<GeneratedFunction> ReadSourceLayout(std::string_view text) {
  const std::vector<Line> lines = SplitLines(text);
  std::vector<GeneratedFunction> functions;
  std::map<std::string, int> seen;  // prototype -> line
  size_t floor = 0;                 // first line not yet part of anything

  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i].text;

    if (IsIfZero(line)) {
      // Disabled code: skipped whole, whatever it holds.
      int depth = 0;
      size_t j = i;
      for (; j < lines.size(); ++j) {
        depth += ConditionalDepthChange(lines[j].text);
        if (depth == 0) break;
      }
      if (j == lines.size()) throw DamagedFile(static_cast<int>(i + 1), "#if 0 without its #endif", res::merge::damage::IfZeroWithoutEndif());
      i = j;
      floor = j + 1;
      continue;
    }

    if (IsPrototype(line) && i > floor && IsIdentification(lines[i - 1].text) && i + 1 < lines.size() &&
        lines[i + 1].text == "{") {
      GeneratedFunction function;
      function.prototype = std::string(line);
      function.name = NameOf(line);
      function.line = static_cast<int>(i + 1);
      auto [first, inserted] = seen.emplace(function.prototype, function.line);
      if (!inserted) {
        const std::string firstLine = std::to_string(first->second);
        throw DamagedFile(function.line,
                          "the function " + function.name + " is defined twice (first at line " + firstLine + ")",
                          FillTemplate(res::merge::damage::DefinedTwice(),
                                       {{"Name", function.name}, {"First", firstLine}}));
      }

      // Start: the comment box right above the identification line.
      size_t start = i - 1;
      if (start > floor && SkipBlanks(lines[start - 1].text) == kBoxBottom) {
        for (size_t k = start - 1; k-- > floor;) {
          if (SkipBlanks(lines[k].text) == kBoxTop) {
            start = k;
            break;
          }
          if (SkipBlanks(lines[k].text) == kBoxBottom) break;
        }
      }
      function.begin = lines[start].begin;

      // Body: markers up to the closing brace at the left margin.
      size_t j = i + 2;
      const Region* open = nullptr;
      for (; j < lines.size() && lines[j].text != "}"; ++j) {
        const std::string_view word = MarkerWord(lines[j].text);
        if (word.empty()) continue;
        const int lineNo = static_cast<int>(j + 1);
        if (IsOpeningWord(word)) {
          if (open) {
            const std::string openLine = std::to_string(open->line);
            throw DamagedFile(lineNo,
                              Quoted(word) + " inside the region of " + Quoted(open->word) + " (line " + openLine +
                                  "): markers cannot nest",
                              FillTemplate(res::merge::damage::MarkersNest(),
                                           {{"Word", Quoted(word)}, {"Open", Quoted(open->word)}, {"OpenLine", openLine}}));
          }
          function.regions.push_back({std::string(word), lineNo, lines[j].begin, 0});
          open = &function.regions.back();
        } else {
          if (!open) {
            throw DamagedFile(lineNo, Quoted(word) + " without its opening marker",
                              FillTemplate(res::merge::damage::NoOpeningMarker(), {{"Word", Quoted(word)}}));
          }
          if (word != ClosingWord(open->word)) {
            const std::string openLine = std::to_string(open->line);
            throw DamagedFile(lineNo, Quoted(word) + " does not close " + Quoted(open->word) + " (line " + openLine + ")",
                              FillTemplate(res::merge::damage::MarkerMismatch(),
                                           {{"Word", Quoted(word)}, {"Open", Quoted(open->word)}, {"OpenLine", openLine}}));
          }
          function.regions.back().end = lines[j].end;
          open = nullptr;
        }
      }
      if (j == lines.size()) {
        throw DamagedFile(function.line, "the function " + function.name + " has no closing brace \"}\"",
                          FillTemplate(res::merge::damage::NoClosingBrace(), {{"Name", function.name}}));
      }
      if (open) {
        throw DamagedFile(open->line,
                          Quoted(open->word) + " without its " + Quoted(ClosingWord(open->word)) + " in the function " +
                              function.name,
                          FillTemplate(res::merge::damage::RegionNotClosed(), {{"Open", Quoted(open->word)},
                                                                               {"Close", Quoted(ClosingWord(open->word))},
                                                                               {"Name", function.name}}));
      }
      function.end = lines[j].end;
      functions.push_back(std::move(function));
      i = j;
      floor = j + 1;
      continue;
    }

    const std::string_view word = MarkerWord(line);
    if (!word.empty()) {
      throw DamagedFile(static_cast<int>(i + 1), Quoted(word) + " outside any generated function",
                        FillTemplate(res::merge::damage::OutsideFunctions(), {{"Word", Quoted(word)}}));
    }
  }
  return functions;
}

}  // namespace ff::merge
