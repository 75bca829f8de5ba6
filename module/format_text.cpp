#include "module/format_text.h"

#include "host/gbk_text.h"

namespace ff::gui {

std::string FormatText(std::string_view format, const std::vector<FormatArg>& args) {
  std::string out;
  out.reserve(format.size() + 64 * args.size());
  size_t next = 0;
  for (size_t i = 0; i < format.size();) {
    const size_t len = ff::gbk::CharLength(format, i);
    if (len == 1 && format[i] == '%' && i + 1 < format.size()) {
      const char spec = format[i + 1];
      if (spec == 's' || spec == 'd') {
        if (next < args.size()) out += args[next].text;
        ++next;
        i += 2;
        continue;
      }
      if (spec == '%') {
        out += '%';
        i += 2;
        continue;
      }
    }
    out.append(format.substr(i, len));
    i += len;
  }
  return out;
}

}  // namespace ff::gui
