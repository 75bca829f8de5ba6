#include "merge/module_merge.h"

#include <map>

#include "codetext/text_fill.h"
#include "res/merge_texts.h"

namespace ff::merge {
namespace {

// What the generator puts between two functions and after the last one:
// the empty line that ends a function text and the separating empty line.
constexpr std::string_view kStandardGap = "\r\n\r\n";

const std::string kBoxTop = "/" + std::string(71, '*');
const std::string kBoxBottom = std::string(70, '*') + "/";

// The lines of the file comment that carry values the generator fills in
// (0-based): file name, project, abstract, author, creation date, first
// history row, and the copyright line that names the company. They differ
// between generations without anybody's edit.
constexpr size_t kValueLines[] = {1, 3, 4, 5, 7, 8, 14};

std::vector<std::string_view> LinesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t lf = text.find('\n', pos);
    size_t end = lf == std::string_view::npos ? text.size() : lf + 1;
    lines.push_back(text.substr(pos, end - pos));
    pos = end;
  }
  return lines;
}

std::string_view WithoutLineEnd(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// The text before the first function: the file comment box (when the text
// starts with one) and the rest (the include block and whatever was added).
struct Preamble {
  std::string_view box;
  std::string_view rest;
};

Preamble SplitPreamble(std::string_view text) {
  std::vector<std::string_view> lines = LinesOf(text);
  if (lines.empty() || WithoutLineEnd(lines[0]) != kBoxTop) return {{}, text};
  size_t size = 0;
  for (std::string_view line : lines) {
    size += line.size();
    if (WithoutLineEnd(line) == kBoxBottom) return {text.substr(0, size), text.substr(size)};
  }
  return {{}, text};
}

bool IsValueLine(size_t index) {
  for (size_t value : kValueLines) {
    if (value == index) return true;
  }
  return false;
}

// True when the two comment boxes differ only in the filled-in values.
bool SameBoxButValues(std::string_view oldBox, std::string_view freshBox) {
  if (oldBox == freshBox) return true;
  std::vector<std::string_view> a = LinesOf(oldBox), b = LinesOf(freshBox);
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && !IsValueLine(i)) return false;
  }
  return true;
}

std::string_view Slice(std::string_view text, size_t begin, size_t end) { return text.substr(begin, end - begin); }

}  // namespace

std::string MergeFunction(std::string_view oldText, const GeneratedFunction& old, std::string_view freshText,
                          const GeneratedFunction& fresh, MergeReport& report) {
  std::map<std::string, std::vector<const Region*>> oldByWord, freshByWord;
  for (const Region& region : old.regions) oldByWord[region.word].push_back(&region);
  for (const Region& region : fresh.regions) freshByWord[region.word].push_back(&region);
  for (const auto& [word, regions] : oldByWord) {
    const size_t places = freshByWord[word].size();
    if (regions.size() > places) {
      const Region& homeless = *regions[places];
      const std::string count = std::to_string(places);
      throw DamagedFile(homeless.line,
                        "the region //##" + word + " of the function " + old.name +
                            " has no place in the new generation (it has " + count + " such region(s))",
                        FillTemplate(res::merge::damage::RegionWithoutPlace(),
                                     {{"Word", word}, {"Name", old.name}, {"Places", count}}));
    }
  }

  std::string text;
  std::map<std::string, size_t> ordinal;
  size_t pos = fresh.begin;
  for (const Region& region : fresh.regions) {
    text.append(Slice(freshText, pos, region.begin));
    const std::string_view freshRegion = Slice(freshText, region.begin, region.end);
    const std::vector<const Region*>& olds = oldByWord[region.word];
    const size_t n = ordinal[region.word]++;
    if (n < olds.size()) {
      const std::string_view oldRegion = Slice(oldText, olds[n]->begin, olds[n]->end);
      if (oldRegion != freshRegion) ++report.regionsKept;
      text.append(oldRegion);
    } else {
      text.append(freshRegion);
    }
    pos = region.end;
  }
  text.append(Slice(freshText, pos, fresh.end));
  return text;
}

std::string MergeModuleSource(std::string_view oldText, std::string_view freshText, MergeReport& report) {
  report = MergeReport{};
  const std::vector<GeneratedFunction> olds = ReadSourceLayout(oldText);
  std::vector<GeneratedFunction> freshes;
  try {
    freshes = ReadSourceLayout(freshText);
  } catch (const DamagedFile& error) {
    throw MergeError(std::string("the new generation cannot be merged: ") + error.what(),
                     FillTemplate(res::merge::damage::NewGeneration(), {{"Damage", error.Shown()}}));
  }

  std::map<std::string, size_t> freshIndex, oldIndex;
  for (size_t i = 0; i < freshes.size(); ++i) freshIndex[freshes[i].prototype] = i;
  for (size_t i = 0; i < olds.size(); ++i) oldIndex[olds[i].prototype] = i;
  auto freshOf = [&](const GeneratedFunction& old) {
    auto it = freshIndex.find(old.prototype);
    return it == freshIndex.end() ? freshes.size() : it->second;
  };

  std::string out;
  out.reserve(freshText.size() + freshText.size() / 8);

  // The file comment and the include block.
  const Preamble oldPre = SplitPreamble(oldText.substr(0, olds.empty() ? oldText.size() : olds.front().begin));
  const Preamble freshPre =
      SplitPreamble(freshText.substr(0, freshes.empty() ? freshText.size() : freshes.front().begin));
  if (SameBoxButValues(oldPre.box, freshPre.box)) {
    out.append(freshPre.box);
  } else {
    out.append(oldPre.box);
    ++report.outsideTextsKept;
  }
  if (oldPre.rest == freshPre.rest) {
    out.append(freshPre.rest);
  } else {
    out.append(oldPre.rest);
    ++report.outsideTextsKept;
  }

  // Old text between functions, tied to a neighbour that stays.
  std::vector<std::string> after(freshes.size()), before(freshes.size());
  std::string moved;
  for (size_t i = 0; i + 1 < olds.size(); ++i) {
    const std::string_view gap = Slice(oldText, olds[i].end, olds[i + 1].begin);
    if (gap == kStandardGap) continue;
    ++report.outsideTextsKept;
    if (size_t j = freshOf(olds[i]); j < freshes.size()) {
      after[j].append(gap);
    } else if (size_t k = freshOf(olds[i + 1]); k < freshes.size()) {
      before[k].append(gap);
    } else {
      moved.append(gap);
    }
  }

  for (size_t j = 0; j < freshes.size(); ++j) {
    if (j == 0) out.append(before[0]);  // text after a function gone before the new first one
    if (j > 0) {
      const std::string gap = after[j - 1] + before[j];
      out.append(gap.empty() ? Slice(freshText, freshes[j - 1].end, freshes[j].begin) : std::string_view(gap));
    }
    auto it = oldIndex.find(freshes[j].prototype);
    if (it == oldIndex.end()) {
      out.append(Slice(freshText, freshes[j].begin, freshes[j].end));
      ++report.functionsAdded;
      report.added.push_back(freshes[j].name);
    } else {
      out.append(MergeFunction(oldText, olds[it->second], freshText, freshes[j], report));
    }
  }

  // The end of the file: what followed the last function stays there.
  std::string tail = freshes.empty() ? std::string() : after.back();
  const std::string_view oldPost = olds.empty() ? std::string_view() : oldText.substr(olds.back().end);
  const std::string_view freshPost = freshes.empty() ? std::string_view() : freshText.substr(freshes.back().end);
  if (!oldPost.empty() && oldPost != kStandardGap && oldPost != freshPost) {
    tail.append(oldPost);
    ++report.outsideTextsKept;
  }
  out.append(tail.empty() ? freshPost : std::string_view(tail));
  if (!moved.empty()) out += FillTemplate(res::merge::MovedTextBlock(), {{"Text", moved}});

  for (const GeneratedFunction& old : olds) {
    if (freshOf(old) < freshes.size()) continue;
    out += FillTemplate(res::merge::RetiredFunctionBlock(),
                        {{"Name", old.name}, {"Text", Slice(oldText, old.begin, old.end)}});
    ++report.functionsRetired;
    report.retired.push_back(old.name);
  }
  return out;
}

}  // namespace ff::merge
