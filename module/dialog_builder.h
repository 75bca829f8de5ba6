// Builds Qt widgets from a dialog template (res/dialog_templates.h).
//
// Positions are dialog units, converted with the base units of the dialog
// font: base x = average width of "A".."Z","a".."z" (total / 52, rounded
// up as the system does), base y = the font's height; a rectangle
// (x, y, w, h) in dialog units is (x*bx/4, y*by/8, w*bx/4, h*by/8) pixels.
// "宋体" 9 point maps to an installed CJK font of that size.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include <QFont>
#include <QRect>
#include <QWidget>

#include "res/dialog_templates.h"

class QAbstractButton;
class QButtonGroup;

namespace ff::gui {

// The font of a template: its face mapped to an installed CJK font.
QFont DialogFont(const ff::res::DialogTemplate& tmpl);
QFont DialogFont(const std::string& faceName, int points);

struct BaseUnits {
  int x = 6;
  int y = 12;
};
BaseUnits DialogBaseUnits(const QFont& font);
QRect DluToPixels(const BaseUnits& units, int x, int y, int w, int h);
// The pixel size of a whole template.
QSize TemplatePixelSize(const ff::res::DialogTemplate& tmpl);
// The smallest size of a page made from the template: as high as the
// template less what its stretching controls (lists, trees, previews)
// can give up and still show a few rows, so that the tallest page fits a
// laptop's screen. As wide as the template.
QSize CompactPixelSize(const ff::res::DialogTemplate& tmpl);

// The controls made from one template.
class DialogControls {
 public:
  // The control with this id, or null.
  QWidget* Control(int id) const;
  template <class T>
  T* Get(int id) const {
    return dynamic_cast<T*>(Control(id));
  }
  QAbstractButton* Button(int id) const;
  // The exclusive group of radio buttons whose first button has `firstId`
  // (null when there is none). Buttons are numbered 0.. in template order.
  QButtonGroup* RadioGroup(int firstId) const;
  // Every control in template order, labels and lines included.
  const std::vector<QWidget*>& All() const { return all_; }
  // The template entry a control was made from (null for none).
  const ff::res::ControlTemplate* TemplateOf(const QWidget* w) const;
  // The size the controls were built for (the template's size).
  QSize BuiltSize() const { return builtSize_; }
  // Places every control for a dialog of `size`: the template's place, with
  // its edges moved by the control's share of the size beyond the template
  // (ControlTemplate::grow). Narrower than the template counts as equal;
  // lower shrinks the stretching controls, down to the compact size.
  void FollowSize(const QSize& size) const;

 private:
  friend void BuildDialog(const ff::res::DialogTemplate&, QWidget*, DialogControls&,
                          const std::function<QWidget*(const ff::res::ControlTemplate&, QWidget*)>&);
  std::map<int, QWidget*> byId_;
  std::map<int, QButtonGroup*> groups_;  // first radio id -> group
  std::map<const QWidget*, const ff::res::ControlTemplate*> templates_;
  std::vector<QWidget*> all_;
  std::map<const QWidget*, QRect> builtRects_;
  QSize builtSize_;
  int shrink_ = 0;  // how much lower than the template the controls may go
};

// Makes a control of a kind the builder does not know, or a control of a
// page's own class for one id (return null to get the default widget).
using ControlFactory = std::function<QWidget*(const ff::res::ControlTemplate&, QWidget* parent)>;

// Creates the controls of `tmpl` as children of `parent`, gives `parent`
// the dialog font, the template's size as its size and smallest size, and
// records the controls in
// `out`. The default widgets: Label QLabel, Edit QLineEdit (QPlainTextEdit
// when multi-line), Button/DefButton QPushButton, CheckBox QCheckBox, Radio
// QRadioButton (grouped), ComboBox QComboBox, ListView CKestrelListCtrl,
// TreeView QTreeWidget, EtchedLine QFrame.
void BuildDialog(const ff::res::DialogTemplate& tmpl, QWidget* parent, DialogControls& out,
                 const ControlFactory& factory = {});

}  // namespace ff::gui
