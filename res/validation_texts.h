// The request validation code: the block templates of the loose and the
// compact style and the pieces that fill them. GBK, CR LF.
#pragma once

#include <string>
#include <string_view>

namespace ff::res::validate {

// One block per mandatory parameter: %ParamName%, %FidCode%, %EmptyTest%,
// %CreateAnswer%, %ErrorCode%, %ErrorMessage%.
const std::string& LooseBlock();
// One block for all mandatory parameters: %Valid% (the combined
// condition), %CreateAnswer%, %ErrorCode%, %ErrorMessage%.
const std::string& CompactBlock();
inline constexpr std::string_view kParamName = "ParamName";
inline constexpr std::string_view kFidCode = "FidCode";
inline constexpr std::string_view kEmptyTest = "EmptyTest";
inline constexpr std::string_view kErrorCode = "ErrorCode";
inline constexpr std::string_view kErrorMessage = "ErrorMessage";
inline constexpr std::string_view kValid = "Valid";

const std::string& ErrorCode();      // -(pSvrComm->GetFunc()*1000 + ERR_INPUTPARAM)
const std::string& StringMacro();    // VALIDATE_STRING_ITEM
const std::string& ItemMacro();      // VALIDATE_ITEM
const std::string& TrueWord();       // "true": the multi-row flag
const std::string& FalseWord();

// " || %s.empty()": the emptiness test of a text item's variable.
std::string EmptyTest(std::string_view variable);
// "\"输入参数有误：%s-%s 未输入\"": the loose style's error message.
struct LooseMessage {
  std::string_view code, name;
};
std::string MakeLooseMessage(const LooseMessage& message);
// "    %s(%s, %s, \"%s\", %s); \r\n" with the label "%s %s" (code, name).
struct MacroLine {
  std::string_view macro, code, variable, name, multiRowFlag;
};
void AppendMacroLine(std::string& out, const MacroLine& line);
// The compact condition: CompactOpen, the first item, then CompactNext
// before each further item, and CompactCloseOne after a single item or
// CompactCloseMany after several (a backslash line splice and a line of
// seven blanks and ")"). An item is the presence test of a FID code and,
// for text items, the emptiness test.
// "( !pSvrComm->HaveItem( %s )%s )": one item of the condition.
struct CompactItem {
  std::string_view code, emptyTest;  // emptyTest: EmptyTest(...) or ""
};
void AppendCompactItem(std::string& out, const CompactItem& item);
const std::string& CompactOpen();
const std::string& CompactNext();
const std::string& CompactCloseOne();
const std::string& CompactCloseMany();
const std::string& CompactMessage();      // ERRSTR_INPUTPARAM

}  // namespace ff::res::validate
