#include "res/snippet_texts.h"

#include "res/system_format.h"
#include "res/text.h"

namespace ff::res::snippet {

// The snippet of a single answer. The text that replaces %FidAs% ends with a
// line end, so "        //return;" starts a line of its own.
const std::string& SingleAnswer() { return FF_TEMPLATE("snippet_single_answer.txt"); }

const std::string& ProcedureAnswer() { return SingleAnswer(); }

// The snippet of a multi-row answer.
const std::string& MultiRow() { return FF_TEMPLATE("snippet_multi_row.txt"); }

const std::string& MandatoryMark() { return FF_GBK(" 强制输入"); }
const std::string& RecordIntro() { return FF_GBK("    //内存记录设置\r\n    //rec.Append();\r\n"); }
const std::string& SecondRecordIntro() {
  return FF_GBK("\r\n    //或内存记录设置\r\n    //rec.Append();\r\n");
}
const std::string& CStrSuffix() { return FF_GBK(".c_str()"); }

void AppendRequestDef(std::string& out, const VariableDef& def) {
  AppendSystemFormat(out, FF_GBK("%s %s = %s; //%s %s\r\n"),
                     {def.cType, def.variable, def.initValue, def.code, def.comment});
}

void AppendAnswerDef(std::string& out, const VariableDef& def) {
  AppendSystemFormat(out, FF_GBK("%s %s = %s; //%s %s\r\n"),
                     {def.cType, def.variable, def.initValue, def.code, def.comment});
}

std::string MakeAnswerComment(const AnswerComment& comment) {
  return SystemFormat(FF_GBK("%s %s"), {comment.name, comment.typeTag});
}

void AppendRequestSet(std::string& out, const RequestSet& set) {
  AppendSystemFormat(out, FF_GBK("g_pConn->SetItem( %s, %s );\r\n"), {set.code, set.variable});
}

void AppendAnswerRead(std::string& out, bool multiRow, const AnswerRead& read) {
  const std::string& format = multiRow ? FF_GBK("    %s = g_pConn->Get%s( %s );\r\n")
                                       : FF_GBK("        %s = g_pConn->Get%s( %s );\r\n");
  AppendSystemFormat(out, format, {read.variable, read.getter, read.code});
}

std::string MakeRecordHeader(std::string_view fields) {
  return SystemFormat(FF_GBK("//本行可用于建立MemRecord头： rec.Create(\"%s\"); \r\n"), {fields});
}

std::string MakeSecondRecordHeader(std::string_view fields) {
  return SystemFormat(FF_GBK("//或本行可用于建立MemRecord头： rec.Create(\"%s\"); \r\n"), {fields});
}

void AppendRecordField(std::string& out, const RecordField& field) {
  AppendSystemFormat(out, FF_GBK("%s[%s],"), {field.key, field.typeTag});
}

void AppendRecordSet(std::string& out, const RecordSet& set) {
  AppendSystemFormat(out, FF_GBK("    //rec.Set( \"%s\", %s ); //%s\r\n"), {set.key, set.variable, set.name});
}

}  // namespace ff::res::snippet
