// modules --kind fos|bls: the modules as the tree lists them.
#include <memory>

#include "cli/commands.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "host/sim_db.h"
#include "login/config_db.h"
#include "res/module_texts.h"
#include "res/tree_queries.h"

namespace ff::cli {
namespace {

int ListModules(Context& context, const std::string& kind) {
  if (!context.Connect()) return kFailure;
  CMemRecord modules;
  g_pConfigDB->Cmd(res::ModuleQuery(kind == "bls"));
  if (!g_pConfigDB->SelectInto(&modules, true)) {
    PrintError("the module query failed: " + g_pConfigDB->GetLastErrMsg());
    return kFailure;
  }
  const std::string& id = res::module::CaptionModuleId();
  const std::string& name = res::module::CaptionModuleName();
  const std::string& chinese = res::module::CaptionModuleChineseName();
  for (modules.GoTop(); !modules.Eof(); modules.Skip(1)) {
    PrintLine(gbk::Trim(modules.GetRef(id, -1)) + '\t' + gbk::Trim(modules.GetRef(name, -1)) + '\t' +
              gbk::Trim(modules.GetRef(chinese, -1)));
  }
  return kOk;
}

}  // namespace

FF_CLI_COMMAND(20, [](CLI::App& app, Context& context, int* status) {
  auto* command = app.add_subcommand("modules", "List the FOS or BLS modules: id, name, Chinese name");
  auto kind = std::make_shared<std::string>();
  command->add_option("--kind", *kind, "fos or bls")->required()->check(CLI::IsMember({"fos", "bls"}));
  command->callback([&context, status, kind] { *status = ListModules(context, *kind); });
});

}  // namespace ff::cli
