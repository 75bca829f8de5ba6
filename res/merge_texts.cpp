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
const std::vector<RefusalWords>& PageRefusals() {
  static const std::vector<RefusalWords> words{
      {"%File%: not UTF-8 text that GBK can hold (written with --encoding gbk?); not merged",
       FF_GBK("%File%不是GBK能容纳的UTF-8文本（可能是用--encoding gbk生成的）。")},
      {"%File%: UTF-8 text (written with --encoding utf-8?); not merged as GBK",
       FF_GBK("%File%是UTF-8文本（可能是用--encoding utf-8生成的），不能按GBK合并。")},
      {"%File%: not a regular file", FF_GBK("%File%不是普通文件。")},
      {"%File%: cannot be read", FF_GBK("无法读取%File%。")},
      {"%File%: the new generation cannot be merged: %Damage%; not merged, the file is left as it was",
       FF_GBK("%File%：新生成的代码无法合并：%Damage%。")},
      {"%File%:%Line%: %Damage%; not merged, the file is left as it was", FF_GBK("%File%第%Line%行：%Damage%。")},
  };
  return words;
}

const std::vector<RefusalWords>& PageDamages() {
  static const std::vector<RefusalWords> words{
      {"#if 0 without its #endif", FF_GBK("#if 0没有对应的#endif")},
      {"the function %Name% is defined twice (first at line %First%)",
       FF_GBK("函数%Name%被定义了两次（第一次在第%First%行）")},
      {"%Word% inside the region of %Open% (line %OpenLine%): markers cannot nest",
       FF_GBK("%Word%出现在%Open%（第%OpenLine%行）的区域之内：标记不能嵌套")},
      {"%Word% without its opening marker", FF_GBK("%Word%没有对应的开始标记")},
      {"%Word% does not close %Open% (line %OpenLine%)", FF_GBK("%Word%与%Open%（第%OpenLine%行）不配对")},
      {"the function %Name% has no closing brace \"}\"", FF_GBK("函数%Name%没有结束的大括号“}”")},
      {"%Open% without its %Close% in the function %Name%", FF_GBK("函数%Name%中的%Open%没有对应的%Close%")},
      {"%Word% outside any generated function", FF_GBK("%Word%不在任何生成的函数之内")},
      {"the region //##%Word% of the function %Name% has no place in the new generation (it has %Places% such "
       "region(s))",
       FF_GBK("函数%Name%的区域//##%Word%在新生成的代码中没有位置（新代码中只有%Places%个这样的区域）")},
  };
  return words;
}

const std::string& NameSeparator() { return FF_GBK("、"); }

}  // namespace ff::res::merge
