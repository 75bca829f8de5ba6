// Rules over whole tables: duplicate numbers and codes, numbers that give
// no macro value, functions without their module, module ids that name no
// folder.
#pragma once

#include "lint/config_rows.h"
#include "lint/finding.h"

namespace ff::lint {

void CheckFidDefinitions(const ConfigRows& rows, FindingSink& sink);
void CheckFunctionDefinitions(const ConfigRows& rows, FindingSink& sink);
void CheckModules(const ConfigRows& rows, FindingSink& sink);

}  // namespace ff::lint
