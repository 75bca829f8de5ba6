// Rules on the codes that become names of the generated code: macro names,
// function names.
#pragma once

#include <string>
#include <string_view>

#include "lint/finding.h"

namespace ff::lint {

// [A-Za-z_][A-Za-z0-9_]*: what every compiler takes as a name in any
// source encoding.
bool IsIdentifier(std::string_view name);
// A C++20 keyword or alternative token, or "defined" (no macro may be
// called that).
bool IsKeyword(std::string_view name);

// code-not-identifier or code-is-keyword when `name`, the name the
// generators make of `text` (a code), is no usable name.
void CheckIdentifier(const Where& where, std::string_view what, std::string_view text, std::string_view name,
                     FindingSink& sink);

}  // namespace ff::lint
