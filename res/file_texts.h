// The texts of the generated-file protocol (GBK): the overwrite question and
// the include-guard formats.
#pragma once

#include <string>
#include <string_view>

namespace ff::res {

std::string OverwriteQuestion(std::string_view path);  // "文件%s已经存在，是否重写!"
std::string GuardBegin(std::string_view macro);        // "#if !defined(%s)\r\n"
std::string GuardDefine(std::string_view macro);       // "#define %s\r\n\r\n"
std::string GuardEnd(std::string_view macro);          // "\r\n#endif // !defined(%s)\r\n"

}  // namespace ff::res
