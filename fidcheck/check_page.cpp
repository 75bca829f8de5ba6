#include "fidcheck/check_page.h"

#include "fidcheck/fid_check.h"
#include "host/query_error.h"
#include "host/user_interface.h"
#include "host/config_db.h"
#include "module/kestrel_list_ctrl.h"
#include "res/gui_texts.h"

CPageNotRegFid::CPageNotRegFid() : CPropertyPage(ff::res::IDD_CHECK_PAGE) {}

CPageNotRegFid::~CPageNotRegFid() = default;

void CPageNotRegFid::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, 9013, m_lstUnused);
  DDX_Control(pDX, 9010, m_lstFos);
  DDX_Control(pDX, 9009, m_lstBls);
}

void CPageNotRegFid::MessageMap() {
  OnCommand(9011, [this] { OnCheckBls(); });
  OnCommand(9012, [this] { OnCheckFos(); });
  OnCommand(9014, [this] { OnCheckUnused(); });
}

bool CPageNotRegFid::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_recBls.Create(ff::FidCheckFields(ff::FidCheckKind::Bls), 0);
  m_recFos.Create(ff::FidCheckFields(ff::FidCheckKind::Fos), 0);
  m_recUnused.Create(ff::FidCheckFields(ff::FidCheckKind::Unused), 0);
  m_lstBls->SetRecord(&m_recBls);
  m_lstFos->SetRecord(&m_recFos);
  m_lstUnused->SetRecord(&m_recUnused);
  return true;
}

void CPageNotRegFid::OnOK() { CPropertyPage::OnOK(); }

void CPageNotRegFid::OnCheckBls() { RunCheck(ff::FidCheckKind::Bls, m_recBls, m_lstBls); }
void CPageNotRegFid::OnCheckFos() { RunCheck(ff::FidCheckKind::Fos, m_recFos, m_lstFos); }
void CPageNotRegFid::OnCheckUnused() { RunCheck(ff::FidCheckKind::Unused, m_recUnused, m_lstUnused); }

void CPageNotRegFid::RunCheck(ff::FidCheckKind kind, CMemRecord& record, CKestrelListCtrl* list) {
  if (!g_pConfigDB) {
    ff::UI().ShowMessage(ff::res::gui::NotLoggedInCheck());
    return;
  }
  record.Zap();
  try {
    ff::RunFidCheck(kind, record);
  } catch (const ff::QueryError& error) {
    // An empty list with the reason, never the message that all is well.
    list->Refresh(0);
    error.ReportError();
    return;
  }
  list->AdjustField(-2);
  list->Refresh(0);
  ff::UI().ShowMessage(ff::FidCheckMessage(kind, record.GetCount()));
}
