// printf-style formats of the system's texts ("    %s %s = pSvrComm->Get%s(
// %s ); //%s\r\n") filled with texts: each "%s" or "%d" takes the next
// argument as it stands. Arguments are never searched for formats
// themselves, so a database text holding "%s" is written unchanged.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace ff::code {

// Appends the filled format to `out`. Surplus specifiers stay as written.
void AppendFormat(std::string& out, std::string_view format,
                  std::initializer_list<std::string_view> args);
std::string Format(std::string_view format, std::initializer_list<std::string_view> args);

}  // namespace ff::code
