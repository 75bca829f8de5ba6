#include "modulecode/code_page.h"

#include "host/file_error.h"
#include "host/gbk_text.h"
#include "host/registry.h"
#include "host/sim_db.h"
#include "host/user_interface.h"
#include "login/comment_settings.h"
#include "login/config_db.h"
#include "login/login_dlg.h"
#include "module/format_text.h"
#include "module/host_app.h"
#include "module/kestrel_list_ctrl.h"
#include "res/code_page_texts.h"
#include "res/gui_texts.h"
#include "res/module_texts.h"
#include "res/tree_queries.h"

namespace texts = ff::res::codepage;
namespace mod = ff::res::module;

namespace {

std::string Join(const std::string& folder, const std::string& name) { return folder + "/" + name; }

// "\n\ta,\n\tb。"
std::string FileList(const std::vector<std::string>& paths) {
  std::string list;
  for (size_t i = 0; i < paths.size(); ++i) {
    if (i > 0) list += texts::FileListSeparator();
    list += ff::gui::FormatText(texts::FileListItem(), {paths[i]});
  }
  return list + texts::FileListEnd();
}

}  // namespace

CPageCode::CPageCode() : CPropertyPage(ff::res::IDD_CODE_PAGE) {}

CPageCode::~CPageCode() = default;

void CPageCode::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, 9022, m_lstModule);
  DDX_Check(pDX, 9021, m_bModuleNeed);
  DDX_Check(pDX, 9033, m_bOverWrite);
  DDX_Check(pDX, 9027, m_bTestNeed);
  DDX_Text(pDX, 9013, m_strPath);
  DDX_Text(pDX, 9023, m_strCppFile);
  DDX_Text(pDX, 9030, m_strHeadFile);
  DDX_Text(pDX, 9029, m_strModuleName);
  DDX_Text(pDX, 9028, m_strTestCppFile);
  DDX_Text(pDX, 9024, m_strTestHeadFile);
  DDX_Radio(pDX, 9034, m_nKind);
}

void CPageCode::MessageMap() {
  OnCommand(9035, [this] { OnRadioBls(); });
  OnCommand(9034, [this] { OnRadioFos(); });
  OnCommand(9021, [this] { OnModuleNeed(); });
  OnCommand(9027, [this] { OnTestNeed(); });
  OnCommand(9033, [this] { OnOverWrite(); });
  OnCommand(9014, [this] { OnChooseFolder(); });
  // The "..." buttons 9025, 9026, 9031 and 9032 have no action.
  if (auto* list = Control<CKestrelListCtrl>(9022))
    QObject::connect(list, &CKestrelListCtrl::Picked, this, [this] { OnModulePicked(); });
}

bool CPageCode::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  if (!g_pConfigDB) {
    CLoginDlg login(nullptr);
    login.DoModal();
  }
  m_strPath = theReg.GetReg("ModulePath");
  m_bOverWrite = ff::IsSwitchOn(theReg.GetReg("ModuleFilesOverWrite"));
  m_bModuleNeed = ff::IsSwitchOn(theReg.GetReg("ModuleNeed"));
  m_bTestNeed = ff::IsSwitchOn(theReg.GetReg("ModuleTestNeed"));
  m_bBLS = ff::IsSwitchOn(theReg.GetReg("ModuleSelectBLS"));
  if (m_strPath.empty()) m_strPath = ff::gui::HelpFileFolder();
  if (m_strPath.empty()) m_strPath = ".";
  if (m_bModuleNeed) {
    m_strCppFile = Join(m_strPath, texts::ModuleSourceName());
    m_strHeadFile = Join(m_strPath, texts::ModuleHeaderName());
  }
  if (m_bTestNeed) {
    m_strTestCppFile = Join(m_strPath, texts::ModuleTestSourceName());
    m_strTestHeadFile = Join(m_strPath, texts::ModuleTestHeaderName());
  }
  m_recModule.Create(texts::ModuleListFields(), 0);
  m_lstModule->SetRecord(&m_recModule);
  m_nKind = m_bBLS ? 1 : 0;
  LoadModules();
  UpdateData(false);
  return false;
}

void CPageCode::LoadModules() {
  if (!g_pConfigDB) return;  // the list stays as it was
  g_pConfigDB->Cmd(ff::res::ModuleQuery(m_bBLS));
  g_pConfigDB->SelectInto(&m_recModule, true);
  m_lstModule->AdjustField(-2);
  m_lstModule->Refresh(0);
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
}

void CPageCode::OnModuleNeed() {
  m_bModuleNeed = !m_bModuleNeed;
  // The folder as it stands, even when empty.
  if (m_bModuleNeed) {
    m_strCppFile = Join(m_strPath, texts::ModuleSourceName());
    m_strHeadFile = Join(m_strPath, texts::ModuleHeaderName());
  }
  UpdateData(false);
}

void CPageCode::OnTestNeed() {
  m_bTestNeed = !m_bTestNeed;
  if (m_bTestNeed) {
    m_strTestCppFile = Join(m_strPath, texts::ModuleTestSourceName());
    m_strTestHeadFile = Join(m_strPath, texts::ModuleTestHeaderName());
  }
  UpdateData(false);
}

void CPageCode::OnOverWrite() { m_bOverWrite = !m_bOverWrite; }

void CPageCode::OnChooseFolder() {
  const std::optional<std::string> picked = ff::UI().BrowseForFolder(ff::res::gui::FolderBrowserTitle());
  m_strPath = picked.value_or(std::string());
  const std::string base = m_strPath.empty() ? std::string(".") : m_strPath;
  if (m_bModuleNeed) {
    m_strCppFile = Join(base, texts::ModuleSourceName());
    m_strHeadFile = Join(base, texts::ModuleHeaderName());
  }
  if (m_bTestNeed) {
    m_strTestCppFile = Join(base, texts::ModuleTestSourceName());
    m_strTestHeadFile = Join(base, texts::ModuleTestHeaderName());
  }
  UpdateData(false);
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

std::string CPageCode::Summary(bool bls, const std::vector<FileResult>& files, const std::string& testCppFile,
                               const std::string& testHeadFile) {
  std::vector<std::string> written;
  for (const FileResult& f : files)
    if (f.written) written.push_back(f.path);
  std::string text = texts::CodeFilesHead(bls);
  text += written.empty() ? texts::NoFileGenerated() : FileList(written) + texts::FilesGenerated();
  for (const FileResult& f : files)
    if (!f.written) text += ff::gui::FormatText(texts::DeclinedFileKept(), {f.path});
  std::vector<std::string> tests;
  for (const std::string* p : {&testCppFile, &testHeadFile})
    if (!p->empty()) tests.push_back(*p);
  if (!tests.empty()) text += texts::TestFilesHead() + FileList(tests) + texts::TestFilesNotGenerated();
  return text;
}

void CPageCode::OnOK() {
  ff::WaitCursor wait;
  if (!g_pConfigDB) {
    ff::UI().ShowMessage(ff::res::gui::NotLoggedInGenerate());
    return;
  }
  m_strModuleName = ff::gbk::Trim(m_recModule.GetRef(mod::CaptionModuleChineseName()));
  UpdateData(false);
  CCommentSettings settings;
  const std::string author = settings.GetAuthor();
  long module = ff::gbk::AtoL(m_recModule.GetRef(mod::CaptionModuleId()));
  if (module < 1) {
    // No module picked: module 0, named after the first row if any.
    module = 0;
    if (m_recModule.GetCount() > 0) {
      m_recModule.Go(1);
      m_lstModule->Refresh(0);
    }
  }
  m_CodeMaker.SetAuthor(author);
  m_CodeMaker.SetProjectName(m_recModule.GetString(mod::CaptionModuleName()) + " " +
                             m_recModule.GetString(mod::CaptionModuleChineseName()));
  std::vector<FileResult> files;
  try {
    // A file the user declines does not stop the other one.
    if (m_bBLS) {
      files.push_back({m_strHeadFile, m_CodeMaker.MakeBlsModuleHeader(m_strHeadFile, module, m_bOverWrite)});
      files.push_back({m_strCppFile, m_CodeMaker.MakeBlsModuleSource(m_strCppFile, module, m_bOverWrite)});
    } else {
      files.push_back({m_strHeadFile, m_CodeMaker.MakeFosModuleHeader(m_strHeadFile, module, m_bOverWrite)});
      files.push_back({m_strCppFile, m_CodeMaker.MakeFosModuleSource(m_strCppFile, module, m_bOverWrite)});
    }
  } catch (const CFileException& error) {
    // Reported by the generator; once more here. Nothing is stored.
    error.ReportError();
    CPropertyPage::OnOK();
    return;
  }
  theReg.Write("ModulePath", m_strPath);
  theReg.Write("ModuleHeadFile", m_strHeadFile);
  theReg.Write("ModuleCppFile", m_strCppFile);
  theReg.Write("ModuleFilesOverWrite", ff::SwitchText(m_bOverWrite));
  theReg.Write("ModuleNeed", ff::SwitchText(m_bModuleNeed));
  theReg.Write("ModuleTestNeed", ff::SwitchText(m_bTestNeed));
  theReg.Write("ModuleSelectBLS", ff::SwitchText(m_bBLS));
  // The source file is named before the header, as always.
  std::swap(files[0], files[1]);
  ff::UI().ShowMessage(Summary(m_bBLS, files, m_strTestCppFile, m_strTestHeadFile));
  CPropertyPage::OnOK();
}
