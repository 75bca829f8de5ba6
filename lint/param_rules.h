// Rules on single parameter rows (T156, T162): a parameter without a FID
// code, a data type that differs from its FID's.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "lint/config_rows.h"
#include "lint/finding.h"

namespace ff::lint {

// The FIDs by code (the first row of a code, as a header would define it).
using FidsByCode = std::unordered_map<std::string_view, const FidRow*>;
FidsByCode IndexFidsByCode(const ConfigRows& rows);

struct ParamRow {
  std::string_view code;  // FID编码, trimmed
  std::string_view name;  // 参数名称, trimmed
  int dataType = 0;
  std::string_view kind;          // "FOS" or "BLS"
  std::string_view functionCode;  // the code of its function
};

void CheckParam(const Where& where, const ParamRow& param, const FidsByCode& fids, FindingSink& sink);

}  // namespace ff::lint
