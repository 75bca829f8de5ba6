// The FID check page: the three lists, their counts and messages.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <filesystem>
#include <QTest>

#include "fidcheck/check_page.h"
#include "gui_test_util.h"
#include "host/config_db.h"
#include "module/kestrel_list_ctrl.h"
#include "res/control_ids.h"
#include "tests/support/test_support.h"

namespace ctl = ff::res::ctl;

using ff::guitest::Click;
using ff::guitest::GuiTestUI;
using ff::test::G;

namespace {

// Every used FID is defined and every defined FID is used.
const char* kCleanSql = R"(
INSERT INTO T151 (F1, F2, F3, F4, F5) VALUES (1, 'FID_KHH', '客户号', 1, ''), (2, 'FID_ZJZH', '资金账号', 1, '');
INSERT INTO T161 (ID, F1, F2, F3, F4, F5, F7, F8, F12, F14) VALUES (1, 1, 'B1', '查询', 'fn', 1, 1, '', '', 0);
INSERT INTO T162 (ID, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11) VALUES (1, 1, 'FID_KHH', '客户号', 1, 1, '', 1, 0, 0, '', '');
INSERT INTO T154 (ID, F18, F19, F22, F24, F26, F28, F32, F34) VALUES (1, 100, 'F100', '查询', 'fn', 1, '', '', 0);
INSERT INTO T156 (ID, F2, F3, F4, F5, F7, F13, F15) VALUES (1, 1, '资金账号', 1, 1, 1, 1, 'FID_ZJZH');
)";

// FID_X is missing in two BLS, FID_Y in one FOS, FID_FREE is used nowhere.
const char* kFindingsSql = R"(
INSERT INTO T161 (ID, F1, F2, F3, F4, F5, F7, F8, F12, F14) VALUES (2, 2, 'B2', '开户', 'fn2', 1, 1, '', '', 0);
INSERT INTO T162 (ID, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11) VALUES
  (2, 1, 'FID_X', '未定义', 1, 1, '', 1, 0, 0, '', ''), (3, 2, 'FID_X', '未定义', 1, 1, '', 1, 0, 0, '', '');
INSERT INTO T156 (ID, F2, F3, F4, F5, F7, F13, F15) VALUES (2, 1, '未定义', 1, 1, 1, 1, 'FID_Y');
INSERT INTO T151 (F1, F2, F3, F4, F5) VALUES (3, 'FID_FREE', '空闲', 1, '');
)";

QStringList Column(CKestrelListCtrl* list, int column) {
  QStringList values;
  for (int i = 0; i < list->topLevelItemCount(); ++i) values << list->topLevelItem(i)->text(column);
  values.sort();
  return values;
}

}  // namespace

class CheckTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { DisconnectConfigDB(); }

  void columnsAtStart() {
    CPageNotRegFid page;
    page.Create();
    QCOMPARE(page.Caption(), QStringLiteral("检查FID定义"));
    QCOMPARE(page.m_lstBls->headerItem()->text(2), QStringLiteral("所在BLS"));
    QCOMPARE(page.m_lstFos->headerItem()->text(2), QStringLiteral(" 所在FOS"));
    QCOMPARE(page.m_lstUnused->columnCount(), 2);
    QCOMPARE(page.m_lstUnused->headerItem()->text(0), QStringLiteral("FID编码"));
  }

  void notLoggedInKeepsTheList() {
    GuiTestUI ui;
    CPageNotRegFid page;
    page.Create();
    Click(page, ctl::check::kCheckBls);
    QCOMPARE(ui.messages.size(), size_t(1));
    QCOMPARE(ui.messages[0], G("您尚未登录配置库，请先登录！"));
    QCOMPARE(page.m_lstBls->topLevelItemCount(), 0);
  }

  void cleanDatabaseSaysSoWithEmptyLists() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db(kCleanSql);
    GuiTestUI ui;
    CPageNotRegFid page;
    page.Create();
    Click(page, ctl::check::kCheckBls);
    Click(page, ctl::check::kCheckFos);
    Click(page, ctl::check::kCheckUnused);
    QCOMPARE(ui.messages.size(), size_t(3));
    QCOMPARE(ui.messages[0], G("BLS定义中尚未发现任何未定义FID。"));
    QCOMPARE(ui.messages[1], G("FOS定义中尚未发现任何未定义FID。"));
    QCOMPARE(ui.messages[2], G("尚未发现任何未使用FID。"));
    QCOMPARE(page.m_lstBls->topLevelItemCount(), 0);
    QCOMPARE(page.m_lstFos->topLevelItemCount(), 0);
    QCOMPARE(page.m_lstUnused->topLevelItemCount(), 0);
  }

  void findingsAreListedAndCountedPerRow() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db(std::string(kCleanSql) + kFindingsSql);
    GuiTestUI ui;
    CPageNotRegFid page;
    page.Create();
    page.show();

    // Pressed twice: the rows are shown once.
    Click(page, ctl::check::kCheckBls);
    Click(page, ctl::check::kCheckBls);
    QCOMPARE(page.m_lstBls->topLevelItemCount(), 2);
    QCOMPARE(Column(page.m_lstBls, 0), (QStringList{"FID_X", "FID_X"}));
    QCOMPARE(Column(page.m_lstBls, 2), (QStringList{"B1", "B2"}));
    QCOMPARE(ui.messages.size(), size_t(2));
    QCOMPARE(ui.messages[1], G("BLS定义中共发现2个未定义FID！"));

    // The FOS column is defined as " 所在FOS" and still shows its values.
    Click(page, ctl::check::kCheckFos);
    QCOMPARE(page.m_lstFos->topLevelItemCount(), 1);
    QCOMPARE(page.m_lstFos->topLevelItem(0)->text(0), QStringLiteral("FID_Y"));
    QCOMPARE(page.m_lstFos->topLevelItem(0)->text(1), QStringLiteral("未定义"));
    QCOMPARE(page.m_lstFos->topLevelItem(0)->text(2), QStringLiteral("F100"));
    QCOMPARE(ui.messages.back(), G("FOS定义中共发现1个未定义FID！"));

    // FID_ZJZH is used by FOS only and is not "unused".
    Click(page, ctl::check::kCheckUnused);
    QCOMPARE(Column(page.m_lstUnused, 0), QStringList{"FID_FREE"});
    QCOMPARE(ui.messages.back(), G("共发现1个未使用FID！"));

    // The fitted columns show their longest value.
    QVERIFY(page.m_lstBls->columnWidth(0) >= page.m_lstBls->fontMetrics().horizontalAdvance("FID_X"));
  }

  // Each list's menu: all rows to the clipboard, the list as a CSV file
  // (written as one, a failure reported, the folder remembered).
  void listsAreCopiedAndExported() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db(std::string(kCleanSql) + kFindingsSql);
    ff::test::TempDir out;
    GuiTestUI ui;
    CPageNotRegFid page;
    page.Create();
    page.show();
    QApplication::setActiveWindow(&page);
    QVERIFY(QTest::qWaitForWindowActive(&page));

    // Before a check: nothing to copy or write, and it says so.
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    page.m_lstFos->setFocus();
    QTest::keyClick(page.m_lstFos, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    QCOMPARE(ui.messages.size(), size_t(1));
    QVERIFY(ui.saveTitles.empty());

    Click(page, ctl::check::kCheckFos);
    page.m_lstFos->setFocus();
    QTest::keyClick(page.m_lstFos, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    // The captions as shown (without the blank of " 所在FOS"), one row.
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("FID编码\tFID名称\t所在FOS\nFID_Y\t未定义\tF100\n"));

    // The menu of the list holds both actions.
    const QList<QAction*> actions = page.m_lstFos->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[0]->text(), QStringLiteral("复制全部行(&A)"));
    QCOMPARE(actions[1]->text(), QStringLiteral("导出为CSV文件(&S)..."));
    QCOMPARE(page.m_lstFos->contextMenuPolicy(), Qt::ActionsContextMenu);

    // Cancelled: nothing written, nothing said.
    const size_t said = ui.messages.size();
    actions[1]->trigger();
    QCOMPARE(ui.saveTitles.size(), size_t(1));
    QVERIFY(ui.saveSuggestions[0].ends_with("/fos_undefined_fid.csv"));
    QCOMPARE(ui.saveFilters[0], G("CSV文件 (*.csv);;所有文件 (*)"));
    QCOMPARE(ui.messages.size(), said);

    const std::string file = out / "FOS 检查.csv";
    ui.nextSaveName = file;
    actions[1]->trigger();
    QCOMPARE(ff::test::ReadFile(file), std::string("\xEF\xBB\xBF") +
                                           "FID\xE7\xBC\x96\xE7\xA0\x81,FID\xE5\x90\x8D\xE7\xA7\xB0,"
                                           "\xE6\x89\x80\xE5\x9C\xA8" "FOS\r\n"
                                           "FID_Y,\xE6\x9C\xAA\xE5\xAE\x9A\xE4\xB9\x89,F100\r\n");
    QCOMPARE(ui.messages.back(), G("已将1行写入文件") + G(out.path().string()) + G("/FOS 检查.csv。"));
    QCOMPARE(ui.reportFolders, std::vector<std::string>{out.path().string()});  // 打开目录 opens it
    // The next export offers the folder of the last one.
    actions[1]->trigger();
    QCOMPARE(ui.saveSuggestions.back(), out.path().string() + "/fos_undefined_fid.csv");

    // A write that fails is reported; the earlier file stays as it was.
    const std::string before = ff::test::ReadFile(file);
    Click(page, ctl::check::kCheckBls);
    ui.nextSaveName = "/dev/full";
    page.m_lstBls->actions()[1]->trigger();
    QCOMPARE(ui.fileErrors.size(), size_t(1));
    QVERIFY(ui.messages.back().find(G("已将")) == std::string::npos);
    ui.nextSaveName = out / "missing/list.csv";
    page.m_lstBls->actions()[1]->trigger();
    QCOMPARE(ui.fileErrors.size(), size_t(2));
    QVERIFY(!std::filesystem::exists(out / "missing"));
    QCOMPARE(ff::test::ReadFile(file), before);
  }

  void lintListsSeverityRuleWhereAndMessage() {
    GuiTestUI ui;
    CPageNotRegFid page;
    page.Create();
    QCOMPARE(page.m_lstLint->columnCount(), 4);
    QCOMPARE(page.m_lstLint->headerItem()->text(1), QStringLiteral("规则"));
    Click(page, ctl::check::kCheckLint);
    QCOMPARE(ui.messages.back(), G("您尚未登录配置库，请先登录！"));

    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db(std::string(kCleanSql) + kFindingsSql);
    Click(page, ctl::check::kCheckLint);
    Click(page, ctl::check::kCheckLint);  // twice: listed once
    // FID_X in two BLS, FID_Y in one FOS (errors), FID_FREE unused; no
    // module exists for the three functions.
    QCOMPARE(page.m_lstLint->topLevelItemCount(), 7);
    QCOMPARE(page.m_lstLint->topLevelItem(0)->text(0), QStringLiteral("警告"));
    QCOMPARE(page.m_lstLint->topLevelItem(0)->text(1), QStringLiteral("function-module-missing"));
    QCOMPARE(page.m_lstLint->topLevelItem(0)->text(2), QStringLiteral("T154 1 F100"));
    QCOMPARE(page.m_lstLint->topLevelItem(3)->text(1), QStringLiteral("fid-undefined-bls"));
    // In the program's own words, the data as it stands.
    QCOMPARE(page.m_lstLint->topLevelItem(3)->text(3),
             QStringLiteral("FID FID_X（未定义）被BLS B1使用，但没有在T151中定义"));
    QCOMPARE(page.m_lstLint->topLevelItem(0)->text(3),
             QStringLiteral("FOS F100属于模块1，但该模块不存在：没有哪个模块的源文件包含它；头文件仍然定义了它，所以只是警告"));
    QCOMPARE(page.m_lstLint->topLevelItem(6)->text(1), QStringLiteral("fid-unused"));
    QCOMPARE(ui.messages.back(), G("代码检查共发现7个问题，其中3个错误！"));
  }

  void lintFailureIsShownNotAnEmptyList() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db(kCleanSql);
    db.Exec("DROP TABLE T164;");
    GuiTestUI ui;
    CPageNotRegFid page;
    page.Create();
    Click(page, ctl::check::kCheckLint);
    QCOMPARE(page.m_lstLint->topLevelItemCount(), 0);
    QVERIFY(ui.messages.back().starts_with(G("代码检查失败：")));
    QVERIFY(ff::gbk::Contains(ui.messages.back(), "T164"));
  }

  void pickingARowMovesTheRecord() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db(std::string(kCleanSql) + kFindingsSql);
    GuiTestUI ui;
    CPageNotRegFid page;
    page.Create();
    Click(page, ctl::check::kCheckBls);
    int picks = 0;
    QObject::connect(page.m_lstBls, &CKestrelListCtrl::Picked, [&] { ++picks; });
    page.m_lstBls->setCurrentItem(page.m_lstBls->topLevelItem(1));
    QCOMPARE(picks, 1);
    QCOMPARE(page.m_lstBls->GetActiveIndex(), 1);
    QCOMPARE(page.m_recBls.CurrentRow(), 1);
    QCOMPARE(ff::guitest::Q(page.m_recBls.GetString(G("所在BLS"))), page.m_lstBls->topLevelItem(1)->text(2));
  }

  // Alt+B, Alt+F, Alt+N and Alt+L leave the focus on the list just filled,
  // on its first row, so that the arrows and Ctrl+Shift+C go on there.
  void theListJustFilledHasTheFocus_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("list");
    QTest::newRow("BLS") << ctl::check::kCheckBls << ctl::check::kBlsList;
    QTest::newRow("FOS") << ctl::check::kCheckFos << ctl::check::kFosList;
    QTest::newRow("unused") << ctl::check::kCheckUnused << ctl::check::kUnusedList;
    QTest::newRow("lint") << ctl::check::kCheckLint << ctl::check::kLintList;
  }

  void theListJustFilledHasTheFocus() {
    QFETCH(int, button);
    QFETCH(int, list);
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db(std::string(kCleanSql) + kFindingsSql);
    GuiTestUI ui;
    CPageNotRegFid page;
    page.Create();
    page.show();
    QApplication::setActiveWindow(&page);
    QVERIFY(QTest::qWaitForWindowActive(&page));
    Click(page, button);
    auto* filled = page.Control<CKestrelListCtrl>(list);
    QCOMPARE(QApplication::focusWidget(), filled);
    if (filled->topLevelItemCount() > 0) QCOMPARE(filled->currentItem(), filled->topLevelItem(0));
  }
};

QTEST_MAIN(CheckTest)
#include "check_test.moc"
