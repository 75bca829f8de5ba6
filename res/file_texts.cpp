#include "res/file_texts.h"

#include "res/system_format.h"
#include "res/text.h"

namespace ff::res {

std::string OverwriteQuestion(std::string_view path) {
  return SystemFormat(FF_GBK("文件%s已经存在，是否重写!"), {path});
}
std::string GuardBegin(std::string_view macro) { return SystemFormat(FF_GBK("#if !defined(%s)\r\n"), {macro}); }
std::string GuardDefine(std::string_view macro) { return SystemFormat(FF_GBK("#define %s\r\n\r\n"), {macro}); }
std::string GuardEnd(std::string_view macro) {
  return SystemFormat(FF_GBK("\r\n#endif // !defined(%s)\r\n"), {macro});
}

}  // namespace ff::res
