// The long templates, kept as text files in res/templates/ that look
// exactly like the output (GBK, CR LF, trailing blanks) and embedded in the
// program at build time.
#pragma once

#include <string_view>
#include <vector>

namespace ff::res {

// The bytes of res/templates/<fileName>. A name with no file is a defect of
// the build, not of the input: the program stops with a message.
std::string_view EmbeddedTemplate(std::string_view fileName);
// Every embedded file's name, sorted.
std::vector<std::string_view> EmbeddedTemplateNames();

}  // namespace ff::res
