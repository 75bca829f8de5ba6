// Members of CCodeMaker that build the client access snippet of a BLS
// function: the code a client program uses to call the transaction
// through g_pConn and read its answer.
#include <string>

#include "codetext/code_format.h"
#include "codetext/code_maker.h"
#include "codetext/gen_file.h"
#include "codetext/text_fill.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/record.h"
#include "codetext/config_query.h"
#include "codetext/line_grouping.h"
#include "res/function_templates.h"
#include "res/snippet_texts.h"

namespace gbk = ff::gbk;
namespace fn = ff::res::fn;
namespace sn = ff::res::snippet;
using ff::code::AppendFormat;
using ff::code::Format;

namespace {

int Length(const std::string& text) { return static_cast<int>(text.size()); }

// KHH of sFidAnsKHH; empty when the name holds no "FidAns".
std::string ShortFidName(const std::string& variable) {
  size_t at = gbk::Find(variable, "FidAns");
  return at == std::string::npos ? std::string() : variable.substr(at + 6);
}

bool IsStringLiteral(const std::string& initValue) { return initValue == "\"\""; }

// The greatest variable name length of the record when aligning, else 0.
int AlignedVarWidth(const CCodeMaker& maker, CMemRecord& record) {
  int codeWidth = 0, varWidth = 0;
  if (maker.GetBeautify()) maker.MeasureCodeVarWidths(record, codeWidth, varWidth);
  return varWidth;
}

// Record set lines, keyed by parameter name or by short FID name.
std::string RecordSetLines(const CCodeMaker& maker, CMemRecord& answer, bool byName) {
  const bool align = maker.GetBeautify();
  const std::string& suffix = sn::CStrSuffix();
  int keyWidth = 0, varWidth = 0;
  if (align) {
    if (byName) {
      maker.MeasureNameVarWidths(answer, keyWidth, varWidth);
    } else {
      maker.MeasureCodeVarWidths(answer, keyWidth, varWidth);
    }
  }
  std::string out;
  ff::code::LineGrouping grouping(align, answer.GetCount());
  for (answer.GoTop(); !answer.Eof(); answer.Skip(1)) {
    ff::FidVarInfo info = maker.GetFidVarInfo(answer);
    const bool text = info.dataType == 0 || info.dataType == 1 || info.dataType == 3;
    std::string variable = info.variable;
    if (text) variable += suffix;
    if (align) {
      if (!text) variable += CCodeMaker::Spaces(Length(suffix));
      const int length = Length(variable);
      const int before = keyWidth - Length(byName ? info.name : info.code);
      variable = CCodeMaker::Spaces(before) + variable + CCodeMaker::Spaces(varWidth + 8 - length);
      if (grouping.Break(info.cType)) out += fn::NewLine();
    }
    const std::string key = byName ? info.name : ShortFidName(info.variable);
    AppendFormat(out, sn::RecordSetFormat(), {key, variable, info.name});
  }
  return out;
}

}  // namespace

bool CCodeMaker::MakeBlsClientSnippet(long moduleId, bool /*noPrompt*/, const std::string& code,
                                      std::string& text) {
  text.clear();
  try {
    CMemRecord functions, request, answer;
    ff::code::RunQuery(ff::code::QueryWithCode(fn::BlsSingleQuery(), moduleId, code), functions);
    std::string snippet;
    for (functions.GoTop(); !functions.Eof(); functions.Skip(1)) {
      const std::string blsCode =
          gbk::Replaced(gbk::Trim(functions.GetRef(fn::CaptionBlsCode())), ".", "_");
      const std::string name = gbk::Trim(functions.GetRef(fn::CaptionBlsName()));
      const long answerType = gbk::AtoL(gbk::Trim(functions.GetRef(fn::CaptionAnswerType())));
      const bool multiRow = IsMultiRowAnswer(answerType, blsCode);
      const long id = gbk::AtoL(gbk::Trim(functions.GetRef(fn::CaptionId())));

      const std::string& tmpl =
          multiRow ? sn::MultiRow() : (answerType == 1 ? sn::ProcedureAnswer() : sn::SingleAnswer());

      ff::code::RunQuery(ff::code::QueryWithId(fn::BlsRequestQuery(), id), request);
      const std::string requestLines = MakeClientRequestLines(request);

      ff::code::RunQuery(ff::code::QueryWithId(fn::BlsAnswerQuery(), id), answer);
      std::string definitions = MakeClientAnswerDefs(answer);
      if (multiRow) definitions += MakeClientRecordHeader(answer);
      std::string reads = MakeClientAnswerReads(answer, multiRow);
      if (reads.empty()) {
        reads = fn::NewLine();
      } else if (multiRow) {
        reads += sn::RecordIntro();
        reads += MakeClientRecordSetByName(answer);
        reads += sn::SecondRecordIntro();
        reads += MakeClientRecordSetByCode(answer);
      }
      snippet = ff::FillTemplate(tmpl, {{sn::kBlsCode, blsCode},
                                        {sn::kBlsName, name},
                                        {sn::kFidQs, requestLines},
                                        {sn::kFidADefs, definitions},
                                        {sn::kFidAs, reads}});
    }
    // Only the last function found gives the snippet.
    text = std::move(snippet);
    return true;
  } catch (const ff::QueryError&) {
    throw;
  } catch (...) {
    text.clear();
    return false;
  }
}

bool CCodeMaker::MakeFosClientSnippet(long, bool, const std::string&, std::string&) {
  // FOS functions have no client snippet.
  return false;
}

std::string CCodeMaker::MakeClientRequestLines(CMemRecord& request) {
  const bool align = beautify_;
  int codeWidth = 0, varWidth = 0;
  if (align) {
    MeasureCodeVarWidths(request, codeWidth, varWidth);
    varWidth -= 3;  // "FidAns" becomes "Fid"
  }
  const int rows = request.GetCount();
  std::string out;

  // Definitions.
  ff::code::LineGrouping defGroups(align, rows);
  std::string comment;
  for (request.GoTop(); !request.Eof(); request.Skip(1)) {
    ff::FidVarInfo info = GetFidVarInfo(request);
    gbk::ReplaceAll(info.variable, "FidAns", "Fid");
    comment = info.name;
    if (gbk::AtoL(request.GetRef(fn::CaptionMandatory())) == 1) comment += sn::MandatoryMark();
    if (align) {
      info.variable += Spaces(varWidth - Length(info.variable));
      const int less = info.cType == "double" ? 2 : 0;
      info.code += Spaces(codeWidth - Length(info.code) - less);
      if (info.cType == "long") info.cType += "  ";
      if (defGroups.Break(info.cType)) out += fn::NewLine();
    }
    AppendFormat(out, sn::RequestDefFormat(),
                 {info.cType, info.variable, info.initValue, info.code, comment});
  }
  if (rows > 0) out += fn::NewLine();

  // Set calls.
  ff::code::LineGrouping setGroups(align, rows);
  for (request.GoTop(); !request.Eof(); request.Skip(1)) {
    ff::FidVarInfo info = GetFidVarInfo(request);
    gbk::ReplaceAll(info.variable, "FidAns", "Fid");
    if (IsStringLiteral(info.initValue)) info.variable += sn::CStrSuffix();
    if (align) {
      info.variable = Spaces(codeWidth - Length(info.code)) + info.variable;
      if (setGroups.Break(info.cType)) out += fn::NewLine();
    }
    AppendFormat(out, sn::RequestSetFormat(), {info.code, info.variable});
  }
  return out;
}

std::string CCodeMaker::MakeClientAnswerDefs(CMemRecord& answer) {
  const bool align = beautify_;
  const int varWidth = AlignedVarWidth(*this, answer);
  std::string out;
  ff::code::LineGrouping grouping(align, answer.GetCount());
  for (answer.GoTop(); !answer.Eof(); answer.Skip(1)) {
    ff::FidVarInfo info = GetFidVarInfo(answer);
    const std::string comment = Format(sn::CommentFormat(), {info.name, info.typeTag});
    if (align) {
      // Pads so that the semicolons line up.
      info.variable += Spaces(varWidth - Length(info.initValue) - Length(info.variable) + 2);
      if (info.cType == "long") info.cType += "  ";
      if (grouping.Break(info.cType)) out += fn::NewLine();
    }
    AppendFormat(out, sn::AnswerDefFormat(),
                 {info.cType, info.variable, info.initValue, info.code, comment});
  }
  return out;
}

std::string CCodeMaker::MakeClientAnswerReads(CMemRecord& answer, bool multiRow) {
  const bool align = beautify_;
  const std::string& format = multiRow ? sn::ReadFormatMulti() : sn::ReadFormatSingle();
  const int varWidth = AlignedVarWidth(*this, answer);
  std::string out;
  ff::code::LineGrouping grouping(align, answer.GetCount());
  for (answer.GoTop(); !answer.Eof(); answer.Skip(1)) {
    ff::FidVarInfo info = GetFidVarInfo(answer);
    if (align) {
      info.variable += Spaces(varWidth - Length(info.variable));
      if (grouping.Break(info.cType)) out += fn::NewLine();
    }
    AppendFormat(out, format, {info.variable, info.getter, info.code});
  }
  return out;
}

std::string CCodeMaker::MakeClientRecordHeader(CMemRecord& answer) {
  std::string byName, byCode;
  for (answer.GoTop(); !answer.Eof(); answer.Skip(1)) {
    ff::FidVarInfo info = GetFidVarInfo(answer);
    AppendFormat(byName, sn::RecordFieldFormat(), {info.name, info.typeTag});
    AppendFormat(byCode, sn::RecordFieldFormat(), {ShortFidName(info.variable), info.typeTag});
  }
  // Every field ends in "],": the last comma goes.
  while (!byName.empty() && byName.back() == ',') byName.pop_back();
  while (!byCode.empty() && byCode.back() == ',') byCode.pop_back();
  if (byName.empty()) return {};
  std::string out = Format(sn::RecordHeaderFormat(), {byName});
  AppendFormat(out, sn::SecondRecordHeaderFormat(), {byCode});
  return out;
}

std::string CCodeMaker::MakeClientRecordSetByName(CMemRecord& answer) {
  return RecordSetLines(*this, answer, true);
}

std::string CCodeMaker::MakeClientRecordSetByCode(CMemRecord& answer) {
  return RecordSetLines(*this, answer, false);
}

bool CCodeMaker::WriteTextFile(const std::string& path, bool noPrompt, const std::string& text) {
  return GenerateFile(path, noPrompt, std::nullopt, [&](ff::GenFile& file) { file.Write(text); });
}
