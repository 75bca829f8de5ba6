#include "login/login_dlg.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>

#include "host/config_db.h"
#include "host/db_store.h"
#include "host/gbk_text.h"
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

namespace {

// The database file the login names, as the system's bytes; "" for a
// server or a bare name (which lives in the data folder).
std::string DatabaseFile(const QString& server, const QString& database) {
  const QString trimmed = server.trimmed();
  QString file;
  if (trimmed.startsWith(QStringLiteral("sqlite:"), Qt::CaseInsensitive)) {
    file = trimmed.mid(7);
  } else if (ff::IsSqliteServer(ff::gui::FromQ(trimmed)) && database.contains(QLatin1Char('/'))) {
    file = database;
  }
  if (!file.contains(QLatin1Char('/'))) return {};
  if (file.startsWith(QStringLiteral("~/"))) file = QDir::homePath() + file.mid(1);
  return ff::gui::PathFromQ(file);
}

std::string FaultText(const ff::OpenFault& fault, const std::string& error) {
  namespace gui = ff::res::gui;
  const std::string file = ff::gbk::PathInText(fault.file);
  switch (fault.kind) {
    case ff::OpenFault::Kind::NoSuchFile: return gui::DatabaseFileMissing(file);
    case ff::OpenFault::Kind::NoPermission: return gui::DatabaseFileNoPermission(file);
    case ff::OpenFault::Kind::NotAFile: return gui::DatabaseFileNotAFile(file);
    case ff::OpenFault::Kind::NotADatabase: return gui::DatabaseFileNotADatabase(file);
    case ff::OpenFault::Kind::Locked: return gui::DatabaseFileLocked(file);
    case ff::OpenFault::Kind::None:
    case ff::OpenFault::Kind::Other: break;
  }
  return gui::DatabaseFileNotOpened(file, error);
}

}  // namespace

template <class Base>
typename CLoginForm<Base>::Outcome CLoginForm<Base>::ConnectFromFields() {
  this->UpdateData(true);
  const QString serverText = m_cmbServer ? m_cmbServer->currentText() : QString();
  const auto* databaseEdit = this->template Control<QLineEdit>(ctl::login::kDatabase);
  const QString databaseText = databaseEdit ? databaseEdit->text() : ff::gui::ToQ(m_strDatabase);
  ff::LoginValues login{ff::gui::FromQ(serverText), m_strUser, m_strPassword, m_strDatabase};
  login.databaseFile = DatabaseFile(serverText, databaseText);
  // Named in messages and on the login page as the system spells it.
  if (!login.databaseFile.empty()) login.database = ff::gbk::PathInText(login.databaseFile);
  std::string error;
  ff::OpenFault fault;
  try {
    if (ConnectConfigDB(login, error, fault)) return Outcome::Connected;
  } catch (const std::exception& e) {
    error = e.what();
  } catch (...) {
  }
  if (ff::IsSqliteServer(login.server) && fault.kind != ff::OpenFault::Kind::None) {
    ff::UI().ShowError(FaultText(fault, error));
    return Outcome::FileFault;
  }
  ff::UI().ShowError(error);
  return Outcome::Refused;
}

template class CLoginForm<CDialog>;
template class CLoginForm<CPropertyPage>;

CLoginDlg::CLoginDlg(QWidget* parent) : CLoginForm<CDialog>(ff::res::IDD_LOGIN_DLG, parent) {}

CLoginDlg::~CLoginDlg() = default;

void CLoginDlg::OnOK() {
  if (ConnectFromFields() == Outcome::Refused) ff::UI().ShowError(ff::res::gui::LoginFailed());
  EndDialog(ff::res::IDOK);
}
