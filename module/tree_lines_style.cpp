#include "module/tree_lines_style.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTreeView>

namespace ff::gui {

namespace {

class TreeLinesStyle : public QProxyStyle {
 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element != PE_IndicatorBranch) {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
    }
    const QRect r = option->rect;
    const int cx = r.left() + r.width() / 2;
    const int cy = r.top() + r.height() / 2;
    painter->save();
    QPen dotted(option->palette.color(QPalette::Dark));
    dotted.setStyle(Qt::DotLine);
    painter->setPen(dotted);
    // State_Item: this column holds the item itself (line to it and up to
    // its parent); State_Sibling: more siblings follow below (line through).
    if (option->state & State_Item) {
      painter->drawLine(cx, cy, r.right(), cy);
      painter->drawLine(cx, r.top(), cx, cy);
    }
    if (option->state & State_Sibling) painter->drawLine(cx, r.top(), cx, r.bottom());
    if (option->state & State_Children) {
      const int half = 4;
      const QRect box(cx - half, cy - half, 2 * half, 2 * half);
      painter->setPen(QPen(option->palette.color(QPalette::Dark)));
      painter->fillRect(box, option->palette.color(QPalette::Base));
      painter->drawRect(box);
      painter->setPen(QPen(option->palette.color(QPalette::Text)));
      painter->drawLine(cx - half + 2, cy, cx + half - 2, cy);
      if (!(option->state & State_Open)) painter->drawLine(cx, cy - half + 2, cx, cy + half - 2);
    }
    painter->restore();
  }
};

}  // namespace

void DrawTreeLines(QTreeView* tree) {
  // One style for every tree, owned by the application: a widget does not
  // own the style it is given.
  static QPointer<TreeLinesStyle> style;
  if (!style) {
    style = new TreeLinesStyle;
    style->setParent(qApp);
  }
  tree->setStyle(style);
}

}  // namespace ff::gui
