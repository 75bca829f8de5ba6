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
const std::string& NameSeparator() { return FF_GBK("、"); }

}  // namespace ff::res::merge
