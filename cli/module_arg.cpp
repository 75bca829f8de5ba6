#include "cli/module_arg.h"

#include <string>

#include "cli/commands.h"
#include "modulecode/module_list.h"

namespace ff::cli {

CLI::Option* AddKindOption(CLI::App* command, Kind& kind) {
  return command
      ->add_option_function<std::string>(
          "--kind", [&kind](const std::string& name) { kind = KindNamed(name).value_or(Kind::Fos); }, "fos or bls")
      ->required()
      ->check(CLI::IsMember({Of(Kind::Fos).lower, Of(Kind::Bls).lower}));
}

bool KnownModule(Kind kind, long module) {
  for (const code::ModuleRow& row : code::ReadModules(kind))
    if (row.problem == code::ModuleRow::Problem::None && row.id == module) return true;
  PrintError("no " + std::string(Of(kind).name) + " module with the id " + std::to_string(module));
  return false;
}

}  // namespace ff::cli
