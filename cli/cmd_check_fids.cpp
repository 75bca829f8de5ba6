// fidforge-cli check-fids [--strict] [--format text|json]: the three FID
// definition checks.
#include <algorithm>
#include <iterator>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/json_lines.h"
#include "fidcheck/fid_check.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/record.h"

namespace ff::cli {

namespace {

// JSON names the check and its columns: FID code, FID name and, for the
// undefined FIDs, the function that uses them.
const char* JsonCheckName(FidCheckKind kind) {
  switch (kind) {
    case FidCheckKind::Bls:
      return "bls_undefined";
    case FidCheckKind::Fos:
      return "fos_undefined";
    case FidCheckKind::Unused:
    default:
      return "unused";
  }
}
constexpr const char* kJsonColumns[] = {"code", "name", "function"};

void PrintJsonRows(FidCheckKind kind, const CMemRecord& record, int count) {
  const int columns = static_cast<int>(std::min<size_t>(record.Columns().size(), std::size(kJsonColumns)));
  for (int row = 0; row < count; ++row) {
    JsonLine line;
    line.Utf8("check", JsonCheckName(kind));
    for (int column = 0; column < columns; ++column)
      line.Text(kJsonColumns[column], gbk::Trim(record.Value(row, column)));
    PrintJsonLine(line);
  }
}

int RunCheckFids(Context& context, bool strict, bool json) {
  gbk::KeepForeignText keep;  // the lists are UTF-8: no character is lost
  if (!context.Connect()) return kFailure;
  bool found = false;
  for (FidCheckKind kind : kFidChecks) {
    CMemRecord record;
    record.Create(FidCheckFields(kind), 0);
    int count;
    try {
      count = RunFidCheck(kind, record);
    } catch (const QueryError& error) {
      // The lists already printed stand; this one and the rest are not told.
      throw error.Within("cannot run the FID check");
    }
    if (count > 0) found = true;
    if (json) {
      PrintJsonRows(kind, record, count);
      continue;
    }
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
  auto format = std::make_shared<std::string>();
  command->add_flag("--strict", *strict, "Exit with status 4 when any list has rows");
  AddFormatOption(command, *format);
  command->callback([&context, status, strict, format] {
    *status = RunCheckFids(context, *strict, IsJson(*format));
  });
});

}  // namespace ff::cli
