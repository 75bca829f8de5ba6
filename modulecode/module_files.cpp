// Members of CCodeMaker that write the source pair of a server module:
// Process.h with one prototype per function, Process.cpp with the
// complete text of every function.
#include <string>
#include <string_view>
#include <vector>

#include "codetext/code_maker.h"
#include "codetext/config_query.h"
#include "codetext/gen_file.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/record.h"
#include "modulecode/module_function_texts.h"
#include "modulecode/module_queries.h"
#include "modulecode/server_collation.h"
#include "res/file_texts.h"
#include "res/module_queries.h"
#include "res/function_templates.h"
#include "res/module_texts.h"

namespace gbk = ff::gbk;
namespace fn = ff::res::fn;
namespace mod = ff::res::module;

namespace {

// The prototype of a function as a declaration: its line end gives way to
// a semicolon and a line end.
std::string Declaration(std::string prototype) {
  while (!prototype.empty() && prototype.back() == '\n') prototype.pop_back();
  while (!prototype.empty() && prototype.back() == '\r') prototype.pop_back();
  prototype += fn::DeclarationEnd();
  return prototype;
}

// Why the declaration or body of a function cannot come out whole, or
// nothing. A code or name that is no text (NULL, a BLOB, bytes that are no
// UTF-8, characters GBK lacks) would declare a function C++ cannot parse,
// and its code cannot find its record again.
std::string FunctionFault(const std::string& code, const std::string& funName) {
  auto lost = [](const std::string& what, const std::string& text) {
    return what + " came out as \"" + text + "\": it holds characters GBK lacks or bytes that are no text";
  };
  if (code.find('\0') != std::string::npos) return "its code holds a NUL byte";
  if (code.empty()) return "its code is NULL or blank";
  if (gbk::Contains(code, "?")) return lost("its code", code);
  if (gbk::Contains(funName, "?") || funName.find('\0') != std::string::npos) return lost("its name", funName);
  return {};
}

std::string FunctionLabel(ff::Kind kind, const std::string& number, const std::string& code) {
  // A code with a NUL byte is named by its number alone: the byte would
  // end the message's line for many readers.
  const bool shown = !code.empty() && code.find('\0') == std::string::npos;
  return std::string(ff::Of(kind).name) + " function " + number + (shown ? " " + code : "");
}

// Process.h after its file comment. With `faults`, every function that
// cannot be declared whole is named there.
template <class Write>
void WriteHeaderBody(CCodeMaker& maker, Write&& write, ff::code::ModuleRows& rows,
                     std::vector<std::string>* faults = nullptr) {
  const ff::KindTable& kind = ff::Of(rows.kind);
  const std::string& guard = mod::HeaderGuard();
  write(ff::res::GuardBegin(guard));
  write(ff::res::GuardDefine(guard));

  CMemRecord& functions = rows.functions;
  const std::string& codeCaption = kind.codeCaption;
  const std::string& numberCaption = kind.numberCaption;
  const std::string& nameCaption = kind.nameCaption;
  std::string entry;
  for (functions.GoTop(); !functions.Eof(); functions.Skip(1)) {
    const std::string code = gbk::Replaced(ff::code::Trimmed(functions, codeCaption), ".", "_");
    const std::string& funName = functions.GetRef(fn::CaptionFunName());
    const std::string number = ff::code::Trimmed(functions, numberCaption);
    if (faults) {
      const std::string fault = FunctionFault(gbk::Trim(functions.GetRef(codeCaption)), gbk::Trim(funName));
      if (!fault.empty()) faults->push_back(FunctionLabel(kind.kind, number, code) + ": " + fault);
    }
    entry = fn::MakeIdentLine({.code = code, .number = number, .name = ff::code::Trimmed(functions, nameCaption)});
    entry += Declaration(maker.MakePrototype(kind.kind, funName, code));
    entry += fn::NewLine();
    write(entry);
  }

  write(ff::res::GuardEnd(guard));
}

// True when the single-function query of each function record's code
// would find that record and no other. A code stored with trailing blanks
// finds itself only where the column's comparison ignores them (SQL
// Server, a SQLite column with COLLATE RTRIM): the database is asked,
// once for the module, and only when such a code is there (a run over the
// whole kind has asked already).
bool EachCodeFindsOnlyItself(const ff::code::ModuleRows& rows, const std::string& codeCaption) {
  const CMemRecord& functions = rows.functions;
  std::vector<std::string_view> codes;
  codes.reserve(static_cast<size_t>(functions.GetCount()));
  const int column = functions.ColumnIndex(codeCaption);
  bool padded = false;
  for (int row = 0; row < functions.GetCount(); ++row) {
    codes.push_back(functions.Value(row, column));
    padded |= !codes.back().empty() && codes.back().back() == ' ';
  }
  if (!ff::code::EachCodeFindsOnlyItself(codes)) return false;
  if (!padded) return true;
  if (rows.unfoundPadded) return *rows.unfoundPadded == 0;
  CMemRecord unfound;
  const std::string& query = ff::Of(rows.kind).unfoundPaddedCodesQuery;
  ff::code::RunQuery(ff::code::QueryWithId(query, rows.moduleId), unfound);
  return unfound.GetCount() == 1 && ff::code::Trimmed(unfound, "N") == "0";
}

// Every function of the module, handed to `write` one function at a time.
// Each function is queried again by its code, as the function text
// operations do; when every code finds only its own record, the module's
// records and its request and answer parameters give the same texts
// without a query for each function. `kind`: the run's rows, which hold
// the parameters.
template <class Write>
void WriteSourceBody(CCodeMaker& maker, Write&& write, ff::code::ModuleRows& rows, ff::code::KindRows* kind) {
  const long moduleId = rows.moduleId;
  write(mod::IncludeBlock());

  CMemRecord& functions = rows.functions;
  const std::string& codeCaption = ff::Of(rows.kind).codeCaption;
  const std::string& numberCaption = ff::Of(rows.kind).numberCaption;
  maker.ClearMissingBodies();
  std::string text;  // reused: one function's text at a time
  if (EachCodeFindsOnlyItself(rows, codeCaption)) {
    if (kind && functions.GetCount() > 0) {
      kind->AddParameters(rows, false);
      kind->AddParameters(rows, true);
    }
    ff::code::ModuleFunctionTexts texts(maker, rows);
    for (functions.GoTop(); !functions.Eof(); functions.Skip(1)) {
      if (!texts.Make(functions, text) || text.empty()) {
        text.clear();
        maker.NoteMissingBody(gbk::Trim(functions.GetRef(numberCaption)) + " " +
                              gbk::Trim(functions.GetRef(codeCaption)));
      }
      text += fn::NewLine();
      write(text);
    }
    return;
  }
  for (functions.GoTop(); !functions.Eof(); functions.Skip(1)) {
    // The code goes back into a query, so its "." stays.
    const std::string code = gbk::Trim(functions.GetRef(codeCaption));
    if (code.find('\0') != std::string::npos) {
      // A NUL byte ends the query text: such a code can find nothing.
      text.clear();
    } else {
      maker.MakeFunctionText(rows.kind, moduleId, code, text);
    }
    // The header declares every function listed; one whose code does not
    // find it again (a NULL code, bytes that are no text) has no body.
    if (text.empty()) maker.NoteMissingBody(gbk::Trim(functions.GetRef(numberCaption)) + " " + code);
    text += fn::NewLine();
    write(text);
  }
}

auto To(ff::GenFile& file) {
  return [&file](std::string_view bytes) { file.Write(bytes); };
}

// The whole source file as text, as the file writer would write it.
std::string SourceText(CCodeMaker& maker, const std::string& path, const std::string& abstract,
                       ff::code::ModuleRows& rows, ff::code::KindRows* kind = nullptr) {
  CRoutineComment& comment = maker.RoutineComment();
  comment.SetFileName(path);
  comment.SetAbstract(abstract);
  std::string text = comment.MakeFileComment();
  WriteSourceBody(maker, [&text](std::string_view bytes) { text.append(bytes); }, rows, kind);
  return text;
}

}  // namespace

bool CCodeMaker::MakeModuleHeader(ff::Kind kind, const std::string& path, long moduleId, bool noPrompt) {
  return GenerateFile(path, noPrompt, ff::Of(kind).headerAbstract, [&](ff::GenFile& file) {
    ff::code::ModuleRows rows = ff::code::ReadModuleRows(kind, moduleId);
    WriteHeaderBody(*this, To(file), rows);
  });
}

bool CCodeMaker::MakeModuleSource(ff::Kind kind, const std::string& path, long moduleId, bool noPrompt) {
  return GenerateFile(path, noPrompt, ff::Of(kind).sourceAbstract, [&](ff::GenFile& file) {
    ff::code::ModuleRows rows = ff::code::ReadModuleRows(kind, moduleId);
    WriteSourceBody(*this, To(file), rows, nullptr);
  });
}

// The texts alone are those of the pair, one road for both.
std::string CCodeMaker::MakeModuleSourceText(ff::Kind kind, const std::string& path, long moduleId) {
  return MakeModuleTexts(kind, moduleId, path, path).source;
}

std::string CCodeMaker::MakeModuleHeaderText(ff::Kind kind, const std::string& path, long moduleId) {
  return MakeModuleTexts(kind, moduleId, path, path).header;
}

bool CCodeMaker::MakeFosModuleHeader(const std::string& path, long moduleId, bool noPrompt) {
  return MakeModuleHeader(ff::Kind::Fos, path, moduleId, noPrompt);
}

bool CCodeMaker::MakeBlsModuleHeader(const std::string& path, long moduleId, bool noPrompt) {
  return MakeModuleHeader(ff::Kind::Bls, path, moduleId, noPrompt);
}

bool CCodeMaker::MakeFosModuleSource(const std::string& path, long moduleId, bool noPrompt) {
  return MakeModuleSource(ff::Kind::Fos, path, moduleId, noPrompt);
}

bool CCodeMaker::MakeBlsModuleSource(const std::string& path, long moduleId, bool noPrompt) {
  return MakeModuleSource(ff::Kind::Bls, path, moduleId, noPrompt);
}

std::string CCodeMaker::MakeFosModuleSourceText(const std::string& path, long moduleId) {
  return MakeModuleSourceText(ff::Kind::Fos, path, moduleId);
}

std::string CCodeMaker::MakeBlsModuleSourceText(const std::string& path, long moduleId) {
  return MakeModuleSourceText(ff::Kind::Bls, path, moduleId);
}

std::string CCodeMaker::MakeFosModuleHeaderText(const std::string& path, long moduleId) {
  return MakeModuleHeaderText(ff::Kind::Fos, path, moduleId);
}

std::string CCodeMaker::MakeBlsModuleHeaderText(const std::string& path, long moduleId) {
  return MakeModuleHeaderText(ff::Kind::Bls, path, moduleId);
}

CCodeMaker::ModuleTexts CCodeMaker::MakeModuleTexts(ff::Kind kind, long moduleId, const std::string& headerPath,
                                                    const std::string& sourcePath, ff::code::KindRows* all) {
  ModuleTexts texts;
  // Process.h and Process.cpp list the same functions: read once for both.
  ff::code::ModuleRows rows = [&] {
    try {
      return all ? all->Functions(moduleId) : ff::code::ReadModuleRows(kind, moduleId);
    } catch (const ff::QueryError& error) {
      throw error.Within("cannot generate " + headerPath);
    }
  }();
  try {
    CRoutineComment& comment = RoutineComment();
    comment.SetFileName(headerPath);
    comment.SetAbstract(ff::Of(kind).headerAbstract);
    texts.header = comment.MakeFileComment();
    WriteHeaderBody(*this, [&texts](std::string_view bytes) { texts.header.append(bytes); }, rows, &texts.faults);
  } catch (const ff::QueryError& error) {
    throw error.Within("cannot generate " + headerPath);
  }
  try {
    texts.source = SourceText(*this, sourcePath, ff::Of(kind).sourceAbstract, rows, all);
  } catch (const ff::QueryError& error) {
    throw error.Within("cannot generate " + sourcePath);
  }
  // A function already named for its code or name is not named again for
  // the body that code cannot find.
  for (const std::string& function : MissingBodies()) {  // "number code"
    const std::string number = function.substr(0, function.find(' '));
    const std::string label = FunctionLabel(kind, number, "");
    bool named = false;
    for (const std::string& fault : texts.faults) {
      named |= fault.compare(0, label.size(), label) == 0 &&
               (fault.size() == label.size() || fault[label.size()] == ' ' || fault[label.size()] == ':');
    }
    if (!named) {
      texts.faults.push_back(FunctionLabel(kind, number, gbk::Trim(function.substr(number.size()))) +
                             ": has no body: its code does not find it in the database again");
    }
  }
  return texts;
}
