#include "login/login_page.h"

#include "host/user_interface.h"
#include "res/gui_texts.h"

CPageSQL::CPageSQL() : CLoginForm<CPropertyPage>(ff::res::IDD_LOGIN_PAGE) {}

CPageSQL::~CPageSQL() = default;

void CPageSQL::OnOK() {
  const bool connected = ConnectFromFields();
  ff::UI().ShowMessage(connected ? ff::res::gui::LoginSucceeded() : ff::res::gui::LoginFailed());
  CPropertyPage::OnOK();
}
