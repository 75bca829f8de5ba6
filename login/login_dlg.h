// The login dialog: asks for the configuration database's server, database,
// user and password and connects the shared connection (g_pConfigDB).
#pragma once

#include <string>

#include "module/dialog.h"

class QComboBox;

class CLoginDlg : public CDialog {
 public:
  explicit CLoginDlg(QWidget* parent = nullptr);
  ~CLoginDlg() override;

  // The fields (GBK), bound to the edits.
  std::string m_strPassword;  // 9003
  std::string m_strUser;      // 9002
  std::string m_strDatabase;  // 9006
  QComboBox* m_cmbServer = nullptr;  // 9001

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnInitDialog() override;
  void OnOK() override;
};

namespace ff::gui {
// Fills the login fields with the defaults and shows them, with the first
// server entry selected (the dialog and the login page alike).
void ShowLoginDefaults(CTemplateForm& form, std::string& password, std::string& user,
                       std::string& database, QComboBox* server);
// ConnectConfigDB with the server's window text; any exception counts as
// a failure.
bool ConnectFromLoginFields(QComboBox* server, const std::string& user, const std::string& password,
                            const std::string& database);
}  // namespace ff::gui
