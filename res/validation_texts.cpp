#include "res/validation_texts.h"

#include "res/text.h"

namespace ff::res::validate {

const std::string& LooseBlock() { return FF_TEMPLATE("validate_loose_block.txt"); }
const std::string& CompactBlock() { return FF_TEMPLATE("validate_compact_block.txt"); }

const std::string& ErrorCode() { return FF_GBK("-(pSvrComm->GetFunc()*1000 + ERR_INPUTPARAM)"); }
const std::string& EmptyTestFormat() { return FF_GBK(" || %s.empty()"); }
const std::string& LooseMessageFormat() { return FF_GBK("\"输入参数有误：%s-%s 未输入\""); }
const std::string& StringMacro() { return FF_GBK("VALIDATE_STRING_ITEM"); }
const std::string& ItemMacro() { return FF_GBK("VALIDATE_ITEM"); }
const std::string& MacroLineFormat() { return FF_GBK("    %s(%s, %s, \"%s\", %s); \r\n"); }
const std::string& MacroLabelFormat() { return FF_GBK("%s %s"); }
const std::string& TrueWord() { return FF_GBK("true"); }
const std::string& FalseWord() { return FF_GBK("false"); }
const std::string& CompactItemFormat() { return FF_GBK("( !pSvrComm->HaveItem( %s )%s )"); }
const std::string& CompactOpen() { return FF_GBK("( "); }
const std::string& CompactNext() { return FF_GBK(" \\\r\n         || "); }
const std::string& CompactCloseOne() { return FF_GBK(" )"); }
const std::string& CompactCloseMany() { return FF_GBK(" \\\r\n       )"); }
const std::string& CompactMessage() { return FF_GBK("ERRSTR_INPUTPARAM"); }

}  // namespace ff::res::validate
