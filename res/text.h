// The system's own texts are written in UTF-8 in the sources under res/
// and handed to the engine as GBK bytes, converted once on first use.
#pragma once

#include <string>
#include <string_view>

#include "host/gbk_text.h"
#include "res/embedded_templates.h"

namespace ff::res {

// UTF-8 text with LF line ends -> GBK with CR LF line ends, for the code
// templates written as raw string literals.
std::string GbkLines(std::string_view utf8);

}  // namespace ff::res

// A GBK copy of a UTF-8 literal, made once: FF_GBK("文件名称：%CurFileName%").
#define FF_GBK(literal)                                                  \
  ([]() -> const std::string& {                                          \
    static const std::string converted = ::ff::gbk::FromUtf8(literal);  \
    return converted;                                                    \
  }())

// A template block: FF_GBK_LINES(R"(...)") turns every LF into CR LF.
#define FF_GBK_LINES(literal)                                             \
  ([]() -> const std::string& {                                           \
    static const std::string converted = ::ff::res::GbkLines(literal);   \
    return converted;                                                     \
  }())

// A template file of res/templates/ as a string, made once:
// FF_TEMPLATE("bls_prologue.txt"). The file holds the GBK bytes already.
#define FF_TEMPLATE(file_name)                                                     \
  ([]() -> const std::string& {                                                    \
    static const std::string text(::ff::res::EmbeddedTemplate(file_name));         \
    return text;                                                                   \
  }())
