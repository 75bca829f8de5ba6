#include "cli/module_arg.h"

#include <string>

#include "cli/commands.h"
#include "modulecode/module_list.h"

namespace ff::cli {

bool KnownModule(bool bls, long module) {
  for (const code::ModuleRow& row : code::ReadModules(bls))
    if (row.problem == code::ModuleRow::Problem::None && row.id == module) return true;
  PrintError("no " + std::string(bls ? "BLS" : "FOS") + " module with the id " + std::to_string(module));
  return false;
}

}  // namespace ff::cli
