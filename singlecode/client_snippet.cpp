// Members of CCodeMaker that build the client access snippet of a BLS
// function: the code a client program uses to call the transaction
// through g_pConn and read its answer.
#include <exception>
#include <string>

#include "codetext/code_maker.h"
#include "codetext/config_query.h"
#include "codetext/gen_file.h"
#include "codetext/line_grouping.h"
#include "codetext/request_alignment.h"
#include "codetext/text_fill.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/record.h"
#include "res/function_templates.h"
#include "res/snippet_texts.h"

namespace gbk = ff::gbk;
namespace fn = ff::res::fn;
namespace sn = ff::res::snippet;
using ff::code::Trimmed;

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
    sn::AppendRecordSet(out, {.key = key, .variable = variable, .name = info.name});
  }
  return out;
}

}  // namespace

bool CCodeMaker::MakeBlsClientSnippet(long moduleId, bool /*noPrompt*/, const std::string& code,
                                      std::string& text) {
  text.clear();
  lastError_.clear();
  try {
    CMemRecord functions, request, answer;
    ff::code::RunQuery(ff::code::QueryWithCode(fn::BlsSingleQuery(), moduleId, code), functions);
    std::string snippet;
    for (functions.GoTop(); !functions.Eof(); functions.Skip(1)) {
      const std::string blsCode = gbk::Replaced(Trimmed(functions, fn::CaptionBlsCode()), ".", "_");
      const std::string name = Trimmed(functions, fn::CaptionBlsName());
      const long answerType = gbk::AtoL(Trimmed(functions, fn::CaptionAnswerType()));
      const bool multiRow = IsMultiRowAnswer(answerType, blsCode);
      const long id = gbk::AtoL(Trimmed(functions, fn::CaptionId()));

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
    throw;  // the caller tells the database's reason
  } catch (const std::exception& error) {
    // Anything else (a text too large for memory): no snippet, and the
    // reason stays with the maker instead of some unrelated message.
    text.clear();
    lastError_ = error.what();
    return false;
  }
}

bool CCodeMaker::MakeFosClientSnippet(long, bool, const std::string&, std::string&) {
  // FOS functions have no client snippet.
  return false;
}

std::string CCodeMaker::MakeClientRequestLines(CMemRecord& request) {
  const bool align = beautify_;
  const int rows = request.GetCount();
  std::string out;

  // Definitions: the columns of the server function's request lines.
  ff::code::RequestAlignment alignment(*this, request);
  const int codeWidth = alignment.CodeWidth();
  std::string comment;
  for (request.GoTop(); !request.Eof(); request.Skip(1)) {
    ff::FidVarInfo info = GetFidVarInfo(request);
    comment = info.name;
    if (gbk::AtoL(request.GetRef(fn::CaptionMandatory())) == 1) comment += sn::MandatoryMark();
    if (alignment.Apply(info)) out += fn::NewLine();
    sn::AppendRequestDef(out, {.cType = info.cType,
                               .variable = info.variable,
                               .initValue = info.initValue,
                               .code = info.code,
                               .comment = comment});
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
    sn::AppendRequestSet(out, {.code = info.code, .variable = info.variable});
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
    const std::string comment = sn::MakeAnswerComment({.name = info.name, .typeTag = info.typeTag});
    if (align) {
      // Pads so that the semicolons line up.
      info.variable += Spaces(varWidth - Length(info.initValue) - Length(info.variable) + 2);
      if (info.cType == "long") info.cType += "  ";
      if (grouping.Break(info.cType)) out += fn::NewLine();
    }
    sn::AppendAnswerDef(out, {.cType = info.cType,
                              .variable = info.variable,
                              .initValue = info.initValue,
                              .code = info.code,
                              .comment = comment});
  }
  return out;
}

std::string CCodeMaker::MakeClientAnswerReads(CMemRecord& answer, bool multiRow) {
  const bool align = beautify_;
  const int varWidth = AlignedVarWidth(*this, answer);
  std::string out;
  ff::code::LineGrouping grouping(align, answer.GetCount());
  for (answer.GoTop(); !answer.Eof(); answer.Skip(1)) {
    ff::FidVarInfo info = GetFidVarInfo(answer);
    if (align) {
      info.variable += Spaces(varWidth - Length(info.variable));
      if (grouping.Break(info.cType)) out += fn::NewLine();
    }
    sn::AppendAnswerRead(out, multiRow, {.variable = info.variable, .getter = info.getter, .code = info.code});
  }
  return out;
}

std::string CCodeMaker::MakeClientRecordHeader(CMemRecord& answer) {
  std::string byName, byCode;
  for (answer.GoTop(); !answer.Eof(); answer.Skip(1)) {
    ff::FidVarInfo info = GetFidVarInfo(answer);
    sn::AppendRecordField(byName, {.key = info.name, .typeTag = info.typeTag});
    sn::AppendRecordField(byCode, {.key = ShortFidName(info.variable), .typeTag = info.typeTag});
  }
  // Every field ends in "],": the last comma goes.
  while (!byName.empty() && byName.back() == ',') byName.pop_back();
  while (!byCode.empty() && byCode.back() == ',') byCode.pop_back();
  if (byName.empty()) return {};
  return sn::MakeRecordHeader(byName) + sn::MakeSecondRecordHeader(byCode);
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
