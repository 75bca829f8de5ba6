// The login dialog and page, and the comment settings of the login page.
// (The sheet as a host opens it: module_event_test.)
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTimer>

#include "gui_test_util.h"
#include "login/comment_settings.h"
#include "login/comment_settings_dlg.h"
#include "login/login_dlg.h"
#include "login/login_page.h"
#include "singlecode/single_page.h"

using namespace ff::guitest;

namespace {

const char kLoggedIn[] = "您已经成功登录配置库！";

// Runs `fill` on the modal comment settings dialog the login page's button opens.
void CommentSettings(CPageSQL& login, const std::function<void(CCommentSettingsDlg&)>& fill) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* dlg = dynamic_cast<CCommentSettingsDlg*>(QApplication::activeModalWidget());
    QVERIFY(dlg);
    seen = true;
    fill(*dlg);
  });
  Click(login, ctl::login::kCommentSettings);
  QVERIFY(seen);
}

}  // namespace

class LoginTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { DisconnectConfigDB(); }

  // What a fresh install shows, every time (a typed value is not kept), and
  // where it leads: the demo database.
  void theDefaultsOpenTheDemoDatabase() {
    Sandbox box{Sandbox::NoDatabase{}};
    for (int round = 0; round < 2; ++round) {
      CLoginDlg dlg;
      dlg.Create();
      QCOMPARE(TextOf(dlg, ctl::login::kUser), QStringLiteral("sa"));
      QCOMPARE(dlg.Control<QLineEdit>(ctl::login::kPassword)->echoMode(), QLineEdit::Password);
      QCOMPARE(dlg.Control<QComboBox>(ctl::login::kServer)->currentText(), QStringLiteral("sqlite"));
      dlg.SetDlgItemText(ctl::login::kUser, "typed");
    }
    auto& dlg = box.Open<CLoginDlg>();
    dlg.show();
    Click(dlg, 1);
    QVERIFY2(g_pConfigDB, box.ui.messages.empty() ? "" : box.ui.messages[0].c_str());
    QVERIFY(box.ui.messages.empty());
    QCOMPARE(dlg.result(), 1);
    QVERIFY(!dlg.isVisible());
  }

  // Cancel keeps the connection; a database file that cannot be opened is
  // said once, precisely (the password plays no part), after the old
  // connection went.
  void cancelKeepsTheConnectionAMissingFileIsSaidOnce() {
    Sandbox box;
    CSimDB* before = g_pConfigDB;
    {
      CLoginDlg dlg;
      dlg.Create();
      dlg.show();
      Click(dlg, 2);
      QCOMPARE(g_pConfigDB, before);
      QCOMPARE(dlg.result(), 2);
    }
    auto& dlg = box.Open<CLoginDlg>();
    dlg.Control<QComboBox>(ctl::login::kServer)->setEditText(QStringLiteral("sqlite"));
    dlg.SetDlgItemText(ctl::login::kDatabase, box.db->path() + ".missing");
    dlg.show();
    Click(dlg, 1);
    QCOMPARE(box.ui.messages.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(box.ui.messages[0], G("不存在")));
    QVERIFY(ff::gbk::Contains(box.ui.messages[0], box.db->path() + ".missing"));
    QVERIFY(!g_pConfigDB);
    QCOMPARE(dlg.result(), 1);
  }

  void pageReportsSuccessThenFailureLogsOut() {
    Sandbox box;
    DisconnectConfigDB();
    auto& page = box.Open<CPageSQL>();
    page.OnSetActive();
    QCOMPARE(TextOf(page, ctl::login::kConnected), QStringLiteral("（未登录）"));
    QVERIFY(!page.GetDlgItem(2));  // the page has no cancel button
    page.SetDlgItemText(ctl::login::kDatabase, box.db->path());
    Click(page, 1);
    QVERIFY(g_pConfigDB);
    QCOMPARE(box.ui.messages, std::vector<std::string>{G(kLoggedIn)});
    // The page names the database the other pages now read.
    QCOMPARE(TextOf(page, ctl::login::kConnected), QString::fromStdString(box.db->path()));
    // A server that refuses is the password's case: its reason, then the
    // login's message; the page stays ready for another try.
    page.Control<QComboBox>(ctl::login::kServer)->setEditText(QStringLiteral("odbc:DSN=fidforge-no-such-dsn"));
    Click(page, 1);
    QVERIFY(!g_pConfigDB);
    QCOMPARE(box.ui.messages.size(), size_t(3));
    QCOMPARE(box.ui.messages[2], G("登录配置库失败，用户号或密码错！"));
    QCOMPARE(TextOf(page, ctl::login::kConnected), QStringLiteral("（未登录）"));
    QCOMPARE(TextOf(page, ctl::login::kUser), QStringLiteral("sa"));
  }

  // Any file the system can name opens (a folder in any script); a file
  // that is no database is said in its own words, the path as the system
  // spells it, without the password message.
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
    Sandbox box;
    DisconnectConfigDB();
    const QString dir = QString::fromStdString(box.dir()) + "/" + folder;
    QVERIFY(QDir().mkpath(dir));
    const QString file = dir + QStringLiteral("/demo.sqlite");
    if (kind == "database") QVERIFY(QFile::copy(QString::fromStdString(box.db->path()), file));
    if (kind == "text") ff::test::WriteFile(QFile::encodeName(file).toStdString(), "FID,NAME\n1,KHH\n");
    if (kind == "folder") QVERIFY(QDir().mkpath(file));
    auto& page = box.Open<CPageSQL>();
    page.Control<QLineEdit>(ctl::login::kDatabase)->setText(file);
    Click(page, 1);
    QCOMPARE(box.ui.messages.size(), size_t(1));
    const QString shown = Q(box.ui.messages[0]);
    QCOMPARE(bool(g_pConfigDB), said.isEmpty());
    if (said.isEmpty()) {
      QCOMPARE(shown, Q(G(kLoggedIn)));
      QCOMPARE(page.Control<QLineEdit>(ctl::login::kConnected)->text(), file);
    } else {
      QVERIFY2(shown.contains(said) && shown.contains(file) && !shown.contains(QStringLiteral("口令")), qPrintable(shown));
    }
  }

  // 注释设置: shown as stored, changed in the dialog, carried by the next
  // generated file; Cancel keeps what is stored.
  void commentSettingsReachTheGeneratedFiles() {
    Sandbox box;
    auto& login = box.Open<CPageSQL>();
    CommentSettings(login, [](CCommentSettingsDlg& dlg) {
      // What a first start stores: the user, the default company and copyright.
      QCOMPARE(TextOf(dlg, ctl::comment::kAuthor), Q(ff::CurrentUserName()));
      QCOMPARE(TextOf(dlg, ctl::comment::kCompany), QStringLiteral("北岭红隼软件股份有限公司"));
      QCOMPARE(TextOf(dlg, ctl::comment::kCopyRight), QStringLiteral("CopyRight (c) 2004"));
      dlg.Control<QLineEdit>(ctl::comment::kAuthor)->setText(QStringLiteral("王五"));
      dlg.Control<QLineEdit>(ctl::comment::kCompany)->setText(QStringLiteral(" 红隼 "));
      dlg.Control<QLineEdit>(ctl::comment::kCopyRight)->setText(QStringLiteral("(C) 2026"));
      Click(dlg, 1);
    });
    QVERIFY(box.ui.messages.empty());
    box.ModuleFiles();
    auto& page = box.Open<CPageCodeSingle>();
    Pick(page, "1|KH.QUERY");
    Click(page, 1);
    // The function's comment names the author; the header's file comment
    // carries the copyright line, right-aligned as always.
    QVERIFY(ff::gbk::Contains(ff::test::ReadFile(box / "ProcessTmp.cpp"), G("王五")));
    const std::string header = ff::test::ReadFile(box / "ProcessTmp.h");
    QVERIFY(ff::gbk::Contains(header, G("\r\n*                                   (C) 2026  红隼 All rights reserved. \r\n")));
    QVERIFY(ff::gbk::Contains(header, G("原作者：  王五")));
    CommentSettings(login, [](CCommentSettingsDlg& dlg) {
      QCOMPARE(TextOf(dlg, ctl::comment::kCompany), QStringLiteral("红隼"));
      dlg.Control<QLineEdit>(ctl::comment::kAuthor)->setText(QStringLiteral("nobody"));
      Click(dlg, 2);
    });
    QCOMPARE(CCommentSettings().GetAuthor(), G("王五"));
  }

  void aSettingsFileThatCannotBeWrittenIsSaid() {
    Sandbox box{Sandbox::NoDatabase{}};
    auto& dlg = box.Open<CCommentSettingsDlg>();
    // The settings folder is taken by a file from here on.
    const auto folder = box.settings.dir().path() / "config" / "KestrelSoft";
    std::filesystem::remove_all(folder);
    ff::test::WriteFile(folder.string(), "not a folder");
    dlg.Control<QLineEdit>(ctl::comment::kAuthor)->setText(QStringLiteral("王五"));
    dlg.setVisible(true);
    Click(dlg, 1);
    QCOMPARE(box.ui.messages.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(box.ui.messages[0], G("无法写入设置文件")));
    QVERIFY(ff::gbk::Contains(box.ui.messages[0], "KestrelSoft/AddIns.ini"));
    QVERIFY(dlg.isVisible());  // still open, the values still there
    QCOMPARE(TextOf(dlg, ctl::comment::kAuthor), QStringLiteral("王五"));
  }
};

QTEST_MAIN(LoginTest)
#include "login_test.moc"
