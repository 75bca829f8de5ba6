#include "codetext/request_alignment.h"

#include "codetext/code_maker.h"
#include "host/gbk_text.h"
#include "host/record.h"

namespace ff::code {

namespace {
int Length(const std::string& text) { return static_cast<int>(text.size()); }
}  // namespace

RequestAlignment::RequestAlignment(const CCodeMaker& maker, CMemRecord& record)
    // Without alignment nothing is measured and no line is grouped.
    : RequestAlignment(maker, maker.GetBeautify() ? maker.GetFidVarInfos(record) : std::vector<FidVarInfo>()) {}

RequestAlignment::RequestAlignment(const CCodeMaker& maker, const std::vector<FidVarInfo>& infos)
    : align_(maker.GetBeautify()), grouping_(align_, static_cast<int>(infos.size())) {
  if (align_) {
    CCodeMaker::MeasureCodeVarWidths(infos, codeWidth_, varWidth_);
    varWidth_ -= 3;  // "FidAns" becomes "Fid"
  }
}

bool RequestAlignment::Apply(FidVarInfo& info) {
  gbk::ReplaceAll(info.variable, "FidAns", "Fid");
  if (!align_) return false;
  info.variable += CCodeMaker::Spaces(varWidth_ - Length(info.variable));
  // The getter "Double" is two characters longer than "Item" and "Long".
  const int less = info.cType == "double" ? 2 : 0;
  info.code += CCodeMaker::Spaces(codeWidth_ - Length(info.code) - less);
  if (info.cType == "long") info.cType += "  ";
  return grouping_.Break(info.cType);
}

}  // namespace ff::code
