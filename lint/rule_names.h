// The lint rules by their stable names, in the order a report lists them.
// A name never changes once released: scripts filter findings by it.
#pragma once

#include <span>
#include <string_view>

namespace ff::lint {

namespace rule {
// A macro defined by two generated headers (or twice in sysdef.h).
inline constexpr std::string_view kMacroRedefined = "macro-redefined";
// Codes that become names in the generated code.
inline constexpr std::string_view kNotIdentifier = "code-not-identifier";
inline constexpr std::string_view kKeyword = "code-is-keyword";
// Texts that break the code where the generators write them.
inline constexpr std::string_view kLineBreak = "text-line-break";
inline constexpr std::string_view kCommentBackslash = "comment-backslash";
inline constexpr std::string_view kCommentClose = "comment-close";
inline constexpr std::string_view kStringLiteral = "string-literal-break";
inline constexpr std::string_view kNotGbk = "text-not-gbk";
// Parameters.
inline constexpr std::string_view kParamType = "param-type-mismatch";
inline constexpr std::string_view kParamWithoutFid = "param-without-fid";
// Definitions: numbers, codes, modules.
inline constexpr std::string_view kFidNumberDuplicate = "fid-duplicate-number";
inline constexpr std::string_view kFidCodeDuplicate = "fid-duplicate-code";
inline constexpr std::string_view kFunctionNumberDuplicate = "function-duplicate-number";
inline constexpr std::string_view kFunctionCodeDuplicate = "function-duplicate-code";
inline constexpr std::string_view kNumberInvalid = "number-invalid";
inline constexpr std::string_view kModuleMissing = "function-module-missing";
inline constexpr std::string_view kModuleIdFolder = "module-id-folder";
// The three checks of the FID check page.
inline constexpr std::string_view kFidUndefinedBls = "fid-undefined-bls";
inline constexpr std::string_view kFidUndefinedFos = "fid-undefined-fos";
inline constexpr std::string_view kFidUnused = "fid-unused";
}  // namespace rule

// Every rule name, in report order.
std::span<const std::string_view> RuleNames();
// The position of a rule in report order (unknown names last).
int RuleOrder(std::string_view name);

}  // namespace ff::lint
