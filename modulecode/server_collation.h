// What the module sources may assume about how SQL Server compares texts.
//
// The server compares under its own collation (case-insensitive, trailing
// blanks ignored, and for non-ASCII text rules of its own), which FidForge
// cannot reproduce. These tests only say when two texts certainly compare
// as different; anything else counts as possibly equal.
#pragma once

#include <string_view>
#include <vector>

namespace ff::code {

// True unless `a` and `b` certainly compare as different on the server:
// they stay different after trailing blanks, ASCII case and the hyphen and
// apostrophe (which Windows collations weigh only lightly) are set aside,
// and both hold printable ASCII only.
bool MayCompareEqual(std::string_view a, std::string_view b);

// True when `code` is not empty and holds printable ASCII only (no blank,
// no control character, no multibyte character): such a code, trimmed,
// finds itself in a query, and whether it finds another one depends on
// MayCompareEqual alone.
bool IsPlainCode(std::string_view code);

// True when each of the function codes of a module (as the module query
// gives them), trimmed and put into the single-function query, certainly
// finds its own function and no other: every code is plain (trailing
// blanks aside) and no two may compare equal.
bool EachCodeFindsOnlyItself(const std::vector<std::string_view>& codes);

}  // namespace ff::code
