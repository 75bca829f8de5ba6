// The author, company and copyright values of the routine comments, kept in
// the module's own settings key ("Software/KestrelSoft/AddIns/KestrelComment").
// The user sets them in the desktop program (注释设置 on the login page);
// the comments carry a company or copyright only when it was changed from
// the value written by default, so that untouched settings give the
// comments as they always were.
#pragma once

#include <memory>
#include <string>

namespace ff {
class SettingsKey;
}

class CCommentSettings {
 public:
  CCommentSettings();
  virtual ~CCommentSettings();

  void Load();
  void Close();
  std::string GetAuthor();  // Load(), then a copy of the author

  const std::string& Company() const { return company_; }
  const std::string& CopyRight() const { return copyRight_; }

  static const char* DefaultCompany();  // GBK

  // The copyright and company the comments should carry (GBK): the stored
  // value when the user changed it, "" for the comments' own text. Load()s.
  std::string CommentCopyRight();
  std::string CommentCompany();

  // Stores the three values (GBK); an empty author or company stands for
  // its default at the next load. False when the settings file could not
  // be written.
  bool Save(const std::string& author, const std::string& company, const std::string& copyRight);
  // The settings file, for messages (the system's bytes).
  static std::string FilePath();

 private:
  std::unique_ptr<ff::SettingsKey> key_;
  bool loaded_ = false;
  std::string author_;
  std::string company_;
  std::string copyRight_;
};

namespace ff {
// The login name of the process's user (GBK), empty when unknown.
std::string CurrentUserName();
}  // namespace ff
