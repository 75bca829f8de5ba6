// How the three code pages look: every text fits its control and no two
// controls overlap, on the demo database with a function picked and its
// preview shown, at the template's size and made larger as on a desktop.
// With FF_SCREENSHOT_DIR set, each larger page is also saved as a PNG there
// (code_page.png, single_code_page.png, client_snippet_page.png).
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "code_pages_util.h"
#include "host/config_db.h"
#include "host/registry.h"
#include "module/kestrel_list_ctrl.h"
#include "modulecode/code_page.h"
#include "res/control_ids.h"
#include "singlecode/client_page.h"
#include "singlecode/single_page.h"

namespace ctl = ff::res::ctl;

using ff::guitest::Click;
using ff::guitest::PageUI;
using ff::guitest::Pick;
using ff::guitest::TempFolder;
using ff::test::G;

namespace {

QString Describe(const QWidget* w, const CTemplateForm& form) {
  const ff::res::ControlTemplate* t = form.Controls().TemplateOf(w);
  return t ? QStringLiteral("%1 \"%2\"").arg(t->id).arg(QString::fromStdString(t->text))
           : QStringLiteral("?");
}

// What a control paints: a label only its text, centred in its box.
QRect Painted(const QWidget* w) {
  if (auto* label = qobject_cast<const QLabel*>(w)) {
    const QSize hint = label->sizeHint();
    const QRect box = label->geometry();
    return QRect(box.x(), box.y() + (box.height() - hint.height()) / 2, std::min(hint.width(), box.width()),
                 std::min(hint.height(), box.height()));
  }
  return w->geometry();
}

// Texts fit; controls stay apart and inside the page.
void CheckLayout(QWidget& page, const CTemplateForm& form) {
  const std::vector<QWidget*>& all = form.Controls().All();
  for (QWidget* w : all) {
    QVERIFY2(page.rect().contains(w->geometry()), qPrintable(Describe(w, form) + " leaves the page"));
    int needed = -1;
    if (auto* push = qobject_cast<QPushButton*>(w))
      // A push button's hint has a minimum width; the text itself must fit.
      needed = push->fontMetrics().horizontalAdvance(push->text().remove('&')) + 4;
    else if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w))
      needed = w->sizeHint().width();
    QVERIFY2(needed <= w->width(),
             qPrintable(Describe(w, form) +
                        QStringLiteral(" is cut: needs %1, has %2").arg(needed).arg(w->width())));
  }
  for (size_t i = 0; i < all.size(); ++i)
    for (size_t j = i + 1; j < all.size(); ++j)
      QVERIFY2(!Painted(all[i]).intersects(Painted(all[j])),
               qPrintable(Describe(all[i], form) + " overlaps " + Describe(all[j], form)));
}

// Checks the page at its template's size, then made half as large again
// (the sheet's window enlarged), and saves the larger one.
void CheckAndSave(QWidget& page, const CTemplateForm& form, const char* name) {
  CheckLayout(page, form);
  if (QTest::currentTestFailed()) return;
  page.resize(page.minimumSize() * 1.5);
  CheckLayout(page, form);
  if (QTest::currentTestFailed()) return;
  const QByteArray dir = qgetenv("FF_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QVERIFY(page.grab().save(QString::fromLocal8Bit(dir) + "/" + name));
}

}  // namespace

class CodePagesLookTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { DisconnectConfigDB(); }

  void modulePageAfterPickingAModule() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    theReg.Write("ModulePath", "/home/dev/kcxp/src");
    theReg.Write("ModuleNeed", "TRUE");
    CPageCode page;
    page.Create();
    page.show();
    page.m_lstModule->setCurrentItem(page.m_lstModule->topLevelItem(1));
    CheckAndSave(page, page, "code_page.png");
  }

  void singlePageWithAPreview() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    TempFolder tmp;
    PageUI ui;
    theReg.Write("ModulePath", "/home/dev/kcxp/src");
    theReg.Write("ModuleNeed", "TRUE");
    theReg.Write("ModuleFilesOverWrite", "TRUE");
    theReg.Write("ValidateCode", "2");
    CPageCodeSingle page;
    page.Create();
    page.show();
    Pick(page, "1|KH_OPEN  ");
    page.m_cmbFindBy->setCurrentIndex(0);
    page.SetDlgItemText(ctl::single::kFindText, "KH_");
    CheckAndSave(page, page, "single_code_page.png");
  }

  void snippetPageWithABlsSnippet() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    theReg.Write("ModulePath", "/home/dev/kcxp/src");
    theReg.Write("ModuleSelectBLS", "TRUE");
    CPageCodeClientSingle page;
    page.Create();
    page.show();
    Pick(page, "22|ZJ_TRANSFER");
    CheckAndSave(page, page, "client_snippet_page.png");
  }
};

QTEST_MAIN(CodePagesLookTest)
#include "code_pages_look_test.moc"
