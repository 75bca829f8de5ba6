// The texts of the generated-file protocol (GBK): the overwrite question and
// the include-guard formats.
#pragma once

#include <string>

namespace ff::res {

const std::string& OverwriteQuestion();  // "文件%s已经存在，是否重写!"
const std::string& GuardBeginFormat();   // "#if !defined(%s)\r\n"
const std::string& GuardDefineFormat();  // "#define %s\r\n\r\n"
const std::string& GuardEndFormat();     // "\r\n#endif // !defined(%s)\r\n"

}  // namespace ff::res
