// The generator object of a code page: writes every header, source file
// and snippet. Its members live in the folder of the subsystem they serve:
//   codetext/    file protocol, FID naming
//   headers/     the five definition headers
//   modulecode/  validation code, function bodies, module sources
//   singlecode/  client access snippets
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "codetext/fid_naming.h"
#include "codetext/file_writer.h"
#include "codetext/gen_file.h"
#include "codetext/routine_comment.h"
#include "codetext/validate_style.h"
#include "res/kind.h"

class CMemRecord;
namespace ff::code {
class KindRows;
}

class CCodeMaker {
 public:
  CCodeMaker();
  virtual ~CCodeMaker();

  CRoutineComment& RoutineComment() { return comment_; }

  // --- settings -----------------------------------------------------------
  void SetAuthor(const std::string& author) { comment_.SetAuthor(author); }
  void SetProjectName(const std::string& name) { comment_.SetProjectName(name); }
  void SetValidateStyle(ff::ValidateStyle style) { validateStyle_ = style; }
  ff::ValidateStyle GetValidateStyle() const { return validateStyle_; }
  // Column alignment; returns the previous value.
  bool SetBeautify(bool on) {
    bool old = beautify_;
    beautify_ = on;
    return old;
  }
  bool GetBeautify() const { return beautify_; }

  // The writer of the file generators below (Make...File, WriteTextFile):
  // the pages' way, the question first, before the database is read; GBK.
  ff::FileWriter& Writer() { return writer_; }
  // What the last file generator did with its file.
  ff::FileOutcome LastFileOutcome() const { return lastOutcome_; }
  // Why the last text generator returned false (a failed query throws
  // ff::QueryError instead). Empty when nothing failed.
  const std::string& LastError() const { return lastError_; }
  void SetLastError(const std::string& reason) { lastError_ = reason; }

  // --- file protocol ------------------------------------------------------
  static std::string Spaces(int n);  // n blanks, at most 1023; n <= 0: ""
  // True when the file may be written; asks "文件%s已经存在，是否重写!"
  // when it exists and the no-prompt switch is off (Writer().MayOverwrite).
  bool CheckOverwrite(const std::string& path, bool noPrompt) { return writer_.MayOverwrite(path, noPrompt); }
  void WriteGuardBegin(ff::GenFile& file, const std::string& macro);
  void WriteGuardDefine(ff::GenFile& file, const std::string& macro);
  void WriteGuardEnd(ff::GenFile& file, const std::string& macro);
  void WriteNewLine(ff::GenFile& file);
  void WriteLine(ff::GenFile& file, const std::string& text);

  // --- FID naming ---------------------------------------------------------
  ff::FidVarInfo GetFidVarInfo(const CMemRecord& record) const;
  // GetFidVarInfo of every row, in row order: a list that is measured,
  // written and validated names each row once. The record is left after
  // its last row.
  std::vector<ff::FidVarInfo> GetFidVarInfos(CMemRecord& record) const;
  static void MixCaseName(std::string& text);
  static bool IsMultiRowAnswer(long answerType, const std::string& code);
  bool MeasureCodeVarWidths(CMemRecord& record, int& codeWidth, int& varWidth) const;
  bool MeasureNameVarWidths(CMemRecord& record, int& nameWidth, int& varWidth) const;
  // The same widths from the rows' infos.
  static void MeasureCodeVarWidths(const std::vector<ff::FidVarInfo>& infos, int& codeWidth, int& varWidth);

  // --- definition headers -------------------------------------------------
  // The text of each header for `path` (its name goes into the comment).
  ff::GenFile MakeFidDefText(const std::string& path);
  ff::GenFile MakeFosDefText(const std::string& path);
  ff::GenFile MakeBlsDefText(const std::string& path);
  ff::GenFile MakeFixDefText(const std::string& path);
  ff::GenFile MakeSysDefText(const std::string& path);
  // The same written through Writer().
  bool MakeFidDefFile(const std::string& path, bool noPrompt);
  bool MakeFosDefFile(const std::string& path, bool noPrompt);
  bool MakeBlsDefFile(const std::string& path, bool noPrompt);
  bool MakeFixDefFile(const std::string& path, bool noPrompt);
  bool MakeSysDefFile(const std::string& path, bool noPrompt);

  // --- module sources -----------------------------------------------------
  // The paired Fos/Bls names are the system's interface over these.
  bool MakeModuleHeader(ff::Kind kind, const std::string& path, long moduleId, bool noPrompt);
  bool MakeModuleSource(ff::Kind kind, const std::string& path, long moduleId, bool noPrompt);
  std::string MakeModuleSourceText(ff::Kind kind, const std::string& path, long moduleId);
  std::string MakeModuleHeaderText(ff::Kind kind, const std::string& path, long moduleId);
  bool MakeFosModuleHeader(const std::string& path, long moduleId, bool noPrompt);
  bool MakeFosModuleSource(const std::string& path, long moduleId, bool noPrompt);
  bool MakeBlsModuleHeader(const std::string& path, long moduleId, bool noPrompt);
  bool MakeBlsModuleSource(const std::string& path, long moduleId, bool noPrompt);
  // The bytes the source writers would write to `path`, in memory (the
  // merge regeneration starts from them). Nothing is written.
  std::string MakeFosModuleSourceText(const std::string& path, long moduleId);
  std::string MakeBlsModuleSourceText(const std::string& path, long moduleId);
  std::string MakeFosModuleHeaderText(const std::string& path, long moduleId);
  std::string MakeBlsModuleHeaderText(const std::string& path, long moduleId);

  // Both files of a module, made in memory and checked before either is
  // written: a module whose files cannot be whole gets neither file.
  struct ModuleTexts {
    std::string header;  // Process.h, as the header writer writes it to `headerPath`
    std::string source;  // Process.cpp, as the source writer writes it to `sourcePath`
    // Why the two files would not be whole, one line per function that
    // cannot be declared or has no body ("FOS function 9001 KH_X: its
    // code ...", GBK); empty when both are whole.
    std::vector<std::string> faults;
  };
  // Throws ff::QueryError naming the file being made. `kind`: the rows of
  // a run over every module of the kind (null: the module's own queries).
  ModuleTexts MakeModuleTexts(ff::Kind kind, long moduleId, const std::string& headerPath, const std::string& sourcePath,
                              ff::code::KindRows* rows = nullptr);

  // Every generator below that reads the database throws ff::QueryError
  // when a query fails; a file generator has then left its target as it
  // was. A text generator returns false only for other failures.

  // The functions that the last module source made could not give a body
  // although its header declares them: "number code" of each. The source
  // file is still written as it comes; the caller reports these.
  const std::vector<std::string>& MissingBodies() const { return missingBodies_; }
  void ClearMissingBodies() { missingBodies_.clear(); }
  void NoteMissingBody(std::string function) { missingBodies_.push_back(std::move(function)); }

  // --- function bodies ----------------------------------------------------
  // The paired Fos/Bls names below are the system's interface; each is
  // the Kind-taking one for its kind.
  bool MakeFunctionText(ff::Kind kind, long moduleId, const std::string& code, std::string& text);
  bool MakeFunctionFile(ff::Kind kind, const std::string& path, long moduleId, bool noPrompt, const std::string& code);
  std::string MakeAnswerLines(ff::Kind kind, CMemRecord& answer);
  std::string MakePrototype(ff::Kind kind, const std::string& funName, const std::string& code) const;
  bool MakeFosFunctionText(long moduleId, const std::string& code, std::string& text);
  bool MakeBlsFunctionText(long moduleId, const std::string& code, std::string& text);
  bool MakeFosFunctionFile(const std::string& path, long moduleId, bool noPrompt, const std::string& code);
  bool MakeBlsFunctionFile(const std::string& path, long moduleId, bool noPrompt, const std::string& code);
  // The two request-line makers give the same text; both are names of the
  // system's interface, so both stay (the generators call the shared
  // rule directly).
  std::string MakeFosRequestLines(CMemRecord& request);
  std::string MakeBlsRequestLines(CMemRecord& request);
  std::string MakeFosAnswerLines(CMemRecord& answer);
  std::string MakeBlsAnswerLines(CMemRecord& answer);
  std::string MakeFosPrototype(const std::string& funName, const std::string& code) const;
  std::string MakeBlsPrototype(const std::string& funName, const std::string& code) const;

  // --- request validation -------------------------------------------------
  std::string MakeValidateCode(CMemRecord& request, bool multiRow);
  // The same with the rows' infos already made (GetFidVarInfos).
  std::string MakeValidateCode(CMemRecord& request, const std::vector<ff::FidVarInfo>& infos, bool multiRow);
  // Named by the system's interface; the generators stream
  // MakeValidateCode's text instead, so nothing here calls it.
  void WriteValidateCode(ff::GenFile& file, CMemRecord& request, bool multiRow);
  std::string MakeValidateLoose(CMemRecord& request);
  std::string MakeValidateMacro(CMemRecord& request, bool multiRow);
  std::string MakeValidateCompact(CMemRecord& request);

  // --- client access snippets ---------------------------------------------
  bool MakeBlsClientSnippet(long moduleId, bool noPrompt, const std::string& code, std::string& text);
  bool MakeFosClientSnippet(long moduleId, bool noPrompt, const std::string& code, std::string& text);
  std::string MakeClientRequestLines(CMemRecord& request);
  std::string MakeClientAnswerDefs(CMemRecord& answer);
  std::string MakeClientAnswerReads(CMemRecord& answer, bool multiRow);
  std::string MakeClientRecordHeader(CMemRecord& answer);
  std::string MakeClientRecordSetByName(CMemRecord& answer);
  std::string MakeClientRecordSetByCode(CMemRecord& answer);
  // Writes a ready text (a snippet) to a file through Writer(), without a
  // header comment. False only when the user declined.
  bool WriteTextFile(const std::string& path, bool noPrompt, const std::string& text);

 private:
  // A generated file's text: the file header comment (when `abstract` is
  // given), then `body`. A failed query is passed on as an ff::QueryError
  // that names the file.
  ff::GenFile MakeFile(const std::string& path, const std::optional<std::string>& abstract,
                       const std::function<void(ff::GenFile&)>& body);
  // The pages' protocol shared by every file generator: the overwrite
  // question, then the text (`make`), then the writer; a file error is
  // reported, then passed on, a failed query leaves the target as it was.
  // False only when the user declined.
  bool WriteMade(const std::string& path, bool noPrompt, const std::function<ff::GenFile()>& make);
  bool GenerateFile(const std::string& path, bool noPrompt, const std::optional<std::string>& abstract,
                    const std::function<void(ff::GenFile&)>& body) {
    return WriteMade(path, noPrompt, [&] { return MakeFile(path, abstract, body); });
  }

  CRoutineComment comment_;
  ff::ValidateStyle validateStyle_ = ff::ValidateStyle::Compact;
  bool beautify_ = true;
  ff::FileWriter writer_;
  ff::FileOutcome lastOutcome_ = ff::FileOutcome::Written;
  std::string lastError_;
  std::vector<std::string> missingBodies_;
};
