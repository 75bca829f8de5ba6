#include "login/comment_settings_dlg.h"

#include "host/gbk_text.h"
#include "host/user_interface.h"
#include "login/comment_settings.h"
#include "res/control_ids.h"
#include "res/desktop_texts.h"

namespace ctl = ff::res::ctl;

CCommentSettingsDlg::CCommentSettingsDlg(QWidget* parent) : CDialog(ff::res::IDD_COMMENT_DLG, parent) {}

CCommentSettingsDlg::~CCommentSettingsDlg() = default;

void CCommentSettingsDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, ctl::comment::kAuthor, m_strAuthor);
  DDX_Text(pDX, ctl::comment::kCompany, m_strCompany);
  DDX_Text(pDX, ctl::comment::kCopyRight, m_strCopyRight);
}

bool CCommentSettingsDlg::OnInitDialog() {
  CCommentSettings settings;
  m_strAuthor = settings.GetAuthor();
  m_strCompany = settings.Company();
  m_strCopyRight = settings.CopyRight();
  return CDialog::OnInitDialog();
}

void CCommentSettingsDlg::OnOK() {
  if (!UpdateData(true)) return;
  CCommentSettings settings;
  if (!settings.Save(ff::gbk::TrimLeft(m_strAuthor), ff::gbk::Trim(m_strCompany), ff::gbk::Trim(m_strCopyRight))) {
    ff::UI().ShowError(ff::res::desktop::CommentSettingsNotSaved(ff::gbk::PathInText(CCommentSettings::FilePath())));
    return;
  }
  EndDialog(ff::res::IDOK);
}
