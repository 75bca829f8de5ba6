#include "login/login_page.h"

#include <QLineEdit>

#include "host/config_db.h"
#include "host/user_interface.h"
#include "module/qt_text.h"
#include "login/comment_settings_dlg.h"
#include "res/control_ids.h"
#include "module/property_sheet.h"
#include "res/gui_texts.h"

CPageSQL::CPageSQL() : CLoginForm<CPropertyPage>(ff::res::IDD_LOGIN_PAGE) {}

CPageSQL::~CPageSQL() = default;

void CPageSQL::MessageMap() {
  CLoginForm<CPropertyPage>::MessageMap();
  OnCommand(ff::res::ctl::login::kCommentSettings, [this] {
    CCommentSettingsDlg dlg(this);
    dlg.DoModal();
  });
}

bool CPageSQL::OnSetActive() {
  CLoginForm<CPropertyPage>::OnSetActive();
  ShowConnected();
  return true;
}

void CPageSQL::ShowConnected() {
  if (auto* edit = Control<QLineEdit>(ff::res::ctl::login::kConnected))
    edit->setText(ff::gui::ToQ(g_pConfigDB ? ConfigDBName() : ff::res::gui::NotConnected()));
}

void CPageSQL::OnOK() {
  const Outcome outcome = ConnectFromFields();
  const bool connected = outcome == Outcome::Connected;
  ShowConnected();
  if (connected) {
    ff::UI().ShowMessage(ff::res::gui::LoginSucceeded());
  } else if (outcome == Outcome::Refused) {
    ff::UI().ShowError(ff::res::gui::LoginFailed());
  }
  if (connected) {
    // The other pages show the new database's rows without a FOS/BLS toggle.
    if (CPropertySheet* sheet = GetParentSheet())
      for (int i = 0; i < sheet->GetPageCount(); ++i)
        if (CPropertyPage* page = sheet->GetPage(i); page && page != this && page->IsCreated()) page->OnNewLogin();
  }
  CPropertyPage::OnOK();
}
