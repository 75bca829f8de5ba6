#include "login/login_page.h"

#include "host/user_interface.h"
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

void CPageSQL::OnOK() {
  const bool connected = ConnectFromFields();
  ff::UI().ShowMessage(connected ? ff::res::gui::LoginSucceeded() : ff::res::gui::LoginFailed());
  if (connected) {
    // The other pages show the new database's rows without a FOS/BLS toggle.
    if (CPropertySheet* sheet = GetParentSheet())
      for (int i = 0; i < sheet->GetPageCount(); ++i)
        if (CPropertyPage* page = sheet->GetPage(i); page && page != this && page->IsCreated()) page->OnNewLogin();
  }
  CPropertyPage::OnOK();
}
