// macro-redefined: one macro name defined by two of the generated headers
// (fiddef.h, fosdef.h, blsdef.h, sysdef.h and their guards), which fixdef.h
// includes together, or twice by sysdef.h.
#include <string>
#include <unordered_map>
#include <vector>

#include "lint/rule.h"
#include "res/lint_texts.h"

namespace ff::lint {

namespace {

enum class Header { Guard, Fid, Fos, Bls, Sys };
constexpr Header kKindHeader[] = {Header::Fos, Header::Bls};  // by Kind

Phrase HeaderName(Header header) {
  switch (header) {
    case Header::Guard:
      return {"include guard", "头文件保护宏"};
    case Header::Fid:
      return {"fiddef.h", "fiddef.h"};
    case Header::Fos:
      return {"fosdef.h", "fosdef.h"};
    case Header::Bls:
      return {"blsdef.h", "blsdef.h"};
    case Header::Sys:
    default:
      return {"sysdef.h", "sysdef.h"};
  }
}

struct Definition {
  Header header;
  const Where* where;
  const std::string* value;
};

void CheckMacros(const ConfigRows& rows, Report& report) {
  // In order of first definition, so that the report follows the headers.
  std::unordered_map<std::string, size_t> index;
  std::vector<std::pair<std::string, std::vector<Definition>>> macros;
  auto define = [&](const std::string& name, Header header, const Where* where, const std::string* value) {
    if (name.empty()) return;
    auto [found, inserted] = index.emplace(name, macros.size());
    if (inserted) macros.emplace_back(name, std::vector<Definition>{});
    macros[found->second].second.push_back(Definition{header, where, value});
  };

  static const Where kNoRow;
  static const std::string kEmpty;
  for (const std::string& guard : res::lint::GuardMacros()) define(guard, Header::Guard, &kNoRow, &kEmpty);
  for (const FidRow& fid : rows.fids) define(fid.code, Header::Fid, &fid.where, &fid.number);
  for (const FunctionRow& f : rows.functions) define(f.macro, kKindHeader[static_cast<int>(f.kind)], &f.where, &f.number);
  for (const ErrorMacro& e : rows.errorMacros) define(e.name, Header::Sys, &e.where, &e.value);

  for (const auto& [name, definitions] : macros) {
    if (definitions.size() < 2) continue;
    // Codes defined twice within fiddef.h, fosdef.h or blsdef.h are the
    // duplicate-code rules' findings; here only what meets across headers.
    bool acrossHeaders = false;
    bool sameValue = true;
    for (const Definition& d : definitions) {
      if (d.header != definitions[0].header || d.header == Header::Sys) acrossHeaders = true;
      if (*d.value != *definitions[0].value) sameValue = false;
    }
    if (!acrossHeaders) continue;
    std::string places, shownPlaces;
    for (const Definition& d : definitions) {
      const Phrase header = HeaderName(d.header);
      const std::string where = WhereText(*d.where);
      if (!places.empty()) places += ", ", shownPlaces += Shown({"", "，"});
      places += where.empty() ? std::string(header.english) : std::string(header.english) + " (" + where + ")";
      shownPlaces += where.empty() ? Shown(header) : Shown(header) + Shown({"", "（"}) + where + Shown({"", "）"});
    }
    const Definition& first = definitions[0];
    const Definition& at = first.header == Header::Guard ? definitions[1] : first;
    // A redefinition with the same value is allowed by the language, but
    // one of the two meanings is surely wrong.
    if (sameValue) {
      report.Warn(*at.where,
                  {"%Name% is defined more than once: %Places%; the values agree, which the compiler accepts, so "
                   "only a warning",
                   "%Name%被定义了多次：%Places%；值相同，编译器可以接受，所以只是警告"},
                  {{"Name", name}, {"Places", places, shownPlaces}});
    } else {
      report.Add(*at.where,
                 {"%Name% is defined more than once, with different values: %Places%",
                  "%Name%被定义了多次，值各不相同：%Places%"},
                 {{"Name", name}, {"Places", places, shownPlaces}});
    }
  }
}

constexpr Rule kRules[] = {
    {.id = "macro-redefined",
     .warningWhen = "the values agree",
     .summary = "one macro defined by two generated headers (fixdef.h includes them all) or twice by sysdef.h",
     .example = "FOS code KH_OPEN (1002) and BLS code KH_OPEN (5105)",
     .tables = CheckMacros},
};

}  // namespace

std::span<const Rule> MacroRules() { return kRules; }

}  // namespace ff::lint
