// The author, company and copyright values of the routine comments, kept in
// the module's own settings key ("Software/KestrelSoft/AddIns/KestrelComment").
#pragma once

#include <memory>
#include <string>

class QSettings;

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

 private:
  std::unique_ptr<QSettings> key_;
  bool loaded_ = false;
  std::string author_;
  std::string company_;
  std::string copyRight_;
};

namespace ff {
// The login name of the process's user (GBK), empty when unknown.
std::string CurrentUserName();
}  // namespace ff
