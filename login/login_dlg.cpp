#include "login/login_dlg.h"

#include <QComboBox>

#include "host/config_db.h"
#include "host/user_interface.h"
#include "module/property_page.h"
#include "module/qt_text.h"
#include "res/control_ids.h"
#include "res/gui_texts.h"

namespace ctl = ff::res::ctl;

template <class Base>
void CLoginForm<Base>::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, ctl::login::kServer, m_cmbServer);
  DDX_Text(pDX, ctl::login::kPassword, m_strPassword);
  DDX_Text(pDX, ctl::login::kUser, m_strUser);
  DDX_Text(pDX, ctl::login::kDatabase, m_strDatabase);
}

template <class Base>
bool CLoginForm<Base>::OnInitDialog() {
  Base::OnInitDialog();
  m_strDatabase = ff::res::gui::DefaultDatabase();
  m_strUser = ff::res::gui::DefaultUser();
  m_strPassword = ff::res::gui::DefaultPassword();
  this->UpdateData(false);
  if (m_cmbServer) m_cmbServer->setCurrentIndex(0);
  return true;
}

template <class Base>
bool CLoginForm<Base>::ConnectFromFields() {
  this->UpdateData(true);
  const std::string server = m_cmbServer ? ff::gui::FromQ(m_cmbServer->currentText()) : std::string();
  try {
    return ConnectConfigDB(server, m_strUser, m_strPassword, m_strDatabase);
  } catch (...) {
    return false;
  }
}

template class CLoginForm<CDialog>;
template class CLoginForm<CPropertyPage>;

CLoginDlg::CLoginDlg(QWidget* parent) : CLoginForm<CDialog>(ff::res::IDD_LOGIN_DLG, parent) {}

CLoginDlg::~CLoginDlg() = default;

void CLoginDlg::OnOK() {
  if (!ConnectFromFields()) ff::UI().ShowMessage(ff::res::gui::LoginFailed());
  EndDialog(ff::res::IDOK);
}
