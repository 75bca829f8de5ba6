#include "lint/rule_names.h"

#include <algorithm>
#include <array>

namespace ff::lint {

namespace {
constexpr std::array kRules{
    rule::kMacroRedefined,       rule::kNotIdentifier,        rule::kKeyword,
    rule::kLineBreak,            rule::kCommentBackslash,     rule::kCommentClose,
    rule::kStringLiteral,        rule::kNotGbk,               rule::kParamType,
    rule::kParamWithoutFid,      rule::kFidNumberDuplicate,   rule::kFidCodeDuplicate,
    rule::kFunctionNumberDuplicate, rule::kFunctionCodeDuplicate, rule::kNumberInvalid,
    rule::kModuleMissing,        rule::kModuleIdFolder,       rule::kFidUndefinedBls,
    rule::kFidUndefinedFos,      rule::kFidUnused,
};
}  // namespace

std::span<const std::string_view> RuleNames() { return kRules; }

int RuleOrder(std::string_view name) {
  const auto found = std::find(kRules.begin(), kRules.end(), name);
  return static_cast<int>(found - kRules.begin());
}

}  // namespace ff::lint
