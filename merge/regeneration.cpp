#include "merge/regeneration.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "codetext/code_maker.h"
#include "codetext/file_writer.h"
#include "codetext/text_fill.h"
#include "host/file_access.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "merge/base_record.h"
#include "merge/line_diff.h"
#include "merge/module_merge.h"
#include "merge/source_layout.h"
#include "merge/source_merge.h"
#include "merge/three_way.h"
#include "res/merge_texts.h"

namespace ff::merge {
namespace {

using Lines = std::vector<std::string>;

namespace why = res::merge::why;
namespace damage = res::merge::damage;

// A file that may not be merged; the message names the file and line.
struct Refusal {
  std::string message;  // GBK, for the command line
  std::string shown;    // GBK, the same in the module code page's words
};

std::string Shown(const std::string& path) { return gbk::FromUtf8(path); }

// "PATH: why", or "PATH:LINE: why", and the page's twin of it.
Refusal At(const std::string& path, const std::string& reason, const std::string& shownReason) {
  const std::string file = Shown(path);
  return {file + ": " + reason, FillTemplate(res::merge::PageAtFile(), {{"File", file}, {"Why", shownReason}})};
}
Refusal At(const std::string& path, int line, const std::string& reason, const std::string& shownReason) {
  const std::string file = Shown(path), at = std::to_string(line);
  return {file + ":" + at + ": " + reason,
          FillTemplate(res::merge::PageAtLine(), {{"File", file}, {"Line", at}, {"Why", shownReason}})};
}

std::string BaseName(const std::string& path) {
  const size_t slash = LastSeparator(path);
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

Refusal CannotRead(const std::string& path, int number) {
  const std::string error = gbk::FromUtf8(std::strerror(number));
  return At(path, error, FillTemplate(why::CannotRead(), {{"Error", error}}));
}

// Reads the whole file; false when there is none.
bool ReadBytes(const std::string& path, std::string& bytes) {
  int error = 0;
  switch (ReadWholeFile(path, bytes, error)) {
    case ReadOutcome::Read: return true;
    case ReadOutcome::Missing: return false;
    case ReadOutcome::NotAFile: throw At(path, "not a regular file", why::NotRegularFile());
    case ReadOutcome::Failed: break;
  }
  throw CannotRead(path, error);
}

int LineOf(const std::string& bytes, size_t at) {
  return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + static_cast<long>(at), '\n'));
}

std::string CodePoint(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", value);
  return text;
}

std::string ByteText(unsigned char c) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", c);
  return text;
}

// The length of the UTF-8 sequence at `at` and its code point; 0 when
// the bytes there are no valid UTF-8.
size_t Utf8At(const std::string& s, size_t at, unsigned& cp) {
  const auto c = static_cast<unsigned char>(s[at]);
  size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
  if (n == 0 || at + n > s.size()) return 0;
  cp = n == 1 ? c : n == 2 ? (c & 0x1Fu) : n == 3 ? (c & 0x0Fu) : (c & 0x07u);
  for (size_t k = 1; k < n; ++k) {
    const auto t = static_cast<unsigned char>(s[at + k]);
    if ((t & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (t & 0x3Fu);
  }
  const unsigned least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

// The first character of UTF-8 text that GBK cannot hold, or npos.
size_t FirstNotInGbk(const std::string& bytes, unsigned& cp) {
  for (size_t at = 0; at < bytes.size();) {
    const size_t n = Utf8At(bytes, at, cp);
    if (n > 1 && gbk::FromUtf8(std::string_view(bytes).substr(at, n)) == "?") return at;
    at += n == 0 ? 1 : n;
  }
  return std::string::npos;
}

// The first byte where the text stops being valid UTF-8, or npos.
size_t FirstNotUtf8(const std::string& bytes) {
  unsigned cp = 0;
  for (size_t at = 0; at < bytes.size();) {
    const size_t n = Utf8At(bytes, at, cp);
    if (n == 0) return at;
    at += n;
  }
  return std::string::npos;
}

// The first byte where the text stops being valid GBK, or npos.
size_t FirstNotGbk(const std::string& bytes) {
  for (size_t at = 0; at < bytes.size(); ++at) {
    const auto c = static_cast<unsigned char>(bytes[at]);
    if (c < 0x80) continue;
    if (!gbk::IsLeadByte(c) || at + 1 >= bytes.size()) return at;
    const auto t = static_cast<unsigned char>(bytes[at + 1]);
    if (t < 0x40 || t == 0x7F || t == 0xFF) return at;
    ++at;
  }
  return std::string::npos;
}

// The programmer's file as GBK lines, or a refusal naming line and character.
Lines ReadMine(const std::string& path, const std::string& bytes, bool utf8) {
  auto refuse = [&](size_t at, const std::string& reason, const std::string& shownReason) {
    throw At(path, LineOf(bytes, at), reason, shownReason);
  };
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    refuse(0, "starts with a UTF-8 byte order mark (U+FEFF, saved by an editor?); save it without one",
           why::Utf8ByteOrderMark());
  }
  if (bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0) {
    const std::string encoding = utf8 ? "UTF-8" : "GBK";
    refuse(0, "starts with a UTF-16 byte order mark; save it as " + encoding,
           FillTemplate(why::Utf16ByteOrderMark(), {{"Encoding", encoding}}));
  }
  std::string text;
  if (utf8) {
    if (size_t at = FirstNotUtf8(bytes); at != std::string::npos) {
      const std::string byte = ByteText(static_cast<unsigned char>(bytes[at]));
      refuse(at, "not UTF-8 text (the byte " + byte + "; written with --encoding gbk?)",
             FillTemplate(why::NotUtf8(), {{"Byte", byte}}));
    }
    unsigned cp = 0;
    if (size_t at = FirstNotInGbk(bytes, cp); at != std::string::npos) {
      refuse(at, "the character " + CodePoint(cp) + " has no GBK form, which generated code is made in",
             FillTemplate(why::NoGbkForm(), {{"Char", CodePoint(cp)}}));
    }
    text = gbk::FromUtf8(bytes);
  } else {
    if (!gbk::IsAscii(bytes) && FirstNotUtf8(bytes) == std::string::npos) {
      unsigned cp = 0;
      if (size_t at = FirstNotInGbk(bytes, cp); at != std::string::npos) {
        refuse(at, "UTF-8 text holding the character " + CodePoint(cp) + ", which GBK lacks; save it as GBK",
               FillTemplate(why::Utf8WithoutGbkForm(), {{"Char", CodePoint(cp)}}));
      }
      size_t first = 0;
      while (static_cast<unsigned char>(bytes[first]) < 0x80) ++first;
      refuse(first, "UTF-8 text (written with --encoding utf-8?); not merged as GBK", why::Utf8NotGbk());
    }
    if (size_t at = FirstNotGbk(bytes); at != std::string::npos) {
      const std::string byte = ByteText(static_cast<unsigned char>(bytes[at]));
      refuse(at, "not GBK text (the byte " + byte + ")", FillTemplate(why::NotGbk(), {{"Byte", byte}}));
    }
    text = bytes;
  }
  if (!text.empty() && text.back() != '\n') {
    refuse(bytes.size(), "the last line has no line end (is the file cut off?)", why::NoLastLineEnd());
  }
  Lines lines = TextLines(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.rfind("<<<<<<< ", 0) == 0 || line.rfind(">>>>>>> ", 0) == 0 || line == "=======") {
      const std::string marker = line.substr(0, 7);
      throw At(path, static_cast<int>(i + 1), "an unresolved conflict marker \"" + marker + "\"; settle the conflict first",
               FillTemplate(why::ConflictMarker(), {{"Marker", marker}}));
    }
  }
  return lines;
}

// The marker word of a line ("Begin", "End", "BeginSQL", "EndSQL") or "".
std::string_view MarkerWord(std::string_view line) {
  std::string_view rest = line;
  while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
  if (rest.substr(0, 4) != "//##") return {};
  rest.remove_prefix(4);
  size_t n = 0;
  while (n < rest.size() && (std::isalnum(static_cast<unsigned char>(rest[n])) || rest[n] == '_')) ++n;
  const std::string_view word = rest.substr(0, n);
  return word == "Begin" || word == "End" || word == "BeginSQL" || word == "EndSQL" ? word : std::string_view();
}

// Marker regions are where hand-written code is expected: a marker without
// its partner means a deleted line nobody meant to delete. Refused, as the
// merge without a record does, whatever the record says.
void CheckMarkers(const std::string& path, const Lines& lines) {
  std::string_view open;
  size_t openLine = 0;
  auto unclosed = [&] {
    const std::string opening = "//##" + std::string(open), closing = open == "Begin" ? "//##End" : "//##EndSQL";
    throw At(path, static_cast<int>(openLine + 1), opening + " without its " + closing,
             FillTemplate(damage::MarkerNotClosed(), {{"Open", opening}, {"Close", closing}}));
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view word = MarkerWord(lines[i]);
    if (word.empty()) continue;
    const bool opening = word == "Begin" || word == "BeginSQL";
    const std::string marker = "//##" + std::string(word);
    if (opening) {
      if (!open.empty()) unclosed();
      open = word;
      openLine = i;
    } else {
      if (open.empty()) {
        throw At(path, static_cast<int>(i + 1), marker + " without its opening marker",
                 FillTemplate(damage::NoOpeningMarker(), {{"Word", marker}}));
      }
      if ((open == "Begin") != (word == "End")) {
        const std::string opened = "//##" + std::string(open), at = std::to_string(openLine + 1);
        throw At(path, static_cast<int>(i + 1), marker + " does not close " + opened + " (line " + at + ")",
                 FillTemplate(damage::MarkerMismatch(), {{"Word", marker}, {"Open", opened}, {"OpenLine", at}}));
      }
      open = {};
    }
  }
  if (!open.empty()) unclosed();
}

std::string Names(const std::vector<std::string>& names) {
  if (names.empty()) return {};
  std::string text = " (";
  for (size_t i = 0; i < names.size(); ++i) text += (i ? ", " : "") + names[i];
  return text + ")";
}

std::string PageNames(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : res::merge::NameSeparator()) + name;
  return text;
}

std::string DescribeSource(const ThreeWayReport& r) {
  std::string text = "functions refreshed " + std::to_string(r.refreshed) + ", kept as edited " +
                     std::to_string(r.keptEdited) + ", added " + std::to_string(r.added.size()) + Names(r.added) +
                     ", retired " + std::to_string(r.retired.size()) + Names(r.retired) + ", restored " +
                     std::to_string(r.restored.size()) + Names(r.restored) + ", conflicts " +
                     std::to_string(r.conflicts.size());
  if (!r.removed.empty()) text += ", removed unedited " + std::to_string(r.removed.size()) + Names(r.removed);
  if (!r.handWritten.empty()) {
    text += ", new in the database but already written by hand " + std::to_string(r.handWritten.size()) +
            Names(r.handWritten);
  }
  if (!r.notRestored.empty()) {
    text += "; returned, old code left in its #if 0 block" + Names(r.notRestored);
  }
  return text;
}

// One line per conflict, in both tongues.
Refusal Conflicts(const std::string& path, const ThreeWayReport& r) {
  Refusal all;
  for (const Conflict& c : r.conflicts) {
    const std::string first = std::to_string(c.first), last = std::to_string(c.last);
    const Refusal one =
        c.last >= c.first
            ? At(path, c.first,
                 "conflict in " + c.where + ": lines " + first + "-" + last +
                     " were edited by hand and the database changed them too",
                 FillTemplate(why::Conflict(), {{"Function", c.where}, {"First", first}, {"Last", last}}))
            : At(path, c.first, "conflict in " + c.where + ": lines deleted by hand here were changed by the database",
                 FillTemplate(why::ConflictDeleted(), {{"Function", c.where}}));
    for (auto [to, from] : {std::pair{&all.message, &one.message}, std::pair{&all.shown, &one.shown}})
      *to += (to->empty() ? "" : "\n") + *from;
  }
  return all;
}

// --- files without a record ------------------------------------------------

bool IsIdentificationLine(std::string_view line) {
  return line.substr(0, 2) == "//" && line.substr(0, 4) != "//##" &&
         gbk::Find(line, "    //", 2) != std::string_view::npos;
}

// Brace depth of C text, skipping comments, strings and character
// literals; GBK double-byte characters are stepped over whole.
class BraceCounter {
 public:
  // Depth after the line; `low` the lowest it reached within it.
  int Line(std::string_view line, int& low) {
    low = depth_;
    for (size_t i = 0; i < line.size(); ++i) {
      const char c = line[i];
      if (gbk::IsLeadByte(static_cast<unsigned char>(c))) {
        ++i;
        continue;
      }
      if (inBlockComment_) {
        if (c == '*' && i + 1 < line.size() && line[i + 1] == '/') inBlockComment_ = false, ++i;
        continue;
      }
      if (quote_) {
        if (c == '\\')
          ++i;
        else if (c == quote_)
          quote_ = 0;
        continue;
      }
      if (c == '/' && i + 1 < line.size() && line[i + 1] == '/') break;
      if (c == '/' && i + 1 < line.size() && line[i + 1] == '*') {
        inBlockComment_ = true;
        ++i;
      } else if (c == '"' || c == '\'') {
        quote_ = c;
      } else if (c == '{') {
        ++depth_;
      } else if (c == '}') {
        --depth_;
        low = std::min(low, depth_);
      }
    }
    quote_ = 0;  // a string never runs past its line
    return depth_;
  }

 private:
  int depth_ = 0;
  bool inBlockComment_ = false;
  char quote_ = 0;
};

std::vector<size_t> LineStarts(const std::string& text) {
  std::vector<size_t> starts{0};
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && i + 1 < text.size()) starts.push_back(i + 1);
  }
  return starts;
}

// What the rules for files without a record would get wrong: a function
// whose end is not the first "}" line, a comment between identification
// line and prototype, an #if around functions that change their order.
void CheckWithoutRecord(const std::string& path, const std::string& text, const std::vector<GeneratedFunction>& olds,
                        const std::vector<GeneratedFunction>& freshes) {
  const Lines lines = TextLines(text);
  const std::vector<size_t> starts = LineStarts(text);
  auto lineIndex = [&](size_t at) {
    return static_cast<int>(std::upper_bound(starts.begin(), starts.end(), at) - starts.begin()) - 1;
  };
  const std::string noRecord = "; without a record of the last generation (" + std::string(kRecordName) +
                               ") the merge cannot tell where the function ends, so it merges nothing";
  for (const GeneratedFunction& f : olds) {
    const int proto = f.line - 1;
    if (!IsIdentificationLine(lines[proto - 1])) {
      throw At(path, proto,
               "the line above the prototype of " + f.name +
                   " is not its identification line (\"//CODE    NUMBER    //NAME\")" +
                   "; without a record of the last generation the merge cannot tell where the function starts",
               FillTemplate(why::NoIdentificationLine(), {{"Name", f.name}}));
    }
    const int open = proto + 1, close = lineIndex(f.end - 1);
    BraceCounter braces;
    for (int i = open; i <= close; ++i) {
      int low = 0;
      const int depth = braces.Line(lines[i], low);
      if (i < close && (depth <= 0 || (i > open && low <= 0))) {
        const std::string end = std::to_string(close + 1);
        throw At(path, i + 1,
                 "the braces of " + f.name + " close here, before line " + end +
                     ", the \"}\" the merge would end it with" + noRecord,
                 FillTemplate(why::BracesCloseEarly(), {{"Name", f.name}, {"Close", end}, {"Record", kRecordName}}));
      }
      if (i == close && depth != 0) {
        throw At(path, close + 1,
                 "the braces of " + f.name +
                     " do not balance up to this \"}\" (a \"}\" at the left margin inside the function?)" + noRecord,
                 FillTemplate(why::BracesUnbalanced(), {{"Name", f.name}, {"Record", kRecordName}}));
      }
    }
  }
  // Conditionals between functions go wrong only when the order changes.
  std::map<std::string, size_t> freshAt;
  for (size_t j = 0; j < freshes.size(); ++j) freshAt[freshes[j].prototype] = j;
  std::vector<size_t> order;
  for (const GeneratedFunction& f : olds) {
    if (auto it = freshAt.find(f.prototype); it != freshAt.end()) order.push_back(it->second);
  }
  if (std::is_sorted(order.begin(), order.end())) return;
  for (size_t i = 0; i + 1 < olds.size(); ++i) {
    int depth = 0;
    for (int k = lineIndex(olds[i].end); k < lineIndex(olds[i + 1].begin); ++k) {
      const std::string rest = gbk::TrimLeft(lines[k]);
      if (rest.substr(0, 3) == "#if") ++depth;
      if (rest.substr(0, 6) == "#endif") --depth;
    }
    if (depth != 0) {
      throw At(path, lineIndex(olds[i].end) + 1,
               "an #if or #endif between functions whose order changes; without a record of the last generation "
               "the merge cannot keep it with its function",
               why::ConditionalMoves());
    }
  }
}

// The file comment names the module (its first word after the project
// label, the module's name) and the kind (the abstract line, the fourth
// and fifth lines). A name left empty tells nothing.
bool SameModuleComment(const Lines& mine, const Lines& fresh, std::string& line) {
  if (mine.size() < 6 || fresh.size() < 6 || mine[0] != fresh[0]) return true;
  const std::string colon = "\xA3\xBA";  // the full-width colon of the labels
  auto firstWord = [&](const std::string& text) {
    const size_t at = gbk::Find(text, colon);
    if (at == std::string::npos) return std::string();
    const std::string value = gbk::Trim(text.substr(at + colon.size()));
    return value.substr(0, value.find(' '));
  };
  const std::string a = firstWord(mine[4]), b = firstWord(fresh[4]);
  if (!a.empty() && !b.empty() && a != b) {
    line = mine[4];
    return false;
  }
  if (gbk::Trim(mine[5]) != gbk::Trim(fresh[5]) && firstWord(mine[5]) != firstWord(fresh[5])) {
    line = mine[5];
    return false;
  }
  return true;
}

// Process.h without a record: the fresh header with every line of the
// old one kept that the generator did not write (declarations of
// functions the old source does not define as generated ones, anything
// else not blank); the stale generated lines go.
Lines MergeHeaderWithoutRecord(const Lines& mine, const Lines& fresh, const std::set<std::string>& generated,
                               int& kept) {
  LineKeys keys;
  std::vector<int> km, kf;
  for (const std::string& line : mine) km.push_back(keys.Key(gbk::Trim(line)));
  for (const std::string& line : fresh) kf.push_back(keys.Key(gbk::Trim(line)));
  const std::vector<int> match = AlignLines(km, kf);
  size_t boxEnd = 0;  // the file comment: generated values only
  if (!mine.empty() && mine[0].rfind("/****", 0) == 0) {
    for (size_t i = 0; i < mine.size(); ++i) {
      if (mine[i].rfind("*****", 0) == 0 && mine[i].size() > 1 && mine[i].back() == '/') {
        boxEnd = i + 1;
        break;
      }
    }
  }
  auto generatedLine = [&](size_t i) {
    const std::string line = gbk::Trim(mine[i]);
    if (line.empty() || i < boxEnd) return true;
    if (line.size() > 1 && line.back() == ';' && generated.count(line.substr(0, line.size() - 1))) return true;
    // An identification line above such a declaration.
    return IsIdentificationLine(line) && i + 1 < mine.size() && !gbk::Trim(mine[i + 1]).empty() &&
           gbk::Trim(mine[i + 1]).back() == ';' &&
           generated.count(gbk::Trim(mine[i + 1]).substr(0, gbk::Trim(mine[i + 1]).size() - 1));
  };
  Lines out;
  size_t f = 0;
  for (size_t i = 0; i < mine.size(); ++i) {
    if (match[i] < 0) {
      if (!generatedLine(i)) {
        out.push_back(mine[i]);
        ++kept;
      }
      continue;
    }
    while (f < static_cast<size_t>(match[i])) out.push_back(fresh[f++]);
    out.push_back(fresh[f++]);
  }
  while (f < fresh.size()) out.push_back(fresh[f++]);
  return out;
}

}  // namespace

std::string RecordPath(const std::string& sourcePath) {
  const size_t slash = LastSeparator(sourcePath);
  return (slash == std::string::npos ? std::string() : sourcePath.substr(0, slash + 1)) + std::string(kRecordName);
}

std::vector<std::string> MakeFreshTexts(CCodeMaker& maker, ModuleFilesRequest& request, code::KindRows* kind) {
  CCodeMaker::ModuleTexts texts =
      maker.MakeModuleTexts(request.kind, request.module, request.headerPath, request.sourcePath, kind);
  request.freshHeader = std::move(texts.header);
  request.freshSource = std::move(texts.source);
  return std::move(texts.faults);
}

std::string RecordAfterWriting(const ModuleFilesRequest& request, const ModuleFilesPlan& plan, bool headerWritten,
                               bool sourceWritten) {
  if (headerWritten && sourceWritten) return plan.record;
  if (!headerWritten && !sourceWritten) return {};
  std::string bytes, why;
  BaseRecord old;
  try {
    if (!ReadBytes(RecordPath(request.sourcePath), bytes)) return {};
  } catch (const Refusal&) {
    return {};
  }
  if (!ParseRecord(request.utf8 ? gbk::FromUtf8(bytes) : bytes, old, why)) return {};
  return MakeRecordText(Of(request.kind).name, request.module, BaseName(request.headerPath),
                        headerWritten ? request.freshHeader : JoinCrlf(old.header), BaseName(request.sourcePath),
                        sourceWritten ? request.freshSource : JoinCrlf(old.source));
}

void WriteRecord(FileWriter& writer, const std::string& sourcePath, const std::string& record) {
  if (writer.Options().check || record.empty()) return;
  writer.Write(GenFile(RecordPath(sourcePath), record), true);
}

std::string DiffWithDisk(const std::string& path, const std::string& text, bool utf8) {
  std::string bytes;
  try {
    if (!ReadBytes(path, bytes)) bytes.clear();
  } catch (const Refusal&) {
    bytes.clear();
  }
  const std::string old = utf8 ? gbk::FromUtf8(bytes) : bytes;
  // Lines with their ends: a changed line end is a change.
  auto withEnds = [](std::string_view all) {
    std::vector<std::string_view> lines;
    for (size_t pos = 0; pos < all.size();) {
      const size_t lf = all.find('\n', pos);
      const size_t end = lf == std::string_view::npos ? all.size() : lf + 1;
      lines.push_back(all.substr(pos, end - pos));
      pos = end;
    }
    return lines;
  };
  return UnifiedDiff(withEnds(old), withEnds(text), "a/" + Shown(path), "b/" + Shown(path));
}

namespace {

// Nothing written: refused, or asked first.
void Stop(ModuleFilesPlan& plan, ModuleFilesPlan::Verdict verdict, Refusal why) {
  plan.verdict = verdict;
  plan.reason = std::move(why.message);
  plan.pageReason = std::move(why.shown);
}

Refusal MostRetire(const std::string& path, int leaving, int total) {
  return At(path,
            "the merge would retire " + std::to_string(leaving) + " of its " + std::to_string(total) +
                " functions (another module's folder?)",
            FillTemplate(why::MostRetire(), {{"Leaving", std::to_string(leaving)}, {"Total", std::to_string(total)}}));
}

}  // namespace

ModuleFilesPlan PlanModuleFiles(const ModuleFilesRequest& request) {
  ModuleFilesPlan plan;
  const std::string kind = Of(request.kind).name;
  plan.header = request.freshHeader;
  plan.source = request.freshSource;
  plan.record = MakeRecordText(kind, request.module, BaseName(request.headerPath), request.freshHeader,
                               BaseName(request.sourcePath), request.freshSource);
  if (!request.merge) return plan;
  const bool utf8 = request.utf8;
  const std::string shownSource = Shown(request.sourcePath), shownHeader = Shown(request.headerPath);
  namespace texts = res::merge;
  try {
    std::string sourceBytes, headerBytes, recordBytes;
    if (!ReadBytes(request.sourcePath, sourceBytes)) {
      plan.report.push_back("merged: " + shownSource + ": no earlier file");
      plan.pageReport.push_back(FillTemplate(texts::PageNoEarlierFileLine(), {{"File", shownSource}}));
      return plan;
    }
    const Lines mineSource = ReadMine(request.sourcePath, sourceBytes, utf8);
    CheckMarkers(request.sourcePath, mineSource);
    const bool haveHeader = ReadBytes(request.headerPath, headerBytes);
    const Lines mineHeader = haveHeader ? ReadMine(request.headerPath, headerBytes, utf8) : Lines();
    const Lines freshSource = TextLines(request.freshSource), freshHeader = TextLines(request.freshHeader);

    const std::string recordPath = RecordPath(request.sourcePath);
    BaseRecord record;
    bool haveRecord = ReadBytes(recordPath, recordBytes);
    if (haveRecord) {
      std::string fault;
      const std::string text = utf8 ? gbk::FromUtf8(recordBytes) : recordBytes;
      if ((utf8 && FirstNotUtf8(recordBytes) != std::string::npos) || !ParseRecord(text, record, fault)) {
        throw At(recordPath,
                 "not a record FidForge can read (" + (fault.empty() ? "encoding" : fault) +
                     "); delete it to merge by the rules for files without one",
                 why::RecordUnreadable());
      }
      // A record of other files (renamed in the module code page) is none.
      haveRecord =
          record.sourceName == BaseName(request.sourcePath) && record.headerName == BaseName(request.headerPath);
    }

    if (haveRecord) {
      if (!request.forceRetire && (record.kind != kind || record.module != request.module)) {
        const std::string module = std::to_string(record.module), own = std::to_string(request.module);
        Stop(plan, ModuleFilesPlan::Verdict::AskFirst,
             At(request.sourcePath,
                "these files were generated for " + record.kind + " module " + module + " (" +
                    std::string(kRecordName) + "), not for " + kind + " module " + own +
                    "; merging would retire its functions",
                FillTemplate(why::OtherModulesRecord(), {{"Kind", record.kind},
                                                         {"Module", module},
                                                         {"Record", kRecordName},
                                                         {"OwnKind", kind},
                                                         {"OwnModule", own}})));
        return plan;
      }
      int leaving = 0, total = 0;
      CountLeaving(record.source, freshSource, leaving, total);
      if (!request.forceRetire && leaving >= 2 && leaving * 2 > total) {
        Stop(plan, ModuleFilesPlan::Verdict::AskFirst, MostRetire(request.sourcePath, leaving, total));
        return plan;
      }
      MergeSettings settings{request.conflictMarkers, BaseName(request.sourcePath)};
      ThreeWayReport sourceReport, headerReport;
      const Lines source = MergeSourceThreeWay(record.source, {mineSource, {}}, freshSource, settings, sourceReport);
      Lines header = freshHeader;
      if (haveHeader) {
        settings.fileName = BaseName(request.headerPath);
        header = MergeHeaderThreeWay(record.header, {mineHeader, {}}, freshHeader, settings, headerReport);
      }
      if (!request.conflictMarkers && (!sourceReport.conflicts.empty() || !headerReport.conflicts.empty())) {
        Refusal lines = Conflicts(request.sourcePath, sourceReport);
        const Refusal more = Conflicts(request.headerPath, headerReport);
        for (auto [to, from] : {std::pair{&lines.message, &more.message}, std::pair{&lines.shown, &more.shown}})
          *to += (to->empty() || from->empty() ? "" : "\n") + *from;
        Stop(plan, ModuleFilesPlan::Verdict::Refused, std::move(lines));
        return plan;
      }
      plan.conflictsMarked = static_cast<int>(sourceReport.conflicts.size() + headerReport.conflicts.size());
      plan.source = JoinCrlf(source);
      plan.header = JoinCrlf(header);
      plan.report.push_back("merged: " + shownSource + ": " + DescribeSource(sourceReport));
      plan.report.push_back("merged: " + shownHeader + ": hand-written lines kept " +
                            std::to_string(headerReport.linesKept) + ", conflicts " +
                            std::to_string(headerReport.conflicts.size()));
      plan.pageReport.push_back(
          FillTemplate(texts::PageThreeWayLine(), {{"File", shownSource},
                                                   {"Refreshed", std::to_string(sourceReport.refreshed)},
                                                   {"Edited", std::to_string(sourceReport.keptEdited)},
                                                   {"Added", std::to_string(sourceReport.added.size())},
                                                   {"Retired", std::to_string(sourceReport.retired.size())},
                                                   {"Restored", std::to_string(sourceReport.restored.size())},
                                                   {"Conflicts", std::to_string(sourceReport.conflicts.size())}}));
      if (!sourceReport.retired.empty()) {
        plan.pageReport.push_back(
            FillTemplate(texts::PageRetiredNamesLine(), {{"Names", PageNames(sourceReport.retired)}}));
      }
      if (!sourceReport.restored.empty()) {
        plan.pageReport.push_back(
            FillTemplate(texts::PageRestoredNamesLine(), {{"Names", PageNames(sourceReport.restored)}}));
      }
      if (haveHeader) {
        plan.pageReport.push_back(FillTemplate(
            texts::PageHeaderLine(), {{"File", shownHeader}, {"Kept", std::to_string(headerReport.linesKept)}}));
      }
      if (plan.conflictsMarked > 0) {
        plan.pageReport.push_back(
            FillTemplate(texts::PageConflictsMarkedLine(), {{"Count", std::to_string(plan.conflictsMarked)}}));
      }
      return plan;
    }

    // No record: the rules for files without one.
    const std::string mineText = JoinCrlf(mineSource);
    std::vector<GeneratedFunction> olds, freshes;
    try {
      olds = ReadSourceLayout(mineText);
    } catch (const DamagedFile& damage) {
      throw At(request.sourcePath, damage.Line(), damage.what(), damage.Shown());
    }
    freshes = ReadSourceLayout(request.freshSource);
    std::string commentLine;
    if (!request.forceRetire && !SameModuleComment(mineSource, freshSource, commentLine)) {
      const std::string line = gbk::Trim(commentLine);
      Stop(plan, ModuleFilesPlan::Verdict::AskFirst,
           At(request.sourcePath,
              "its file comment names another module or kind (\"" + line + "\"); merging would retire its functions",
              FillTemplate(why::OtherModulesComment(), {{"Line", line}})));
      return plan;
    }
    std::set<std::string> freshPrototypes, generated;
    for (const GeneratedFunction& f : freshes) freshPrototypes.insert(f.prototype);
    int leaving = 0;
    for (const GeneratedFunction& f : olds) {
      leaving += freshPrototypes.count(f.prototype) ? 0 : 1;
      generated.insert(f.prototype);
    }
    if (!request.forceRetire && leaving >= 2 && leaving * 2 > static_cast<int>(olds.size())) {
      Stop(plan, ModuleFilesPlan::Verdict::AskFirst,
           MostRetire(request.sourcePath, leaving, static_cast<int>(olds.size())));
      return plan;
    }
    CheckWithoutRecord(request.sourcePath, mineText, olds, freshes);
    MergeReport report;
    try {
      plan.source = JoinCrlf(TextLines(MergeModuleSource(mineText, request.freshSource, report)));
    } catch (const DamagedFile& damage) {
      throw At(request.sourcePath, damage.Line(), damage.what(), damage.Shown());
    } catch (const MergeError& error) {
      throw At(request.sourcePath, error.what(), error.Shown());
    } catch (const std::runtime_error& error) {
      throw At(request.sourcePath, error.what(), FillTemplate(why::Other(), {{"Reason", error.what()}}));
    }
    int headerKept = 0;
    if (haveHeader) plan.header = JoinCrlf(MergeHeaderWithoutRecord(mineHeader, freshHeader, generated, headerKept));
    // As the next merge, three-way against the record written now, will
    // see it: a kept line that differs from the generated one only in its
    // blanks (an editor's tabs) takes the generated form now, not then.
    ThreeWayReport same;
    plan.source =
        JoinCrlf(MergeSourceThreeWay(freshSource, {TextLines(plan.source), {}}, freshSource, MergeSettings{}, same));
    if (haveHeader) {
      plan.header = JoinCrlf(
          MergeHeaderThreeWay(freshHeader, {TextLines(plan.header), {}}, freshHeader, MergeSettings{}, same));
    }
    plan.report.push_back("merged: " + shownSource + ": no record of the last generation (" + std::string(kRecordName) +
                          "), merged by the rules for files without one; " + DescribeReport(report));
    plan.report.push_back("merged: " + shownHeader + ": hand-written lines kept " + std::to_string(headerKept));
    plan.pageReport.push_back(FillTemplate(texts::PageNoRecordLine(), {{"File", shownSource}}));
    plan.pageReport.push_back(
        FillTemplate(texts::PageMergedLine(), {{"File", shownSource},
                                               {"Kept", std::to_string(report.regionsKept)},
                                               {"Added", std::to_string(report.functionsAdded)},
                                               {"Retired", std::to_string(report.functionsRetired)}}));
    if (!report.retired.empty()) {
      plan.pageReport.push_back(FillTemplate(texts::PageRetiredNamesLine(), {{"Names", PageNames(report.retired)}}));
    }
    if (haveHeader) {
      plan.pageReport.push_back(
          FillTemplate(texts::PageHeaderLine(), {{"File", shownHeader}, {"Kept", std::to_string(headerKept)}}));
    }
  } catch (const Refusal& refusal) {
    Stop(plan, ModuleFilesPlan::Verdict::Refused, refusal);
  } catch (const MergeError& error) {
    Stop(plan, ModuleFilesPlan::Verdict::Refused, At(RecordPath(request.sourcePath), error.what(), error.Shown()));
  } catch (const std::runtime_error& error) {
    Stop(plan, ModuleFilesPlan::Verdict::Refused,
         At(RecordPath(request.sourcePath), error.what(), FillTemplate(why::Other(), {{"Reason", error.what()}})));
  }
  return plan;
}

}  // namespace ff::merge
