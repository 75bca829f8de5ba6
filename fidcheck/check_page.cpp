#include "fidcheck/check_page.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

#include "codetext/text_fill.h"
#include "fidcheck/fid_check.h"
#include "fidcheck/list_export.h"
#include "host/file_error.h"
#include "host/gbk_text.h"
#include "host/registry.h"
#include "host/config_db.h"
#include "host/query_error.h"
#include "host/sim_db.h"
#include "host/user_interface.h"
#include "lint/finding_record.h"
#include "lint/lint_run.h"
#include "module/kestrel_list_ctrl.h"
#include "module/qt_text.h"
#include "res/desktop_texts.h"
#include "res/control_ids.h"
#include "res/gui_texts.h"
#include "res/lint_texts.h"

namespace ctl = ff::res::ctl;

namespace {
// Where the last list was exported (the system's bytes).
constexpr const char* kListFolderValue = "ListExportFolder";
}  // namespace

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
  AddListActions(m_lstBls, "bls_undefined_fid.csv");
  AddListActions(m_lstFos, "fos_undefined_fid.csv");
  AddListActions(m_lstUnused, "unused_fid.csv");
  AddListActions(m_lstLint, "lint_findings.csv");
  // Four lists look alike: the one the keys act on is framed in the
  // selection colour.
  setStyleSheet(QStringLiteral("CKestrelListCtrl:focus { border: 2px solid palette(highlight); }"));
  return true;
}

void CPageNotRegFid::AddListActions(CKestrelListCtrl* list, const std::string& fileName) {
  namespace texts = ff::res::desktop;
  list->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* copy = new QAction(ff::gui::ToQ(texts::CopyAllRowsAction()), list);
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copy->setShortcutContext(Qt::WidgetShortcut);
  QObject::connect(copy, &QAction::triggered, this, [this, list] { CopyAllRows(list); });
  list->addAction(copy);
  auto* save = new QAction(ff::gui::ToQ(texts::ExportCsvAction()), list);
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  save->setShortcutContext(Qt::WidgetShortcut);
  QObject::connect(save, &QAction::triggered, this, [this, list, fileName] { ExportCsv(list, fileName); });
  list->addAction(save);
}

void CPageNotRegFid::CopyAllRows(CKestrelListCtrl* list) {
  const ff::TextTable table = list->ShownTable();
  if (table.size() < 2) {
    ff::UI().ShowMessage(ff::res::desktop::ListIsEmpty());
    return;
  }
  QGuiApplication::clipboard()->setText(ff::gui::ToQ(ff::TableAsTabText(table)));
}

void CPageNotRegFid::ExportCsv(CKestrelListCtrl* list, const std::string& fileName) {
  const ff::TextTable table = list->ShownTable();
  if (table.size() < 2) {
    ff::UI().ShowMessage(ff::res::desktop::ListIsEmpty());
    return;
  }
  std::string folder = theReg.GetPath(kListFolderValue);
  if (folder.empty() || !QDir(ff::gui::PathToQ(folder)).exists()) folder = ff::gui::PathFromQ(QDir::homePath());
  const std::optional<std::string> path =
      ff::UI().AskSaveFileName(ff::res::desktop::ExportCsvTitle(), folder + "/" + fileName,
                               ff::res::desktop::CsvFileFilter());
  if (!path || path->empty()) return;
  try {
    ff::WriteCsvFile(*path, table);
  } catch (const CFileException& error) {
    ff::UI().ReportFileError(error);
    return;
  }
  const size_t slash = path->rfind('/');
  const std::string writtenTo = slash == std::string::npos ? std::string() : slash == 0 ? "/" : path->substr(0, slash);
  const std::string report =
      ff::res::desktop::CsvWritten(std::to_string(table.size() - 1), ff::gbk::PathInText(*path));
  if (writtenTo.empty()) {
    ff::UI().ShowMessage(report);
    return;
  }
  theReg.WritePath(kListFolderValue, writtenTo);
  ff::UI().ShowReport(report, writtenTo);  // offers "打开目录", as after a generation
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
  FocusList(list);
}

void CPageNotRegFid::FocusList(CKestrelListCtrl* list) {
  // The keys go on in the list just filled (Alt+B, then the arrows, Ctrl+Shift+C).
  list->setFocus(Qt::OtherFocusReason);
  if (!list->currentItem() && list->topLevelItemCount() > 0) list->setCurrentItem(list->topLevelItem(0));
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
    ff::UI().ShowError(ff::FillTemplate(ff::res::lint::PageFailed(), {{"Reason", result.error}}));
    return;
  }
  ff::UI().ShowMessage(ff::lint::FindingCountMessage(result.findings));
  FocusList(m_lstLint);
}
