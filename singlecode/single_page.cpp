#include "singlecode/single_page.h"

#include <QComboBox>
#include <QLineEdit>
#include <QShortcut>
#include <fstream>
#include <iterator>

#include "codetext/gen_file.h"
#include "host/config_db.h"
#include "host/file_error.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/registry.h"
#include "host/user_interface.h"
#include "module/qt_text.h"
#include "modulecode/code_page.h"
#include "res/code_page_texts.h"
#include "res/control_ids.h"
#include "res/desktop_texts.h"
#include "singlecode/find_edit_ctrl.h"
#include "singlecode/kestrel_tree_ctrl.h"

namespace ctl = ff::res::ctl;

namespace texts = ff::res::codepage;

namespace {

// The radios list the styles in the order the user meets them; the
// generator numbers them otherwise.
constexpr ff::ValidateStyle kStyleOfIndex[4] = {ff::ValidateStyle::None, ff::ValidateStyle::Loose,
                                               ff::ValidateStyle::Compact, ff::ValidateStyle::Macro};

// The whole file (`path`: the system's bytes) as GBK ("" when it cannot be
// read).
std::string ReadBack(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());  // the pages write GBK
}

// ASCII letters compared without case; GBK characters as they are.
bool ContainsFolded(const std::string& text, const std::string& needle) {
  return ff::gbk::Contains(ff::gbk::ToUpper(text), ff::gbk::ToUpper(needle));
}

}  // namespace

CPageCodeSingle::CPageCodeSingle() : CModuleTreePage(ff::res::IDD_SINGLE_PAGE) {}

CPageCodeSingle::~CPageCodeSingle() = default;

ff::ValidateStyle CPageCodeSingle::ValidateStyleOf(int index) {
  return index >= 0 && index < 4 ? kStyleOfIndex[index] : ff::ValidateStyle::None;
}

QWidget* CPageCodeSingle::CreateCustomControl(const ff::res::ControlTemplate& c, QWidget* parent) {
  if (c.id == 9015) return new CFindEditCtrl(parent);
  return CModuleTreePage::CreateCustomControl(c, parent);
}

void CPageCodeSingle::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, ctl::single::kFindBy, m_cmbFindBy);
  CModuleTreePage::DoDataExchange(pDX);
  DDX_Radio(pDX, ctl::single::kValidateNone, m_nValidate);
  DDX_Text(pDX, ctl::single::kFindText, m_strFindText);
  DDX_CBString(pDX, ctl::single::kFindBy, m_strFindBy);
}

void CPageCodeSingle::MessageMap() {
  CModuleTreePage::MessageMap();
  OnCommand(ctl::single::kFind, [this] { OnFind(); });
  for (int i = 0; i < 4; ++i) OnCommand(ctl::single::kValidateNone + i, [this, i] { OnValidate(i); });
  auto* findEdit = Control<QLineEdit>(ctl::single::kFindText);
  if (findEdit) QObject::connect(findEdit, &QLineEdit::returnPressed, this, [this] { OnFind(); });
  // Ctrl+F goes to the find text, F3 finds the next match.
  auto* focusFind = new QShortcut(QKeySequence::Find, this);
  focusFind->setContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(focusFind, &QShortcut::activated, this, [findEdit] {
    if (!findEdit) return;
    findEdit->setFocus(Qt::ShortcutFocusReason);
    findEdit->selectAll();
  });
  auto* findNext = new QShortcut(QKeySequence::FindNext, this);
  findNext->setContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(findNext, &QShortcut::activated, this, [this] { OnFind(); });
}

bool CPageCodeSingle::OnInitDialog() {
  CModuleTreePage::OnInitDialog();
  OfferLoginAndReadCodeStyle();
  int index = static_cast<int>(ff::gbk::AtoL(theReg.GetReg("ValidateCode")));
  if (index < 0 || index > 3) index = 0;
  m_nValidate = index;
  m_CodeMaker.SetValidateStyle(ValidateStyleOf(index));
  theReg.Write("ValidateCode", std::to_string(index));
  ReadFolderAndSwitches();
  UpdateData(false);
  FillModuleTree();
  return true;
}

void CPageCodeSingle::RefreshPreview() {
  if (!CheckLoggedIn()) return;
  const std::string identifier = ff::gbk::Trim(SelectedIdentifier());
  if (!ff::gbk::Contains(identifier, "|")) {
    m_strPreview.clear();  // a module item, or nothing picked
  } else {
    ff::WaitCursor wait;
    SetAuthorAndProject();
    const long module = ModuleNumberOf(identifier);
    const std::string code = FunctionCodeOf(identifier);
    // The module's header goes to the user's temporary folder on the way
    // (its prototypes are the ones the function text refers to). It is the
    // program's own scratch file in a folder nobody else can write: it is
    // rewritten without asking, or every click in the tree after the first
    // would ask about a file the user never sees.
    std::string header, error;
    const bool haveHeader = TempFolderFile(texts::PreviewHeaderName(), header, error);
    // The preview is still made; the reason is said once, not on every
    // click in the tree.
    if (!haveHeader && !tempFolderReported_) ff::UI().ShowError(error);
    tempFolderReported_ = !haveHeader;
    ConfigSnapshot snapshot;
    try {
      std::string text;
      bool made;
      if (haveHeader) m_CodeMaker.MakeModuleHeader(PageKind(), header, module, true);
      made = m_CodeMaker.MakeFunctionText(PageKind(), module, code, text);
      m_strPreview = made ? text : std::string();
    } catch (const CFileException& error) {
      // Reported by the writer; once more here. The preview stays.
      error.ReportError();
    } catch (const ff::QueryError& error) {
      // The preview stays as it was.
      error.ReportError();
    }
  }
  m_strSelect = ff::gbk::Trim(SelectedNote());
  UpdateData(false);
}

void CPageCodeSingle::OnOK() {
  ff::WaitCursor wait;
  if (!CheckLoggedIn()) return;
  // The folder and file names as typed; the rest are the page's own values.
  ReadTypedPaths();
  const std::string identifier = ShowSelectedIdentifier();
  // Without a function there is nothing to write: an empty source file and
  // a header without prototypes would only replace good files.
  if (!ff::gbk::Contains(identifier, "|")) {
    ff::UI().ShowMessage(ff::res::desktop::NoFunctionSelected());
    return;
  }
  if (!ReadyToWriteModuleFiles()) return;
  SetAuthorAndProject();
  const long module = ModuleNumberOf(identifier);
  const std::string code = FunctionCodeOf(identifier);
  bool headerWritten, written;
  ConfigSnapshot snapshot;
  try {
    // A declined header does not stop the source file.
    headerWritten = m_CodeMaker.MakeModuleHeader(PageKind(), m_strHeadFile, module, m_bOverWrite);
    written = m_CodeMaker.MakeFunctionFile(PageKind(), m_strCppFile, module, m_bOverWrite, code);
  } catch (const CFileException& error) {
    error.ReportError();
    return;
  } catch (const ff::QueryError& error) {
    // The file being written keeps its old bytes.
    error.ReportError();
    return;
  }
  // The preview shows what the source file now holds; a file the user
  // kept leaves the preview as it was.
  if (written) m_strPreview = ReadBack(m_strCppFile);
  UpdateData(false);
  StoreValues();
  ff::UI().ShowReport(CPageCode::Summary(PageKind(), {{m_strCppFile, written}, {m_strHeadFile, headerWritten}}, {}, {}),
                      m_strPath);
}

void CPageCodeSingle::OnValidate(int index) {
  m_nValidate = index;
  m_CodeMaker.SetValidateStyle(ValidateStyleOf(index));
  theReg.Write("ValidateCode", std::to_string(index));
  UpdateData(false);
  RefreshPreview();
}

void CPageCodeSingle::OnFind() {
  UpdateData(true);
  const std::string text = ff::gbk::Trim(m_strFindText);
  if (text.empty()) {
    ff::UI().ShowMessage(texts::FindTextMissing());
    return;
  }
  const std::string kind = ff::gbk::Trim(m_strFindBy);
  const bool byCode = kind == texts::FindKindCode();
  const bool byId = kind == texts::FindKindId();
  const bool byName = kind == texts::FindKindName();
  const bool any = !byCode && !byId && !byName;  // no kind chosen: all three
  const bool digits = text.find_first_not_of("0123456789") == std::string::npos;
  const long number = digits && text.size() < 10 ? ff::gbk::AtoL(text) : 0;
  auto match = [&](const std::string& id, const std::string& note) {
    const size_t bar = ff::gbk::Find(id, "|");
    const bool function = bar != std::string::npos;
    // A function's note is its code, a blank and its name; a module's note
    // is its name and its Chinese name.
    const std::string code = function ? id.substr(bar + 1) : std::string();
    std::string name = note;
    if (function && note.compare(0, code.size(), code) == 0) name = note.substr(code.size());
    if ((byCode || any) && function && ContainsFolded(code, text)) return true;
    if ((byId || any) && ContainsFolded(ff::gbk::Trim(id), text)) return true;
    // A function's ID is also its number, the one the generated code
    // carries (FOSID / BLSID): found when the text is that number.
    if ((byId || any) && function && number != 0 && FunctionNumberOf(id) == number) return true;
    if ((byName || any) && ContainsFolded(ff::gbk::Trim(name), text)) return true;
    return false;
  };
  // The next match after the selection, from the top again at the end.
  const int start = m_tree->GetSelectedItem();
  const int found = m_tree->FindItem(match, start, true);
  if (found == 0) {
    ff::UI().ShowMessage(any ? texts::FindNothingAny(text)
                             : texts::FindNothingByKind({.kind = kind, .text = text}));
    return;
  }
  m_tree->SelectItem(found);  // the selection message refreshes the preview
  m_tree->setFocus();
}
