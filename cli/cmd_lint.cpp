// fidforge-cli lint [--format text|json] [--list-rules]: every finding of
// the configuration database lint, one per line; or the rules themselves.
#include <memory>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/json_lines.h"
#include "host/config_db.h"
#include "host/sim_db.h"
#include "lint/lint_run.h"
#include "lint/rule.h"

namespace ff::cli {
namespace {

// A row's id as a JSON number; nothing when it is none (empty, or the
// stars of a number too wide for its query).
std::optional<long long> IdNumber(const std::string& text) {
  const size_t digits = text.size() - (!text.empty() && text[0] == '-');
  if (digits == 0 || digits > 18) return std::nullopt;
  for (size_t i = text.size() - digits; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
  }
  return std::stoll(text);
}

void PrintFinding(const lint::Finding& finding, bool json) {
  if (!json) {
    PrintLine(lint::FindingLine(finding));
    return;
  }
  JsonLine line;
  line.Utf8("severity", lint::SeverityName(finding.severity))
      .Utf8("rule", finding.rule)
      .Text("table", finding.where.table);
  if (const auto id = IdNumber(finding.where.id)) {
    line.Number("id", *id);
  } else {
    line.Null("id");
  }
  PrintJsonLine(line.Text("code", finding.where.code).Text("message", finding.message));
}

// The rules in report order: rule, severity, summary and example, the texts
// of the manual's rule table.
void PrintRules(bool json) {
  for (const lint::Rule& rule : lint::Rules()) {
    if (!json) {
      PrintUtf8Line(std::string(rule.id) + '\t' + lint::SeverityText(rule) + '\t' + std::string(rule.summary) +
                    '\t' + std::string(rule.example));
      continue;
    }
    JsonLine line;
    line.Utf8("rule", rule.id).Utf8("severity", lint::SeverityName(rule.severity));
    if (rule.warningWhen.empty()) {
      line.Null("warning_when");
    } else {
      line.Utf8("warning_when", rule.warningWhen);
    }
    PrintJsonLine(line.Utf8("summary", rule.summary).Utf8("example", rule.example));
  }
}

int RunLintCommand(Context& context, bool json) {
  if (!context.Connect()) return kFailure;
  const lint::LintResult result = lint::RunLint(*g_pConfigDB);
  if (!result.ok) {
    PrintError(result.error);
    return kFailure;
  }
  for (const lint::Finding& finding : result.findings) PrintFinding(finding, json);
  // A report that did not reach its reader is a failure, told once with
  // its reason as every command tells it.
  FinishOut();
  return result.HasErrors() ? kCheckFound : kOk;
}

}  // namespace

FF_CLI_COMMAND(75, [](CLI::App& app, Context& context, int* status) {
  auto format = std::make_shared<std::string>();
  auto listRules = std::make_shared<bool>(false);
  CLI::App* command = app.add_subcommand(
      "lint", "Check the configuration database for what breaks the generated code; exit 4 on an error finding");
  AddFormatOption(command, *format);
  command->add_flag("--list-rules", *listRules,
                    "List the rules instead: rule, severity, what it finds, an example (no database is read)");
  command->callback([&context, status, format, listRules] {
    if (*listRules) {
      PrintRules(IsJson(*format));
      *status = kOk;
    } else {
      *status = RunLintCommand(context, IsJson(*format));
    }
  });
});

}  // namespace ff::cli
