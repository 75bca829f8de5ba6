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

}  // namespace ff::res::merge
