#include "codetext/text_fill.h"

#include <algorithm>

#include "host/gbk_text.h"

namespace ff {

std::string FillTemplate(std::string_view tmpl, std::initializer_list<Placeholder> values) {
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

bool MatchFilledTemplate(std::string_view tmpl, std::string_view text, FilledValues& values) {
  values.clear();
  size_t t = 0, x = 0;
  while (t < tmpl.size()) {
    if (tmpl[t] != '%') {
      if (x >= text.size() || text[x] != tmpl[t]) return false;
      ++t, ++x;
      continue;
    }
    const size_t end = tmpl.find('%', t + 1);
    if (end == std::string_view::npos) return false;
    std::string name(tmpl.substr(t + 1, end - t - 1));
    t = end + 1;
    const size_t next = tmpl.find('%', t);
    const std::string_view literal = tmpl.substr(t, next == std::string_view::npos ? tmpl.npos : next - t);
    size_t stop;
    if (next == std::string_view::npos) {
      // The last piece: from the end, so that a value may hold its text.
      if (text.size() < x + literal.size() || text.substr(text.size() - literal.size()) != literal) return false;
      stop = text.size() - literal.size();
    } else if (literal.empty()) {
      return false;  // two placeholders side by side cannot be told apart
    } else {
      stop = gbk::Find(text, literal, x);
      if (stop == std::string_view::npos) return false;
    }
    values.emplace_back(std::move(name), std::string(text.substr(x, stop - x)));
    x = stop;
  }
  return x == text.size();
}

std::string FillTemplateWith(std::string_view tmpl, const FilledValues& values) {
  std::string text;
  size_t pos = 0;
  while (pos < tmpl.size()) {
    const size_t open = tmpl.find('%', pos);
    const size_t close = open == std::string_view::npos ? open : tmpl.find('%', open + 1);
    if (close == std::string_view::npos) break;
    const std::string_view name = tmpl.substr(open + 1, close - open - 1);
    const auto found = std::find_if(values.begin(), values.end(), [&](const auto& v) { return v.first == name; });
    if (found == values.end()) {
      text += tmpl.substr(pos, close - pos);
      pos = close;
      continue;
    }
    text += tmpl.substr(pos, open - pos);
    text += found->second;
    pos = close + 1;
  }
  text += tmpl.substr(pos);
  return text;
}

}  // namespace ff
