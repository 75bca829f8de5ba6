#include "modulecode/module_files_page.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "host/config_db.h"
#include "host/registry.h"
#include "host/user_interface.h"
#include "login/login_dlg.h"
#include "module/host_app.h"
#include "res/control_ids.h"
#include "module/output_folder.h"
#include "module/qt_text.h"
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
  if (auto* folder = Control<QLineEdit>(ctl::files::kFolder))
    QObject::connect(folder, &QLineEdit::editingFinished, this, [this] { ReadTypedPaths(); });
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
      ff::UI().ShowError(ff::res::desktop::FileNameEmpty(*what) +
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

void CModuleFilesPage::ReadTypedPaths() {
  auto typed = [this](int id, std::string& value) {
    if (const auto* edit = Control<QLineEdit>(id)) value = ff::gui::PathFromQ(edit->text());
  };
  const std::string oldFolder = m_strPath;
  std::string folder = m_strPath;
  typed(ctl::files::kFolder, folder);
  typed(ctl::files::kHeaderFile, m_strHeadFile);
  typed(ctl::files::kCppFile, m_strCppFile);
  typed(ctl::files::kTestHeaderFile, m_strTestHeadFile);
  typed(ctl::files::kTestCppFile, m_strTestCppFile);
  folder = ff::gui::AbsoluteFolder(folder);
  if (folder != oldFolder) {
    m_strPath = folder;
    // A name in the old folder moves with it; one the user put elsewhere stays.
    for (std::string* file : {&m_strHeadFile, &m_strCppFile, &m_strTestHeadFile, &m_strTestCppFile}) {
      const size_t slash = file->rfind('/');
      if (slash == std::string::npos || oldFolder.empty()) continue;
      const std::string name = file->substr(slash + 1);
      if (*file == ff::gui::FileInFolder(oldFolder, name)) *file = ff::gui::FileInFolder(folder, name);
    }
  }
  ShowPaths();
}

void CModuleFilesPage::ShowPaths() {
  auto show = [this](int id, const std::string& value) {
    auto* edit = Control<QLineEdit>(id);
    if (edit && edit->text() != ff::gui::PathToQ(value)) {
      const QSignalBlocker quiet(edit);
      edit->setText(ff::gui::PathToQ(value));
    }
  };
  show(ctl::files::kFolder, m_strPath);
  show(ctl::files::kHeaderFile, m_strHeadFile);
  show(ctl::files::kCppFile, m_strCppFile);
  show(ctl::files::kTestHeaderFile, m_strTestHeadFile);
  show(ctl::files::kTestCppFile, m_strTestCppFile);
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
