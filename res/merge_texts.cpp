#include "res/merge_texts.h"

#include "res/text.h"

namespace ff::res::merge {

const std::string& RetiredFunctionBlock() {
  return FF_GBK_LINES(R"(
// 函数 %Name% 已不在配置库中：原有代码保留如下，不参与编译。
#if 0
%Text%#endif // %Name%
)");
}

const std::string& MovedTextBlock() {
  return FF_GBK_LINES(R"(
// 以下手写代码原在已不在配置库中的函数之间，合并时移到文件末尾。
%Text%)");
}

const std::string& PageMergedLine() {
  return FF_GBK("\n合并 %File%：保留手写区域 %Kept% 处，新增函数 %Added% 个，停用函数 %Retired% 个。");
}
const std::string& PageRetiredNamesLine() {
  return FF_GBK("\n\t停用的函数保留在文件末尾的 #if 0 块中：%Names%");
}
const std::string& PageNoEarlierFileLine() { return FF_GBK("\n%File% 原来没有，按模板生成。"); }
const std::string& PageThreeWayLine() {
  return FF_GBK("\n合并 %File%：函数按配置库刷新 %Refreshed% 个，保留手改 %Edited% 个，新增 %Added% 个，"
                "停用 %Retired% 个，恢复 %Restored% 个，冲突 %Conflicts% 处。");
}
const std::string& PageRestoredNamesLine() {
  return FF_GBK("\n\t重新回到配置库的函数取回了 #if 0 块中的原有代码：%Names%");
}
const std::string& PageHeaderLine() { return FF_GBK("\n合并 %File%：保留手写的行 %Kept% 行。"); }
const std::string& PageConflictsMarkedLine() {
  return FF_GBK("\n\t有 %Count% 处冲突以 <<<<<<< 标记写在文件中，请手工解决。");
}
const std::string& PageNoRecordLine() {
  return FF_GBK("\n%File% 旁没有上次生成的记录（.fidforge-base），按无记录时的规则合并；本次已写下记录。");
}
const std::string& PageAskRetire() {
  return FF_GBK("保留手写代码：%Reason%\n\n仍要合并吗？");
}
const std::string& PageMergeRefused() {
  return FF_GBK("保留手写代码：没有合并，任何文件都没有改动。\n%Reason%");
}
const std::string& PageAtFile() { return FF_GBK("%File%：%Why%。"); }
const std::string& PageAtLine() { return FF_GBK("%File%第%Line%行：%Why%。"); }

namespace why {
const std::string& CannotRead() { return FF_GBK("无法读取（%Error%）"); }
const std::string& Unreadable() { return FF_GBK("无法读取"); }
const std::string& NotRegularFile() { return FF_GBK("不是普通文件"); }
const std::string& Utf8ByteOrderMark() {
  return FF_GBK("文件以UTF-8字节顺序标记（U+FEFF，可能是编辑器保存时加上的）开头；请去掉它再保存");
}
const std::string& Utf16ByteOrderMark() { return FF_GBK("文件以UTF-16字节顺序标记开头；请另存为%Encoding%"); }
const std::string& NotUtf8() { return FF_GBK("不是UTF-8文本（字节%Byte%；可能是用--encoding gbk生成的）"); }
const std::string& NoGbkForm() { return FF_GBK("字符%Char%没有GBK形式，而生成的代码是GBK的"); }
const std::string& Utf8WithoutGbkForm() { return FF_GBK("这是UTF-8文本，其中的字符%Char%是GBK没有的；请另存为GBK"); }
const std::string& Utf8NotGbk() { return FF_GBK("这是UTF-8文本（可能是用--encoding utf-8生成的），不能按GBK合并"); }
const std::string& NotGbk() { return FF_GBK("不是GBK文本（字节%Byte%）"); }
const std::string& NoLastLineEnd() { return FF_GBK("最后一行没有换行符（文件被截断了吗？）"); }
const std::string& ConflictMarker() { return FF_GBK("有未解决的冲突标记“%Marker%”；请先解决冲突"); }
const std::string& RecordUnreadable() {
  return FF_GBK("这不是FidForge能读懂的记录；删除它，就按没有记录时的规则合并");
}
const std::string& OtherModulesRecord() {
  return FF_GBK("这些文件是为%Kind%模块%Module%生成的（%Record%），不是为%OwnKind%模块%OwnModule%；"
                "合并会停用其中的函数");
}
const std::string& OtherModulesComment() {
  return FF_GBK("它的文件注释写的是另一个模块或类型（“%Line%”）；合并会停用其中的函数");
}
const std::string& MostRetire() {
  return FF_GBK("合并会停用它%Total%个函数中的%Leaving%个（这是另一个模块的目录吗？）");
}
const std::string& Conflict() {
  return FF_GBK("%Function%中有冲突：第%First%-%Last%行被手工改过，配置库也改了它们");
}
const std::string& ConflictDeleted() { return FF_GBK("%Function%中有冲突：在这里被手工删除的行，配置库改了它们"); }
const std::string& NoIdentificationLine() {
  return FF_GBK("%Name%的原型上面一行不是它的标识行（“//CODE    NUMBER    //NAME”）；"
                "没有上次生成的记录，合并无法判断函数从哪里开始");
}
const std::string& BracesCloseEarly() {
  return FF_GBK("%Name%的大括号在这里就结束了，早于合并认作函数结尾的第%Close%行的“}”；"
                "没有上次生成的记录（%Record%），合并无法判断函数在哪里结束，所以什么也没有合并");
}
const std::string& BracesUnbalanced() {
  return FF_GBK("%Name%的大括号到这个“}”为止不配对（函数中有顶格的“}”吗？）；"
                "没有上次生成的记录（%Record%），合并无法判断函数在哪里结束，所以什么也没有合并");
}
const std::string& ConditionalMoves() {
  return FF_GBK("顺序有变化的函数之间有#if或#endif；没有上次生成的记录，合并无法让它跟着自己的函数");
}
const std::string& Other() { return FF_GBK("无法合并（%Reason%）"); }
}  // namespace why

namespace damage {
const std::string& IfZeroWithoutEndif() { return FF_GBK("#if 0没有对应的#endif"); }
const std::string& DefinedTwice() { return FF_GBK("函数%Name%被定义了两次（第一次在第%First%行）"); }
const std::string& MarkersNest() { return FF_GBK("%Word%出现在%Open%（第%OpenLine%行）的区域之内：标记不能嵌套"); }
const std::string& NoOpeningMarker() { return FF_GBK("%Word%没有对应的开始标记"); }
const std::string& MarkerMismatch() { return FF_GBK("%Word%与%Open%（第%OpenLine%行）不配对"); }
const std::string& NoClosingBrace() { return FF_GBK("函数%Name%没有结束的大括号“}”"); }
const std::string& RegionNotClosed() { return FF_GBK("函数%Name%中的%Open%没有对应的%Close%"); }
const std::string& MarkerNotClosed() { return FF_GBK("%Open%没有对应的%Close%"); }
const std::string& OutsideFunctions() { return FF_GBK("%Word%不在任何生成的函数之内"); }
const std::string& RegionWithoutPlace() {
  return FF_GBK("函数%Name%的区域//##%Word%在新生成的代码中没有位置（新代码中只有%Places%个这样的区域）");
}
const std::string& NewGeneration() { return FF_GBK("新生成的代码无法合并：%Damage%"); }
const std::string& NotAsGenerated() { return FF_GBK("%Whose%不是FidForge生成的样子（第%Line%行：%Damage%）"); }
const std::string& TheRecord() { return FF_GBK("上次生成的记录"); }
const std::string& TheNewGeneration() { return FF_GBK("新生成的代码"); }
}  // namespace damage

const std::string& NameSeparator() { return FF_GBK("、"); }

}  // namespace ff::res::merge
