#include "modulecode/module_files_page.h"

#include "host/config_db.h"
#include "host/registry.h"
#include "host/user_interface.h"
#include "login/login_dlg.h"
#include "module/host_app.h"
#include "res/control_ids.h"
#include "module/output_folder.h"
#include "res/desktop_texts.h"
#include "res/gui_texts.h"

namespace ctl = ff::res::ctl;

CModuleFilesPage::CModuleFilesPage(int templateId, FileNames names)
    : CPropertyPage(templateId), names_(std::move(names)) {}

CModuleFilesPage::~CModuleFilesPage() = default;

std::string CModuleFilesPage::InFolder(const std::string& folder, const std::string& name) {
  return folder + "/" + name;
}

void CModuleFilesPage::DoDataExchange(CDataExchange* pDX) {
  DDX_Check(pDX, ctl::files::kMakeModule, m_bModuleNeed);
  DDX_Check(pDX, ctl::files::kNoPrompt, m_bOverWrite);
  DDX_Check(pDX, ctl::files::kMakeTest, m_bTestNeed);
  DDX_Path(pDX, ctl::files::kFolder, m_strPath);
  DDX_Path(pDX, ctl::files::kCppFile, m_strCppFile);
  DDX_Path(pDX, ctl::files::kHeaderFile, m_strHeadFile);
  DDX_Path(pDX, ctl::files::kTestCppFile, m_strTestCppFile);
  DDX_Path(pDX, ctl::files::kTestHeaderFile, m_strTestHeadFile);
  DDX_Radio(pDX, ctl::files::kFos, m_nKind);
}

void CModuleFilesPage::MessageMap() {
  OnCommand(ctl::files::kMakeModule, [this] { OnModuleNeed(); });
  OnCommand(ctl::files::kMakeTest, [this] { OnTestNeed(); });
  OnCommand(ctl::files::kNoPrompt, [this] { OnOverWrite(); });
  OnCommand(ctl::files::kBrowseFolder, [this] { OnChooseFolder(); });
  // The "..." buttons kBrowseTestHeader, kBrowseTestCpp, kBrowseHeader and kBrowseCpp have no action.
}

void CModuleFilesPage::OfferLogin() {
  if (g_pConfigDB) return;
  CLoginDlg login(nullptr);
  login.DoModal();
}

bool CModuleFilesPage::CheckLoggedIn() {
  if (g_pConfigDB) return true;
  ff::UI().ShowMessage(ff::res::gui::NotLoggedInGenerate());
  return false;
}

// An empty folder gives no names: the folder is asked for at OK, never
// guessed (the root or the program's current folder).
void CModuleFilesPage::FillModuleNames(const std::string& folder) {
  m_strCppFile = ff::gui::FileInFolder(folder, names_.source);
  m_strHeadFile = ff::gui::FileInFolder(folder, names_.header);
}

void CModuleFilesPage::FillTestNames(const std::string& folder) {
  m_strTestCppFile = ff::gui::FileInFolder(folder, names_.testSource);
  m_strTestHeadFile = ff::gui::FileInFolder(folder, names_.testHeader);
}

bool CModuleFilesPage::ReadyToWriteModuleFiles() const {
  if (m_strPath.empty()) return ff::gui::ReadyToWrite(m_strPath);  // says the folder is empty
  for (const auto& [path, what] : {std::pair{&m_strHeadFile, &ff::res::desktop::HeaderFileWhat()},
                                   std::pair{&m_strCppFile, &ff::res::desktop::SourceFileWhat()}}) {
    if (path->empty()) {
      ff::UI().ShowMessage(ff::res::desktop::FileNameEmpty(*what) +
                           ff::res::desktop::ModuleNamesHint());
      return false;
    }
  }
  for (const std::string* path : {&m_strHeadFile, &m_strCppFile}) {
    const size_t slash = path->rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : path->substr(0, slash + 1);
    if (!ff::gui::ReadyToWrite(ff::gui::AbsoluteFolder(folder))) return false;
  }
  return true;
}

void CModuleFilesPage::ReadFolderAndSwitches() {
  m_strPath = ff::gui::StartFolder(theReg.GetPath("ModulePath"));
  m_bOverWrite = ff::IsSwitchOn(theReg.GetReg("ModuleFilesOverWrite"));
  m_bModuleNeed = ff::IsSwitchOn(theReg.GetReg("ModuleNeed"));
  m_bTestNeed = ff::IsSwitchOn(theReg.GetReg("ModuleTestNeed"));
  m_bBLS = ff::IsSwitchOn(theReg.GetReg("ModuleSelectBLS"));
  if (m_bModuleNeed) FillModuleNames(m_strPath);
  if (m_bTestNeed) FillTestNames(m_strPath);
  m_nKind = m_bBLS ? 1 : 0;
}

void CModuleFilesPage::StoreValues() const {
  theReg.WritePath("ModulePath", m_strPath);
  theReg.WritePath("ModuleHeadFile", m_strHeadFile);
  theReg.WritePath("ModuleCppFile", m_strCppFile);
  theReg.Write("ModuleFilesOverWrite", ff::SwitchText(m_bOverWrite));
  theReg.Write("ModuleNeed", ff::SwitchText(m_bModuleNeed));
  theReg.Write("ModuleTestNeed", ff::SwitchText(m_bTestNeed));
  theReg.Write("ModuleSelectBLS", ff::SwitchText(m_bBLS));
}

// Ticking a box fills its names from the folder as it stands; unticking
// leaves the names.
void CModuleFilesPage::OnModuleNeed() {
  m_bModuleNeed = !m_bModuleNeed;
  if (m_bModuleNeed) FillModuleNames(m_strPath);
  UpdateData(false);
}

void CModuleFilesPage::OnTestNeed() {
  m_bTestNeed = !m_bTestNeed;
  if (m_bTestNeed) FillTestNames(m_strPath);
  UpdateData(false);
}

void CModuleFilesPage::OnOverWrite() { m_bOverWrite = !m_bOverWrite; }

void CModuleFilesPage::OnChooseFolder() {
  // The browser opens at the folder of the edit; cancelling keeps it.
  const std::optional<std::string> picked =
      ff::UI().BrowseForFolderFrom(ff::res::gui::FolderBrowserTitle(), m_strPath);
  if (!picked || picked->empty()) return;
  m_strPath = ff::gui::AbsoluteFolder(*picked);
  if (m_bModuleNeed) FillModuleNames(m_strPath);
  if (m_bTestNeed) FillTestNames(m_strPath);
  UpdateData(false);
}
