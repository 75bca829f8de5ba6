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
const std::string& PageMergeRefused() {
  return FF_GBK("保留手写代码：没有合并，任何文件都没有改动。\n%Reason%");
}
const std::string& NameSeparator() { return FF_GBK("、"); }

}  // namespace ff::res::merge
