// The request validation code: the block templates of the loose and the
// compact style and the pieces that fill them. GBK, CR LF.
#pragma once

#include <string>
#include <string_view>

namespace ff::res::validate {

// One block per mandatory parameter. Holds %CreateAnswer%, then five %s:
// parameter name, FID code, emptiness test, error code, error message.
const std::string& LooseBlock();
// One block for all mandatory parameters. Holds %Valid% (the combined
// condition), %CreateAnswer%, then two %s: error code, error message.
const std::string& CompactBlock();
inline constexpr std::string_view kValid = "Valid";

const std::string& ErrorCode();           // -(pSvrComm->GetFunc()*1000 + ERR_INPUTPARAM)
const std::string& EmptyTestFormat();     // " || %s.empty()": variable
const std::string& LooseMessageFormat();  // FID code, parameter name
const std::string& StringMacro();         // VALIDATE_STRING_ITEM
const std::string& ItemMacro();           // VALIDATE_ITEM
// Macro, FID code, variable, label ("code name"), multi-row flag.
const std::string& MacroLineFormat();
const std::string& MacroLabelFormat();    // "%s %s": FID code, parameter name
const std::string& TrueWord();   // "true": the multi-row flag
const std::string& FalseWord();
// The compact condition: CompactOpen, the first item, then CompactNext
// before each further item, and CompactCloseOne after a single item or
// CompactCloseMany after several (a backslash line splice and a line of
// seven blanks and ")"). An item is the presence test of a FID code and,
// for text items, the emptiness test.
const std::string& CompactItemFormat();   // FID code, emptiness test or ""
const std::string& CompactOpen();
const std::string& CompactNext();
const std::string& CompactCloseOne();
const std::string& CompactCloseMany();
const std::string& CompactMessage();      // ERRSTR_INPUTPARAM

}  // namespace ff::res::validate
