#include "singlecode/module_tree_page.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>

#include "host/file_replace.h"
#include "host/config_db.h"
#include "host/file_error.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/registry.h"
#include "host/temp_folder.h"
#include "host/sim_db.h"
#include "host/user_interface.h"
#include "login/comment_settings.h"
#include "module/cpp_highlighter.h"
#include "module/qt_text.h"
#include "res/code_page_texts.h"
#include "res/control_ids.h"
#include "res/desktop_texts.h"
#include "res/function_templates.h"
#include "res/module_texts.h"
#include "res/tree_queries.h"
#include "singlecode/kestrel_tree_ctrl.h"

namespace ctl = ff::res::ctl;

namespace names = ff::res::codepage;
namespace mod = ff::res::module;
namespace fn = ff::res::fn;

namespace {

// Function items keep this number; module items keep their module number.
constexpr int kFunctionItemNumber = 99;

}  // namespace

CModuleTreePage::CModuleTreePage(int templateId)
    : CModuleFilesPage(templateId, {names::SingleHeaderName(), names::SingleSourceName(),
                                    names::SingleTestHeaderName(), names::SingleTestSourceName()}) {}

CModuleTreePage::~CModuleTreePage() = default;

QWidget* CModuleTreePage::CreateCustomControl(const ff::res::ControlTemplate& c, QWidget* parent) {
  if (c.id == ctl::tree::kTree) return new CKestrelTreeCtrl(parent);
  return nullptr;
}

void CModuleTreePage::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, ctl::tree::kPreview, m_edtPreview);
  DDX_Control(pDX, ctl::tree::kTree, m_tree);
  CModuleFilesPage::DoDataExchange(pDX);
  DDX_Text(pDX, ctl::files::kModuleName, m_strSelect);
  DDX_Text(pDX, ctl::tree::kPreview, m_strPreview);
  DDX_Radio(pDX, ctl::tree::kPlain, m_nCodeStyle);
}

void CModuleTreePage::MessageMap() {
  CModuleFilesPage::MessageMap();
  OnCommand(ctl::files::kFos, [this] { OnRadioFos(); });
  OnCommand(ctl::files::kBls, [this] { OnRadioBls(); });
  OnCommand(ff::res::IDCANCEL, [this] { OnCopy(); });
  OnCommand(ctl::tree::kEdit, [this] { OnEdit(); });
  OnCommand(ctl::tree::kPlain, [this] { OnCodeStyle(0); });
  OnCommand(ctl::tree::kBeautify, [this] { OnCodeStyle(1); });
  // Changes of the preview text have no action. Tab leaves the preview, as
  // it leaves every other control.
  if (auto* preview = Control<QPlainTextEdit>(ctl::tree::kPreview)) {
    preview->setTabChangesFocus(true);
    new ff::gui::CppHighlighter(preview->document());  // owned by the document
  }
  if (auto* tree = Control<CKestrelTreeCtrl>(ctl::tree::kTree))
    QObject::connect(tree, &CKestrelTreeCtrl::SelectionChanged, this, [this] { RefreshPreview(); });
}

// --- the tree ---------------------------------------------------------------

bool CModuleTreePage::FillModuleTree() {
  const ff::KindTable& kind = ff::Of(PageKind());
  const std::string& moduleQuery = kind.moduleQuery;
  m_tree->DeleteAllItems();
  functionNumbers_.clear();
  m_recModule.Empty();
  ConfigSnapshot snapshot;
  if (g_pConfigDB) {
    g_pConfigDB->Cmd(moduleQuery);
    if (!g_pConfigDB->SelectInto(&m_recModule, true)) {
      // The tree stays empty, with the reason.
      ff::QueryError(g_pConfigDB->GetLastErrMsg()).ReportError();
      return false;
    }
  }
  for (m_recModule.GoTop(); !m_recModule.Eof(); m_recModule.Skip()) {
    const std::string& id = m_recModule.GetRef(mod::CaptionModuleId());
    m_tree->AddItem(0, id,
                    m_recModule.GetRef(mod::CaptionModuleName()) + " " +
                        m_recModule.GetRef(mod::CaptionModuleChineseName()),
                    static_cast<int>(ff::gbk::AtoL(id)));
  }
  const std::string& codeField = kind.codeCaption;
  const std::string& nameField = kind.nameCaption;
  const std::string& numberField = kind.numberCaption;
  for (m_recModule.GoTop(); !m_recModule.Eof(); m_recModule.Skip()) {
    const std::string& id = m_recModule.GetRef(mod::CaptionModuleId());
    const long module = ff::gbk::AtoL(id);
    // A module item that cannot be found puts its functions at the top.
    const int parent = m_tree->FindID(id, 0);
    m_recFunction.Empty();
    if (g_pConfigDB) {
      g_pConfigDB->Cmd(ff::res::FunctionQuery(kind.kind, module));
      if (!g_pConfigDB->SelectInto(&m_recFunction, true)) {
        // The modules read so far stay in the tree, with the reason.
        ff::QueryError(g_pConfigDB->GetLastErrMsg()).ReportError();
        return false;
      }
    }
    for (m_recFunction.GoTop(); !m_recFunction.Eof(); m_recFunction.Skip()) {
      const std::string& code = m_recFunction.GetRef(codeField);
      const std::string identifier = std::to_string(module) + "|" + code;
      m_tree->AddItem(parent, identifier, code + " " + m_recFunction.GetRef(nameField), kFunctionItemNumber);
      functionNumbers_.emplace(identifier, ff::gbk::AtoL(ff::gbk::Trim(m_recFunction.GetRef(numberField))));
    }
  }
  return true;
}

long CModuleTreePage::FunctionNumberOf(const std::string& identifier) const {
  auto it = functionNumbers_.find(identifier);
  return it == functionNumbers_.end() ? 0 : it->second;
}

void CModuleTreePage::OnNewLogin() {
  // A function of the earlier database would only mislead.
  m_strSelect.clear();
  m_strPreview.clear();
  UpdateData(false);
  FillModuleTree();
}

void CModuleTreePage::OnRadioFos() { SwitchMode(false); }
void CModuleTreePage::OnRadioBls() { SwitchMode(true); }

void CModuleTreePage::SwitchMode(bool bls) {
  if (m_bBLS == bls) return;
  m_bBLS = bls;
  m_nKind = bls ? 1 : 0;
  // The tree is refilled with nothing picked: the preview of a function of
  // the other kind would only mislead.
  m_strSelect.clear();
  m_strPreview.clear();
  UpdateData(false);
  FillModuleTree();
  theReg.Write("ModuleSelectBLS", ff::SwitchText(bls));
}

std::string CModuleTreePage::SelectedIdentifier() const {
  return m_tree ? m_tree->GetString(-1) : std::string();
}
std::string CModuleTreePage::SelectedNote() const { return m_tree ? m_tree->GetNote(-1) : std::string(); }

std::string CModuleTreePage::ShowSelectedIdentifier() {
  m_strSelect = ff::gbk::Trim(SelectedIdentifier());
  UpdateData(false);
  return m_strSelect;
}

void CModuleTreePage::SetAuthorAndProject() {
  CCommentSettings settings;
  m_CodeMaker.SetAuthor(settings.GetAuthor());
  m_CodeMaker.RoutineComment().SetCopyRight(settings.CommentCopyRight(), settings.CommentCompany());
  m_CodeMaker.SetProjectName("");
}

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
  OfferLogin();  // the page opens whether or not the login succeeds
  // Aligned unless switched off explicitly.
  const bool beautify = theReg.GetReg("BeautifulCode") != "FALSE";
  m_nCodeStyle = beautify ? 1 : 0;
  m_CodeMaker.SetBeautify(beautify);
}

// --- preview actions ----------------------------------------------------------

bool CModuleTreePage::TempFolderFile(const std::string& name, std::string& path, std::string& error) {
  std::string folder;
  if (!ff::UserTempFolder(folder, error, ff::res::desktop::NotOwnTempFolder())) return false;
  path = InFolder(folder, name);
  return true;
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
  std::string path, error;
  if (!TempFolderFile(names::EditorFileName(), path, error)) {
    ff::UI().ShowError(error);
    return;
  }
  try {
    // The file is for a person on this system: in the system's encoding
    // and line ends, as the clipboard has it. Generated files stay GBK.
    ff::ReplaceFile(path, ff::gbk::ToUtf8(ff::gbk::Replaced(m_strPreview, "\r\n", "\n")));
  } catch (const CFileException& error) {
    error.ReportError();
    return;
  }
  if (!ff::UI().OpenWithDefaultApp(path))
    ff::UI().ShowError(ff::res::desktop::NoLauncher(ff::gbk::PathInText(path)));
}

void CModuleTreePage::OnCodeStyle(int index) {
  m_nCodeStyle = index;
  m_CodeMaker.SetBeautify(index == 1);
  theReg.Write("BeautifulCode", index == 1 ? "TRUE" : "FALSE");
  UpdateData(false);
  RefreshPreview();
}
