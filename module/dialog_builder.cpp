#include "module/dialog_builder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "module/kestrel_list_ctrl.h"
#include "module/qt_text.h"
#include "module/tree_lines_style.h"

namespace ff::gui {

using ff::res::ControlKind;
using ff::res::ControlTemplate;
using ff::res::DialogTemplate;

namespace {

// Installed fonts that stand in for the Windows faces, best first.
QStringList FamiliesFor(const QString& face) {
  if (face == QStringLiteral("宋体") || face.compare(QStringLiteral("SimSun"), Qt::CaseInsensitive) == 0)
    return {QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("WenQuanYi Micro Hei"),
            QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")};
  return {face, QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")};
}

// Code previews align columns by GBK byte length: a monospaced face whose
// CJK characters are two ASCII cells wide keeps them aligned on screen.
QFont PreviewFont(int points) {
  QFont font;
  font.setFamilies({QStringLiteral("WenQuanYi Micro Hei Mono"), QStringLiteral("Noto Sans Mono CJK SC"),
                    QStringLiteral("Monospace")});
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(points);
  return font;
}

QWidget* MakeDefault(const ControlTemplate& c, QWidget* parent, int points) {
  const QString text = FromUtf8(c.text);
  switch (c.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(text, parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      return label;
    }
    case ControlKind::Edit: {
      if (c.style & ff::res::kMultiLine) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setFont(PreviewFont(points));
        edit->setReadOnly(c.style & ff::res::kReadOnly);
        if (c.style & ff::res::kHScroll) edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit->setVerticalScrollBarPolicy((c.style & ff::res::kVScroll) ? Qt::ScrollBarAlwaysOn
                                                                      : Qt::ScrollBarAsNeeded);
        edit->setHorizontalScrollBarPolicy((c.style & ff::res::kHScroll) ? Qt::ScrollBarAlwaysOn
                                                                        : Qt::ScrollBarAsNeeded);
        edit->setTabChangesFocus(false);
        return edit;
      }
      auto* edit = new QLineEdit(parent);
      if (c.style & ff::res::kPassword) edit->setEchoMode(QLineEdit::Password);
      edit->setReadOnly(c.style & ff::res::kReadOnly);
      return edit;
    }
    case ControlKind::Button:
    case ControlKind::DefButton: {
      auto* button = new QPushButton(text, parent);
      button->setAutoDefault(c.kind == ControlKind::DefButton);
      button->setDefault(c.kind == ControlKind::DefButton);
      return button;
    }
    case ControlKind::CheckBox:
      return new QCheckBox(text, parent);
    case ControlKind::Radio: {
      auto* radio = new QRadioButton(text, parent);
      radio->setAutoExclusive(false);  // the button group does it
      return radio;
    }
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(!(c.style & ff::res::kDropList));
      combo->setInsertPolicy(QComboBox::NoInsert);
      for (const std::string& item : c.items) combo->addItem(FromUtf8(item));
      combo->setCurrentIndex(-1);
      if (combo->isEditable()) combo->setEditText(QString());
      return combo;
    }
    case ControlKind::ListView:
      return new CKestrelListCtrl(parent);
    case ControlKind::TreeView: {
      auto* tree = new QTreeWidget(parent);
      tree->setHeaderHidden(true);
      tree->setColumnCount(1);
      tree->setRootIsDecorated(c.style & (ff::res::kTreeLinesAtRoot | ff::res::kTreeButtons));
      return tree;
    }
    case ControlKind::EtchedLine: {
      auto* line = new QFrame(parent);
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Sunken);
      return line;
    }
  }
  return new QWidget(parent);
}

}  // namespace

QFont DialogFont(const std::string& faceName, int points) {
  QFont font;
  font.setFamilies(FamiliesFor(FromUtf8(faceName)));
  font.setPointSize(points > 0 ? points : 9);
  return font;
}

QFont DialogFont(const DialogTemplate& tmpl) { return DialogFont(tmpl.fontName, tmpl.fontPoints); }

BaseUnits DialogBaseUnits(const QFont& font) {
  QFontMetrics metrics(font);
  const int total = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  BaseUnits units;
  units.x = std::max(1, (total / 26 + 1) / 2);
  units.y = std::max(1, metrics.height());
  return units;
}

QRect DluToPixels(const BaseUnits& u, int x, int y, int w, int h) {
  // Converted edge by edge, so that adjoining controls stay adjoining.
  const int left = x * u.x / 4, top = y * u.y / 8;
  const int right = (x + w) * u.x / 4, bottom = (y + h) * u.y / 8;
  return QRect(left, top, right - left, bottom - top);
}

QSize TemplatePixelSize(const DialogTemplate& tmpl) {
  const BaseUnits u = DialogBaseUnits(DialogFont(tmpl));
  return DluToPixels(u, 0, 0, tmpl.width, tmpl.height).size();
}

namespace {

// The rows a stretching control keeps at the compact size: a list's header
// and three rows, four lines of a tree or a preview.
constexpr int kSmallestStretch = 72;

int ShrinkableHeight(const DialogTemplate& tmpl, const BaseUnits& u) {
  int shrink = -1;
  for (const ControlTemplate& c : tmpl.controls) {
    const int share = c.grow.bottom - c.grow.top;
    if (share <= 0) continue;
    const int height = DluToPixels(u, c.x, c.y, c.w, c.h).height();
    const int give = std::max(0, height - kSmallestStretch) * 100 / share;
    shrink = shrink < 0 ? give : std::min(shrink, give);
  }
  return std::max(0, shrink);
}

}  // namespace

QSize CompactPixelSize(const DialogTemplate& tmpl) {
  const BaseUnits u = DialogBaseUnits(DialogFont(tmpl));
  const QSize full = DluToPixels(u, 0, 0, tmpl.width, tmpl.height).size();
  return QSize(full.width(), full.height() - ShrinkableHeight(tmpl, u));
}

QWidget* DialogControls::Control(int id) const {
  auto it = byId_.find(id);
  return it == byId_.end() ? nullptr : it->second;
}

QAbstractButton* DialogControls::Button(int id) const { return qobject_cast<QAbstractButton*>(Control(id)); }

QButtonGroup* DialogControls::RadioGroup(int firstId) const {
  auto it = groups_.find(firstId);
  return it == groups_.end() ? nullptr : it->second;
}

const ControlTemplate* DialogControls::TemplateOf(const QWidget* w) const {
  auto it = templates_.find(w);
  return it == templates_.end() ? nullptr : it->second;
}

void DialogControls::FollowSize(const QSize& size) const {
  const int dx = std::max(0, size.width() - builtSize_.width());
  const int dy = std::max(-shrink_, size.height() - builtSize_.height());
  for (QWidget* w : all_) {
    const ControlTemplate* c = TemplateOf(w);
    auto built = builtRects_.find(w);
    if (!c || built == builtRects_.end()) continue;
    const QRect& r = built->second;
    const ff::res::Grow& g = c->grow;
    // Edges, not sizes, move: neighbours that share an edge keep sharing it.
    const int left = r.x() + dx * g.left / 100;
    const int top = r.y() + dy * g.top / 100;
    const int right = r.x() + r.width() + dx * g.right / 100;
    const int bottom = r.y() + r.height() + dy * g.bottom / 100;
    w->setGeometry(left, top, right - left, bottom - top);
  }
}

void BuildDialog(const DialogTemplate& tmpl, QWidget* parent, DialogControls& out, const ControlFactory& factory) {
  const QFont font = DialogFont(tmpl);
  parent->setFont(font);
  const BaseUnits units = DialogBaseUnits(font);
  out.builtSize_ = DluToPixels(units, 0, 0, tmpl.width, tmpl.height).size();
  out.shrink_ = ShrinkableHeight(tmpl, units);
  parent->setMinimumSize(out.builtSize_);
  parent->resize(out.builtSize_);

  QButtonGroup* group = nullptr;
  for (const ControlTemplate& c : tmpl.controls) {
    QWidget* w = factory ? factory(c, parent) : nullptr;
    if (!w) w = MakeDefault(c, parent, tmpl.fontPoints);
    if (w->parentWidget() != parent) w->setParent(parent);

    QRect r = DluToPixels(units, c.x, c.y, c.w, c.h);
    if (c.kind == ControlKind::ComboBox) r.setHeight(DluToPixels(units, c.x, c.y, c.w, 14).height());
    if (c.kind == ControlKind::EtchedLine) r.setHeight(2);
    w->setGeometry(r);
    out.builtRects_[w] = r;
    if (c.kind == ControlKind::TreeView && (c.style & ff::res::kTreeLines))
      if (auto* tree = qobject_cast<QTreeView*>(w)) DrawTreeLines(tree);
    if (c.style & ff::res::kDisabled) w->setEnabled(false);
    if (c.id != ff::res::IDC_STATIC) {
      w->setObjectName(QStringLiteral("ctl%1").arg(c.id));
      out.byId_[c.id] = w;
    }
    out.templates_[w] = &c;
    out.all_.push_back(w);

    // A radio group runs from a radio with the group flag up to the next
    // control that starts a group or is not a radio.
    if (c.kind == ControlKind::Radio) {
      if (!group || (c.style & ff::res::kGroup)) {
        group = new QButtonGroup(parent);
        group->setExclusive(true);
        out.groups_[c.id] = group;
      }
      auto* radio = qobject_cast<QAbstractButton*>(w);
      if (radio) group->addButton(radio, static_cast<int>(group->buttons().size()));
    } else {
      group = nullptr;
    }
    w->show();
  }
}

}  // namespace ff::gui
