// Every text of res/ that holds named placeholders, with the names its
// callers fill: the one list that says which %Name% belongs to which
// template. The test of the catalog fills each text with these names and
// finds no placeholder left.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ff::res {

struct CatalogTemplate {
  const char* title;
  const std::string& text;
  std::vector<std::string_view> names;  // without the percent signs
};

std::vector<CatalogTemplate> AllNamedTemplates();

}  // namespace ff::res
