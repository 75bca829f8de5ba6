// printf-style filling of the system's message formats (GBK): each "%s"
// takes the next text, each "%d" the next number, "%%" is one "%".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ff::gui {

struct FormatArg {
  FormatArg(std::string_view text) : text(text) {}
  FormatArg(const std::string& text) : text(text) {}
  FormatArg(const char* text) : text(text) {}
  FormatArg(long number) : text(std::to_string(number)) {}
  FormatArg(int number) : text(std::to_string(number)) {}
  std::string text;
};

std::string FormatText(std::string_view format, const std::vector<FormatArg>& args);

}  // namespace ff::gui
