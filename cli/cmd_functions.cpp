// functions --kind fos|bls --module N: the functions of one module as the
// tree shows them: the function key, a tab, code and name; or with
// --format json one object per function.
#include <cstdio>
#include <memory>

#include "cli/commands.h"
#include "cli/json_lines.h"
#include "cli/module_arg.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "host/sim_db.h"
#include "host/config_db.h"
#include "res/function_templates.h"
#include "res/tree_queries.h"

namespace ff::cli {
namespace {

int ListFunctions(Context& context, Kind kind, long module, bool json) {
  gbk::KeepForeignText keep;  // a listing is UTF-8: no character is lost
  if (!context.Connect()) return kFailure;
  if (!KnownModule(kind, module)) return kFailure;
  CMemRecord functions;
  g_pConfigDB->Cmd(res::FunctionQuery(kind, module));
  if (!g_pConfigDB->SelectInto(&functions, true)) {
    PrintError("the function query failed: " + g_pConfigDB->GetLastErrMsg());
    return kFailure;
  }
  const std::string& code = Of(kind).codeCaption;
  const std::string& name = Of(kind).nameCaption;
  const std::string prefix = std::to_string(module) + '|';
  for (functions.GoTop(); !functions.Eof(); functions.Skip(1)) {
    // Code and name exactly as delivered, blanks and all.
    const std::string& c = functions.GetRef(code, -1);
    if (json) {
      PrintJsonLine(JsonLine()
                        .Utf8("kind", Of(kind).lower)
                        .Number("module", module)
                        .Text("key", prefix + c)
                        .Text("code", c)
                        .Text("name", functions.GetRef(name, -1)));
      continue;
    }
    PrintUtf8Line(ListingField(prefix + c) + '\t' + ListingField(c + ' ' + functions.GetRef(name, -1)));
  }
  return kOk;
}

}  // namespace

FF_CLI_COMMAND(30, [](CLI::App& app, Context& context, int* status) {
  auto* command = app.add_subcommand("functions", "List the functions of one module: key, code and name");
  auto kind = std::make_shared<Kind>(Kind::Fos);
  auto module = std::make_shared<long>(0);
  AddKindOption(command, *kind);
  auto format = std::make_shared<std::string>();
  command->add_option("--module", *module, "module number")->required();
  AddFormatOption(command, *format);
  command->callback([&context, status, kind, module, format] {
    *status = ListFunctions(context, *kind, *module, IsJson(*format));
  });
});

}  // namespace ff::cli
