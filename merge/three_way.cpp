#include "merge/three_way.h"

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

#include "codetext/text_fill.h"
#include "merge/line_diff.h"
#include "merge/module_merge.h"
#include "merge/source_layout.h"
#include "res/merge_texts.h"

namespace ff::merge {
namespace {

using Lines = std::vector<std::string>;

std::string_view Key(std::string_view line) {
  size_t b = 0, e = line.size();
  while (b < e && (line[b] == ' ' || line[b] == '\t')) ++b;
  while (e > b && (line[e - 1] == ' ' || line[e - 1] == '\t')) --e;
  return line.substr(b, e - b);
}

struct Span {
  int begin = 0, end = 0;
  int Size() const { return end - begin; }
};

struct Function {
  std::string prototype, name;
  Span lines;
};

// The generated functions of a generated text, by line.
std::vector<Function> FunctionsOf(const Lines& lines, const char* whose, const std::string& shownWhose) {
  std::string text = JoinCrlf(lines);
  std::vector<size_t> starts;
  size_t offset = 0;
  for (const std::string& line : lines) {
    starts.push_back(offset);
    offset += line.size() + 2;
  }
  auto lineAt = [&](size_t at) {
    return static_cast<int>(std::lower_bound(starts.begin(), starts.end(), at) - starts.begin());
  };
  std::vector<GeneratedFunction> layout;
  try {
    layout = ReadSourceLayout(text);
  } catch (const DamagedFile& damage) {
    const std::string line = std::to_string(damage.Line());
    throw MergeError(std::string(whose) + " is not as FidForge generates it (line " + line + ": " + damage.what() + ")",
                     FillTemplate(res::merge::damage::NotAsGenerated(),
                                  {{"Whose", shownWhose}, {"Line", line}, {"Damage", damage.Shown()}}));
  }
  std::vector<Function> functions;
  for (const GeneratedFunction& f : layout) {
    functions.push_back({f.prototype, f.name, {lineAt(f.begin), lineAt(f.end)}});
  }
  return functions;
}

// The lines of `a` aligned with those of `b`: equal lines first, then the
// stretches between them by their keys (lines an editor only re-indented
// or stripped). Keys alone could pair "    }" with "}" and hand one's text
// to the other's place.
std::vector<int> AlignTexts(const Lines& a, Span sa, const Lines& b, Span sb) {
  std::vector<int> match(static_cast<size_t>(sa.Size()), -1);
  // The same start and end cost no numbering (a merge of unchanged files).
  int head = 0, tail = 0;
  while (head < sa.Size() && head < sb.Size() && a[sa.begin + head] == b[sb.begin + head]) {
    match[head] = head;
    ++head;
  }
  while (tail < sa.Size() - head && tail < sb.Size() - head && a[sa.end - 1 - tail] == b[sb.end - 1 - tail]) {
    ++tail;
    match[sa.Size() - tail] = sb.Size() - tail;
  }
  LineKeys exact;
  std::vector<int> ea, eb;
  for (int i = sa.begin + head; i < sa.end - tail; ++i) ea.push_back(exact.Key(a[i]));
  for (int j = sb.begin + head; j < sb.end - tail; ++j) eb.push_back(exact.Key(b[j]));
  const std::vector<int> middle = AlignLines(ea, eb);
  for (size_t i = 0; i < middle.size(); ++i) {
    if (middle[i] >= 0) match[head + i] = middle[i] + head;
  }
  LineKeys keys;
  auto fill = [&](int i0, int i1, int j0, int j1) {
    if (i0 >= i1 || j0 >= j1) return;
    std::vector<int> ka, kb;
    for (int i = i0; i < i1; ++i) ka.push_back(keys.Key(Key(a[sa.begin + i])));
    for (int j = j0; j < j1; ++j) kb.push_back(keys.Key(Key(b[sb.begin + j])));
    const std::vector<int> local = AlignLines(ka, kb);
    for (int i = i0; i < i1; ++i) {
      if (local[i - i0] >= 0) match[i] = local[i - i0] + j0;
    }
  };
  int i0 = 0, j0 = 0;
  for (int i = 0; i < sa.Size(); ++i) {
    if (match[i] < 0) continue;
    fill(i0, i, j0, match[i]);
    i0 = i + 1;
    j0 = match[i] + 1;
  }
  fill(i0, sa.Size(), j0, sb.Size());
  return match;
}

bool SameKeys(const Lines& a, Span sa, const Lines& b, Span sb) {
  if (sa.Size() != sb.Size()) return false;
  for (int i = 0; i < sa.Size(); ++i) {
    if (Key(a[sa.begin + i]) != Key(b[sb.begin + i])) return false;
  }
  return true;
}

bool IsBlank(std::string_view line) { return Key(line).empty(); }

// The diff3 of three stretches; `baseToMine` may be given (a slice of the
// file-wide alignment) or is made here.
class Merger {
 public:
  Merger(const Lines& base, const MergeLines& mine, const Lines& fresh, const MergeSettings& settings,
         ThreeWayReport& report, Lines& out)
      : base_(base), mine_(mine), fresh_(fresh), settings_(settings), report_(report), out_(out) {}

  void Merge(Span b, Span u, Span f, const std::string& where, const std::vector<int>* baseToMine = nullptr) {
    const std::vector<int> bu = baseToMine ? *baseToMine : AlignTexts(base_, b, mine_.lines, u);
    const std::vector<int> bf = AlignTexts(base_, b, fresh_, f);
    for (const Chunk3& c : Chunks3(bu, u.Size(), bf, f.Size())) {
      const Span cb{b.begin + c.b0, b.begin + c.b1}, cu{u.begin + c.x0, u.begin + c.x1},
          cf{f.begin + c.y0, f.begin + c.y1};
      if (c.stable || SameKeys(base_, cb, mine_.lines, cu)) {
        Emit(fresh_, cf);
      } else if (SameKeys(base_, cb, fresh_, cf) || SameKeys(mine_.lines, cu, fresh_, cf)) {
        Emit(mine_.lines, cu);
        Count(cu);
      } else if (!Around(cb, cu, cf, true) && !Around(cb, cf, cu, false)) {
        Conflict(cu, cf, where);
      }
    }
  }

  void Emit(const Lines& from, Span span) {
    for (int i = span.begin; i < span.end; ++i) out_.push_back(from[i]);
  }
  int Number(int line) const { return mine_.numbers.empty() ? line + 1 : mine_.numbers[static_cast<size_t>(line)]; }

 private:
  void Count(Span u) {
    for (int i = u.begin; i < u.end; ++i) {
      if (!IsBlank(mine_.lines[i])) ++report_.linesKept;
    }
  }

  // One side (`grown`) is the base stretch with lines added before or
  // after it; the other changed the stretch itself. Both are kept: the
  // other side's text with the added lines where they were.
  bool Around(Span b, Span grown, Span other, bool grownIsMine) {
    const Lines& g = grownIsMine ? mine_.lines : fresh_;
    const Lines& o = grownIsMine ? fresh_ : mine_.lines;
    const int extra = grown.Size() - b.Size();
    if (extra <= 0) return false;
    auto emitGrown = [&](Span s) {
      Emit(g, s);
      if (grownIsMine) Count(s);
    };
    auto emitOther = [&]() {
      Emit(o, other);
      if (!grownIsMine) Count(other);
    };
    if (SameKeys(base_, b, g, {grown.begin, grown.begin + b.Size()})) {
      emitOther();
      emitGrown({grown.begin + b.Size(), grown.end});
      return true;
    }
    if (SameKeys(base_, b, g, {grown.end - b.Size(), grown.end})) {
      emitGrown({grown.begin, grown.end - b.Size()});
      emitOther();
      return true;
    }
    return false;
  }

  void Conflict(Span u, Span f, const std::string& where) {
    merge::Conflict conflict{where, 0, 0};
    if (u.Size() > 0) {
      conflict.first = Number(u.begin);
      conflict.last = Number(u.end - 1);
    } else {
      conflict.first = u.begin < static_cast<int>(mine_.lines.size()) ? Number(u.begin)
                       : u.begin > 0                                    ? Number(u.begin - 1) + 1
                                                                        : 1;
      conflict.last = conflict.first - 1;
    }
    report_.conflicts.push_back(conflict);
    if (settings_.conflictMarkers) {
      out_.push_back("<<<<<<< " + settings_.fileName + " (hand-written)");
      Emit(mine_.lines, u);
      out_.push_back("=======");
      Emit(fresh_, f);
      out_.push_back(">>>>>>> " + settings_.fileName + " (generated)");
    } else {
      Emit(mine_.lines, u);
    }
  }

  const Lines& base_;
  const MergeLines& mine_;
  const Lines& fresh_;
  const MergeSettings& settings_;
  ThreeWayReport& report_;
  Lines& out_;
};

// The depth change of a preprocessor conditional line: +1 for #if,
// #ifdef, #ifndef; -1 for #endif.
int ConditionalStep(std::string_view line) {
  std::string_view rest = Key(line);
  if (rest.empty() || rest.front() != '#') return 0;
  rest = Key(rest.substr(1));
  if (rest.substr(0, 5) == "endif") return -1;
  if (rest.substr(0, 2) == "if" && (rest.size() == 2 || rest[2] == ' ' || rest[2] == '\t' || rest[2] == '(' ||
                                    rest.substr(0, 5) == "ifdef" || rest.substr(0, 6) == "ifndef")) {
    return 1;
  }
  return 0;
}

// Hand-written text between two functions that part: the lines up to the
// last #endif that closes something opened before stay after the first
// function, the lines from the #if that stays open go before the second.
// The blank lines between the two parts go (the gap is made anew); those
// between a part and its function stay.
void SplitGap(const Lines& lines, Span gap, Span& after, Span& before) {
  int depth = 0, lowest = 0, cut = gap.begin;
  for (int i = gap.begin; i < gap.end; ++i) {
    depth += ConditionalStep(lines[i]);
    if (depth <= lowest) {
      lowest = depth;
      cut = i + 1;
    }
  }
  after = {gap.begin, cut};
  before = {cut, gap.end};
  while (after.end > after.begin && IsBlank(lines[after.end - 1])) --after.end;
  while (before.begin < before.end && IsBlank(lines[before.begin])) ++before.begin;
  if (!std::any_of(lines.begin() + after.begin, lines.begin() + after.end,
                   [](const std::string& l) { return !IsBlank(l); })) {
    after.end = after.begin;
  }
  if (!std::any_of(lines.begin() + before.begin, lines.begin() + before.end,
                   [](const std::string& l) { return !IsBlank(l); })) {
    before.begin = before.end;
  }
}

// A block in which an earlier merge kept the function `name`: its old
// text between "#if 0" and "#endif // name", and the whole block (with the
// comment line above and one blank line before it).
bool FindRetiredBlock(const MergeLines& mine, const std::vector<bool>& removed, const std::string& name, Span& block,
                      Span& text) {
  const std::string comment = FillTemplate(res::merge::RetiredFunctionBlock(), {{"Name", name}, {"Text", ""}});
  const Lines pattern = TextLines(comment);  // "", the comment, "#if 0", "#endif // name"
  if (pattern.size() != 4) return false;
  const Lines& lines = mine.lines;
  for (int end = 0; end < static_cast<int>(lines.size()); ++end) {
    if (removed[end] || Key(lines[end]) != Key(pattern[3])) continue;
    for (int open = end - 1; open >= 1; --open) {
      if (removed[open]) break;
      if (Key(lines[open]) == Key(pattern[2]) && Key(lines[open - 1]) == Key(pattern[1])) {
        text = {open + 1, end};
        block = {open - 1, end + 1};
        if (block.begin > 0 && IsBlank(lines[block.begin - 1]) && !removed[block.begin - 1]) --block.begin;
        return true;
      }
      if (Key(lines[open]).substr(0, 7) == "#endif ") break;
    }
  }
  return false;
}

// The fresh function with the regions of the old one; false when a region
// of the old text has no place in it.
bool Restore(const Lines& oldText, const Lines& fresh, Span freshSpan, Lines& into) {
  const std::string old = JoinCrlf(oldText);
  const std::string freshText = JoinCrlf(Lines(fresh.begin() + freshSpan.begin, fresh.begin() + freshSpan.end));
  try {
    const std::vector<GeneratedFunction> olds = ReadSourceLayout(old);
    const std::vector<GeneratedFunction> freshes = ReadSourceLayout(freshText);
    if (olds.size() != 1 || freshes.size() != 1 || olds[0].prototype != freshes[0].prototype) return false;
    MergeReport ignored;
    const std::string merged = MergeFunction(old, olds[0], freshText, freshes[0], ignored);
    // What the old text had before its box or after its brace stays too.
    const Lines lines = TextLines(old.substr(0, olds[0].begin) + merged + old.substr(olds[0].end));
    into.insert(into.end(), lines.begin(), lines.end());
    return true;
  } catch (const std::runtime_error&) {
    return false;
  }
}

}  // namespace

std::vector<std::string> TextLines(std::string_view text) {
  Lines lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t lf = text.find('\n', pos);
    size_t end = lf == std::string_view::npos ? text.size() : lf;
    std::string_view line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    pos = lf == std::string_view::npos ? text.size() : lf + 1;
  }
  return lines;
}

std::string JoinCrlf(const std::vector<std::string>& lines) {
  size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void CountLeaving(const std::vector<std::string>& base, const std::vector<std::string>& fresh, int& leaving,
                  int& total) {
  const std::vector<Function> b = FunctionsOf(base, "the record", res::merge::damage::TheRecord()),
                              f = FunctionsOf(fresh, "the new generation", res::merge::damage::TheNewGeneration());
  std::map<std::string, int> inFresh;
  for (const Function& fn : f) inFresh[fn.prototype] = 1;
  total = static_cast<int>(b.size());
  leaving = 0;
  for (const Function& fn : b) leaving += inFresh.count(fn.prototype) ? 0 : 1;
}

std::vector<std::string> MergeHeaderThreeWay(const std::vector<std::string>& base, const MergeLines& mine,
                                             const std::vector<std::string>& fresh, const MergeSettings& settings,
                                             ThreeWayReport& report) {
  Lines out;
  Merger merger(base, mine, fresh, settings, report, out);
  merger.Merge({0, static_cast<int>(base.size())}, {0, static_cast<int>(mine.lines.size())},
               {0, static_cast<int>(fresh.size())}, settings.fileName);
  return out;
}

std::vector<std::string> MergeSourceThreeWay(const std::vector<std::string>& base, const MergeLines& given,
                                             const std::vector<std::string>& fresh, const MergeSettings& settings,
                                             ThreeWayReport& report) {
  const std::vector<Function> bFns = FunctionsOf(base, "the record", res::merge::damage::TheRecord()),
                              fFns = FunctionsOf(fresh, "the new generation", res::merge::damage::TheNewGeneration());
  std::map<std::string, int> bIndex, fIndex;
  for (int i = 0; i < static_cast<int>(bFns.size()); ++i) bIndex[bFns[i].prototype] = i;
  for (int j = 0; j < static_cast<int>(fFns.size()); ++j) fIndex[fFns[j].prototype] = j;

  // Functions that come back take their old code from the block an
  // earlier merge kept them in; the block leaves the programmer's text.
  std::vector<bool> removed(given.lines.size(), false);
  std::map<int, Lines> restored;  // fresh index -> text
  for (int j = 0; j < static_cast<int>(fFns.size()); ++j) {
    if (bIndex.count(fFns[j].prototype)) continue;
    Span block, text;
    if (!FindRetiredBlock(given, removed, fFns[j].name, block, text)) continue;
    Lines old(given.lines.begin() + text.begin, given.lines.begin() + text.end);
    Lines merged;
    if (!Restore(old, fresh, fFns[j].lines, merged)) {
      report.notRestored.push_back(fFns[j].name);
      continue;
    }
    restored[j] = std::move(merged);
    for (int i = block.begin; i < block.end; ++i) removed[i] = true;
  }
  MergeLines mine;
  for (size_t i = 0; i < given.lines.size(); ++i) {
    if (removed[i]) continue;
    mine.lines.push_back(given.lines[i]);
    mine.numbers.push_back(given.numbers.empty() ? static_cast<int>(i + 1) : given.numbers[i]);
  }

  const int nb = static_cast<int>(base.size()), nu = static_cast<int>(mine.lines.size()),
            nf = static_cast<int>(fresh.size());
  const std::vector<int> mu = AlignTexts(base, {0, nb}, mine.lines, {0, nu});

  // Where each base function lies in the programmer's text. Lines added
  // right before or after a function are outside it.
  std::vector<int> lastBefore(nb + 1, 0), firstFrom(nb + 1, nu);
  for (int p = 1; p <= nb; ++p) lastBefore[p] = mu[p - 1] >= 0 ? mu[p - 1] + 1 : lastBefore[p - 1];
  for (int p = nb - 1; p >= 0; --p) firstFrom[p] = mu[p] >= 0 ? mu[p] : firstFrom[p + 1];
  std::vector<Span> uFn(bFns.size());
  int floor = 0;
  for (size_t i = 0; i < bFns.size(); ++i) {
    const Span b = bFns[i].lines;
    int start = mu[b.begin] >= 0 ? mu[b.begin] : lastBefore[b.begin];
    int end = mu[b.end - 1] >= 0 ? mu[b.end - 1] + 1 : firstFrom[b.end];
    start = std::max(start, floor);
    end = std::max(end, start);
    uFn[i] = {start, end};
    floor = end;
  }
  // The base-to-mine alignment within one stretch.
  auto slice = [&](Span b, Span u) {
    std::vector<int> local(static_cast<size_t>(b.Size()), -1);
    for (int i = b.begin; i < b.end; ++i) {
      if (mu[i] >= u.begin && mu[i] < u.end) local[i - b.begin] = mu[i] - u.begin;
    }
    return local;
  };

  Lines out;
  out.reserve(fresh.size() + fresh.size() / 8);
  Merger merger(base, mine, fresh, settings, report, out);

  const int nB = static_cast<int>(bFns.size()), nF = static_cast<int>(fFns.size());
  auto survives = [&](int i) { return fIndex.count(bFns[i].prototype) > 0; };

  // Hand-written text between base functions: kept as it is where both
  // neighbours stay next to each other, else parted between them.
  std::vector<bool> verbatim(nB > 0 ? nB - 1 : 0, false);
  std::vector<std::vector<Span>> afterOf(nB), beforeOf(nB);
  std::vector<Span> orphans;
  for (int i = 0; i + 1 < nB; ++i) {
    const Span bg{bFns[i].lines.end, bFns[i + 1].lines.begin}, ug{uFn[i].end, uFn[i + 1].begin};
    if (SameKeys(base, bg, mine.lines, ug)) continue;
    if (survives(i) && survives(i + 1) && fIndex[bFns[i + 1].prototype] == fIndex[bFns[i].prototype] + 1) {
      verbatim[i] = true;
      continue;
    }
    Span after, before;
    SplitGap(mine.lines, ug, after, before);
    // A part whose function is gone goes to the nearest that stays.
    auto place = [&](Span part, int owner, bool isAfter) {
      if (part.Size() == 0) return;
      if (survives(owner)) {
        (isAfter ? afterOf : beforeOf)[owner].push_back(part);
        return;
      }
      for (int k = owner - 1; k >= 0; --k) {
        if (survives(k)) {
          afterOf[k].push_back(part);
          return;
        }
      }
      for (int k = owner + 1; k < nB; ++k) {
        if (survives(k)) {
          beforeOf[k].push_back(part);
          return;
        }
      }
      orphans.push_back(part);
    };
    place(after, i, true);
    place(before, i + 1, false);
  }

  // The file comment and the include block.
  const Span bPre{0, nB ? bFns[0].lines.begin : nb}, uPre{0, nB ? uFn[0].begin : nu},
      fPre{0, nF ? fFns[0].lines.begin : nf};
  {
    const std::vector<int> local = slice(bPre, uPre);
    merger.Merge(bPre, uPre, fPre, "the file comment and include block", &local);
  }
  Lines gapLines;
  if (nF >= 2) {
    gapLines.assign(fresh.begin() + fFns[0].lines.end, fresh.begin() + fFns[1].lines.begin);
  } else {
    gapLines = {"", ""};
  }
  auto emitParts = [&](const std::vector<Span>& parts) {
    for (const Span& part : parts) {
      merger.Emit(mine.lines, part);
      for (int k = part.begin; k < part.end; ++k) report.linesKept += IsBlank(mine.lines[k]) ? 0 : 1;
    }
  };

  // A new function the programmer already wrote by hand (in the generated
  // shape, before it reached the database) keeps their text, where it is.
  std::set<std::string_view> handPrototypes;
  {
    std::vector<bool> generated(static_cast<size_t>(nu), false);
    for (int b = 0; b < nb; ++b) {
      if (mu[b] >= 0) generated[static_cast<size_t>(mu[b])] = true;
    }
    for (int u = 0; u < nu; ++u) {
      if (!generated[static_cast<size_t>(u)]) handPrototypes.insert(Key(mine.lines[u]));
    }
  }

  int previousBase = -1;  // the base index of the function written last
  for (int j = 0; j < nF; ++j) {
    const auto inBase = bIndex.find(fFns[j].prototype);
    const int i = inBase == bIndex.end() ? -1 : inBase->second;
    if (j > 0) {
      if (previousBase >= 0 && i == previousBase + 1 && verbatim[previousBase]) {
        merger.Emit(mine.lines, {uFn[previousBase].end, uFn[i].begin});
        for (int k = uFn[previousBase].end; k < uFn[i].begin; ++k) {
          report.linesKept += IsBlank(mine.lines[k]) ? 0 : 1;
        }
      } else {
        if (previousBase >= 0) emitParts(afterOf[previousBase]);
        merger.Emit(fresh, {fFns[j - 1].lines.end, fFns[j].lines.begin});
        if (i >= 0) emitParts(beforeOf[i]);
      }
    } else if (i >= 0) {
      emitParts(beforeOf[i]);
    }

    if (i < 0) {
      if (auto r = restored.find(j); r != restored.end()) {
        out.insert(out.end(), r->second.begin(), r->second.end());
        report.restored.push_back(fFns[j].name);
      } else if (handPrototypes.count(Key(fFns[j].prototype))) {
        report.handWritten.push_back(fFns[j].name);
        // Nothing written here; the gap before it is the one after it.
        if (j > 0) out.resize(out.size() - static_cast<size_t>(fFns[j].lines.begin - fFns[j - 1].lines.end));
      } else {
        merger.Emit(fresh, fFns[j].lines);
        report.added.push_back(fFns[j].name);
      }
    } else if (uFn[i].Size() == 0) {
      merger.Emit(fresh, fFns[j].lines);  // deleted by hand: generated anew
      if (!SameKeys(base, bFns[i].lines, fresh, fFns[j].lines)) ++report.refreshed;
    } else {
      const std::vector<int> local = slice(bFns[i].lines, uFn[i]);
      if (!SameKeys(base, bFns[i].lines, fresh, fFns[j].lines)) ++report.refreshed;
      if (!SameKeys(base, bFns[i].lines, mine.lines, uFn[i])) ++report.keptEdited;
      merger.Merge(bFns[i].lines, uFn[i], fFns[j].lines, fFns[j].name, &local);
    }
    previousBase = i;
  }
  if (previousBase >= 0) emitParts(afterOf[previousBase]);
  for (const Span& part : orphans) {
    out.insert(out.end(), gapLines.begin(), gapLines.end());
    emitParts({part});
  }

  // The end of the file.
  const Span bTail{nB ? bFns.back().lines.end : nb, nb}, uTail{nB ? uFn.back().end : nu, nu},
      fTail{nF ? fFns.back().lines.end : nf, nf};
  {
    const std::vector<int> local = slice(bTail, uTail);
    merger.Merge(bTail, uTail, fTail, "the end of the file", &local);
  }

  // Functions that left the database: kept disabled when edited.
  for (int i = 0; i < nB; ++i) {
    if (survives(i)) continue;
    if (uFn[i].Size() == 0 || SameKeys(base, bFns[i].lines, mine.lines, uFn[i])) {
      report.removed.push_back(bFns[i].name);
      continue;
    }
    const Lines old(mine.lines.begin() + uFn[i].begin, mine.lines.begin() + uFn[i].end);
    const Lines block =
        TextLines(FillTemplate(res::merge::RetiredFunctionBlock(), {{"Name", bFns[i].name}, {"Text", JoinCrlf(old)}}));
    out.insert(out.end(), block.begin(), block.end());
    report.retired.push_back(bFns[i].name);
    for (const std::string& line : old) report.linesKept += IsBlank(line) ? 0 : 1;
  }
  return out;
}

}  // namespace ff::merge
