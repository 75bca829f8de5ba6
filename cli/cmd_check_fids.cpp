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

// The heading of a list in text form: a '#' comment line, which a script
// drops with `grep -v '^#'`; every other line is a tab-separated row.
// Standard error stays for what went wrong.
std::string Heading(FidCheckKind kind, int count) {
  const std::string fids = count == 1 ? "1 FID" : std::to_string(count) + " FIDs";
  switch (kind) {
    case FidCheckKind::Bls:
      return count < 1 ? "# BLS: no FID is used without a definition"
                       : "# BLS: " + fids + " used without a definition (code, name, function):";
    case FidCheckKind::Fos:
      return count < 1 ? "# FOS: no FID is used without a definition"
                       : "# FOS: " + fids + " used without a definition (code, name, function):";
    case FidCheckKind::Unused:
    default:
      return count < 1 ? "# unused: every FID is used" : "# unused: " + fids + " that nothing uses (code, name):";
  }
}

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
    PrintUtf8Line(Heading(kind, count));
    const int columns = static_cast<int>(record.Columns().size());
    for (int row = 0; row < count; ++row) {
      std::string line;
      for (int column = 0; column < columns; ++column) {
        if (column > 0) line += '\t';
        line += ListingField(gbk::Trim(record.Value(row, column)));
      }
      PrintUtf8Line(line);
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
