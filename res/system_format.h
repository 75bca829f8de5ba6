// The printf form of the system's own texts ("    %s %s = pSvrComm->Get%s(
// %s ); //%s\r\n", "文件%s已经存在，是否重写!", a query's "%d"), filled
// with texts: each "%s" or "%d" takes the next argument as it stands, and
// arguments are never searched for formats themselves.
//
// Only the small functions beside those texts in res/ call this: each has
// named parameters, so the order of the values lives next to the text.
// Everything else fills `%Name%` placeholders with ff::FillTemplate.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace ff::res {

// Appends the filled format to `out`. Surplus specifiers stay as written.
void AppendSystemFormat(std::string& out, std::string_view format,
                        std::initializer_list<std::string_view> args);
std::string SystemFormat(std::string_view format, std::initializer_list<std::string_view> args);

}  // namespace ff::res
