#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "lint/rule.h"

namespace ff::lint {

void Report::Add(const Where& where, std::string message) {
  sink_.Add(rule_.severity, rule_.id, where, std::move(message));
}

void Report::Warn(const Where& where, std::string message) {
  sink_.Add(Severity::Warning, rule_.id, where, std::move(message));
}

std::span<const Rule> Rules() {
  static const std::vector<Rule> rules = [] {
    std::vector<Rule> all;
    for (const auto group : {MacroRules(), IdentifierRules(), TextRules(), ParamRules(), DefinitionRules(),
                             FidUseRules()}) {
      all.insert(all.end(), group.begin(), group.end());
    }
    return all;
  }();
  return rules;
}

int RuleOrder(std::string_view id) {
  static const std::unordered_map<std::string_view, int> order = [] {
    std::unordered_map<std::string_view, int> byId;
    for (const Rule& rule : Rules()) byId.emplace(rule.id, static_cast<int>(byId.size()));
    return byId;
  }();
  const auto found = order.find(id);
  return found == order.end() ? static_cast<int>(order.size()) : found->second;
}

std::string SeverityText(const Rule& rule) {
  std::string text = SeverityName(rule.severity);
  if (!rule.warningWhen.empty()) text += " (warning when " + std::string(rule.warningWhen) + ")";
  return text;
}

}  // namespace ff::lint
