// The boxed routine comments: the file header comment of every generated
// file and the function header comment of every generated server function.
#pragma once

#include <string>

class CRoutineComment {
 public:
  CRoutineComment();
  virtual ~CRoutineComment();

  // The file name becomes the text after the last '/' of the path; the
  // version becomes GetFileVersion(path), or "v1.0.0.1" when that is empty.
  void SetFileName(const std::string& path);
  void SetAbstract(const std::string& text) { abstract_ = text; }
  void SetAuthor(const std::string& text) { author_ = text; }
  void SetProjectName(const std::string& text) { projectName_ = text; }
  // The user's own copyright and company for the copyright line; an empty
  // text keeps the line's own ("Copyright (C) 2004", the company).
  void SetCopyRight(const std::string& copyRight, const std::string& company) {
    copyRight_ = copyRight;
    company_ = company;
  }
  void SetFunctionTitle(const std::string& text) { functionTitle_ = text; }
  void SetFunctionPrototype(const std::string& text) { prototype_ = text; }
  // Stored in comment form: each line break becomes CR LF + "*" + 4 blanks,
  // and a non-empty text is preceded by one such break.
  void SetDesign(const std::string& text);
  void SetNote(const std::string& text);

  // The author; when empty, the running application's name first becomes it.
  std::string GetAuthor();
  // No version resources on this platform: always the empty text.
  static std::string GetFileVersion(const std::string& path);

  std::string MakeCopyRightLine() const;
  std::string MakeFileComment();
  std::string MakeFunctionComment();

  const std::string& FileName() const { return fileName_; }
  const std::string& Version() const { return version_; }
  const std::string& ProjectName() const { return projectName_; }
  const std::string& Design() const { return design_; }
  const std::string& Note() const { return note_; }
  const std::string& Prototype() const { return prototype_; }
  int Indent() const { return indent_; }

 private:
  std::string fileName_, version_, projectName_, author_, abstract_;
  std::string design_, note_, prototype_, functionTitle_;
  std::string copyRight_, company_;  // the user's, "" for the line's own
  int indent_ = 0;
};

namespace ff {
// Today's date as "YYYY", "MM", "DD": the local date, or the UTC date of
// SOURCE_DATE_EPOCH when that is set (reproducible output).
struct CommentDate {
  std::string year, month, day;
};
CommentDate TodayForComments();
}  // namespace ff
