#include "res/text.h"

namespace ff::res {

std::string GbkLines(std::string_view utf8) {
  std::string gbk = gbk::FromUtf8(utf8);
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 16);
  for (char c : gbk) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace ff::res
