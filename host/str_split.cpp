#include "host/str_split.h"

#include "host/gbk_text.h"

int SplitStrByChar(std::string_view text, char separator, std::vector<std::string>& pieces) {
  pieces.clear();
  size_t start = 0;
  for (size_t i = 0; i < text.size();) {
    if (text[i] == separator) {
      pieces.emplace_back(text.substr(start, i - start));
      start = ++i;
    } else {
      i += ff::gbk::CharLength(text, i);
    }
  }
  pieces.emplace_back(text.substr(start));
  return static_cast<int>(pieces.size());
}
