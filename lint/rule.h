// A lint rule as one entry: its stable name, how bad its findings are, what
// it finds with an example, and its check. Everything about a rule is in
// its entry; the linter only reads the rows and hands each check what it
// looks at.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "lint/config_rows.h"
#include "lint/finding.h"

namespace ff::lint {

// Where the generators put a text (any combination).
enum Landing : unsigned {
  kOneLine = 1,        // within one generated line: a code, a macro value, a name
  kLineComment = 2,    // in a // comment
  kBlockComment = 4,   // in a /* */ comment (the routine comments)
  kStringLiteral = 8,  // inside "..." of generated code
};

// A message or a word a message names, in both languages of the system:
// English for the text report, the JSON lines and the site, Chinese for
// the desktop program's list. Both UTF-8 here (ASCII for the English);
// the Chinese is made GBK when a finding is filled. A message's two
// templates have the same placeholders.
struct Phrase {
  std::string_view english;
  std::string_view chinese;
};

// A placeholder's value in both languages: a word of the system has two
// forms, a text of the database one.
struct Value {
  Value(std::string_view name, std::string_view text) : name(name), english(text), shown(text) {}
  Value(std::string_view name, const Phrase& word);
  Value(std::string_view name, std::string_view english, std::string shown)
      : name(name), english(english), shown(std::move(shown)) {}
  std::string_view name;
  std::string_view english;
  std::string shown;  // GBK
};

// The Chinese of a phrase, GBK.
std::string Shown(const Phrase& phrase);

// One text of a row as the generators write it.
struct PlacedText {
  const Where& where;
  const Phrase& what;     // "FID name", "BLS note", ...
  std::string_view text;  // GBK, as the generators receive it
  unsigned landing = 0;
  bool lostChars = false;  // the database held characters without a GBK form
};

// A code and the name the generators make of it (A.B becomes A_B).
struct PlacedName {
  const Where& where;
  const Phrase& what;     // "FID code", "BLS function name", ...
  std::string_view text;
  std::string_view name;
};

// A parameter of an existing function, with its FID when T151 defines it.
struct PlacedParam {
  const Where& where;
  std::string_view code;          // FID编码, trimmed
  std::string_view name;          // 参数名称, trimmed
  int dataType = 0;
  std::string_view kind;          // "FOS" or "BLS"
  std::string_view functionCode;  // the code of its function
  const FidRow* fid = nullptr;    // the first T151 row of the code
};

// A row of one of the FID check page's three checks.
struct FidUse {
  enum Check { UndefinedBls, UndefinedFos, Unused } check;
  std::string_view code;
  std::string_view name;
  std::string_view function;  // the function that uses an undefined FID
};

struct Rule;

// A check's findings, at the severity of its rule.
class Report {
 public:
  Report(const Rule& rule, FindingSink& sink) : rule_(rule), sink_(sink) {}
  void Add(const Where& where, const Phrase& message, std::initializer_list<Value> values);
  // Only a warning: for a rule whose entry names when (warningWhen).
  void Warn(const Where& where, const Phrase& message, std::initializer_list<Value> values);

 private:
  const Rule& rule_;
  FindingSink& sink_;
};

struct Rule {
  std::string_view id;  // never changes once released: scripts filter by it
  Severity severity = Severity::Error;
  // For an error rule: when a finding is only a warning ("" = never).
  std::string_view warningWhen = {};
  // What it finds and a row it finds: one line of plain text each, UTF-8
  // (they are for `lint --list-rules` and the manual, never for code).
  std::string_view summary = {};
  std::string_view example = {};
  // The check: one of these, by what the rule looks at.
  void (*text)(const PlacedText&, Report&) = nullptr;
  void (*name)(const PlacedName&, Report&) = nullptr;
  void (*param)(const PlacedParam&, Report&) = nullptr;
  void (*tables)(const ConfigRows&, Report&) = nullptr;  // after every row is read
  void (*fidUse)(const FidUse&, Report&) = nullptr;
};

// Every rule, in the order a report lists them.
std::span<const Rule> Rules();
// The position of a rule in report order (unknown names last).
int RuleOrder(std::string_view id);
// "error", "warning", or "error (warning when the values agree)".
std::string SeverityText(const Rule& rule);

// The rules by what they look at, each group in report order; Rules()
// lists the groups one after the other.
std::span<const Rule> MacroRules();
std::span<const Rule> IdentifierRules();
std::span<const Rule> TextRules();
std::span<const Rule> ParamRules();
std::span<const Rule> DefinitionRules();
std::span<const Rule> FidUseRules();

}  // namespace ff::lint
