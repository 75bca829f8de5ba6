// The sheet on a desktop: it grows with the window, the controls that show
// much (previews, tree, lists, path edits) grow with it, nothing overlaps,
// the size comes back on the next start, no page gets smaller than its
// template, and every template's texts read in full.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLabel>
#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryFile>
#include <QPushButton>
#include <QTabWidget>

#include "gui_test_util.h"
#include "module/dialog_builder.h"
#include "res/dialog_templates.h"
#include "module/main_sheet.h"
#include "module/sheet_size.h"
#include "module/property_page.h"

using namespace ff::guitest;
using ff::res::ControlKind;

namespace {

// The page's controls that overlap another control (labels and lines
// included), as "a/b" pairs of their ids or texts.
QStringList Overlaps(CPropertyPage& page) {
  QStringList found;
  const auto& all = page.Controls().All();
  for (size_t i = 0; i < all.size(); ++i) {
    for (size_t j = i + 1; j < all.size(); ++j) {
      const auto* a = page.Controls().TemplateOf(all[i]);
      const auto* b = page.Controls().TemplateOf(all[j]);
      // The first controls of the two tree pages stand as they always did
      // (the list label reaches into the FOS radio).
      if ((page.TemplateId() == 9008 || page.TemplateId() == 9010) && j < 6) continue;
      if (all[i]->geometry().intersects(all[j]->geometry()))
        found << QStringLiteral("%1(%2)/%3(%4)")
                     .arg(QString::fromStdString(a->text))
                     .arg(a->id)
                     .arg(QString::fromStdString(b->text))
                     .arg(b->id);
    }
  }
  return found;
}

}  // namespace

class SheetSizeTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsGrowWithTheSheetAndTheSizeIsKept() {
    Sandbox box;
    QSize grown;
    QSize smallest;
    {
      CMainSheet sheet("", nullptr, 1);
      sheet.Create();
      sheet.show();
      QVERIFY(QTest::qWaitForWindowExposed(&sheet));
      smallest = sheet.minimumSize();
      // The smallest sheet fits a 1280x720 screen with a panel and a title
      // bar; the first start shows the templates' size where the screen
      // holds it.
      QVERIFY2(smallest.height() <= 720 - 30 - 40 && smallest.width() <= 1280 - 16,
               qPrintable(QStringLiteral("%1x%2").arg(smallest.width()).arg(smallest.height())));
      QCOMPARE(sheet.width(), smallest.width());
      QVERIFY(sheet.height() >= smallest.height() + 150);

      // Each page's controls at the smallest size, and what overlaps there
      // already (titles that run into their lines on the check page).
      std::map<int, QRect> before;
      std::map<int, QStringList> overlapsBefore;
      for (int index = 0; index < sheet.GetPageCount(); ++index) {
        sheet.SetActivePage(index);
        QCoreApplication::processEvents();
        CPropertyPage* page = sheet.GetPage(index);
        QVERIFY(page->width() >= page->minimumWidth());
        overlapsBefore[index] = Overlaps(*page);
        for (QWidget* w : page->Controls().All())
          if (const auto* c = page->Controls().TemplateOf(w); c->id > 0)
            before[page->TemplateId() * 100000 + c->id] = w->geometry();
      }

      grown = sheet.size() + QSize(300, 200);
      sheet.resize(grown);
      QCoreApplication::processEvents();
      QCOMPARE(sheet.size(), grown);
      // 退出 keeps to the right edge, the tabs fill the rest.
      QPushButton* exit = sheet.GetDlgItem(2);
      QVERIFY(exit->geometry().right() < sheet.width());
      QVERIFY(exit->geometry().right() > sheet.width() - 30);
      QVERIFY(sheet.GetTabControl()->geometry().bottom() > sheet.height() - 15);

      // The previews take most of the extra width and all the height, the
      // trees the rest; the test file edits grow as well as the module
      // ones; the module list, the four lists of the check page (together)
      // and the export folder grow.
      struct Gain {
        int page, id, width, height;
      } gains[] = {{4, ctl::tree::kPreview, 200, 190}, {5, ctl::tree::kPreview, 200, 190},
                   {4, ctl::tree::kTree, 80, 190},     {5, ctl::tree::kTree, 80, 190},
                   {4, ctl::files::kTestHeaderFile, 140, 0}, {5, ctl::files::kHeaderFile, 140, 0},
                   {3, ctl::code::kModuleList, 290, 190},   {1, ctl::exporting::kFolder, 290, 0},
                   {2, ctl::check::kBlsList, 290, 40},      {2, ctl::check::kFosList, 290, 40},
                   {2, ctl::check::kUnusedList, 290, 40},   {2, ctl::check::kLintList, 290, 40}};
      int listsHeight = 0;
      for (const Gain& g : gains) {
        sheet.SetActivePage(g.page);
        QCoreApplication::processEvents();
        const QRect now = sheet.GetPage(g.page)->GetDlgItem(g.id)->geometry();
        const QRect was = before[sheet.GetPage(g.page)->TemplateId() * 100000 + g.id];
        QVERIFY2(now.width() - was.width() >= g.width && now.height() - was.height() >= g.height,
                 qPrintable(QStringLiteral("page %1, control %2").arg(g.page).arg(g.id)));
        if (g.page == 2) listsHeight += now.height() - was.height();
      }
      QVERIFY(listsHeight >= 190);

      // Nothing more of a page overlaps, nothing leaves the page, at the
      // larger size and at the smallest, where the lists, trees and
      // previews still show rows. Smaller still is refused.
      auto laidOut = [&](bool small) {
        for (int index = 0; index < sheet.GetPageCount(); ++index) {
          sheet.SetActivePage(index);
          QCoreApplication::processEvents();
          CPropertyPage* page = sheet.GetPage(index);
          QStringList overlaps = Overlaps(*page);
          for (const QString& known : overlapsBefore[index]) overlaps.removeAll(known);
          QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(' ')));
          for (QWidget* w : page->Controls().All()) {
            QVERIFY2(page->rect().contains(w->geometry()), qPrintable(w->objectName()));
            if (small && qobject_cast<QAbstractScrollArea*>(w)) QVERIFY2(w->height() >= 70, qPrintable(w->objectName()));
          }
        }
      };
      laidOut(false);
      sheet.resize(smallest - QSize(100, 100));
      QCoreApplication::processEvents();
      QCOMPARE(sheet.size(), smallest);
      laidOut(true);
      sheet.resize(grown);
      QCoreApplication::processEvents();
      sheet.EndDialog(2);  // 退出
    }
    // The next start opens at the size the user left.
    CMainSheet again("", nullptr, 1);
    again.Create();
    QCOMPARE(again.size(), grown);
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QCoreApplication::processEvents();
    QVERIFY(again.GetPage(1)->width() > again.GetPage(1)->minimumWidth() + 250);
  }

  // A stored size too small for the pages starts at the templates' size; a
  // garbled, huge one at most at the screen's. A sheet left maximised opens
  // maximised, and goes back to the size it had before.
  void theStoredSizeAndStateComeBackWithinReason() {
    Sandbox box{Sandbox::NoDatabase{}};
    QSize smallest;
    {
      CMainSheet sheet("", nullptr, 1);
      sheet.Create();
      smallest = sheet.minimumSize();
      sheet.resize(200, 100);
      sheet.EndDialog(2);
    }
    {
      CMainSheet again("", nullptr, 1);
      again.Create();
      QCOMPARE(again.size(), smallest);
    }
    ff::gui::StoreSheetSize(QSize(100000, 100000));
    {
      CMainSheet huge("", nullptr, 1);
      huge.Create();
      const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
      QVERIFY(huge.width() <= screen.width() && huge.height() <= screen.height());
      QVERIFY(huge.width() >= screen.width() - 100 && huge.height() >= screen.height() - 100);
      huge.resize(smallest + QSize(40, 30));
      huge.show();
      QVERIFY(QTest::qWaitForWindowExposed(&huge));
      huge.showMaximized();
      QCoreApplication::processEvents();
      QVERIFY(huge.isMaximized());
      huge.EndDialog(2);
    }
    {
      CMainSheet again("", nullptr, 1);
      again.Create();
      QVERIFY(again.windowState() & Qt::WindowMaximized);
      again.show();
      QVERIFY(QTest::qWaitForWindowExposed(&again));
      again.showNormal();
      QCoreApplication::processEvents();
      QCOMPARE(again.size(), smallest + QSize(40, 30));
      again.EndDialog(2);
    }
    CMainSheet normal("", nullptr, 1);
    normal.Create();
    QVERIFY(!(normal.windowState() & Qt::WindowMaximized));
  }

  // Every text of every dialog template reads in full with the dialog
  // font (the sheet's pages, the login dialog, the comment settings).
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

// Offscreen with a screen of 2560 x 1600: the default offscreen screen is
// smaller than the sheet, which then never grows past its smallest size.
int main(int argc, char** argv) {
  QTemporaryFile screens;
  if (!screens.open()) return 1;
  screens.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 2560, "height": 1600,
                   "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1}]})");
  screens.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
  QApplication app(argc, argv);
  SheetSizeTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}
#include "sheet_size_test.moc"
