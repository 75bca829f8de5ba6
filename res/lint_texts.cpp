#include "res/lint_texts.h"

#include "res/text.h"

namespace ff::res::lint {

// The long texts of functions may be of a type REPLACE and LEN do not take
// on SQL Server (TEXT); they are cast first. The casts keep Unicode, so that
// a character without a GBK form is still one when the driver converts it.
const std::string& FidQuery() {
  return FF_GBK(
      "SELECT STR(F1) NUM, F2 FID编码, F3 NAME, F4 参数数据类型, F5 NOTE, "
      "LEN(F2) - LEN(REPLACE(F2, '?', '')) Q_FID编码, LEN(F3) - LEN(REPLACE(F3, '?', '')) Q_NAME, LEN(F5) - LEN(REPLACE(F5, '?', '')) Q_NOTE "
      "FROM T151 ORDER BY F1, F2");
}

const std::string& FosFunctionQuery() {
  return FF_GBK(
      "SELECT ID, STR(F18) NUM, F19 CODE, F22 NAME, F24 FUNNAME, STR(F26) MODULEID, "
      "F28 DESIGN, F32 NOTE, LEN(F19) - LEN(REPLACE(F19, '?', '')) Q_CODE, LEN(F22) - LEN(REPLACE(F22, '?', '')) Q_NAME, "
      "LEN(F24) - LEN(REPLACE(F24, '?', '')) Q_FUNNAME, LEN(CAST(F28 AS NVARCHAR(4000))) - LEN(REPLACE(CAST(F28 AS NVARCHAR(4000)), '?', '')) Q_DESIGN, "
      "LEN(CAST(F32 AS NVARCHAR(4000))) - LEN(REPLACE(CAST(F32 AS NVARCHAR(4000)), '?', '')) Q_NOTE FROM T154 ORDER BY F18, ID");
}

const std::string& BlsFunctionQuery() {
  return FF_GBK(
      "SELECT ID, STR(F1) NUM, F2 CODE, F3 NAME, F4 FUNNAME, STR(F7) MODULEID, "
      "F8 DESIGN, F12 NOTE, LEN(F2) - LEN(REPLACE(F2, '?', '')) Q_CODE, LEN(F3) - LEN(REPLACE(F3, '?', '')) Q_NAME, "
      "LEN(F4) - LEN(REPLACE(F4, '?', '')) Q_FUNNAME, LEN(CAST(F8 AS NVARCHAR(4000))) - LEN(REPLACE(CAST(F8 AS NVARCHAR(4000)), '?', '')) Q_DESIGN, "
      "LEN(CAST(F12 AS NVARCHAR(4000))) - LEN(REPLACE(CAST(F12 AS NVARCHAR(4000)), '?', '')) Q_NOTE FROM T161 ORDER BY F1, ID");
}

// The parameter tables are the largest: read in one plain scan, in table
// order, each row matched to its function by OWNER in memory. The FID code
// of a parameter is not counted for lost characters: such a code is either
// defined in T151, where it is counted, or reported as undefined.
const std::string& FosParamQuery() {
  return FF_GBK(
      "SELECT F13 OWNER, ID, F15 FID编码, F3 参数名称, F7 参数数据类型, "
      "LEN(F3) - LEN(REPLACE(F3, '?', '')) Q_参数名称 FROM T156");
}

const std::string& BlsParamQuery() {
  return FF_GBK(
      "SELECT F1 OWNER, ID, F2 FID编码, F3 参数名称, F7 参数数据类型, "
      "LEN(F3) - LEN(REPLACE(F3, '?', '')) Q_参数名称 FROM T162");
}

const std::string& FosModuleQuery() {
  return FF_GBK(
      "SELECT STR(ID) ID, F3 NAME, F2 CNAME, LEN(F3) - LEN(REPLACE(F3, '?', '')) Q_NAME, LEN(F2) - LEN(REPLACE(F2, '?', '')) Q_CNAME "
      "FROM T158 ORDER BY ID");
}

const std::string& BlsModuleQuery() {
  return FF_GBK(
      "SELECT STR(ID) ID, F4 NAME, F3 CNAME, LEN(F4) - LEN(REPLACE(F4, '?', '')) Q_NAME, LEN(F3) - LEN(REPLACE(F3, '?', '')) Q_CNAME "
      "FROM T164 ORDER BY ID");
}

// The rows of sysdef.h, with the same filter as its own query.
const std::string& ErrorQuery() {
  return FF_GBK(
      "SELECT STR(A.ID) ID, A.F1 错误码, STR(A.F10) 错误码数据类型, A.F2 CODE, A.F6 错误信息编码, "
      "RTRIM(A.F3) 错误信息, RTRIM(LTRIM(B.NAME)) CATEGORY, LEN(A.F1) - LEN(REPLACE(A.F1, '?', '')) Q_错误码, "
      "LEN(A.F2) - LEN(REPLACE(A.F2, '?', '')) Q_CODE, LEN(A.F6) - LEN(REPLACE(A.F6, '?', '')) Q_错误信息编码, "
      "LEN(A.F3) - LEN(REPLACE(A.F3, '?', '')) Q_错误信息, LEN(B.NAME) - LEN(REPLACE(B.NAME, '?', '')) Q_CATEGORY "
      "FROM T470 A, T471 B WHERE A.F8 = B.ID AND B.GRADE=2 AND B.FID=2 AND B.TYPE=0 ORDER BY A.F8, A.ID");
}

const std::string& CaptionId() { return FF_GBK("ID"); }
const std::string& CaptionNumber() { return FF_GBK("NUM"); }
const std::string& CaptionCode() { return FF_GBK("CODE"); }
const std::string& CaptionName() { return FF_GBK("NAME"); }
const std::string& CaptionFunName() { return FF_GBK("FUNNAME"); }
const std::string& CaptionModule() { return FF_GBK("MODULEID"); }
const std::string& CaptionDesign() { return FF_GBK("DESIGN"); }
const std::string& CaptionNote() { return FF_GBK("NOTE"); }
const std::string& CaptionOwner() { return FF_GBK("OWNER"); }
const std::string& CaptionChineseName() { return FF_GBK("CNAME"); }
const std::string& CaptionCategory() { return FF_GBK("CATEGORY"); }
std::string QCaption(const std::string& caption) { return "Q_" + caption; }

const std::vector<std::string>& GuardMacros() {
  static const std::vector<std::string> guards{"_FIDDEF_DEFINE_H", "_FOSDEF_DEFINE_H", "_BLSDEF_DEFINE_H",
                                               "__FIXDEF_DEFINE__", "_SYSDEF", "AFX_PROCESS_H"};
  return guards;
}

namespace msg {
const std::string& MacroRedefined() {
  return FF_GBK("%Name% is defined more than once, with different values: %Places%");
}
const std::string& MacroRedefinedSame() {
  return FF_GBK("%Name% is defined more than once (with the same value): %Places%");
}
const std::string& MacroPlace() { return FF_GBK("%Header% (%Where%)"); }
const std::string& NotIdentifier() {
  return FF_GBK("the %What% \"%Text%\" becomes the name \"%Name%\", which is no C/C++ identifier");
}
const std::string& IsKeyword() {
  return FF_GBK("the %What% \"%Text%\" becomes the name \"%Name%\", which is a C++ keyword");
}
const std::string& LineBreak() {
  return FF_GBK("the %What% holds a %Char%, which breaks the generated line it stands in");
}
const std::string& CommentBackslash() {
  return FF_GBK("the %What% ends in a backslash: in its // comment the next generated line becomes comment too");
}
const std::string& CommentClose() {
  return FF_GBK("the %What% holds \"*/\", which ends its generated /* */ comment early");
}
const std::string& CommentOpen() {
  return FF_GBK("the %What% holds \"/*\" inside a generated /* */ comment (a -Wcomment warning)");
}
const std::string& StringLiteralBreak() {
  return FF_GBK("the %What% holds %Char%, which breaks the generated string literal it stands in");
}
const std::string& NotGbk() {
  return FF_GBK("the %What% holds a character that has no GBK form: the generated code gets '?' instead");
}
const std::string& InvalidGbk() {
  return FF_GBK("the %What% holds bytes that are no GBK character");
}
const std::string& ParamTypeMismatch() {
  return FF_GBK(
      "parameter %Code% of %Function% has data type %ParamType% (%ParamC%), its FID in T151 has %FidType% "
      "(%FidC%)");
}
const std::string& ParamWithoutFid() {
  return FF_GBK("parameter \"%Name%\" of %Function% has no FID code: its generated lines name no FID");
}
const std::string& DuplicateNumber() { return FF_GBK("%What% number %Number% is also the number of %Other%"); }
const std::string& DuplicateCode() { return FF_GBK("%What% code %Code% is also the code of %Other%"); }
const std::string& NumberMissing() {
  return FF_GBK("%What% %Code% has no number: its #define has no value");
}
const std::string& NumberTooWide() {
  return FF_GBK("%What% %Code% has a number too wide for its query (\"%Number%\"): its #define gets that text");
}
const std::string& ErrorValueNotNumber() {
  return FF_GBK("error code %Code% is written bare (data type 6), but its value \"%Value%\" is no number");
}
const std::string& ModuleMissing() {
  return FF_GBK("%What% %Code% belongs to module %Module%, which does not exist: no module source holds it");
}
const std::string& ModuleIdEmpty() {
  return FF_GBK("%What% \"%Name%\" has no id: its sources would go to the output folder itself");
}
const std::string& ModuleIdNotPositive() {
  return FF_GBK("%What% id %Id% is not a positive number: the module pages generate module 0 for it");
}
const std::string& ModuleIdTooWide() {
  return FF_GBK("%What% id is too wide for its query: its folder would be named \"**********\"");
}
const std::string& ModuleIdDuplicate() {
  return FF_GBK("%What% id %Id% is used by another module too: both write the same folder");
}
const std::string& FidUndefined() {
  return FF_GBK("FID %Code% (%Name%) is used by %Kind% %Function% but not defined in T151");
}
const std::string& FidUnused() { return FF_GBK("FID %Code% (%Name%) is defined but no parameter uses it"); }
}  // namespace msg

const std::vector<ShownMessage>& ShownMessages() {
  using namespace msg;
  static const std::vector<ShownMessage> shown{
      {MacroRedefined, FF_GBK("%Name%被定义了多次，值各不相同：%Places%")},
      {MacroRedefinedSame, FF_GBK("%Name%被定义了多次（值相同）：%Places%")},
      {NotIdentifier, FF_GBK("%What%“%Text%”生成的名字“%Name%”不是C/C++标识符")},
      {IsKeyword, FF_GBK("%What%“%Text%”生成的名字“%Name%”是C++关键字")},
      {LineBreak, FF_GBK("%What%中有%Char%，会把它所在的生成行断开")},
      {CommentBackslash, FF_GBK("%What%以反斜杠结尾：在它的//注释里，下一行生成代码也成了注释")},
      {CommentClose, FF_GBK("%What%中有“*/”，会提前结束它所在的/* */注释")},
      {CommentOpen, FF_GBK("%What%在生成的/* */注释中含有“/*”（编译器会给出-Wcomment警告）")},
      {StringLiteralBreak, FF_GBK("%What%中有%Char%，会破坏它所在的生成字符串")},
      {NotGbk, FF_GBK("%What%中有GBK无法表示的字符：生成的代码里是“?”")},
      {InvalidGbk, FF_GBK("%What%中有不是GBK字符的字节")},
      {ParamTypeMismatch,
       FF_GBK("%Function%的参数%Code%的数据类型是%ParamType%（%ParamC%），而它在T151中的FID是%FidType%（%FidC%）")},
      {ParamWithoutFid, FF_GBK("%Function%的参数“%Name%”没有FID编码：生成的代码行不指向任何FID")},
      {DuplicateNumber, FF_GBK("%What%编号%Number%也是%Other%的编号")},
      {DuplicateCode, FF_GBK("%What%编码%Code%也是%Other%的编码")},
      {NumberMissing, FF_GBK("%What% %Code%没有编号：它的#define没有值")},
      {NumberTooWide, FF_GBK("%What% %Code%的编号超出了查询的宽度（“%Number%”）：它的#define得到的是这段文字")},
      {ErrorValueNotNumber, FF_GBK("错误码%Code%按数值写出（数据类型6），但它的值“%Value%”不是数字")},
      {ModuleMissing, FF_GBK("%What% %Code%属于模块%Module%，但该模块不存在：没有哪个模块的源文件包含它")},
      {ModuleIdEmpty, FF_GBK("%What%“%Name%”没有ID：它的源文件会直接放进输出目录")},
      {ModuleIdNotPositive, FF_GBK("%What%的ID %Id%不是正数：模块页面会把它生成为模块0")},
      {ModuleIdTooWide, FF_GBK("%What%的ID超出了查询的宽度：它的目录会被命名为“**********”")},
      {ModuleIdDuplicate, FF_GBK("%What%的ID %Id%也被另一个模块使用：两者写入同一个目录")},
      {FidUndefined, FF_GBK("FID %Code%（%Name%）被%Kind% %Function%使用，但没有在T151中定义")},
      {FidUnused, FF_GBK("FID %Code%（%Name%）已定义，但没有任何参数使用它")},
  };
  return shown;
}

std::string ShownWord(const std::string& english) {
  static const std::vector<std::pair<std::string, std::string>> words{
      {"FID code", FF_GBK("FID编码")}, {"FID name", FF_GBK("FID名称")}, {"FID note", FF_GBK("FID备注")},
      {"FOS code", FF_GBK("FOS编码")}, {"FOS name", FF_GBK("FOS名称")},
      {"FOS function name", FF_GBK("FOS函数名")}, {"FOS design", FF_GBK("FOS设计说明")},
      {"FOS note", FF_GBK("FOS备注")}, {"BLS code", FF_GBK("BLS编码")}, {"BLS name", FF_GBK("BLS名称")},
      {"BLS function name", FF_GBK("BLS函数名")}, {"BLS design", FF_GBK("BLS设计说明")},
      {"BLS note", FF_GBK("BLS备注")}, {"FOS module name", FF_GBK("FOS模块名称")},
      {"FOS module Chinese name", FF_GBK("FOS模块中文名称")}, {"BLS module name", FF_GBK("BLS模块名称")},
      {"BLS module Chinese name", FF_GBK("BLS模块中文名称")}, {"FOS module", FF_GBK("FOS模块")},
      {"BLS module", FF_GBK("BLS模块")}, {"error code value", FF_GBK("错误码的值")},
      {"error code name", FF_GBK("错误码名称")}, {"error message name", FF_GBK("错误信息名称")},
      {"parameter FID code", FF_GBK("参数的FID编码")}, {"parameter name", FF_GBK("参数名称")},
      {"carriage return", FF_GBK("回车符")}, {"line feed", FF_GBK("换行符")}, {"tab", FF_GBK("制表符")},
      {"a double quote", FF_GBK("双引号")}, {"a backslash", FF_GBK("反斜杠")},
  };
  for (const auto& [from, to] : words)
    if (from == english) return to;
  return {};
}

const std::string& SeverityShown(bool error) { return error ? FF_GBK("错误") : FF_GBK("警告"); }
const std::string& FindingFields() { return FF_GBK("级别[C8],规则[C24],位置[C40],说明[C255]"); }
const std::string& PageNone() { return FF_GBK("代码检查尚未发现任何问题。"); }
const std::string& PageFound() { return FF_GBK("代码检查共发现%Count%个问题，其中%Errors%个错误！"); }
const std::string& PageFailed() { return FF_GBK("代码检查失败：%Reason%"); }

}  // namespace ff::res::lint
