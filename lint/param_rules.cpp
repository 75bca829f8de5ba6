#include "lint/param_rules.h"

#include "codetext/text_fill.h"
#include "lint/data_types.h"
#include "lint/rule_names.h"
#include "res/lint_texts.h"

namespace ff::lint {

namespace msg = res::lint::msg;

FidsByCode IndexFidsByCode(const ConfigRows& rows) {
  FidsByCode fids;
  fids.reserve(rows.fids.size());
  for (const FidRow& fid : rows.fids) fids.emplace(fid.code, &fid);
  return fids;
}

void CheckParam(const Where& where, const ParamRow& param, const FidsByCode& fids, FindingSink& sink) {
  const auto function = [&param] { return std::string(param.kind) + " " + std::string(param.functionCode); };
  if (param.code.empty()) {
    sink.Add(Severity::Error, rule::kParamWithoutFid, where,
             FillTemplate(msg::ParamWithoutFid(), {{"Name", param.name}, {"Function", function()}}));
    return;
  }
  const auto found = fids.find(param.code);
  if (found == fids.end()) return;  // an undefined FID: the FID check rules tell
  const FidRow& fid = *found->second;
  if (fid.dataType == param.dataType) return;
  // Codes that map to the same C type (4 and 5, 1 and 7) only confuse; a
  // different C type makes the generated getter read the item wrongly.
  const std::string& paramC = CTypeOf(param.dataType);
  const Severity severity = fid.cType == paramC ? Severity::Warning : Severity::Error;
  sink.Add(severity, rule::kParamType, where,
           FillTemplate(msg::ParamTypeMismatch(), {{"Code", param.code},
                                                   {"Function", function()},
                                                   {"ParamType", std::to_string(param.dataType)},
                                                   {"ParamC", paramC},
                                                   {"FidType", std::to_string(fid.dataType)},
                                                   {"FidC", fid.cType}}));
}

}  // namespace ff::lint
