// The texts of the configuration database lint (GBK): the queries that read
// every row the generators turn into code, and the texts of the FID check
// page's list. The rules' own messages stand in their entries (lint/).
#pragma once

#include <string>
#include <vector>

namespace ff::res::lint {

// Each query selects, next to every text column the generators write, the
// number of question marks the database holds in it (captions starting
// "Q_"). A character that has no GBK form arrives as '?': a text that
// arrives with more question marks than that held such characters.
const std::string& FidQuery();
const std::string& FosFunctionQuery();
const std::string& BlsFunctionQuery();
const std::string& FosParamQuery();
const std::string& BlsParamQuery();
const std::string& FosModuleQuery();
const std::string& BlsModuleQuery();
const std::string& ErrorQuery();

// Captions of the queries that the generators' own queries do not name.
const std::string& CaptionId();        // "ID": a row's own key
const std::string& CaptionNumber();    // "NUM": FID, FOS or BLS number
const std::string& CaptionCode();      // "CODE"
const std::string& CaptionName();      // "NAME"
const std::string& CaptionFunName();   // "FUNNAME"
const std::string& CaptionModule();    // "MODULEID"
const std::string& CaptionDesign();    // "DESIGN"
const std::string& CaptionNote();      // "NOTE"
const std::string& CaptionOwner();    // "OWNER": the function (ID) of a parameter
const std::string& CaptionChineseName();  // "CNAME"
const std::string& CaptionCategory();  // "CATEGORY"
// The Q_ twin of a caption: "Q_" + caption.
std::string QCaption(const std::string& caption);

// The guard macros of the generated headers and module header.
const std::vector<std::string>& GuardMacros();

// Message templates; placeholders in percent signs.
namespace msg {
const std::string& MacroRedefined();       // %Name% %Places%
const std::string& MacroRedefinedSame();   // %Name% %Places%
const std::string& MacroPlace();           // %Header% %Where%
const std::string& NotIdentifier();        // %What% %Text% %Name%
const std::string& IsKeyword();            // %What% %Text% %Name%
const std::string& LineBreak();            // %What% %Char%
const std::string& CommentBackslash();     // %What%
const std::string& CommentClose();         // %What%
const std::string& CommentOpen();          // %What%
const std::string& StringLiteralBreak();   // %What% %Char%
const std::string& NotGbk();               // %What%
const std::string& InvalidGbk();           // %What%
const std::string& ParamTypeMismatch();    // %Code% %Function% %ParamType% %ParamC% %FidType% %FidC%
const std::string& ParamWithoutFid();      // %Name% %Function%
const std::string& DuplicateNumber();      // %What% %Number% %Other%
const std::string& DuplicateCode();        // %What% %Code% %Other%
const std::string& NumberMissing();        // %What% %Code%
const std::string& NumberTooWide();        // %What% %Code% %Number%
const std::string& ErrorValueNotNumber();  // %Code% %Value%
const std::string& ModuleMissing();        // %What% %Code% %Module%
const std::string& ModuleIdEmpty();        // %What% %Name%
const std::string& ModuleIdNotPositive();  // %What% %Id%
const std::string& ModuleIdTooWide();      // %What%
const std::string& ModuleIdDuplicate();    // %What% %Id%
const std::string& FidUndefined();         // %Code% %Name% %Kind% %Function%
const std::string& FidUnused();            // %Code% %Name%
}  // namespace msg

// The messages as the desktop program shows them: each English template of
// msg with its Chinese twin (same placeholders), and the Chinese words of
// what the messages name ("FID name", "line feed", ...).
struct ShownMessage {
  const std::string& (*english)();
  std::string chinese;  // GBK
};
const std::vector<ShownMessage>& ShownMessages();
// The Chinese of a word a message names; "" for a word it does not know.
std::string ShownWord(const std::string& english);

// The FID check page's list of findings ("代码检查").
// The level in the desktop program's list: "错误" or "警告".
const std::string& SeverityShown(bool error);
const std::string& FindingFields();   // "级别[C8],规则[C24],位置[C40],说明[C255]"
const std::string& PageNone();        // "代码检查尚未发现任何问题。"
const std::string& PageFound();       // %Count% findings, %Errors% of them errors
const std::string& PageFailed();      // %Reason%

}  // namespace ff::res::lint
