// modules --kind fos|bls [--format text|json]: the modules as the tree
// lists them.
#include <memory>
#include <optional>

#include "cli/commands.h"
#include "cli/module_arg.h"
#include "cli/json_lines.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "host/sim_db.h"
#include "host/config_db.h"
#include "res/module_texts.h"
#include "res/tree_queries.h"

namespace ff::cli {
namespace {

// The module id as a number, or nothing when the text is not an integer.
std::optional<long long> ModuleNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  size_t pos = text[0] == '-' ? 1 : 0;
  if (pos == text.size() || text.size() - pos > 18) return std::nullopt;
  for (size_t i = pos; i < text.size(); ++i)
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
  return std::stoll(text);
}

int ListModules(Context& context, Kind kind, bool json) {
  gbk::KeepForeignText keep;  // a listing is UTF-8: no character is lost
  if (!context.Connect()) return kFailure;
  CMemRecord modules;
  g_pConfigDB->Cmd(Of(kind).moduleQuery);
  if (!g_pConfigDB->SelectInto(&modules, true)) {
    PrintError("the module query failed: " + g_pConfigDB->GetLastErrMsg());
    return kFailure;
  }
  const std::string& id = res::module::CaptionModuleId();
  const std::string& name = res::module::CaptionModuleName();
  const std::string& chinese = res::module::CaptionModuleChineseName();
  for (modules.GoTop(); !modules.Eof(); modules.Skip(1)) {
    if (json) {
      const std::string number = gbk::Trim(modules.GetRef(id, -1));
      JsonLine line;
      line.Utf8("kind", Of(kind).lower);
      if (auto value = ModuleNumber(number))
        line.Number("id", *value);
      else
        line.Null("id");
      line.Text("name", gbk::Trim(modules.GetRef(name, -1)))
          .Text("chinese_name", gbk::Trim(modules.GetRef(chinese, -1)));
      PrintJsonLine(line);
      continue;
    }
    PrintUtf8Line(ListingField(gbk::Trim(modules.GetRef(id, -1))) + '\t' +
                  ListingField(gbk::Trim(modules.GetRef(name, -1))) + '\t' +
                  ListingField(gbk::Trim(modules.GetRef(chinese, -1))));
  }
  return kOk;
}

}  // namespace

FF_CLI_COMMAND(20, [](CLI::App& app, Context& context, int* status) {
  auto* command = app.add_subcommand("modules", "List the FOS or BLS modules: id, name, Chinese name");
  auto kind = std::make_shared<Kind>(Kind::Fos);
  auto format = std::make_shared<std::string>();
  AddKindOption(command, *kind);
  AddFormatOption(command, *format);
  command->callback(
      [&context, status, kind, format] { *status = ListModules(context, *kind, IsJson(*format)); });
});

}  // namespace ff::cli
