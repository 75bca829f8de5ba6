// The login dialog and the login page: defaults, success, failure after a
// success, cancel.
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "gui_test_util.h"
#include "host/config_db.h"
#include "login/login_dlg.h"
#include "login/login_page.h"
#include "module/main_sheet.h"
#include "module/property_page.h"
#include "res/control_ids.h"
#include "tests/support/test_support.h"

namespace ctl = ff::res::ctl;

using ff::guitest::Click;
using ff::guitest::GuiTestUI;
using ff::guitest::TextOf;
using ff::test::G;

namespace {

const char* kLoginFailed = "登录配置库失败，用户号或密码错！";

void SetDatabase(CTemplateForm& form, const std::string& path) {
  form.SetDlgItemText(ctl::login::kDatabase, path);
}

}  // namespace

class LoginTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    DisconnectConfigDB();
  }
  void cleanup() { DisconnectConfigDB(); }

  void dialogAndPageShowTheDefaultsEveryTime() {
    for (int round = 0; round < 2; ++round) {
      CLoginDlg dlg;
      dlg.Create();
      QCOMPARE(dlg.windowTitle(), QStringLiteral("登录配置服务器"));
      QCOMPARE(TextOf(dlg, ctl::login::kDatabase), QStringLiteral("Developer"));
      QCOMPARE(TextOf(dlg, ctl::login::kUser), QStringLiteral("sa"));
      QCOMPARE(TextOf(dlg, ctl::login::kPassword), QStringLiteral("482913"));
      auto* server = dlg.Control<QComboBox>(ctl::login::kServer);
      QVERIFY(server && server->isEditable());
      QCOMPARE(server->count(), 2);
      QCOMPARE(server->currentIndex(), 0);
      QCOMPARE(server->currentText(), QStringLiteral("sqlite"));
      QVERIFY(server->itemText(1).endsWith(QStringLiteral(",1433")));
      QCOMPARE(dlg.Control<QLineEdit>(ctl::login::kPassword)->echoMode(), QLineEdit::Password);
      dlg.SetDlgItemText(ctl::login::kUser, "typed");  // not remembered by the next one
    }
    CPageSQL page;
    page.Create();
    QCOMPARE(page.Caption(), QStringLiteral("登录配置服务器"));
    QCOMPARE(TextOf(page, ctl::login::kDatabase), QStringLiteral("Developer"));
    QCOMPARE(TextOf(page, ctl::login::kUser), QStringLiteral("sa"));
    QCOMPARE(TextOf(page, ctl::login::kPassword), QStringLiteral("482913"));
    QCOMPARE(page.Control<QComboBox>(ctl::login::kServer)->currentText(), QStringLiteral("sqlite"));
    QVERIFY(!page.GetDlgItem(2));  // the page has no cancel button
  }

  void dialogLogsInAndCloses() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    DisconnectConfigDB();
    GuiTestUI ui;
    CLoginDlg dlg;
    dlg.Create();
    SetDatabase(dlg, db.path());
    dlg.show();
    Click(dlg, 1);
    QVERIFY(g_pConfigDB);
    QVERIFY(ui.messages.empty());
    QCOMPARE(dlg.result(), 1);
    QVERIFY(!dlg.isVisible());
  }

  void typedServerIsUsedAndFailureGivesTwoMessages() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    QVERIFY(g_pConfigDB);
    GuiTestUI ui;
    CLoginDlg dlg;
    dlg.Create();
    dlg.Control<QComboBox>(ctl::login::kServer)->setEditText(QStringLiteral("sqlite"));
    SetDatabase(dlg, db.path() + ".missing");
    dlg.show();
    Click(dlg, 1);
    // The database's own reason first, then the login's message.
    QCOMPARE(ui.messages.size(), size_t(2));
    QVERIFY(!ui.messages[0].empty());
    QCOMPARE(ui.messages[1], G(kLoginFailed));
    QVERIFY(!g_pConfigDB);  // the old connection went first
    QCOMPARE(dlg.result(), 1);  // closed all the same
  }

  void pageReportsSuccessThenFailureLogsOut() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    DisconnectConfigDB();
    GuiTestUI ui;
    CPageSQL page;
    page.Create();
    SetDatabase(page, db.path());
    Click(page, 1);
    QVERIFY(g_pConfigDB);
    QCOMPARE(ui.messages.size(), size_t(1));
    QCOMPARE(ui.messages[0], G("您已经成功登录配置库！"));

    SetDatabase(page, db.path() + ".missing");
    Click(page, 1);
    QVERIFY(!g_pConfigDB);
    QCOMPARE(ui.messages.size(), size_t(3));
    QCOMPARE(ui.messages[2], G(kLoginFailed));
    // The page stays as it was, ready for another try.
    QCOMPARE(TextOf(page, ctl::login::kUser), QStringLiteral("sa"));
  }

  void cancelKeepsTheEarlierConnection() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    CSimDB* before = g_pConfigDB;
    QVERIFY(before);
    GuiTestUI ui;
    CLoginDlg dlg;
    dlg.Create();
    dlg.show();
    Click(dlg, 2);
    QCOMPARE(g_pConfigDB, before);
    QCOMPARE(dlg.result(), 2);
    QVERIFY(ui.messages.empty());
  }

  // A fresh install: the defaults reach the demo database.
  void defaultsOpenTheDemoDatabase() {
    ff::test::SettingsSandbox sandbox;
    GuiTestUI ui;
    CLoginDlg dlg;
    dlg.Create();
    Click(dlg, 1);
    QVERIFY2(g_pConfigDB, ui.messages.empty() ? "" : ui.messages[0].c_str());
    QVERIFY(ui.messages.empty());
  }

  void sheetMakesPagesWhenTheyAreShown() {
    ff::test::SettingsSandbox sandbox;
    GuiTestUI ui;
    CMainSheet sheet("", nullptr, 1);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    QCOMPARE(sheet.OnPageQuery(), 0L);  // no window, no active page
    sheet.Create();
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Fix编码管理"));
    QCOMPARE(sheet.GetPageCount(), 6);
    QCOMPARE(sheet.GetActiveIndex(), 1);
    QVERIFY(!sheet.GetPage(0)->IsCreated());
    QVERIFY(sheet.GetPage(1)->IsCreated());
    QVERIFY(!sheet.GetDlgItem(ID_APPLY_NOW));
    QVERIFY(sheet.GetDlgItem(1)->isHidden());
    QCOMPARE(sheet.GetDlgItem(2)->text(), QStringLiteral("退出"));
    QCOMPARE(sheet.OnPageQuery(), 6L);
    sheet.SetActivePage(0);
    QVERIFY(sheet.GetPage(0)->IsCreated());
    // The button row is gone: 退出 sits in the strip right of the tabs.
    const QRect tabs = sheet.GetTabControl()->geometry();
    const QRect exit = sheet.GetDlgItem(2)->geometry();
    QVERIFY(exit.left() > tabs.right());
    QVERIFY(exit.right() < sheet.width());
    QVERIFY(exit.bottom() < tabs.top() + tabs.height() / 4);
    QVERIFY(sheet.height() <= tabs.bottom() + 12);
  }
};

QTEST_MAIN(LoginTest)
#include "login_test.moc"
