// Members of CCodeMaker that map a parameter row to a variable of the
// generated code.
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "codetext/code_maker.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "res/naming_texts.h"
#include "res/param_captions.h"

namespace gbk = ff::gbk;
namespace res = ff::res;

namespace {

const res::FidTypeTexts& TypeTextsFor(int dataType) {
  switch (dataType) {
    case 4:
    case 5:
      return res::LongFidType();
    case 6:
      return res::DoubleFidType();
    default:
      return res::StringFidType();
  }
}

int ReadInt(const CMemRecord& record, const std::string& caption) {
  long value = gbk::AtoL(record.GetRef(caption));
  return static_cast<int>(std::clamp<long>(value, INT32_MIN, INT32_MAX));
}

// One bit per byte value modulo 64: a cheap superset test of the bytes
// a text holds.
std::uint64_t ByteMask(std::string_view text) {
  std::uint64_t mask = 0;
  for (char c : text) mask |= std::uint64_t{1} << (static_cast<unsigned char>(c) & 63);
  return mask;
}

}  // namespace

ff::FidVarInfo CCodeMaker::GetFidVarInfo(const CMemRecord& record) const {
  ff::FidVarInfo info;
  info.code = gbk::Trim(record.GetRef(res::CaptionFidCode()));
  info.dataType = ReadInt(record, res::CaptionDataType());
  const int precision = ReadInt(record, res::CaptionPrecision());
  const int decimals = ReadInt(record, res::CaptionDecimals());

  const res::FidTypeTexts& texts = TypeTextsFor(info.dataType);
  info.variable = texts.prefix;
  info.cType = texts.cType;
  info.getter = texts.getter;
  info.initValue = texts.initValue;
  info.typeTag = res::MakeTypeTag(texts, {.precision = precision, .decimals = decimals});

  // FID_ZJZH_UPDATE -> prefix + ZJZH + UPDATE: every piece but the first,
  // the pieces cut at '_' as SplitStrByChar cuts them (never at a trail
  // byte), joined in place without a list of pieces.
  bool firstPiece = true;
  for (size_t i = 0; i < info.code.size();) {
    if (info.code[i] == '_') {
      firstPiece = false;
      ++i;
      continue;
    }
    const size_t length = gbk::CharLength(info.code, i);
    if (!firstPiece) info.variable.append(info.code, i, length);
    i += length;
  }

  info.name = gbk::Trim(record.GetRef(res::CaptionParamName()));
  MixCaseName(info.variable);
  return info;
}

void CCodeMaker::MixCaseName(std::string& text) {
  for (const res::WordCase* stop : {&res::MessageStopWord(), &res::FatherIdStopWord()}) {
    if (gbk::Contains(text, stop->word)) {
      gbk::ReplaceAll(text, stop->word, stop->mixed);
      return;
    }
  }
  // Most words cannot occur: a word with a byte the name lacks is skipped
  // without a search. A replacement brings in no bytes but those of its
  // mixed form, which join the set, so no later word is skipped wrongly.
  static const std::vector<std::uint64_t> wordMasks = [] {
    std::vector<std::uint64_t> masks;
    for (const res::WordCase& word : res::MixCaseWords()) masks.push_back(ByteMask(word.word));
    return masks;
  }();
  std::uint64_t present = ByteMask(text);
  size_t i = 0;
  for (const res::WordCase& word : res::MixCaseWords()) {
    if ((wordMasks[i++] & ~present) != 0) continue;
    gbk::ReplaceAll(text, word.word, word.mixed);
    present |= ByteMask(word.mixed);
  }
}

bool CCodeMaker::IsMultiRowAnswer(long answerType, const std::string& code) {
  if (answerType == 2) return true;
  if (answerType == 0) return gbk::Contains(code, "LIST") || gbk::Contains(code, "List");
  return false;
}

namespace {

// The greatest lengths of one text of the infos and of their variable names.
void MeasureWidths(const std::vector<ff::FidVarInfo>& infos, std::string ff::FidVarInfo::*text, int& textWidth,
                   int& varWidth) {
  textWidth = 0;
  varWidth = 0;
  for (const ff::FidVarInfo& info : infos) {
    textWidth = std::max(textWidth, static_cast<int>((info.*text).size()));
    varWidth = std::max(varWidth, static_cast<int>(info.variable.size()));
  }
}

}  // namespace

std::vector<ff::FidVarInfo> CCodeMaker::GetFidVarInfos(CMemRecord& record) const {
  std::vector<ff::FidVarInfo> infos;
  infos.reserve(static_cast<size_t>(record.GetCount()));
  for (record.GoTop(); !record.Eof(); record.Skip()) infos.push_back(GetFidVarInfo(record));
  return infos;
}

bool CCodeMaker::MeasureCodeVarWidths(CMemRecord& record, int& codeWidth, int& varWidth) const {
  MeasureWidths(GetFidVarInfos(record), &ff::FidVarInfo::code, codeWidth, varWidth);
  return true;
}

bool CCodeMaker::MeasureNameVarWidths(CMemRecord& record, int& nameWidth, int& varWidth) const {
  MeasureWidths(GetFidVarInfos(record), &ff::FidVarInfo::name, nameWidth, varWidth);
  return true;
}

void CCodeMaker::MeasureCodeVarWidths(const std::vector<ff::FidVarInfo>& infos, int& codeWidth, int& varWidth) {
  MeasureWidths(infos, &ff::FidVarInfo::code, codeWidth, varWidth);
}
