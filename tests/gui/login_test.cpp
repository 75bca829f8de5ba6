// The login dialog and the login page: defaults, success, failure after a
// success, cancel.
#include <QComboBox>
#include <QDir>
#include <QFile>
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

  // A database file that cannot be opened is said once, precisely: the
  // password plays no part in it, so its message does not follow.
  void typedServerIsUsedAndAMissingFileIsSaidOnce() {
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
    QCOMPARE(ui.messages.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(ui.messages[0], G("不存在")));
    QVERIFY(ff::gbk::Contains(ui.messages[0], db.path() + ".missing"));
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
    page.OnSetActive();
    QCOMPARE(TextOf(page, ctl::login::kConnected), QStringLiteral("（未登录）"));
    SetDatabase(page, db.path());
    Click(page, 1);
    QVERIFY(g_pConfigDB);
    QCOMPARE(ui.messages.size(), size_t(1));
    QCOMPARE(ui.messages[0], G("您已经成功登录配置库！"));
    // The page names the database the other pages now read.
    QCOMPARE(TextOf(page, ctl::login::kConnected), QString::fromStdString(db.path()));

    // A server that refuses is the password's case: its reason, then the
    // login's message.
    page.Control<QComboBox>(ctl::login::kServer)->setEditText(QStringLiteral("odbc:DSN=fidforge-no-such-dsn"));
    Click(page, 1);
    QVERIFY(!g_pConfigDB);
    QCOMPARE(ui.messages.size(), size_t(3));
    QCOMPARE(ui.messages[2], G(kLoginFailed));
    QCOMPARE(TextOf(page, ctl::login::kConnected), QStringLiteral("（未登录）"));
    // The page stays as it was, ready for another try.
    QCOMPARE(TextOf(page, ctl::login::kUser), QStringLiteral("sa"));
  }

  // Any file the system can name opens (a folder in any script), and a
  // file that is no database is said in its own words, the path as the
  // system spells it, without the password message.
  void databaseFilesOpenOrAreSaidPrecisely_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("kind");  // database, text, folder, missing
    QTest::addColumn<QString>("said");  // "" when it connects
    QTest::newRow("Korean folder") << QStringLiteral("한글") << "database" << "";
    QTest::newRow("Greek and Chinese folder") << QStringLiteral("αβγ配置") << "database" << "";
    QTest::newRow("missing, Korean folder") << QStringLiteral("한글") << "missing" << QStringLiteral("不存在");
    QTest::newRow("not a database") << QStringLiteral("한글") << "text" << QStringLiteral("不是SQLite数据库文件");
    QTest::newRow("a folder") << QStringLiteral("out") << "folder" << QStringLiteral("不是一个文件");
  }

  void databaseFilesOpenOrAreSaidPrecisely() {
    QFETCH(QString, folder);
    QFETCH(QString, kind);
    QFETCH(QString, said);
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    DisconnectConfigDB();
    const QString dir = QString::fromStdString(out.path().string()) + "/" + folder;
    QVERIFY(QDir().mkpath(dir));
    const QString file = dir + QStringLiteral("/demo.sqlite");
    if (kind == "database") QVERIFY(QFile::copy(QString::fromStdString(db.path()), file));
    if (kind == "text") ff::test::WriteFile(QFile::encodeName(file).toStdString(), "FID,NAME\n1,KHH\n");
    if (kind == "folder") QVERIFY(QDir().mkpath(file));
    GuiTestUI ui;
    CPageSQL page;
    page.Create();
    page.Control<QLineEdit>(ctl::login::kDatabase)->setText(file);
    Click(page, 1);
    if (said.isEmpty()) {
      QVERIFY(g_pConfigDB);
      QCOMPARE(ui.messages.size(), size_t(1));
      QCOMPARE(ui.messages[0], G("您已经成功登录配置库！"));
      QCOMPARE(page.Control<QLineEdit>(ctl::login::kConnected)->text(), file);
      return;
    }
    QVERIFY(!g_pConfigDB);
    QCOMPARE(ui.messages.size(), size_t(1));
    const QString shown = ff::gui::ToQ(ui.messages[0]);
    QVERIFY2(shown.contains(said) && shown.contains(file), qPrintable(shown));
    QVERIFY(!shown.contains(QStringLiteral("口令")));
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
