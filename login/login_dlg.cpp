#include "login/login_dlg.h"

#include <QComboBox>

#include "host/user_interface.h"
#include "login/config_db.h"
#include "module/qt_text.h"
#include "res/gui_texts.h"

namespace ff::gui {

void ShowLoginDefaults(CTemplateForm& form, std::string& password, std::string& user, std::string& database,
                       QComboBox* server) {
  database = ff::res::gui::DefaultDatabase();
  user = ff::res::gui::DefaultUser();
  password = ff::res::gui::DefaultPassword();
  form.UpdateData(false);
  if (server) server->setCurrentIndex(0);
}

bool ConnectFromLoginFields(QComboBox* server, const std::string& user, const std::string& password,
                            const std::string& database) {
  // A typed-in server is taken as well as a listed one.
  const std::string serverText = server ? FromQ(server->currentText()) : std::string();
  try {
    return ConnectConfigDB(serverText, user, password, database);
  } catch (...) {
    return false;
  }
}

}  // namespace ff::gui

CLoginDlg::CLoginDlg(QWidget* parent) : CDialog(ff::res::IDD_LOGIN_DLG, parent) {}

CLoginDlg::~CLoginDlg() = default;

void CLoginDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, 9001, m_cmbServer);
  DDX_Text(pDX, 9003, m_strPassword);
  DDX_Text(pDX, 9002, m_strUser);
  DDX_Text(pDX, 9006, m_strDatabase);
}

bool CLoginDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ff::gui::ShowLoginDefaults(*this, m_strPassword, m_strUser, m_strDatabase, m_cmbServer);
  return true;
}

void CLoginDlg::OnOK() {
  UpdateData(true);
  if (!ff::gui::ConnectFromLoginFields(m_cmbServer, m_strUser, m_strPassword, m_strDatabase))
    ff::UI().ShowMessage(ff::res::gui::LoginFailed());
  EndDialog(ff::res::IDOK);
}
