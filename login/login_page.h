// The login page, the first page of the main sheet: logs in again at any
// time and says how it went; the page stays open.
#pragma once

#include "login/login_dlg.h"
#include "module/property_page.h"

extern template class CLoginForm<CPropertyPage>;

class CPageSQL : public CLoginForm<CPropertyPage> {
 public:
  CPageSQL();
  ~CPageSQL() override;
  // Shows which database the pages read (the login dialog may have changed it).
  bool OnSetActive() override;

 protected:
  void OnOK() override;
  // 注释设置: the dialog of the comments' author, company and copyright.
  void MessageMap() override;

 private:
  void ShowConnected();
};
