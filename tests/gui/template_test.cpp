// The dialog templates as built on this platform: every control inside
// its dialog, no two controls of the laid-out templates on top of each
// other, and every text readable in full with the dialog font.
#include <algorithm>

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include "module/dialog_builder.h"
#include "res/dialog_templates.h"

using ff::res::ControlKind;

class TemplateTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsStayInsideTheirDialog() {
    for (const ff::res::DialogTemplate& t : ff::res::AllDialogTemplates()) {
      for (const ff::res::ControlTemplate& c : t.controls) {
        const int h = c.kind == ControlKind::ComboBox ? 14 : c.h;
        QVERIFY2(c.x >= 0 && c.y >= 0 && c.x + c.w <= t.width && c.y + h <= t.height,
                 qPrintable(QStringLiteral("%1: control %2 \"%3\"").arg(t.id).arg(c.id).arg(c.text.c_str())));
      }
    }
  }

  // The templates laid out here (the others stand as the system has them;
  // so do the first six controls of the two single-function pages, whose
  // label reaches down into the FOS radio).
  void laidOutTemplatesHaveNoOverlaps() {
    using namespace ff::res;
    for (int id : {IDD_LOGIN_PAGE, IDD_LOGIN_DLG, IDD_SINGLE_PAGE, IDD_CLIENT_PAGE, IDD_COMMENT_DLG}) {
      const DialogTemplate& t = *FindDialogTemplate(id);
      const size_t given = (id == IDD_SINGLE_PAGE || id == IDD_CLIENT_PAGE) ? 6 : 0;
      for (size_t i = 0; i < t.controls.size(); ++i) {
        for (size_t j = std::max(i + 1, given); j < t.controls.size(); ++j) {
          const auto& a = t.controls[i];
          const auto& b = t.controls[j];
          const QRect ra(a.x, a.y, a.w, a.kind == ControlKind::ComboBox ? 14 : a.h);
          const QRect rb(b.x, b.y, b.w, b.kind == ControlKind::ComboBox ? 14 : b.h);
          QVERIFY2(!ra.intersects(rb), qPrintable(QStringLiteral("%1: \"%2\" (%3) and \"%4\" (%5)")
                                                     .arg(id)
                                                     .arg(a.text.c_str())
                                                     .arg(a.id)
                                                     .arg(b.text.c_str())
                                                     .arg(b.id)));
        }
      }
    }
  }

  void textsAreNotCut() {
    for (const ff::res::DialogTemplate& t : ff::res::AllDialogTemplates()) {
      QWidget dialog;
      ff::gui::DialogControls controls;
      ff::gui::BuildDialog(t, &dialog, controls);
      for (QWidget* w : controls.All()) {
        const ff::res::ControlTemplate* c = controls.TemplateOf(w);
        QString text;
        int needed = 0;
        if (auto* label = qobject_cast<QLabel*>(w)) {
          text = label->text().trimmed();
          needed = label->fontMetrics().horizontalAdvance(text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
          text = button->text();
          // Check boxes and radios: their indicator and text.
          needed = c->kind == ControlKind::CheckBox || c->kind == ControlKind::Radio
                       ? button->sizeHint().width()
                       : button->fontMetrics().horizontalAdvance(QString(text).remove('&')) + 4;
        } else {
          continue;
        }
        QVERIFY2(needed <= w->width(), qPrintable(QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                                                      .arg(t.id)
                                                      .arg(text)
                                                      .arg(needed)
                                                      .arg(w->width())));
        QVERIFY2(w->fontMetrics().height() <= w->height() + 1,
                 qPrintable(QStringLiteral("%1: \"%2\" too low").arg(t.id).arg(text)));
      }
    }
  }
};

QTEST_MAIN(TemplateTest)
#include "template_test.moc"
