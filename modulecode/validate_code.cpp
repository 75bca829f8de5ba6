// Members of CCodeMaker that write the request validation code of a
// server function, in the style the user picked.
#include <string>

#include "codetext/code_format.h"
#include "codetext/code_maker.h"
#include "codetext/gen_file.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "res/function_templates.h"
#include "res/validation_texts.h"

namespace gbk = ff::gbk;
namespace val = ff::res::validate;
using ff::code::AppendFormat;
using ff::code::Format;

namespace {

enum Style { kNone = 0, kMacro = 1, kLoose = 2, kCompact = 3 };

// Only a mandatory flag of exactly 1 makes a parameter checked.
bool IsMandatory(const CMemRecord& record) {
  return gbk::AtoL(record.GetRef(ff::res::fn::CaptionMandatory())) == 1;
}

// Text items (data types 1 and 3) must also be non-empty.
bool IsTextItem(int dataType) { return dataType == 1 || dataType == 3; }

// The loose block with its create-answer call in place.
const std::string& LooseBlock() {
  static const std::string block = gbk::Replaced(
      val::LooseBlock(), "%" + std::string(ff::res::fn::kCreateAnswer) + "%",
      ff::res::fn::CreateAnswerReplacement());
  return block;
}

// The compact block around its condition: everything but the condition is
// the same for every function, so it is made once.
struct CompactFrame {
  std::string head, tail;
};
const CompactFrame& Compact() {
  static const CompactFrame frame = [] {
    std::string block = gbk::Replaced(
        val::CompactBlock(), "%" + std::string(ff::res::fn::kCreateAnswer) + "%",
        ff::res::fn::CreateAnswerReplacement());
    block = Format(block, {val::ErrorCode(), val::CompactMessage()});
    const std::string mark = "%" + std::string(val::kValid) + "%";
    size_t at = gbk::Find(block, mark);
    return CompactFrame{block.substr(0, at), block.substr(at + mark.size())};
  }();
  return frame;
}

}  // namespace

std::string CCodeMaker::MakeValidateCode(CMemRecord& request, bool multiRow) {
  switch (validateStyle_) {
    case kMacro:
      return MakeValidateMacro(request, multiRow);
    case kLoose:
      return MakeValidateLoose(request);
    case kCompact:
      return MakeValidateCompact(request);
    default:
      return {};
  }
}

void CCodeMaker::WriteValidateCode(ff::GenFile& file, CMemRecord& request, bool multiRow) {
  const std::string code = MakeValidateCode(request, multiRow);
  if (!code.empty()) file.Write(code);
}

std::string CCodeMaker::MakeValidateLoose(CMemRecord& request) {
  std::string out;
  std::string emptyTest, message;
  for (request.GoTop(); !request.Eof(); request.Skip(1)) {
    if (!IsMandatory(request)) continue;
    ff::FidVarInfo info = GetFidVarInfo(request);
    gbk::ReplaceAll(info.variable, "FidAns", "Fid");
    emptyTest.clear();
    if (IsTextItem(info.dataType)) AppendFormat(emptyTest, val::EmptyTestFormat(), {info.variable});
    message = Format(val::LooseMessageFormat(), {info.code, info.name});
    AppendFormat(out, LooseBlock(), {info.name, info.code, emptyTest, val::ErrorCode(), message});
  }
  return out;
}

std::string CCodeMaker::MakeValidateMacro(CMemRecord& request, bool multiRow) {
  std::string out;
  const std::string& flag = multiRow ? val::TrueWord() : val::FalseWord();
  for (request.GoTop(); !request.Eof(); request.Skip(1)) {
    if (!IsMandatory(request)) continue;
    ff::FidVarInfo info = GetFidVarInfo(request);
    gbk::ReplaceAll(info.variable, "Ans", "");
    const std::string& macro = IsTextItem(info.dataType) ? val::StringMacro() : val::ItemMacro();
    const std::string label = Format(val::MacroLabelFormat(), {info.code, info.name});
    AppendFormat(out, val::MacroLineFormat(), {macro, info.code, info.variable, label, flag});
  }
  return out;
}

std::string CCodeMaker::MakeValidateCompact(CMemRecord& request) {
  std::string condition;
  std::string emptyTest;
  int count = 0;
  for (request.GoTop(); !request.Eof(); request.Skip(1)) {
    if (!IsMandatory(request)) continue;
    ff::FidVarInfo info = GetFidVarInfo(request);
    gbk::ReplaceAll(info.variable, "FidAns", "Fid");
    condition += count == 0 ? val::CompactOpen() : val::CompactNext();
    emptyTest.clear();
    if (IsTextItem(info.dataType)) AppendFormat(emptyTest, val::EmptyTestFormat(), {info.variable});
    AppendFormat(condition, val::CompactItemFormat(), {info.code, emptyTest});
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
