#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "codetext/text_fill.h"
#include "host/gbk_text.h"
#include "lint/rule.h"

namespace ff::lint {

std::string Shown(const Phrase& phrase) { return gbk::FromUtf8(phrase.chinese); }

Value::Value(std::string_view name, const Phrase& word) : name(name), english(word.english), shown(Shown(word)) {}

namespace {

// The message filled twice, once in each language.
void Put(FindingSink& sink, Severity severity, const Rule& rule, const Where& where, const Phrase& message,
         std::initializer_list<Value> values) {
  std::vector<Placeholder> english, shown;
  for (const Value& v : values) {
    english.push_back({v.name, v.english});
    shown.push_back({v.name, v.shown});
  }
  sink.Add(severity, rule.id, where, FillTemplate(message.english, english), FillTemplate(Shown(message), shown));
}

}  // namespace

void Report::Add(const Where& where, const Phrase& message, std::initializer_list<Value> values) {
  Put(sink_, rule_.severity, rule_, where, message, values);
}

void Report::Warn(const Where& where, const Phrase& message, std::initializer_list<Value> values) {
  Put(sink_, Severity::Warning, rule_, where, message, values);
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
