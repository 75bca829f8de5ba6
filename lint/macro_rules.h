// macro-redefined: one macro name defined by two of the generated headers
// (fiddef.h, fosdef.h, blsdef.h, sysdef.h and their guards), which fixdef.h
// includes together, or twice by sysdef.h.
#pragma once

#include "lint/config_rows.h"
#include "lint/finding.h"

namespace ff::lint {

void CheckMacroRedefinitions(const ConfigRows& rows, FindingSink& sink);

}  // namespace ff::lint
