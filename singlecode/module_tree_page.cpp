#include "singlecode/module_tree_page.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>

#include "codetext/gen_file.h"
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
#include "module/qt_text.h"
#include "res/code_page_texts.h"
#include "res/function_templates.h"
#include "res/gui_texts.h"
#include "res/module_texts.h"
#include "res/tree_queries.h"
#include "singlecode/kestrel_tree_ctrl.h"

namespace names = ff::res::codepage;
namespace mod = ff::res::module;
namespace fn = ff::res::fn;

namespace {

// Function items keep this number; module items keep their module number.
constexpr int kFunctionItemNumber = 99;

std::string Join(const std::string& folder, const std::string& name) { return folder + "/" + name; }

}  // namespace

CModuleTreePage::CModuleTreePage(int templateId) : CPropertyPage(templateId) {}

CModuleTreePage::~CModuleTreePage() = default;

QWidget* CModuleTreePage::CreateCustomControl(const ff::res::ControlTemplate& c, QWidget* parent) {
  if (c.id == 9036) return new CKestrelTreeCtrl(parent);
  return nullptr;
}

void CModuleTreePage::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, 9037, m_edtPreview);
  DDX_Control(pDX, 9036, m_tree);
  DDX_Check(pDX, 9021, m_bModuleNeed);
  DDX_Check(pDX, 9033, m_bOverWrite);
  DDX_Check(pDX, 9027, m_bTestNeed);
  DDX_Text(pDX, 9013, m_strPath);
  DDX_Text(pDX, 9023, m_strCppFile);
  DDX_Text(pDX, 9030, m_strHeadFile);
  DDX_Text(pDX, 9029, m_strSelect);
  DDX_Text(pDX, 9028, m_strTestCppFile);
  DDX_Text(pDX, 9024, m_strTestHeadFile);
  DDX_Radio(pDX, 9034, m_nKind);
  DDX_Text(pDX, 9037, m_strPreview);
  DDX_Radio(pDX, 9043, m_nCodeStyle);
}

void CModuleTreePage::MessageMap() {
  OnCommand(9034, [this] { OnRadioFos(); });
  OnCommand(9035, [this] { OnRadioBls(); });
  OnCommand(ff::res::IDCANCEL, [this] { OnCopy(); });
  OnCommand(3, [this] { OnEdit(); });
  OnCommand(9014, [this] { OnChooseFolder(); });
  OnCommand(9021, [this] { OnModuleNeed(); });
  OnCommand(9027, [this] { OnTestNeed(); });
  OnCommand(9033, [this] { OnOverWrite(); });
  OnCommand(9043, [this] { OnCodeStyle(0); });
  OnCommand(9044, [this] { OnCodeStyle(1); });
  // The "..." buttons 9025, 9026, 9031 and 9032 and changes of the preview
  // text have no action.
  if (auto* tree = Control<CKestrelTreeCtrl>(9036))
    QObject::connect(tree, &CKestrelTreeCtrl::SelectionChanged, this, [this] { RefreshPreview(); });
}

// --- the tree ---------------------------------------------------------------

bool CModuleTreePage::FillModuleTree() {
  const std::string& moduleQuery = ff::res::ModuleQuery(m_bBLS);
  m_tree->DeleteAllItems();
  m_recModule.Empty();
  if (g_pConfigDB) {
    g_pConfigDB->Cmd(moduleQuery);
    g_pConfigDB->SelectInto(&m_recModule, true);
  }
  for (m_recModule.GoTop(); !m_recModule.Eof(); m_recModule.Skip()) {
    const std::string& id = m_recModule.GetRef(mod::CaptionModuleId());
    m_tree->AddItem(0, id,
                    m_recModule.GetRef(mod::CaptionModuleName()) + " " +
                        m_recModule.GetRef(mod::CaptionModuleChineseName()),
                    static_cast<int>(ff::gbk::AtoL(id)));
  }
  const std::string& codeField = m_bBLS ? fn::CaptionBlsCode() : fn::CaptionFosCode();
  const std::string& nameField = m_bBLS ? fn::CaptionBlsName() : fn::CaptionFosName();
  for (m_recModule.GoTop(); !m_recModule.Eof(); m_recModule.Skip()) {
    const std::string& id = m_recModule.GetRef(mod::CaptionModuleId());
    const long module = ff::gbk::AtoL(id);
    // A module item that cannot be found puts its functions at the top.
    const int parent = m_tree->FindID(id, 0);
    m_recFunction.Empty();
    if (g_pConfigDB) {
      g_pConfigDB->Cmd(ff::res::FunctionQuery(m_bBLS, module));
      g_pConfigDB->SelectInto(&m_recFunction, true);
    }
    for (m_recFunction.GoTop(); !m_recFunction.Eof(); m_recFunction.Skip()) {
      const std::string& code = m_recFunction.GetRef(codeField);
      m_tree->AddItem(parent, std::to_string(module) + "|" + code,
                      code + " " + m_recFunction.GetRef(nameField), kFunctionItemNumber);
    }
  }
  return true;
}

void CModuleTreePage::OnRadioFos() { SwitchMode(false); }
void CModuleTreePage::OnRadioBls() { SwitchMode(true); }

void CModuleTreePage::SwitchMode(bool bls) {
  if (m_bBLS == bls) return;
  m_bBLS = bls;
  m_nKind = bls ? 1 : 0;
  // The preview stays: it still shows the function last picked.
  m_strSelect.clear();
  UpdateData(false);
  FillModuleTree();
  theReg.Write("ModuleSelectBLS", ff::SwitchText(bls));
}

std::string CModuleTreePage::SelectedIdentifier() const {
  return m_tree ? m_tree->GetString(-1) : std::string();
}
std::string CModuleTreePage::SelectedNote() const { return m_tree ? m_tree->GetNote(-1) : std::string(); }

long CModuleTreePage::ModuleNumberOf(const std::string& identifier) {
  const long number = ff::gbk::AtoL(identifier);
  return number < 1 ? 0 : number;
}

std::string CModuleTreePage::FunctionCodeOf(const std::string& identifier) {
  const size_t bar = ff::gbk::Find(identifier, "|");
  return bar == std::string::npos ? std::string() : identifier.substr(bar + 1);
}

// --- start and OK -------------------------------------------------------------

void CModuleTreePage::OfferLoginAndReadCodeStyle() {
  if (!g_pConfigDB) {
    // The page opens whether or not the login succeeds.
    CLoginDlg login(nullptr);
    login.DoModal();
  }
  // Aligned unless switched off explicitly.
  const bool beautify = theReg.GetReg("BeautifulCode") != "FALSE";
  m_nCodeStyle = beautify ? 1 : 0;
  m_CodeMaker.SetBeautify(beautify);
}

void CModuleTreePage::ReadFolderAndSwitches() {
  m_strPath = theReg.GetReg("ModulePath");
  m_bOverWrite = ff::IsSwitchOn(theReg.GetReg("ModuleFilesOverWrite"));
  m_bModuleNeed = ff::IsSwitchOn(theReg.GetReg("ModuleNeed"));
  m_bTestNeed = ff::IsSwitchOn(theReg.GetReg("ModuleTestNeed"));
  m_bBLS = ff::IsSwitchOn(theReg.GetReg("ModuleSelectBLS"));
  if (m_strPath.empty()) m_strPath = ff::gui::HelpFileFolder();
  if (m_strPath.empty()) m_strPath = ".";
  // The stored file names are not consulted: they follow the folder.
  if (m_bModuleNeed) {
    m_strHeadFile = Join(m_strPath, names::SingleHeaderName());
    m_strCppFile = Join(m_strPath, names::SingleSourceName());
  }
  if (m_bTestNeed) {
    m_strTestHeadFile = Join(m_strPath, names::SingleTestHeaderName());
    m_strTestCppFile = Join(m_strPath, names::SingleTestSourceName());
  }
  m_nKind = m_bBLS ? 1 : 0;
  UpdateData(false);
}

void CModuleTreePage::StoreValues() {
  theReg.Write("ModulePath", m_strPath);
  theReg.Write("ModuleHeadFile", m_strHeadFile);
  theReg.Write("ModuleCppFile", m_strCppFile);
  theReg.Write("ModuleFilesOverWrite", ff::SwitchText(m_bOverWrite));
  theReg.Write("ModuleNeed", ff::SwitchText(m_bModuleNeed));
  theReg.Write("ModuleTestNeed", ff::SwitchText(m_bTestNeed));
  theReg.Write("ModuleSelectBLS", ff::SwitchText(m_bBLS));
}

// --- preview actions ----------------------------------------------------------

std::string CModuleTreePage::TempFolderFile(const std::string& name) {
  const QString folder = QDir::tempPath();
  return folder.isEmpty() ? std::string() : Join(ff::gui::FromQ(folder), name);
}

std::string CModuleTreePage::EditorFilePath(const std::string& author) {
  const std::string path = TempFolderFile(names::EditorFileName());
  if (!path.empty()) return path;
  return ff::gui::FormatText(names::EditorFallbackFormat(), {author});
}

void CModuleTreePage::OnCopy() {
  UpdateData(true);
  if (m_strPreview.empty()) return;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return;
  // Linux programs paste the UTF-8 text (with the line ends they expect);
  // a program that asks for GBK gets the preview's bytes as they are.
  auto* data = new QMimeData;
  QString text = ff::gui::ToQ(m_strPreview);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  data->setText(text);
  data->setData(QStringLiteral("text/plain;charset=GBK"),
                QByteArray(m_strPreview.data(), static_cast<qsizetype>(m_strPreview.size())));
  clipboard->setMimeData(data);
}

void CModuleTreePage::OnEdit() {
  UpdateData(true);
  CCommentSettings settings;
  const std::string path = EditorFilePath(settings.GetAuthor());
  try {
    ff::GenFile file(path);
    file.Write(m_strPreview);
    file.Commit();
  } catch (const CFileException& error) {
    error.ReportError();
    return;
  }
  ff::UI().OpenWithDefaultApp(path);
}

void CModuleTreePage::OnChooseFolder() {
  const std::optional<std::string> picked = ff::UI().BrowseForFolder(ff::res::gui::FolderBrowserTitle());
  // Cancelling empties the folder; the names then lie in ".".
  m_strPath = picked.value_or(std::string());
  RebuildFileNames();
  UpdateData(false);
}

void CModuleTreePage::RebuildFileNames() {
  const std::string base = m_strPath.empty() ? std::string(".") : m_strPath;
  if (m_bModuleNeed) {
    m_strCppFile = Join(base, names::SingleSourceName());
    m_strHeadFile = Join(base, names::SingleHeaderName());
  }
  if (m_bTestNeed) {
    m_strTestCppFile = Join(base, names::SingleTestSourceName());
    m_strTestHeadFile = Join(base, names::SingleTestHeaderName());
  }
}

void CModuleTreePage::OnModuleNeed() {
  m_bModuleNeed = !m_bModuleNeed;
  // The folder as it stands, even when empty (no "." here).
  if (m_bModuleNeed) {
    m_strCppFile = Join(m_strPath, names::SingleSourceName());
    m_strHeadFile = Join(m_strPath, names::SingleHeaderName());
  }
  UpdateData(false);
}

void CModuleTreePage::OnTestNeed() {
  m_bTestNeed = !m_bTestNeed;
  if (m_bTestNeed) {
    m_strTestCppFile = Join(m_strPath, names::SingleTestSourceName());
    m_strTestHeadFile = Join(m_strPath, names::SingleTestHeaderName());
  }
  UpdateData(false);
}

void CModuleTreePage::OnOverWrite() { m_bOverWrite = !m_bOverWrite; }

void CModuleTreePage::OnCodeStyle(int index) {
  m_nCodeStyle = index;
  m_CodeMaker.SetBeautify(index == 1);
  theReg.Write("BeautifulCode", index == 1 ? "TRUE" : "FALSE");
  UpdateData(false);
  RefreshPreview();
}
