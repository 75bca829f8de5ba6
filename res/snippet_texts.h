// The client access snippet of a BLS function: its two templates and the
// lines that fill them. GBK, CR LF. The line formats keep the system's
// printf form and are filled only through the functions below.
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

const std::string& MandatoryMark();      // " 强制输入"
const std::string& RecordIntro();
const std::string& SecondRecordIntro();
const std::string& CStrSuffix();         // ".c_str()"

// "%s %s = %s; //%s %s\r\n": a request or answer variable's definition.
struct VariableDef {
  std::string_view cType, variable, initValue, code, comment;
};
void AppendRequestDef(std::string& out, const VariableDef& def);
void AppendAnswerDef(std::string& out, const VariableDef& def);
// "%s %s": an answer definition's comment.
struct AnswerComment {
  std::string_view name, typeTag;
};
std::string MakeAnswerComment(const AnswerComment& comment);
// "g_pConn->SetItem( %s, %s );\r\n"
struct RequestSet {
  std::string_view code, variable;
};
void AppendRequestSet(std::string& out, const RequestSet& set);
// "    %s = g_pConn->Get%s( %s );\r\n" (multi-row), indented four blanks
// more inside the single answer's else branch.
struct AnswerRead {
  std::string_view variable, getter, code;
};
void AppendAnswerRead(std::string& out, bool multiRow, const AnswerRead& read);
// "//本行可用于建立MemRecord头： rec.Create(\"%s\"); \r\n" with the
// fields by parameter name, and the "或" line with those by short FID name.
std::string MakeRecordHeader(std::string_view fields);
std::string MakeSecondRecordHeader(std::string_view fields);
// "%s[%s],": one field of a record header.
struct RecordField {
  std::string_view key, typeTag;
};
void AppendRecordField(std::string& out, const RecordField& field);
// "    //rec.Set( \"%s\", %s ); //%s\r\n"
struct RecordSet {
  std::string_view key, variable, name;
};
void AppendRecordSet(std::string& out, const RecordSet& set);

}  // namespace ff::res::snippet
