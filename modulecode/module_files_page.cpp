#include "modulecode/module_files_page.h"

#include "host/config_db.h"
#include "host/registry.h"
#include "host/user_interface.h"
#include "login/login_dlg.h"
#include "module/host_app.h"
#include "res/control_ids.h"
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
  DDX_Text(pDX, ctl::files::kFolder, m_strPath);
  DDX_Text(pDX, ctl::files::kCppFile, m_strCppFile);
  DDX_Text(pDX, ctl::files::kHeaderFile, m_strHeadFile);
  DDX_Text(pDX, ctl::files::kTestCppFile, m_strTestCppFile);
  DDX_Text(pDX, ctl::files::kTestHeaderFile, m_strTestHeadFile);
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

void CModuleFilesPage::FillModuleNames(const std::string& folder) {
  m_strCppFile = InFolder(folder, names_.source);
  m_strHeadFile = InFolder(folder, names_.header);
}

void CModuleFilesPage::FillTestNames(const std::string& folder) {
  m_strTestCppFile = InFolder(folder, names_.testSource);
  m_strTestHeadFile = InFolder(folder, names_.testHeader);
}

void CModuleFilesPage::ReadFolderAndSwitches() {
  m_strPath = ff::gui::StartFolder(theReg.GetReg("ModulePath"));
  m_bOverWrite = ff::IsSwitchOn(theReg.GetReg("ModuleFilesOverWrite"));
  m_bModuleNeed = ff::IsSwitchOn(theReg.GetReg("ModuleNeed"));
  m_bTestNeed = ff::IsSwitchOn(theReg.GetReg("ModuleTestNeed"));
  m_bBLS = ff::IsSwitchOn(theReg.GetReg("ModuleSelectBLS"));
  if (m_bModuleNeed) FillModuleNames(m_strPath);
  if (m_bTestNeed) FillTestNames(m_strPath);
  m_nKind = m_bBLS ? 1 : 0;
}

void CModuleFilesPage::StoreValues() const {
  theReg.Write("ModulePath", m_strPath);
  theReg.Write("ModuleHeadFile", m_strHeadFile);
  theReg.Write("ModuleCppFile", m_strCppFile);
  theReg.Write("ModuleFilesOverWrite", ff::SwitchText(m_bOverWrite));
  theReg.Write("ModuleNeed", ff::SwitchText(m_bModuleNeed));
  theReg.Write("ModuleTestNeed", ff::SwitchText(m_bTestNeed));
  theReg.Write("ModuleSelectBLS", ff::SwitchText(m_bBLS));
}

// Ticking a box fills its names from the folder as it stands, even when it
// is empty (no "." here); unticking leaves the names.
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
  const std::optional<std::string> picked = ff::UI().BrowseForFolder(ff::res::gui::FolderBrowserTitle());
  // Cancelling empties the folder; the names of the switches that are on
  // then lie in ".".
  m_strPath = picked.value_or(std::string());
  const std::string base = m_strPath.empty() ? std::string(".") : m_strPath;
  if (m_bModuleNeed) FillModuleNames(base);
  if (m_bTestNeed) FillTestNames(base);
  UpdateData(false);
}
