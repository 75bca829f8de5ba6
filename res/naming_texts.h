// The texts of the FID naming rules: what each FID data type maps to, and
// the upper-case words that variable names show in mixed case.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ff::res {

struct FidTypeTexts {
  std::string_view prefix;     // variable prefix, "sFidAns"
  std::string_view cType;      // "string"
  std::string_view getter;     // "Item"
  std::string_view initValue;  // "\"\""
  std::string_view typeTag;    // "C%d", "I%d", "R%d.%d": fill with MakeTypeTag
};

// The type tag of a FID: the system's "C%d", "I%d" or "R%d.%d" filled with
// the precision and, for doubles, the decimals.
struct TypeTagValues {
  int precision;
  int decimals;
};
std::string MakeTypeTag(const FidTypeTexts& type, const TypeTagValues& values);

// Data type 1 (and every code that is not 4, 5 or 6), 4 and 5, 6.
const FidTypeTexts& StringFidType();
const FidTypeTexts& LongFidType();
const FidTypeTexts& DoubleFidType();

struct WordCase {
  std::string_view word;
  std::string_view mixed;
};

// A name holding one of these keeps every other word as it is.
const WordCase& MessageStopWord();   // MESSAGE -> Message
const WordCase& FatherIdStopWord();  // FATHERID -> FatherID
// The 44 replacements, in the order they apply.
std::span<const WordCase> MixCaseWords();

}  // namespace ff::res
