// Fills the named placeholders of a template ("%Code%") in one pass: the
// values put in are never searched for placeholders themselves, so a
// database text holding "%Name%" is written as it stands.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ff {

struct Placeholder {
  std::string_view name;  // without the percent signs
  std::string_view value;
};

// A "%word%" that names no given placeholder stays as it is.
std::string FillTemplate(std::string_view tmpl, std::initializer_list<Placeholder> values);

// The other way: the values of `tmpl`'s placeholders in a text filled from
// it, each running to the next literal piece of the template (the last
// piece matched from the end). False when the text was not made from the
// template. Lets a program say in its own words a message the engine made.
using FilledValues = std::vector<std::pair<std::string, std::string>>;
bool MatchFilledTemplate(std::string_view tmpl, std::string_view text, FilledValues& values);
// `tmpl` filled with matched `values`, in one pass as FillTemplate.
std::string FillTemplateWith(std::string_view tmpl, const FilledValues& values);

}  // namespace ff
