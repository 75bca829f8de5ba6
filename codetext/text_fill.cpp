#include "codetext/text_fill.h"

namespace ff {

std::string FillTemplate(std::string_view tmpl, std::initializer_list<Placeholder> values) {
  return FillTemplate(tmpl, std::span<const Placeholder>(values.begin(), values.size()));
}

std::string FillTemplate(std::string_view tmpl, std::span<const Placeholder> values) {
  std::string out;
  size_t extra = 0;
  for (const Placeholder& p : values) extra += p.value.size();
  out.reserve(tmpl.size() + extra);
  size_t pos = 0;
  // '%' is never a GBK trail byte, so a byte search is safe here.
  while (pos < tmpl.size()) {
    size_t open = tmpl.find('%', pos);
    if (open == std::string_view::npos) break;
    size_t close = tmpl.find('%', open + 1);
    if (close == std::string_view::npos) break;
    std::string_view name = tmpl.substr(open + 1, close - open - 1);
    const Placeholder* match = nullptr;
    for (const Placeholder& p : values) {
      if (p.name == name) {
        match = &p;
        break;
      }
    }
    if (match) {
      out.append(tmpl.substr(pos, open - pos));
      out.append(match->value);
      pos = close + 1;
    } else {
      out.append(tmpl.substr(pos, close - pos));
      pos = close;  // the closing '%' may open the next placeholder
    }
  }
  out.append(tmpl.substr(pos));
  return out;
}

}  // namespace ff
