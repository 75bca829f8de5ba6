// fidforge-cli lint [--format text|json]: every finding of the
// configuration database lint, one per line.
#include <cstdio>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/json_lines.h"
#include "host/config_db.h"
#include "host/gbk_text.h"
#include "host/sim_db.h"
#include "lint/lint_run.h"

namespace ff::cli {
namespace {

int RunLintCommand(Context& context, bool json) {
  if (!context.Connect()) return kFailure;
  const lint::LintResult result = lint::RunLint(*g_pConfigDB);
  if (!result.ok) {
    PrintError(result.error);
    return kFailure;
  }
  for (const lint::Finding& finding : result.findings) {
    if (json) {
      PrintJsonLine(JsonLine()
                        .Utf8("severity", lint::SeverityName(finding.severity))
                        .Utf8("rule", finding.rule)
                        .Text("table", finding.where.table)
                        .Text("id", finding.where.id)
                        .Text("code", finding.where.code)
                        .Text("message", finding.message));
    } else {
      PrintLine(lint::FindingLine(finding));
    }
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    PrintError("cannot write the findings to standard output");
    return kFailure;
  }
  return result.HasErrors() ? kCheckFound : kOk;
}

}  // namespace

FF_CLI_COMMAND(75, [](CLI::App& app, Context& context, int* status) {
  auto format = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand(
      "lint", "Check the configuration database for what breaks the generated code; exit 4 on an error finding");
  AddFormatOption(command, *format);
  command->callback([&context, status, format] { *status = RunLintCommand(context, IsJson(*format)); });
});

}  // namespace ff::cli
