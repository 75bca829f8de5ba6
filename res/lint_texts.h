// The texts of the configuration database lint (GBK): the queries that read
// every row the generators turn into code, and the texts of the FID check
// page's list. The rules' own messages, in English and Chinese, stand in
// their entries (lint/).
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

// The FID check page's list of findings ("代码检查").
// The level in the desktop program's list: "错误" or "警告".
const std::string& SeverityShown(bool error);
const std::string& FindingFields();   // "级别[C8],规则[C24],位置[C40],说明[C255]"
const std::string& PageNone();        // "代码检查尚未发现任何问题。"
const std::string& PageFound();       // %Count% findings, %Errors% of them errors
const std::string& PageFailed();      // %Reason%

}  // namespace ff::res::lint
