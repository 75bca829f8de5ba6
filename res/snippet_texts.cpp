#include "res/snippet_texts.h"

#include "res/text.h"

namespace ff::res::snippet {

// The snippet of a single answer. The text that replaces %FidAs% ends with a
// line end, so "        //return;" starts a line of its own.
const std::string& SingleAnswer() { return FF_TEMPLATE("snippet_single_answer.txt"); }

const std::string& ProcedureAnswer() { return SingleAnswer(); }

// The snippet of a multi-row answer.
const std::string& MultiRow() { return FF_TEMPLATE("snippet_multi_row.txt"); }

const std::string& RequestDefFormat() { return FF_GBK("%s %s = %s; //%s %s\r\n"); }
const std::string& AnswerDefFormat() { return FF_GBK("%s %s = %s; //%s %s\r\n"); }
const std::string& MandatoryMark() { return FF_GBK(" 强制输入"); }
const std::string& RequestSetFormat() { return FF_GBK("g_pConn->SetItem( %s, %s );\r\n"); }
const std::string& ReadFormatMulti() { return FF_GBK("    %s = g_pConn->Get%s( %s );\r\n"); }
const std::string& ReadFormatSingle() { return FF_GBK("        %s = g_pConn->Get%s( %s );\r\n"); }
const std::string& RecordIntro() { return FF_GBK("    //内存记录设置\r\n    //rec.Append();\r\n"); }
const std::string& SecondRecordIntro() {
  return FF_GBK("\r\n    //或内存记录设置\r\n    //rec.Append();\r\n");
}
const std::string& CStrSuffix() { return FF_GBK(".c_str()"); }
const std::string& RecordHeaderFormat() {
  return FF_GBK("//本行可用于建立MemRecord头： rec.Create(\"%s\"); \r\n");
}
const std::string& SecondRecordHeaderFormat() {
  return FF_GBK("//或本行可用于建立MemRecord头： rec.Create(\"%s\"); \r\n");
}
const std::string& RecordFieldFormat() { return FF_GBK("%s[%s],"); }
const std::string& RecordSetFormat() { return FF_GBK("    //rec.Set( \"%s\", %s ); //%s\r\n"); }
const std::string& CommentFormat() { return FF_GBK("%s %s"); }

}  // namespace ff::res::snippet
