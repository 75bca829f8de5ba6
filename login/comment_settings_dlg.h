// "注释设置": the author, company and copyright that the generated comments
// carry, shown and changed where they live (CCommentSettings). Opened from
// the login page.
#pragma once

#include <string>

#include "module/dialog.h"

class CCommentSettingsDlg : public CDialog {
 public:
  explicit CCommentSettingsDlg(QWidget* parent = nullptr);
  ~CCommentSettingsDlg() override;

  std::string m_strAuthor;     // 9051, GBK
  std::string m_strCompany;    // 9052
  std::string m_strCopyRight;  // 9053

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // The stored values (with the defaults a first load writes).
  bool OnInitDialog() override;
  // Stores the values; a settings file that cannot be written is said and
  // the dialog stays open.
  void OnOK() override;
};
