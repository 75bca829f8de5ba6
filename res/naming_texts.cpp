#include "res/naming_texts.h"

#include <array>

#include "res/system_format.h"

namespace ff::res {

namespace {

constexpr FidTypeTexts kString{"sFidAns", "string", "Item", "\"\"", "C%d"};
constexpr FidTypeTexts kLong{"nFidAns", "long", "Long", "0L", "I%d"};
constexpr FidTypeTexts kDouble{"dFidAns", "double", "Double", "0.0F", "R%d.%d"};

constexpr WordCase kMessage{"MESSAGE", "Message"};
constexpr WordCase kFatherId{"FATHERID", "FatherID"};

// The order matters: DATABASE before DATA, DATE before UPDATE, ...
constexpr std::array<WordCase, 44> kWords{{
    {"NAME", "Name"},         {"CODE", "Code"},         {"FAX", "Fax"},
    {"YEAR", "Year"},         {"EMAIL", "Email"},       {"TIME", "Time"},
    {"KEY", "Key"},           {"MASK", "Mask"},         {"DATE", "Date"},
    {"NOTE", "Note"},         {"COUNT", "Count"},       {"END", "End"},
    {"MAX", "Max"},           {"MIN", "Min"},           {"DATABASE", "Database"},
    {"DATA", "Data"},         {"IDENTITY", "Identity"}, {"DUMP", "Dump"},
    {"PATH", "Path"},         {"FILE", "File"},         {"ITEM", "Item"},
    {"UPDATE", "Update"},     {"TRANSIZE", "TranSize"}, {"TRANS", "Trans"},
    {"TRAN", "Tran"},         {"PORT", "Port"},         {"OLD", "Old"},
    {"NEW", "New"},           {"VERSION", "Version"},   {"VER", "Ver"},
    {"WRITE", "Write"},       {"COMPANY", "Company"},   {"PRODUCT", "Product"},
    {"DIR", "Dir"},           {"POSITION", "Position"}, {"UPLOAD", "UpLoad"},
    {"RELATION", "Relation"}, {"TYPE", "Type"},         {"ZIP", "Zip"},
    {"MENUID", "MenuID"},     {"MENU", "Menu"},         {"LOGINID", "LoginID"},
    {"LOGINPWD", "LoginPWD"}, {"LOGICAL", "Logical"},
}};

}  // namespace

const FidTypeTexts& StringFidType() { return kString; }
const FidTypeTexts& LongFidType() { return kLong; }
const FidTypeTexts& DoubleFidType() { return kDouble; }
const WordCase& MessageStopWord() { return kMessage; }
const WordCase& FatherIdStopWord() { return kFatherId; }
std::span<const WordCase> MixCaseWords() { return kWords; }

std::string MakeTypeTag(const FidTypeTexts& type, const TypeTagValues& values) {
  // A format with one "%d" leaves the decimals unused.
  return SystemFormat(type.typeTag, {std::to_string(values.precision), std::to_string(values.decimals)});
}

}  // namespace ff::res
