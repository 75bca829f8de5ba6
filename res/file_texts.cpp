#include "res/file_texts.h"

#include "res/text.h"

namespace ff::res {

const std::string& OverwriteQuestion() { return FF_GBK("文件%s已经存在，是否重写!"); }
const std::string& GuardBeginFormat() { return FF_GBK("#if !defined(%s)\r\n"); }
const std::string& GuardDefineFormat() { return FF_GBK("#define %s\r\n\r\n"); }
const std::string& GuardEndFormat() { return FF_GBK("\r\n#endif // !defined(%s)\r\n"); }

}  // namespace ff::res
