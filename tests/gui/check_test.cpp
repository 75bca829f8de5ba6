// The FID check page: its four lists, their counts and messages, the focus
// after a check, and each list's copy and CSV export.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <filesystem>

#include "fidcheck/check_page.h"
#include "gui_test_util.h"
#include "module/kestrel_list_ctrl.h"

using namespace ff::guitest;

namespace {

// check_clean.sql: every used FID is defined and every defined FID is
// used; check_findings.sql adds FID_X missing in two BLS, FID_Y in one FOS,
// FID_FREE used nowhere.
std::string Sql(bool findings) {
  const std::string dir = FF_SOURCE_DIR "/tests/gui/";
  return ff::test::ReadFile(dir + "check_clean.sql") + (findings ? ff::test::ReadFile(dir + "check_findings.sql") : "");
}

// The list's rows, each as its cells joined by '|', sorted.
QStringList Rows(CKestrelListCtrl* list) {
  QStringList rows;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    QStringList cells;
    for (int c = 0; c < list->columnCount(); ++c) cells << list->topLevelItem(i)->text(c);
    rows << cells.join('|');
  }
  rows.sort();
  return rows;
}

}  // namespace

class CheckTest : public QObject {
  Q_OBJECT

 private slots:
  // Pressed twice, the rows are shown once; the focus goes to the list just
  // filled, on its first row, so that the arrows and Ctrl+Shift+C go on there.
  void eachCheckFillsItsList_data() {
    QTest::addColumn<bool>("findings");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QStringList>("rows");
    using namespace ctl::check;
    QTest::newRow("BLS, clean") << false << kCheckBls << kBlsList << "BLS定义中尚未发现任何未定义FID。" << QStringList();
    QTest::newRow("FOS, clean") << false << kCheckFos << kFosList << "FOS定义中尚未发现任何未定义FID。" << QStringList();
    QTest::newRow("unused, clean") << false << kCheckUnused << kUnusedList << "尚未发现任何未使用FID。" << QStringList();
    QTest::newRow("BLS") << true << kCheckBls << kBlsList << "BLS定义中共发现2个未定义FID！"
                         << QStringList{"FID_X|未定义|B1", "FID_X|未定义|B2"};
    QTest::newRow("FOS") << true << kCheckFos << kFosList << "FOS定义中共发现1个未定义FID！"
                         << QStringList{"FID_Y|未定义|F100"};
    QTest::newRow("unused") << true << kCheckUnused << kUnusedList << "共发现1个未使用FID！" << QStringList{"FID_FREE|空闲"};
    // FID_X in two BLS, FID_Y in one FOS (errors), FID_FREE unused; no
    // module exists for the three functions. In the program's own words.
    QTest::newRow("lint") << true << kCheckLint << kLintList << "代码检查共发现7个问题，其中3个错误！"
                          << QStringList{
                                 "警告|fid-unused|T151 FID_FREE|FID FID_FREE（空闲）已定义，但没有任何参数使用它；未使用的FID不会破坏生成的代码，所以只是警告",
                                 "警告|function-module-missing|T154 1 F100|FOS F100属于模块1，但该模块不存在：没有哪个模块的源文件包含它；头文件仍然定义了它，所以只是警告",
                                 "错误|fid-undefined-bls|T162 FID_X|FID FID_X（未定义）被BLS B1使用，但没有在T151中定义"};
  }

  void eachCheckFillsItsList() {
    QFETCH(bool, findings);
    QFETCH(int, button);
    QFETCH(int, list);
    QFETCH(QString, said);
    QFETCH(QStringList, rows);
    Sandbox box(Sql(findings));
    auto& page = box.Open<CPageNotRegFid>();
    page.show();
    QApplication::setActiveWindow(&page);
    QVERIFY(QTest::qWaitForWindowActive(&page));
    Click(page, button);
    Click(page, button);
    auto* filled = page.Control<CKestrelListCtrl>(list);
    QCOMPARE(box.ui.messages.size(), size_t(2));
    QCOMPARE(Q(box.ui.messages.back()), said);
    const QStringList shown = Rows(filled);
    for (const QString& row : rows) QVERIFY2(shown.contains(row), qPrintable(shown.join('\n')));
    if (button != ctl::check::kCheckLint) QCOMPARE(shown, rows);
    QCOMPARE(QApplication::focusWidget(), filled);
    if (!rows.isEmpty()) {
      QCOMPARE(filled->currentItem(), filled->topLevelItem(0));
      // The fitted columns show their longest value.
      QVERIFY(filled->columnWidth(0) >= filled->fontMetrics().horizontalAdvance(rows[0].section('|', 0, 0)));
    }
  }

  // Each list's menu: all rows to the clipboard, the list as a CSV file
  // (cancel: nothing; the folder remembered; a failure reported, the
  // earlier file kept).
  void listsAreCopiedAndExported() {
    Sandbox box(Sql(true));
    auto& page = box.Open<CPageNotRegFid>();
    page.show();
    QApplication::setActiveWindow(&page);
    QVERIFY(QTest::qWaitForWindowActive(&page));
    auto copy = [&] {
      page.m_lstFos->setFocus();
      QTest::keyClick(page.m_lstFos, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    };
    // Before a check: nothing to copy or write, and it says so.
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    QCOMPARE(box.ui.messages.size(), size_t(1));
    Click(page, ctl::check::kCheckFos);
    copy();
    // The captions as shown (without the blank of " 所在FOS").
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("FID编码\tFID名称\t所在FOS\nFID_Y\t未定义\tF100\n"));

    const QList<QAction*> actions = page.m_lstFos->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[0]->text(), QStringLiteral("复制全部行(&A)"));
    QCOMPARE(actions[1]->text(), QStringLiteral("导出为CSV文件(&S)..."));
    const size_t said = box.ui.messages.size();
    actions[1]->trigger();
    QVERIFY(box.ui.saveSuggestions[0].ends_with("/fos_undefined_fid.csv"));
    QCOMPARE(box.ui.saveFilters[0], G("CSV文件 (*.csv);;所有文件 (*)"));
    QCOMPARE(box.ui.messages.size(), said);

    const std::string file = box / "FOS 检查.csv";
    box.ui.nextSaveName = file;
    actions[1]->trigger();
    QCOMPARE(ff::test::ReadFile(file), "\xEF\xBB\xBF" + ff::test::U(G("FID编码,FID名称,所在FOS\r\nFID_Y,未定义,F100\r\n")));
    QCOMPARE(box.ui.messages.back(), G("已将1行写入文件") + box.dir() + G("/FOS 检查.csv。"));
    QCOMPARE(box.ui.reportFolders, std::vector<std::string>{box.dir()});  // 打开目录 opens it
    actions[1]->trigger();
    QCOMPARE(box.ui.saveSuggestions.back(), box.dir() + "/fos_undefined_fid.csv");

    const std::string before = ff::test::ReadFile(file);
    Click(page, ctl::check::kCheckBls);
    box.ui.nextSaveName = "/dev/full";
    page.m_lstBls->actions()[1]->trigger();
    QCOMPARE(box.ui.fileErrors.size(), size_t(1));
    QVERIFY(!ff::gbk::Contains(box.ui.messages.back(), G("已将")));
    QCOMPARE(ff::test::ReadFile(file), before);
  }
};

QTEST_MAIN(CheckTest)
#include "check_test.moc"
