// The login page, the first page of the main sheet: logs in again at any
// time and says how it went; the page stays open.
#pragma once

#include <string>

#include "module/property_page.h"

class QComboBox;

class CPageSQL : public CPropertyPage {
 public:
  CPageSQL();
  ~CPageSQL() override;

  std::string m_strPassword;  // 9003
  std::string m_strUser;      // 9002
  std::string m_strDatabase;  // 9006
  QComboBox* m_cmbServer = nullptr;  // 9001

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;
  void OnOK() override;
};
