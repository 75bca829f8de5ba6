#include "res/system_format.h"

namespace ff::res {

void AppendSystemFormat(std::string& out, std::string_view format,
                        std::initializer_list<std::string_view> args) {
  auto next = args.begin();
  size_t pos = 0;
  // '%' is never a GBK trail byte: a byte search finds only real ones.
  while (next != args.end()) {
    size_t mark = format.find('%', pos);
    if (mark == std::string_view::npos || mark + 1 >= format.size()) break;
    char conversion = format[mark + 1];
    if (conversion != 's' && conversion != 'd') {
      out.append(format.substr(pos, mark + 1 - pos));
      pos = mark + 1;
      continue;
    }
    out.append(format.substr(pos, mark - pos));
    out.append(*next++);
    pos = mark + 2;
  }
  out.append(format.substr(pos));
}

std::string SystemFormat(std::string_view format, std::initializer_list<std::string_view> args) {
  std::string out;
  size_t extra = 0;
  for (std::string_view a : args) extra += a.size();
  out.reserve(format.size() + extra);
  AppendSystemFormat(out, format, args);
  return out;
}

}  // namespace ff::res
