// The lint's findings on the pages they are about, and rules.html, the
// rule table they link to. Only the lint's run and finding interface is
// used: the rules themselves may change without the site knowing.
#include <optional>
#include <set>
#include <string>
#include <unordered_map>

#include "codetext/text_fill.h"
#include "docsite/html_text.h"
#include "docsite/site_pages.h"
#include "host/config_db.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/record.h"
#include "host/sim_db.h"
#include "lint/lint_run.h"
#include "res/docsite_templates.h"

namespace ff::site {

namespace {

namespace tpl = res::site;

// The kind whose module (function, parameter) table `table` is.
std::optional<Kind> KindOf(const std::string& table, const char* KindTable::*which) {
  for (const Kind kind : kKinds)
    if (table == Of(kind).*which) return kind;
  return std::nullopt;
}

bool IsParamTable(const std::string& table) { return KindOf(table, &KindTable::paramTable).has_value(); }

// Parameter row id -> the ID of its function, for the parameter tables that
// findings name by row. Streamed: the table is the largest of the database.
std::unordered_map<std::string, std::string> ParamOwners(Kind kind) {
  std::unordered_map<std::string, std::string> owners;
  g_pConfigDB->Cmd(Of(kind).paramOwnerQuery);
  try {
    g_pConfigDB->SelectEachChecked([&owners](const CMemRecord& row) {
      owners.emplace(gbk::Trim(row.GetRef("ID")), gbk::Trim(row.GetRef("OWNER")));
      return true;
    });
  } catch (const QueryError& error) {
    throw error.Within(std::string("cannot read the ") + Of(kind).name + " parameters");
  }
  return owners;
}

std::string FindingItem(const lint::Finding& finding) {
  const bool error = finding.severity == lint::Severity::Error;
  return FillTemplate(tpl::FindingItem(), {{"Class", error ? "error" : "warning"},
                                           {"Severity", error ? tpl::SeverityError() : tpl::SeverityWarning()},
                                           {"RuleHref", RuleHref(finding.rule)},
                                           {"Rule", Html(finding.rule)},
                                           {"Where", Html(lint::WhereText(finding.where))},
                                           {"Message", Html(finding.message)}});
}

}  // namespace

std::string ModulePlace(Kind kind, const std::string& id) { return std::string(Of(kind).name) + "-M " + id; }
std::string FunctionPlace(Kind kind, const std::string& id) { return std::string(Of(kind).name) + "-F " + id; }
std::string FidPlace(const std::string& code) { return "FID " + code; }
std::string ErrorPlace(const std::string& code) { return "ERR " + code; }

const std::vector<size_t>* SiteFindings::At(const std::string& place) const {
  auto found = byPlace.find(place);
  return found == byPlace.end() ? nullptr : &found->second;
}

void ReadFindings(SiteModel& site) {
  lint::LintResult result = lint::RunLint(*g_pConfigDB);
  if (!result.ok) throw QueryError(result.error);
  SiteFindings& findings = site.findings;
  findings.all = std::move(result.findings);

  // By kind (Kind's values index them).
  bool byRow[2] = {false, false};
  for (const lint::Finding& finding : findings.all) {
    const std::optional<Kind> kind = KindOf(finding.where.table, &KindTable::paramTable);
    if (kind && !finding.where.id.empty()) byRow[static_cast<int>(*kind)] = true;
  }
  std::unordered_map<std::string, std::string> owners[2];
  for (const Kind kind : kKinds) {
    if (byRow[static_cast<int>(kind)]) owners[static_cast<int>(kind)] = ParamOwners(kind);
  }

  for (size_t index = 0; index < findings.all.size(); ++index) {
    const lint::Finding& finding = findings.all[index];
    const lint::Where& where = finding.where;
    (finding.severity == lint::Severity::Error ? findings.errorsByRule : findings.warningsByRule)[finding.rule]++;
    std::string place;
    const std::optional<Kind> moduleKind = KindOf(where.table, &KindTable::moduleTable);
    const std::optional<Kind> functionKind = KindOf(where.table, &KindTable::functionTable);
    const std::optional<Kind> paramKind = KindOf(where.table, &KindTable::paramTable);
    if (moduleKind) {
      place = ModulePlace(*moduleKind, where.id);
    } else if (functionKind) {
      place = FunctionPlace(*functionKind, where.id);
    } else if (paramKind && !where.id.empty()) {
      const auto& kindOwners = owners[static_cast<int>(*paramKind)];
      auto owner = kindOwners.find(where.id);
      if (owner != kindOwners.end()) place = FunctionPlace(*paramKind, owner->second);
    } else if ((IsParamTable(where.table) || where.table == "T151") && !where.code.empty()) {
      // The FID check's findings and a FID's own: on the FID's row.
      place = FidPlace(where.code);
    } else if (where.table == "T470" && !where.code.empty()) {
      place = ErrorPlace(where.code);
    }
    if (!place.empty()) findings.byPlace[place].push_back(index);
  }
}

std::string FindingList(SiteModel& site, const std::string& place, int* errors, int* warnings) {
  const std::vector<size_t>* indexes = site.findings.At(place);
  if (!indexes) return {};
  site.findings.shown.insert(place);
  std::string items;
  for (size_t index : *indexes) {
    const lint::Finding& finding = site.findings.all[index];
    if (finding.severity == lint::Severity::Error) {
      if (errors) ++*errors;
    } else if (warnings) {
      ++*warnings;
    }
    items += FindingItem(finding);
  }
  return FillTemplate(tpl::FindingList(), {{"Items", items}});
}

std::string RulePage(const SiteModel& site) {
  const SiteFindings& findings = site.findings;
  // The rules of the rule table in its order, then any other rule that
  // found something, so that every finding's link lands.
  std::vector<std::string> rules;
  std::set<std::string> listed;
  for (const tpl::RuleText& text : tpl::RuleTable()) {
    rules.push_back(text.rule);
    listed.insert(text.rule);
  }
  for (const lint::Finding& finding : findings.all) {
    if (listed.insert(finding.rule).second) rules.push_back(finding.rule);
  }

  auto count = [](const std::map<std::string, int>& counts, const std::string& rule) {
    auto found = counts.find(rule);
    return found == counts.end() ? 0 : found->second;
  };
  int errors = 0, warnings = 0;
  std::string rows;
  for (const std::string& rule : rules) {
    const tpl::RuleText* text = tpl::RuleDescription(rule);
    const int ruleErrors = count(findings.errorsByRule, rule), ruleWarnings = count(findings.warningsByRule, rule);
    errors += ruleErrors;
    warnings += ruleWarnings;
    rows += FillTemplate(tpl::RuleRow(), {{"Anchor", AnchorId("", rule)},
                                          {"Rule", Html(rule)},
                                          {"Severity", text ? Html(text->severity) : std::string()},
                                          {"Summary", text ? Html(text->summary) : std::string()},
                                          {"Errors", std::to_string(ruleErrors)},
                                          {"Warnings", std::to_string(ruleWarnings)}});
  }

  // What no other page showed: functions of a module that does not exist,
  // error codes outside sysdef.h's categories, and whatever a rule names
  // that has no page.
  std::vector<bool> placed(findings.all.size(), false);
  for (const std::string& place : findings.shown) {
    if (const std::vector<size_t>* indexes = findings.At(place)) {
      for (size_t index : *indexes) placed[index] = true;
    }
  }
  std::string items;
  for (size_t index = 0; index < findings.all.size(); ++index) {
    if (!placed[index]) items += FindingItem(findings.all[index]);
  }
  const std::string elsewhere =
      items.empty() ? std::string()
                    : FillTemplate(tpl::RulesElsewhere(), {{"List", FillTemplate(tpl::FindingList(), {{"Items", items}})}});
  const std::string body = FillTemplate(tpl::RulesBody(), {{"Errors", std::to_string(errors)},
                                                          {"Warnings", std::to_string(warnings)},
                                                          {"Rows", rows},
                                                          {"Elsewhere", elsewhere}});
  return WholePage(site, tpl::RulesTitle(), body);
}

}  // namespace ff::site
