#include "lint/identifier_rules.h"

#include <algorithm>
#include <iterator>

#include "codetext/text_fill.h"
#include "lint/rule_names.h"
#include "res/lint_texts.h"

namespace ff::lint {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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

}  // namespace

bool IsIdentifier(std::string_view name) {
  if (name.empty() || IsDigit(name[0])) return false;
  return std::all_of(name.begin(), name.end(), [](char c) { return IsAsciiLetter(c) || IsDigit(c) || c == '_'; });
}

bool IsKeyword(std::string_view name) {
  return std::find(std::begin(kKeywords), std::end(kKeywords), name) != std::end(kKeywords);
}

void CheckIdentifier(const Where& where, std::string_view what, std::string_view text, std::string_view name,
                     FindingSink& sink) {
  if (!IsIdentifier(name)) {
    sink.Add(Severity::Error, rule::kNotIdentifier, where,
             FillTemplate(res::lint::msg::NotIdentifier(), {{"What", what}, {"Text", text}, {"Name", name}}));
  } else if (IsKeyword(name)) {
    sink.Add(Severity::Error, rule::kKeyword, where,
             FillTemplate(res::lint::msg::IsKeyword(), {{"What", what}, {"Text", text}, {"Name", name}}));
  }
}

}  // namespace ff::lint
