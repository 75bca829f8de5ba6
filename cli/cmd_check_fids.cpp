// fidforge-cli check-fids [--strict]: the three FID definition checks.
#include <memory>
#include <string>

#include "cli/commands.h"
#include "fidcheck/fid_check.h"
#include "host/gbk_text.h"
#include "host/record.h"

namespace ff::cli {

namespace {

int RunCheckFids(Context& context, bool strict) {
  if (!context.Connect()) return kFailure;
  bool found = false;
  for (FidCheckKind kind : kFidChecks) {
    CMemRecord record;
    record.Create(FidCheckFields(kind), 0);
    const int count = RunFidCheck(kind, record);
    if (count > 0) found = true;
    PrintLine(FidCheckMessage(kind, count));
    const int columns = static_cast<int>(record.Columns().size());
    for (int row = 0; row < count; ++row) {
      std::string line;
      for (int column = 0; column < columns; ++column) {
        if (column > 0) line += '\t';
        line += gbk::Trim(record.Value(row, column));
      }
      PrintLine(line);
    }
  }
  return strict && found ? kCheckFound : kOk;
}

}  // namespace

FF_CLI_COMMAND(70, [](CLI::App& app, Context& context, int* status) {
  auto strict = std::make_shared<bool>(false);
  CLI::App* command = app.add_subcommand(
      "check-fids", "List FIDs that parameters use without a definition, and FIDs nothing uses");
  command->add_flag("--strict", *strict, "Exit with status 4 when any list has rows");
  command->callback([&context, status, strict] { *status = RunCheckFids(context, *strict); });
});

}  // namespace ff::cli
