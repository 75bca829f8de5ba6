// The client access snippet of a BLS function: its two templates and the
// line formats that fill them. GBK, CR LF.
#pragma once

#include <string>
#include <string_view>

namespace ff::res::snippet {

// Placeholders of the templates (their names, without the percent signs).
inline constexpr std::string_view kBlsCode = "BLSCode";
inline constexpr std::string_view kBlsName = "BLSName";
inline constexpr std::string_view kFidQs = "FidQs";
inline constexpr std::string_view kFidADefs = "FidADefs";
inline constexpr std::string_view kFidAs = "FidAs";

const std::string& SingleAnswer();     // answer types other than 1
const std::string& ProcedureAnswer();  // answer type 1: the same text
const std::string& MultiRow();

// C type, variable, initial value, FID code, comment.
const std::string& RequestDefFormat();
const std::string& AnswerDefFormat();
const std::string& MandatoryMark();      // " 强制输入"
const std::string& RequestSetFormat();   // FID code, variable
const std::string& ReadFormatMulti();    // variable, getter suffix, FID code
const std::string& ReadFormatSingle();   // the same, inside the else branch
const std::string& RecordIntro();
const std::string& SecondRecordIntro();
const std::string& CStrSuffix();         // ".c_str()"
const std::string& RecordHeaderFormat();        // the list by parameter name
const std::string& SecondRecordHeaderFormat();  // the list by short FID name
const std::string& RecordFieldFormat();  // "%s[%s],": key, type tag
const std::string& RecordSetFormat();    // key, variable, parameter name
const std::string& CommentFormat();      // "%s %s": parameter name, type tag

}  // namespace ff::res::snippet
