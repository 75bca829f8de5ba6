#include "modulecode/code_page.h"

#include <algorithm>

#include <QLabel>

#include "host/config_db.h"
#include "host/file_error.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/registry.h"
#include "host/sim_db.h"
#include "host/user_interface.h"
#include "login/comment_settings.h"
#include "module/kestrel_list_ctrl.h"
#include "module/output_folder.h"
#include "module/qt_text.h"
#include "modulecode/module_list.h"
#include "res/code_page_texts.h"
#include "res/control_ids.h"
#include "res/module_texts.h"
#include "res/tree_queries.h"

namespace ctl = ff::res::ctl;

namespace texts = ff::res::codepage;
namespace mod = ff::res::module;

namespace {

// "\n\ta,\n\tb。" (paths are the system's bytes; the message is GBK)
std::string FileList(const std::vector<std::string>& paths) {
  std::string list;
  for (size_t i = 0; i < paths.size(); ++i) {
    if (i > 0) list += texts::FileListSeparator();
    list += texts::FileListItem(ff::gbk::PathInText(paths[i]));
  }
  return list + texts::FileListEnd();
}

}  // namespace

CPageCode::CPageCode()
    : CModuleFilesPage(ff::res::IDD_CODE_PAGE, {texts::ModuleHeaderName(), texts::ModuleSourceName(),
                                                texts::ModuleTestHeaderName(), texts::ModuleTestSourceName()}) {}

CPageCode::~CPageCode() = default;

void CPageCode::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, ctl::code::kModuleList, m_lstModule);
  CModuleFilesPage::DoDataExchange(pDX);
  DDX_Text(pDX, ctl::files::kModuleName, m_strModuleName);
  DDX_Check(pDX, ctl::code::kKeepHandCode, m_bKeepHandCode);
}

void CPageCode::MessageMap() {
  CModuleFilesPage::MessageMap();
  OnCommand(ctl::files::kBls, [this] { OnRadioBls(); });
  OnCommand(ctl::files::kFos, [this] { OnRadioFos(); });
  OnCommand(ctl::code::kKeepHandCode, [this] { m_bKeepHandCode = !m_bKeepHandCode; });
  if (auto* list = Control<CKestrelListCtrl>(ctl::code::kModuleList))
    QObject::connect(list, &CKestrelListCtrl::Picked, this, [this] { OnModulePicked(); });
}

bool CPageCode::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  OfferLogin();
  ReadFolderAndSwitches();
  m_bKeepHandCode = ff::IsSwitchOn(theReg.GetReg("ModuleKeepHandCode"));
  m_recModule.Create(texts::ModuleListFields(), 0);
  m_lstModule->SetRecord(&m_recModule);
  LoadModules();
  UpdateData(false);
  ShowKind();
  return false;
}

void CPageCode::ShowKind() {
  auto* label = Control<QLabel>(ctl::code::kKindShown);
  if (!label) return;
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  label->setText(ff::gui::ToQ(ff::Of(PageKind()).kindShown));
}

void CPageCode::OnNewLogin() {
  m_recModule.Zap();
  m_strModuleName.clear();
  LoadModules();
  UpdateData(false);
}

void CPageCode::LoadModules() {
  if (!g_pConfigDB) return;  // the list stays as it was
  g_pConfigDB->Cmd(ff::Of(PageKind()).moduleQuery);
  if (!g_pConfigDB->SelectInto(&m_recModule, true)) {
    // An empty list with the reason, never an empty list alone.
    ff::QueryError(g_pConfigDB->GetLastErrMsg()).ReportError();
  }
  m_lstModule->AdjustField(-2);
  m_lstModule->Refresh(0);
}

bool CPageCode::PickedModuleId(long& module) {
  module = 0;
  if (m_recModule.Eof()) return true;  // no row: module 0
  const int row = m_recModule.CurrentRow();
  const std::vector<ff::code::ModuleRow> modules = ff::code::ReadModules(PageKind());
  const std::string& name = m_recModule.GetRef(mod::CaptionModuleName());
  const std::string& chineseName = m_recModule.GetRef(mod::CaptionModuleChineseName());
  auto same = [&](const ff::code::ModuleRow& m) { return m.name == name && m.chineseName == chineseName; };
  // The same row of the same query; a server may give rows in another
  // order, so else the one module of that name.
  const ff::code::ModuleRow* found = nullptr;
  if (row < static_cast<int>(modules.size()) && same(modules[row])) {
    found = &modules[row];
  } else if (std::count_if(modules.begin(), modules.end(), same) == 1) {
    found = &*std::find_if(modules.begin(), modules.end(), same);
  }
  if (!found) {
    // Someone changed the modules since the list was read.
    ff::UI().ShowError(texts::ModuleListChanged());
    LoadModules();
    return false;
  }
  const ff::code::ModuleRow& picked = *found;
  const std::string shown = ff::gbk::Trim(name);
  switch (picked.problem) {
    case ff::code::ModuleRow::Problem::None:
      module = picked.id;
      return true;
    case ff::code::ModuleRow::Problem::NoId:
      ff::UI().ShowError(texts::ModuleWithoutId(shown));
      return false;
    case ff::code::ModuleRow::Problem::NotANumber:
      ff::UI().ShowError(texts::ModuleIdNotANumber(shown, picked.stored));
      return false;
    case ff::code::ModuleRow::Problem::Repeated:
      ff::UI().ShowError(texts::ModuleIdRepeated(shown, picked.stored, picked.sharedWith));
      return false;
  }
  return false;
}

void CPageCode::OnRadioBls() { SwitchMode(true); }
void CPageCode::OnRadioFos() { SwitchMode(false); }

void CPageCode::SwitchMode(bool bls) {
  if (m_bBLS == bls) return;
  m_bBLS = bls;
  m_nKind = bls ? 1 : 0;
  m_strModuleName.clear();
  LoadModules();
  UpdateData(false);
  ShowKind();
}

void CPageCode::OnModulePicked() {
  try {
    m_lstModule->GetActiveIndex();
    CMemRecord* record = m_lstModule->GetRecord();
    if (!record) return;
    m_strModuleName = ff::gbk::Trim(record->GetRef(mod::CaptionModuleChineseName()));
    UpdateData(false);
  } catch (...) {
    // A failed pick changes nothing.
  }
}

std::string CPageCode::WrittenSummary(const std::string& head, const std::vector<FileResult>& files) {
  std::vector<std::string> written;
  for (const FileResult& f : files)
    if (f.written) written.push_back(f.path);
  std::string text = head;
  text += written.empty() ? texts::NoFileGenerated() : FileList(written) + texts::FilesGenerated();
  for (const FileResult& f : files)
    if (!f.written) text += texts::DeclinedFileKept(ff::gbk::PathInText(f.path));
  return text;
}

std::string CPageCode::Summary(ff::Kind kind, const std::vector<FileResult>& files, const std::string& testCppFile,
                               const std::string& testHeadFile, const std::vector<std::string>& missingBodies) {
  std::string text = WrittenSummary(ff::Of(kind).codeFilesHead, files);
  for (const std::string& function : missingBodies) text += texts::MissingBody(function);
  std::vector<std::string> tests;
  for (const std::string* p : {&testCppFile, &testHeadFile})
    if (!p->empty()) tests.push_back(*p);
  if (!tests.empty()) text += texts::TestFilesHead() + FileList(tests) + texts::TestFilesNotGenerated();
  return text;
}

void CPageCode::OnOK() {
  ff::WaitCursor wait;
  if (!CheckLoggedIn()) return;
  ReadTypedPaths();
  if (!ReadyToWriteModuleFiles()) return;
  ff::gui::HeldFolders held;
  if (!held.Hold({ff::gui::FolderOf(m_strHeadFile), ff::gui::FolderOf(m_strCppFile)})) return;
  m_strModuleName = ff::gbk::Trim(m_recModule.GetRef(mod::CaptionModuleChineseName()));
  UpdateData(false);
  CCommentSettings settings;
  const std::string author = settings.GetAuthor();
  ConfigSnapshot snapshot;
  long module = 0;
  try {
    if (!PickedModuleId(module)) {
      CPropertyPage::OnOK();
      return;
    }
  } catch (const ff::QueryError& error) {
    error.ReportError();
    CPropertyPage::OnOK();
    return;
  }
  if (module < 1) {
    // No module picked: module 0, named after the first row if any.
    module = 0;
    if (m_recModule.GetCount() > 0) {
      m_recModule.Go(1);
      m_lstModule->Refresh(0);
    }
  }
  m_CodeMaker.SetAuthor(author);
  m_CodeMaker.RoutineComment().SetCopyRight(settings.CommentCopyRight(), settings.CommentCompany());
  m_CodeMaker.SetProjectName(m_recModule.GetString(mod::CaptionModuleName()) + " " +
                             m_recModule.GetString(mod::CaptionModuleChineseName()));
  std::vector<FileResult> files;
  std::string mergeReport;
  try {
    // Both texts are made and checked before either file is written.
    CCodeMaker::ModuleTexts made = m_CodeMaker.MakeModuleTexts(PageKind(), module, m_strHeadFile, m_strCppFile);
    if (!made.faults.empty()) {
      std::string lines;
      for (const std::string& fault : made.faults) lines += (lines.empty() ? "" : "\n") + fault;
      ff::UI().ShowError(texts::ModuleNotWhole(lines));
      CPropertyPage::OnOK();
      return;
    }
    // A file the user declines does not stop the other one.
    if (m_bKeepHandCode) {
      if (!WriteMergedModule(module, made, files, mergeReport)) {
        CPropertyPage::OnOK();
        return;
      }
    } else {
      files.push_back({m_strHeadFile, m_CodeMaker.WriteTextFile(m_strHeadFile, m_bOverWrite, made.header)});
      files.push_back({m_strCppFile, m_CodeMaker.WriteTextFile(m_strCppFile, m_bOverWrite, made.source)});
    }
    if (!m_bKeepHandCode) WriteModuleRecord(module, made, files[0].written, files[1].written);
  } catch (const CFileException& error) {
    // Reported by the generator; once more here. Nothing is stored.
    error.ReportError();
    CPropertyPage::OnOK();
    return;
  } catch (const ff::QueryError& error) {
    // The file being written keeps its old bytes; nothing is stored.
    error.ReportError();
    CPropertyPage::OnOK();
    return;
  }
  StoreValues();
  theReg.Write("ModuleKeepHandCode", ff::SwitchText(m_bKeepHandCode));
  // The source file is named before the header, as always.
  std::swap(files[0], files[1]);
  ff::UI().ShowReport(
      Summary(PageKind(), files, m_strTestCppFile, m_strTestHeadFile) + mergeReport,
      m_strPath);
  CPropertyPage::OnOK();
}
