// The login dialog: asks for the configuration database's server, database,
// user and password and connects the shared connection (g_pConfigDB).
#pragma once

#include <string>

#include "module/dialog.h"

class QComboBox;

// What the login dialog and the login page (login/login_page.h) share: the
// four fields, their defaults, and the connection made from them. `Base` is
// CDialog or CPropertyPage.
template <class Base>
class CLoginForm : public Base {
 public:
  using Base::Base;

  // The fields (GBK), bound to the controls.
  std::string m_strPassword;         // 9003
  std::string m_strUser;             // 9002
  std::string m_strDatabase;         // 9006
  QComboBox* m_cmbServer = nullptr;  // 9001

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Nothing typed earlier is kept: the defaults are shown every time, with
  // the first server entry selected.
  bool OnInitDialog() override;
  enum class Outcome { Connected, Refused, FileFault };
  // Reads the controls and runs ConnectConfigDB with the server's window
  // text (a typed-in server as well as a listed one); an exception counts
  // as a failure. A database file is the system's bytes of what was typed,
  // whatever its letters. Every failure is said here: Refused is a login
  // the server turned down (the caller adds the password message),
  // FileFault a database file that could not be opened (said in full: the
  // password plays no part in it).
  Outcome ConnectFromFields();
};

extern template class CLoginForm<CDialog>;

class CLoginDlg : public CLoginForm<CDialog> {
 public:
  explicit CLoginDlg(QWidget* parent = nullptr);
  ~CLoginDlg() override;

 protected:
  // A failed login adds its own message; the dialog closes either way.
  void OnOK() override;
};
