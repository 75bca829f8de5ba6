#include "fidcheck/check_page.h"

#include "codetext/text_fill.h"
#include "fidcheck/fid_check.h"
#include "host/config_db.h"
#include "host/query_error.h"
#include "host/sim_db.h"
#include "host/user_interface.h"
#include "lint/finding_record.h"
#include "lint/lint_run.h"
#include "module/kestrel_list_ctrl.h"
#include "res/control_ids.h"
#include "res/gui_texts.h"
#include "res/lint_texts.h"

namespace ctl = ff::res::ctl;

CPageNotRegFid::CPageNotRegFid() : CPropertyPage(ff::res::IDD_CHECK_PAGE) {}

CPageNotRegFid::~CPageNotRegFid() = default;

void CPageNotRegFid::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, ctl::check::kUnusedList, m_lstUnused);
  DDX_Control(pDX, ctl::check::kFosList, m_lstFos);
  DDX_Control(pDX, ctl::check::kBlsList, m_lstBls);
  DDX_Control(pDX, ctl::check::kLintList, m_lstLint);
}

void CPageNotRegFid::MessageMap() {
  OnCommand(ctl::check::kCheckBls, [this] { OnCheckBls(); });
  OnCommand(ctl::check::kCheckFos, [this] { OnCheckFos(); });
  OnCommand(ctl::check::kCheckUnused, [this] { OnCheckUnused(); });
  OnCommand(ctl::check::kCheckLint, [this] { OnCheckLint(); });
}

bool CPageNotRegFid::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_recBls.Create(ff::FidCheckFields(ff::FidCheckKind::Bls), 0);
  m_recFos.Create(ff::FidCheckFields(ff::FidCheckKind::Fos), 0);
  m_recUnused.Create(ff::FidCheckFields(ff::FidCheckKind::Unused), 0);
  m_lstBls->SetRecord(&m_recBls);
  m_lstFos->SetRecord(&m_recFos);
  m_lstUnused->SetRecord(&m_recUnused);
  m_recLint.Create(ff::res::lint::FindingFields(), 0);
  m_lstLint->SetRecord(&m_recLint);
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

void CPageNotRegFid::OnCheckLint() {
  if (!g_pConfigDB) {
    ff::UI().ShowMessage(ff::res::gui::NotLoggedInCheck());
    return;
  }
  const ff::lint::LintResult result = [] {
    ff::WaitCursor wait;
    return ff::lint::RunLint(*g_pConfigDB);
  }();
  // A failed read lists nothing: half the findings would look like a
  // cleaner database than there is.
  ff::lint::FillFindingRecord(result.ok ? result.findings : std::vector<ff::lint::Finding>{}, m_recLint);
  m_lstLint->AdjustField(-2);
  m_lstLint->Refresh(0);
  if (!result.ok) {
    ff::UI().ShowMessage(ff::FillTemplate(ff::res::lint::PageFailed(), {{"Reason", result.error}}));
    return;
  }
  ff::UI().ShowMessage(ff::lint::FindingCountMessage(result.findings));
}
