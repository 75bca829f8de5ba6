// Fills the named placeholders of a template ("%Code%") in one pass: the
// values put in are never searched for placeholders themselves, so a
// database text holding "%Name%" is written as it stands.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace ff {

struct Placeholder {
  std::string_view name;  // without the percent signs
  std::string_view value;
};

// A "%word%" that names no given placeholder stays as it is.
std::string FillTemplate(std::string_view tmpl, std::initializer_list<Placeholder> values);
std::string FillTemplate(std::string_view tmpl, std::span<const Placeholder> values);

}  // namespace ff
