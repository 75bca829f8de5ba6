// Rules on the codes that become names of the generated code: macro names,
// function names.
#include <algorithm>
#include <iterator>

#include "lint/rule.h"

namespace ff::lint {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// [A-Za-z_][A-Za-z0-9_]*: what every compiler takes as a name in any
// source encoding.
bool IsIdentifier(std::string_view name) {
  if (name.empty() || IsDigit(name[0])) return false;
  return std::all_of(name.begin(), name.end(), [](char c) { return IsAsciiLetter(c) || IsDigit(c) || c == '_'; });
}

// The C++20 keywords and alternative tokens, and "defined" (no macro may
// be called that).
constexpr std::string_view kKeywords[] = {
    "alignas",      "alignof",    "and",          "and_eq",      "asm",
    "auto",         "bitand",     "bitor",        "bool",        "break",
    "case",         "catch",      "char",         "char16_t",    "char32_t",
    "char8_t",      "class",      "co_await",     "co_return",   "co_yield",
    "compl",        "concept",    "const",        "const_cast",  "consteval",
    "constexpr",    "constinit",  "continue",     "decltype",    "default",
    "defined",      "delete",     "do",           "double",      "dynamic_cast",
    "else",         "enum",       "explicit",     "export",      "extern",
    "false",        "float",      "for",          "friend",      "goto",
    "if",           "inline",     "int",          "long",        "mutable",
    "namespace",    "new",        "noexcept",     "not",         "not_eq",
    "nullptr",      "operator",   "or",           "or_eq",       "private",
    "protected",    "public",     "register",     "reinterpret_cast", "requires",
    "return",       "short",      "signed",       "sizeof",      "static",
    "static_assert", "static_cast", "struct",     "switch",      "template",
    "this",         "thread_local", "throw",      "true",        "try",
    "typedef",      "typeid",     "typename",     "union",       "unsigned",
    "using",        "virtual",    "void",         "volatile",    "wchar_t",
    "while",        "xor",        "xor_eq",       "_Pragma",     "__VA_ARGS__",
    "__VA_OPT__",   "__has_include", "__cplusplus",
};

bool IsKeyword(std::string_view name) {
  return std::find(std::begin(kKeywords), std::end(kKeywords), name) != std::end(kKeywords);
}

constexpr Rule kRules[] = {
    {.id = "code-not-identifier",
     .summary = "a code or name that becomes no C/C++ identifier (dots of FOS/BLS codes become underscores)",
     .example = "FID code FID-X, FOS code 1ABC, function name Get User",
     .name =
         [](const PlacedName& n, Report& report) {
           if (!IsIdentifier(n.name)) {
             report.Add(n.where,
                        {"the %What% \"%Text%\" becomes the name \"%Name%\", which is no C/C++ identifier",
                         "%What%“%Text%”生成的名字“%Name%”不是C/C++标识符"},
                        {{"What", n.what}, {"Text", n.text}, {"Name", n.name}});
           }
         }},
    {.id = "code-is-keyword",
     .summary = "a code or name that becomes a C++ keyword (or defined)",
     .example = "BLS code new, error code delete",
     .name =
         [](const PlacedName& n, Report& report) {
           if (IsKeyword(n.name)) {
             report.Add(n.where,
                        {"the %What% \"%Text%\" becomes the name \"%Name%\", which is a C++ keyword",
                         "%What%“%Text%”生成的名字“%Name%”是C++关键字"},
                        {{"What", n.what}, {"Text", n.text}, {"Name", n.name}});
           }
         }},
};

}  // namespace

std::span<const Rule> IdentifierRules() { return kRules; }

}  // namespace ff::lint
