#include "res/validation_texts.h"

#include "res/system_format.h"
#include "res/text.h"

namespace ff::res::validate {

const std::string& LooseBlock() { return FF_TEMPLATE("validate_loose_block.txt"); }
const std::string& CompactBlock() { return FF_TEMPLATE("validate_compact_block.txt"); }

const std::string& ErrorCode() { return FF_GBK("-(pSvrComm->GetFunc()*1000 + ERR_INPUTPARAM)"); }
const std::string& StringMacro() { return FF_GBK("VALIDATE_STRING_ITEM"); }
const std::string& ItemMacro() { return FF_GBK("VALIDATE_ITEM"); }
const std::string& TrueWord() { return FF_GBK("true"); }
const std::string& FalseWord() { return FF_GBK("false"); }
const std::string& CompactOpen() { return FF_GBK("( "); }
const std::string& CompactNext() { return FF_GBK(" \\\r\n         || "); }
const std::string& CompactCloseOne() { return FF_GBK(" )"); }
const std::string& CompactCloseMany() { return FF_GBK(" \\\r\n       )"); }
const std::string& CompactMessage() { return FF_GBK("ERRSTR_INPUTPARAM"); }

std::string EmptyTest(std::string_view variable) {
  return SystemFormat(FF_GBK(" || %s.empty()"), {variable});
}

std::string MakeLooseMessage(const LooseMessage& message) {
  return SystemFormat(FF_GBK("\"输入参数有误：%s-%s 未输入\""), {message.code, message.name});
}

void AppendMacroLine(std::string& out, const MacroLine& line) {
  const std::string label = SystemFormat(FF_GBK("%s %s"), {line.code, line.name});
  AppendSystemFormat(out, FF_GBK("    %s(%s, %s, \"%s\", %s); \r\n"),
                     {line.macro, line.code, line.variable, label, line.multiRowFlag});
}

void AppendCompactItem(std::string& out, const CompactItem& item) {
  AppendSystemFormat(out, FF_GBK("( !pSvrComm->HaveItem( %s )%s )"), {item.code, item.emptyTest});
}

}  // namespace ff::res::validate
