// The texts of the five definition headers (GBK): their queries, the
// abstracts of their routine comments, their fixed lines and the line
// templates their rows fill.
#pragma once

#include <string>

namespace ff::res {

// The queries, exactly as stored (leading and trailing blanks included).
const std::string& FosDefQuery();  // string 36
const std::string& FidDefQuery();  // string 37
const std::string& BlsDefQuery();  // string 38
const std::string& SysDefQuery();  // string 87

// Abstracts handed to the routine comment.
const std::string& FidDefAbstract();
const std::string& FosDefAbstract();
const std::string& BlsDefAbstract();
const std::string& FixDefAbstract();
const std::string& SysDefAbstract();

// The lines before and after the rows of each header.
const std::string& FidDefBegin();
const std::string& FidDefEnd();
const std::string& FosDefBegin();
const std::string& FosDefEnd();
const std::string& BlsDefBegin();
const std::string& BlsDefEnd();
const std::string& SysDefBegin();
const std::string& SysDefEnd();
const std::string& FixDefText();  // fixdef.h after its comment, whole

// Row templates. Placeholders: %Code%, %Pad%, %Number%, %Name%, %Text%,
// %Category%, %Value%, %ValuePad%, %Message%.
const std::string& FidDefLine();           // without its line end
const std::string& FidDefDetail();         // "DT：%Text%  ", data type or note
const std::string& LineEnd();              // "\r\n"
const std::string& CodeDefLine();          // fosdef.h, blsdef.h
const std::string& ErrorCategoryHeading();
const std::string& ErrorNumberLine();      // kind 6: the bare value
const std::string& ErrorTextLine();        // other kinds: the value quoted
const std::string& ErrorMessageLine();

// Column captions of the queries (the FOS and BLS code queries use the
// function captions of res/function_templates.h).
const std::string& FidNumberCaption();     // "FID"
const std::string& FidCodeCaption();       // "FID编码"
const std::string& FidNameCaption();       // "FID名称"
const std::string& FidTypeCaption();       // "DATATYPE"
const std::string& FidNoteCaption();       // "NOTE"
const std::string& ErrorValueCaption();    // "错误码"
const std::string& ErrorKindCaption();     // "错误码数据类型"
const std::string& ErrorCodeCaption();     // "错误码编码"
const std::string& ErrorMsgNameCaption();  // "错误信息编码"
const std::string& ErrorMessageCaption();  // "错误信息"
const std::string& ErrorCategoryCaption(); // "错误代码分类"

}  // namespace ff::res
