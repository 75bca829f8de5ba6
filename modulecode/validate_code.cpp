// Members of CCodeMaker that write the request validation code of a
// server function, in the style the user picked.
#include <string>
#include <vector>

#include "codetext/code_maker.h"
#include "codetext/gen_file.h"
#include "codetext/text_fill.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "res/function_templates.h"
#include "res/validation_texts.h"

namespace gbk = ff::gbk;
namespace fn = ff::res::fn;
namespace val = ff::res::validate;

namespace {

// Only a mandatory flag of exactly 1 makes a parameter checked.
bool IsMandatory(const CMemRecord& record) {
  return gbk::AtoL(record.GetRef(fn::CaptionMandatory())) == 1;
}

// Text items (data types 1 and 3) must also be non-empty.
bool IsTextItem(int dataType) { return dataType == 1 || dataType == 3; }

// The compact block around its condition: everything but the condition is
// the same for every function, so it is made once.
struct CompactFrame {
  std::string head, tail;
};
const CompactFrame& Compact() {
  static const CompactFrame frame = [] {
    // %Valid% names no value here: it stays, and the block is cut there.
    const std::string block = ff::FillTemplate(val::CompactBlock(),
                                               {{fn::kCreateAnswer, fn::CreateAnswerReplacement()},
                                                {val::kErrorCode, val::ErrorCode()},
                                                {val::kErrorMessage, val::CompactMessage()}});
    const std::string mark = "%" + std::string(val::kValid) + "%";
    size_t at = gbk::Find(block, mark);
    return CompactFrame{block.substr(0, at), block.substr(at + mark.size())};
  }();
  return frame;
}

}  // namespace

namespace {

using Infos = std::vector<ff::FidVarInfo>;

// The rows of `request` are walked in step with their infos.
std::string Loose(CMemRecord& request, const Infos& infos) {
  std::string out;
  for (request.GoTop(); !request.Eof(); request.Skip(1)) {
    if (!IsMandatory(request)) continue;
    ff::FidVarInfo info = infos.at(static_cast<size_t>(request.CurrentRow()));
    gbk::ReplaceAll(info.variable, "FidAns", "Fid");
    const std::string emptyTest = IsTextItem(info.dataType) ? val::EmptyTest(info.variable) : std::string();
    const std::string message = val::MakeLooseMessage({.code = info.code, .name = info.name});
    out += ff::FillTemplate(val::LooseBlock(), {{val::kParamName, info.name},
                                                {val::kFidCode, info.code},
                                                {val::kEmptyTest, emptyTest},
                                                {fn::kCreateAnswer, fn::CreateAnswerReplacement()},
                                                {val::kErrorCode, val::ErrorCode()},
                                                {val::kErrorMessage, message}});
  }
  return out;
}

std::string Macro(CMemRecord& request, const Infos& infos, bool multiRow) {
  std::string out;
  const std::string& flag = multiRow ? val::TrueWord() : val::FalseWord();
  for (request.GoTop(); !request.Eof(); request.Skip(1)) {
    if (!IsMandatory(request)) continue;
    ff::FidVarInfo info = infos.at(static_cast<size_t>(request.CurrentRow()));
    gbk::ReplaceAll(info.variable, "Ans", "");
    const std::string& macro = IsTextItem(info.dataType) ? val::StringMacro() : val::ItemMacro();
    val::AppendMacroLine(out, {.macro = macro,
                               .code = info.code,
                               .variable = info.variable,
                               .name = info.name,
                               .multiRowFlag = flag});
  }
  return out;
}

std::string CompactCode(CMemRecord& request, const Infos& infos) {
  std::string condition;
  int count = 0;
  std::string variable;
  for (request.GoTop(); !request.Eof(); request.Skip(1)) {
    if (!IsMandatory(request)) continue;
    const ff::FidVarInfo& info = infos.at(static_cast<size_t>(request.CurrentRow()));
    variable = info.variable;
    gbk::ReplaceAll(variable, "FidAns", "Fid");
    condition += count == 0 ? val::CompactOpen() : val::CompactNext();
    const std::string emptyTest = IsTextItem(info.dataType) ? val::EmptyTest(variable) : std::string();
    val::AppendCompactItem(condition, {.code = info.code, .emptyTest = emptyTest});
    ++count;
  }
  if (count == 0) return {};
  condition += count == 1 ? val::CompactCloseOne() : val::CompactCloseMany();

  const CompactFrame& frame = Compact();
  std::string out;
  out.reserve(frame.head.size() + condition.size() + frame.tail.size());
  out += frame.head;
  out += condition;
  out += frame.tail;
  return out;
}

}  // namespace

std::string CCodeMaker::MakeValidateCode(CMemRecord& request, bool multiRow) {
  if (validateStyle_ == ff::ValidateStyle::None) return {};
  return MakeValidateCode(request, GetFidVarInfos(request), multiRow);
}

std::string CCodeMaker::MakeValidateCode(CMemRecord& request, const std::vector<ff::FidVarInfo>& infos,
                                         bool multiRow) {
  switch (validateStyle_) {
    case ff::ValidateStyle::Macro:
      return Macro(request, infos, multiRow);
    case ff::ValidateStyle::Loose:
      return Loose(request, infos);
    case ff::ValidateStyle::Compact:
      return CompactCode(request, infos);
    case ff::ValidateStyle::None:
      break;
  }
  return {};  // none, or a code of no style
}

void CCodeMaker::WriteValidateCode(ff::GenFile& file, CMemRecord& request, bool multiRow) {
  const std::string code = MakeValidateCode(request, multiRow);
  if (!code.empty()) file.Write(code);
}

std::string CCodeMaker::MakeValidateLoose(CMemRecord& request) { return Loose(request, GetFidVarInfos(request)); }

std::string CCodeMaker::MakeValidateMacro(CMemRecord& request, bool multiRow) {
  return Macro(request, GetFidVarInfos(request), multiRow);
}

std::string CCodeMaker::MakeValidateCompact(CMemRecord& request) {
  return CompactCode(request, GetFidVarInfos(request));
}
