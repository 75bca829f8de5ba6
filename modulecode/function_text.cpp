// Members of CCodeMaker that build the complete text of one server
// function (FOS operation or BLS transaction) from its definition, and
// the request/answer lines and prototypes it is made of.
//
// The text form and the file form run the same assembly: each piece goes
// to a sink as soon as it is made, which appends it to a string or writes
// it to the file. So both forms give the same bytes by construction.
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "codetext/code_maker.h"
#include "codetext/config_query.h"
#include "codetext/gen_file.h"
#include "codetext/line_grouping.h"
#include "codetext/request_alignment.h"
#include "codetext/text_fill.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/record.h"
#include "host/str_split.h"
#include "modulecode/module_function_texts.h"
#include "modulecode/module_parameters.h"
#include "modulecode/module_queries.h"
#include "res/function_templates.h"

namespace gbk = ff::gbk;
namespace fn = ff::res::fn;
using ff::code::Trimmed;

namespace {

// Where the pieces of a function text go.
class Sink {
 public:
  virtual ~Sink() = default;
  virtual void Put(std::string_view piece) = 0;
};

class TextSink : public Sink {
 public:
  explicit TextSink(std::string& out) : out_(out) {}
  void Put(std::string_view piece) override { out_.append(piece); }

 private:
  std::string& out_;
};

class FileSink : public Sink {
 public:
  explicit FileSink(ff::GenFile& file) : file_(file) {}
  void Put(std::string_view piece) override {
    if (!piece.empty()) file_.Write(piece);
  }

 private:
  ff::GenFile& file_;
};

using KindTable = ff::KindTable;

// The kind's texts that hold fixed fields, filled once each.
struct FilledTexts {
  std::string prologue;
  std::string multiRowEnd;
};

std::string WithRetCode(const std::string& tmpl) {
  return ff::FillTemplate(tmpl, {{fn::kRetCode, fn::RetCodeReplacement()}});
}

const FilledTexts& Filled(ff::Kind kind) {
  static const FilledTexts fos{
      ff::FillTemplate(ff::Of(ff::Kind::Fos).prologue, {{fn::kCreateAnswer, fn::CreateAnswerReplacement()}}),
      WithRetCode(ff::Of(ff::Kind::Fos).multiRowEnd)};
  static const FilledTexts bls{ff::Of(ff::Kind::Bls).prologue, WithRetCode(ff::Of(ff::Kind::Bls).multiRowEnd)};
  return kind == ff::Kind::Bls ? bls : fos;
}

const std::string& FosProcedureAnswer() {
  static const std::string text = WithRetCode(fn::FosProcedureAnswer());
  return text;
}

using Infos = std::vector<ff::FidVarInfo>;

// The request lines from the rows' infos (CCodeMaker::GetFidVarInfos).
std::string RequestLines(const CCodeMaker& maker, const Infos& infos) {
  std::string out;
  ff::code::RequestAlignment alignment(maker, infos);
  for (ff::FidVarInfo info : infos) {
    if (alignment.Apply(info)) out += fn::NewLine();
    fn::AppendRequestLine(out, {.cType = info.cType,
                                .variable = info.variable,
                                .getter = info.getter,
                                .code = info.code,
                                .name = info.name});
  }
  out += fn::NewLine();
  return out;
}

using AnswerLineMaker = void (*)(std::string& out, const fn::AnswerLine& line);

std::string AnswerLines(const CCodeMaker& maker, const Infos& infos, AnswerLineMaker appendLine) {
  const bool align = maker.GetBeautify();
  const int rows = static_cast<int>(infos.size());
  std::string out;
  if (rows > 0) out += fn::NewLine();
  int codeWidth = 0, varWidth = 0;
  if (align) CCodeMaker::MeasureCodeVarWidths(infos, codeWidth, varWidth);
  ff::code::LineGrouping grouping(align, rows);
  std::string filler;
  int number = 0;
  for (const ff::FidVarInfo& info : infos) {
    ++number;
    filler.clear();
    if (align) {
      filler = CCodeMaker::Spaces(codeWidth - static_cast<int>(info.code.size()));
      if (grouping.Break(info.cType)) out += fn::NewLine();
    }
    appendLine(out, {.code = info.code, .filler = filler, .row = std::to_string(number), .name = info.name});
  }
  if (rows > 0) out += fn::NewLine();
  return out;
}

// The name of a function built from its code: QUERY_USER_LIST gives
// Query_User_List; empty pieces are skipped.
std::string NameFromCode(const std::string& funName, const std::string& code) {
  std::string name = gbk::Trim(funName);
  if (!name.empty()) return name;
  std::vector<std::string> pieces;
  SplitStrByChar(code, '_', pieces);
  for (std::string& piece : pieces) {
    if (piece.empty()) continue;
    piece = gbk::ToLower(piece);
    if (piece[0] >= 'a' && piece[0] <= 'z') piece[0] = static_cast<char>(piece[0] - 'a' + 'A');
    if (!name.empty()) name += '_';
    name += piece;
  }
  return name;
}

}  // namespace

namespace {

using Parameters = ff::code::FunctionParameters;

// Steps of one function text, for the function record in the current row
// of `functions`.
void EmitFunction(CCodeMaker& maker, const KindTable& kind, const CMemRecord& functions, Parameters& parameters,
                  Sink& sink) {
  CMemRecord request, answer;
  const std::string fnCode = gbk::Replaced(Trimmed(functions, kind.codeCaption), ".", "_");
  const std::string number = Trimmed(functions, kind.numberCaption);
  const std::string name = Trimmed(functions, kind.nameCaption);
  const bool bls = kind == ff::Kind::Bls;
  const long transType = bls ? gbk::AtoL(Trimmed(functions, fn::CaptionTransType())) : 0;
  const long answerType = gbk::AtoL(Trimmed(functions, fn::CaptionAnswerType()));
  const bool multiRow = CCodeMaker::IsMultiRowAnswer(answerType, fnCode);
  const long id = gbk::AtoL(Trimmed(functions, fn::CaptionId()));
  const bool audited = bls && transType == 2;
  const std::string& funName = functions.GetRef(fn::CaptionFunName());
  const std::string prototype = maker.MakePrototype(kind.kind, funName, fnCode);

  CRoutineComment& comment = maker.RoutineComment();
  comment.SetDesign(Trimmed(functions, fn::CaptionDesign()));
  comment.SetFunctionTitle(name);
  comment.SetNote(Trimmed(functions, fn::CaptionNote()));
  comment.SetFunctionPrototype(prototype);
  sink.Put(comment.MakeFunctionComment());

  sink.Put(fn::MakeIdentLine({.code = fnCode, .number = number, .name = name}));
  sink.Put(prototype);
  sink.Put(fn::OpenBrace());
  sink.Put(Filled(kind.kind).prologue);

  sink.Put(fn::RequestComment());
  parameters.Request(id, request);
  // Each row is named once, for its line and its validation.
  const Infos requestInfos = maker.GetFidVarInfos(request);
  sink.Put(RequestLines(maker, requestInfos));
  if (audited) sink.Put(fn::BlsAuditVariables());

  sink.Put(fn::ValidationComment());
  sink.Put(maker.MakeValidateCode(request, requestInfos, multiRow));
  sink.Put(fn::NewLine());

  // The business step.
  if (!bls) {
    sink.Put(fn::FosSqlPlaceholder());
  } else if (transType == 1) {
    sink.Put(fn::BlsStepForward());
  } else if (audited) {
    sink.Put(ff::FillTemplate(fn::BlsAuditFlow(), {{fn::kFuncName, name}}));
  } else {
    sink.Put(fn::BlsStepNoForward());
  }

  // The answer: the loop over the rows, then the end. An audited
  // transaction answers inside its flow.
  if (!audited) {
    if (multiRow) {
      parameters.Answer(id, answer);
      sink.Put(ff::FillTemplate(
          kind.multiRowLoop, {{fn::kFids, AnswerLines(maker, maker.GetFidVarInfos(answer), kind.appendAnswerLine)}}));
      sink.Put(Filled(kind.kind).multiRowEnd);
    } else if (bls) {
      sink.Put(ff::FillTemplate(fn::BlsSingleAnswer(), {{fn::kErrMsg, name}}));
    } else if (answerType == 1) {
      sink.Put(FosProcedureAnswer());
    } else {
      parameters.Answer(id, answer);
      const std::string lines = AnswerLines(maker, maker.GetFidVarInfos(answer), kind.appendAnswerLine);
      std::string text = ff::FillTemplate(
          fn::FosSingleAnswer(), {{fn::kFids, lines}, {fn::kRetCode, fn::RetCodeReplacement()}});
      // The answer lines sit one level less deep than the template's
      // %Fids% line suggests: every twelve blanks become eight.
      gbk::ReplaceAll(text, CCodeMaker::Spaces(12), CCodeMaker::Spaces(8));
      sink.Put(text);
    }
  }

  sink.Put(fn::CloseBrace());
  sink.Put(fn::NewLine());
}

// Steps of one function text, for every function record that the
// single-function query finds.
void EmitFunctions(CCodeMaker& maker, const KindTable& kind, long moduleId, const std::string& code,
                   Sink& sink) {
  CMemRecord functions;
  ff::code::RunQuery(ff::code::QueryWithCode(kind.singleQuery, moduleId, code), functions);
  Parameters parameters(kind.kind);
  for (functions.GoTop(); !functions.Eof(); functions.Skip(1)) EmitFunction(maker, kind, functions, parameters, sink);
}

bool MakeText(CCodeMaker& maker, const KindTable& kind, long moduleId, const std::string& code,
              std::string& text) {
  text.clear();
  maker.SetLastError({});
  try {
    TextSink sink(text);
    EmitFunctions(maker, kind, moduleId, code, sink);
    return true;
  } catch (const ff::QueryError&) {
    text.clear();
    throw;  // the caller tells the database's reason
  } catch (const std::exception& error) {
    // Anything else (a text too large for memory): no text, and the
    // reason stays with the maker instead of some unrelated message.
    text.clear();
    maker.SetLastError(error.what());
    return false;
  }
}

}  // namespace

bool CCodeMaker::MakeFunctionText(ff::Kind kind, long moduleId, const std::string& code, std::string& text) {
  return MakeText(*this, ff::Of(kind), moduleId, code, text);
}

bool CCodeMaker::MakeFosFunctionText(long moduleId, const std::string& code, std::string& text) {
  return MakeFunctionText(ff::Kind::Fos, moduleId, code, text);
}

bool CCodeMaker::MakeBlsFunctionText(long moduleId, const std::string& code, std::string& text) {
  return MakeFunctionText(ff::Kind::Bls, moduleId, code, text);
}

bool CCodeMaker::MakeFunctionFile(ff::Kind kind, const std::string& path, long moduleId, bool noPrompt,
                                  const std::string& code) {
  return GenerateFile(path, noPrompt, std::nullopt, [&](ff::GenFile& file) {
    FileSink sink(file);
    EmitFunctions(*this, ff::Of(kind), moduleId, code, sink);
  });
}

bool CCodeMaker::MakeFosFunctionFile(const std::string& path, long moduleId, bool noPrompt,
                                     const std::string& code) {
  return MakeFunctionFile(ff::Kind::Fos, path, moduleId, noPrompt, code);
}

bool CCodeMaker::MakeBlsFunctionFile(const std::string& path, long moduleId, bool noPrompt,
                                     const std::string& code) {
  return MakeFunctionFile(ff::Kind::Bls, path, moduleId, noPrompt, code);
}

std::string CCodeMaker::MakeFosRequestLines(CMemRecord& request) {
  return RequestLines(*this, GetFidVarInfos(request));
}
std::string CCodeMaker::MakeBlsRequestLines(CMemRecord& request) {
  return RequestLines(*this, GetFidVarInfos(request));
}

std::string CCodeMaker::MakeAnswerLines(ff::Kind kind, CMemRecord& answer) {
  return AnswerLines(*this, GetFidVarInfos(answer), ff::Of(kind).appendAnswerLine);
}

std::string CCodeMaker::MakeFosAnswerLines(CMemRecord& answer) { return MakeAnswerLines(ff::Kind::Fos, answer); }

std::string CCodeMaker::MakeBlsAnswerLines(CMemRecord& answer) { return MakeAnswerLines(ff::Kind::Bls, answer); }

std::string CCodeMaker::MakePrototype(ff::Kind kind, const std::string& funName, const std::string& code) const {
  const std::string name = NameFromCode(funName, code);
  switch (kind) {
    case ff::Kind::Fos:
      return fn::MakePrototype({.prefix = "", .name = name});
    case ff::Kind::Bls: {
      // A name that already starts with "Fun" (Fun_Login, Function...) keeps it.
      const bool marked = name.compare(0, fn::BlsNameMark().size(), fn::BlsNameMark()) == 0;
      return fn::MakePrototype({.prefix = marked ? std::string_view() : fn::BlsNamePrefix(), .name = name});
    }
  }
  return {};
}

std::string CCodeMaker::MakeFosPrototype(const std::string& funName, const std::string& code) const {
  return MakePrototype(ff::Kind::Fos, funName, code);
}

std::string CCodeMaker::MakeBlsPrototype(const std::string& funName, const std::string& code) const {
  return MakePrototype(ff::Kind::Bls, funName, code);
}

ff::code::ModuleFunctionTexts::ModuleFunctionTexts(CCodeMaker& maker, ModuleRows& rows)
    : maker_(maker), kind_(rows.kind) {
  parameters_ = std::make_unique<FunctionParameters>(rows.kind, rows);
}

ff::code::ModuleFunctionTexts::~ModuleFunctionTexts() = default;

bool ff::code::ModuleFunctionTexts::Make(const CMemRecord& functions, std::string& text) {
  const KindTable& kind = ff::Of(kind_);
  // As the function text operations: a failed query stops the source,
  // any other failure gives the empty text and leaves its reason.
  text.clear();
  maker_.SetLastError({});
  try {
    TextSink sink(text);
    EmitFunction(maker_, kind, functions, *parameters_, sink);
    return true;
  } catch (const ff::QueryError&) {
    text.clear();
    throw;
  } catch (const std::exception& error) {
    text.clear();
    maker_.SetLastError(error.what());
    return false;
  }
}
