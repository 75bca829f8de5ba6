#include "login/login_page.h"

#include <QComboBox>

#include "host/user_interface.h"
#include "login/login_dlg.h"
#include "res/gui_texts.h"

CPageSQL::CPageSQL() : CPropertyPage(ff::res::IDD_LOGIN_PAGE) {}

CPageSQL::~CPageSQL() = default;

void CPageSQL::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, 9001, m_cmbServer);
  DDX_Text(pDX, 9003, m_strPassword);
  DDX_Text(pDX, 9002, m_strUser);
  DDX_Text(pDX, 9006, m_strDatabase);
}

bool CPageSQL::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  ff::gui::ShowLoginDefaults(*this, m_strPassword, m_strUser, m_strDatabase, m_cmbServer);
  return true;
}

void CPageSQL::OnOK() {
  UpdateData(true);
  const bool connected = ff::gui::ConnectFromLoginFields(m_cmbServer, m_strUser, m_strPassword, m_strDatabase);
  ff::UI().ShowMessage(connected ? ff::res::gui::LoginSucceeded() : ff::res::gui::LoginFailed());
  CPropertyPage::OnOK();
}
