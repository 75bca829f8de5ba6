// The dialog templates of the module: every dialog and property page laid
// out in dialog units, as data. The GUI builds its widgets from these
// (module/dialog_builder.h); nothing here depends on Qt.
//
// Texts are UTF-8: they go to Qt, never into generated files.
#pragma once

#include <string>
#include <vector>

namespace ff::res {

// Dialog template ids (the resource numbers of the module).
enum DialogId : int {
  IDD_LOGIN_PAGE = 9001,        // CPageSQL
  IDD_LOGIN_DLG = 9007,         // CLoginDlg
  IDD_EXPORT_PAGE = 132,        // CPageExport
  IDD_CHECK_PAGE = 9005,        // CPageNotRegFid
  IDD_CODE_PAGE = 9006,         // CPageCode
  IDD_SINGLE_PAGE = 9008,       // CPageCodeSingle
  IDD_CLIENT_PAGE = 9010,       // CPageCodeClientSingle
  IDD_COMMENT_DLG = 9011,       // CCommentSettingsDlg
};

// The id of controls that nobody addresses (labels, lines).
constexpr int IDC_STATIC = -1;
// The standard command ids.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

enum class ControlKind {
  Label,        // static text, left aligned
  Edit,         // single or multi-line edit
  Button,       // push button
  DefButton,    // default push button
  CheckBox,     // automatic check box
  Radio,        // automatic radio button
  ComboBox,     // drop-down (editable) or drop-down list (kDropList)
  ListView,     // list view in report style (CKestrelListCtrl)
  TreeView,     // tree view
  EtchedLine,   // horizontal etched line
};

// Style flags of a control.
enum ControlStyle : unsigned {
  kNone = 0,
  kGroup = 1u << 0,         // starts a group (radio groups end at the next group start)
  kPassword = 1u << 1,      // edit shows bullets
  kDisabled = 1u << 2,      // greyed, takes no input
  kMultiLine = 1u << 3,     // multi-line edit
  kReadOnly = 1u << 4,      // edit that cannot be typed into
  kVScroll = 1u << 5,       // vertical scroll bar
  kHScroll = 1u << 6,       // horizontal scroll bar (no line wrapping)
  kWantReturn = 1u << 7,    // Enter makes a new line in a multi-line edit
  kDropList = 1u << 8,      // combo box without an edit field
  kTreeButtons = 1u << 9,   // tree: expand buttons
  kTreeLines = 1u << 10,    // tree: lines between items
  kTreeLinesAtRoot = 1u << 11,
  kNoSort = 1u << 12,       // list/combo keeps the given order
};

// How a control follows its dialog when the dialog is made larger than the
// template: each edge moves by this percentage of the extra width (left,
// right) or the extra height (top, bottom). All zero: the control keeps the
// place the template gives it. The template's size is the smallest size.
struct Grow {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct ControlTemplate {
  ControlKind kind = ControlKind::Label;
  int id = IDC_STATIC;
  std::string text;         // UTF-8
  int x = 0, y = 0, w = 0, h = 0;  // dialog units
  unsigned style = kNone;
  std::vector<std::string> items = {};  // initial entries of a combo box
  Grow grow = {};
};

struct DialogTemplate {
  int id = 0;
  std::string caption;      // UTF-8; the tab text of a property page
  int width = 0, height = 0;  // dialog units
  std::string fontName;     // "宋体"
  int fontPoints = 9;
  std::vector<ControlTemplate> controls;

  const ControlTemplate* Find(int controlId) const;
};

// The template with this id, or null.
const DialogTemplate* FindDialogTemplate(int id);
// Every template, in id order.
const std::vector<DialogTemplate>& AllDialogTemplates();

}  // namespace ff::res
