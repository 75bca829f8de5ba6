// 注释设置 on the login page: the comments' author, company and copyright
// are shown as stored, changed in the dialog, and carried by the next
// generated file; a settings file that cannot be written is said.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "code_pages_util.h"
#include "host/config_db.h"
#include "login/comment_settings.h"
#include "login/comment_settings_dlg.h"
#include "login/login_page.h"
#include "singlecode/single_page.h"

using ff::guitest::Click;
using ff::guitest::PageUI;
using ff::guitest::Pick;
using ff::guitest::TempFolder;
using ff::guitest::TextOf;
using ff::test::G;

class CommentSettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { DisconnectConfigDB(); }

  void theDialogChangesWhatTheCommentsCarry() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    TempFolder tmp;
    PageUI ui;
    CPageSQL login;
    login.Create();

    // The button opens the dialog modally; the user fills it in there.
    bool seen = false;
    QTimer::singleShot(0, [&] {
      auto* dlg = dynamic_cast<CCommentSettingsDlg*>(QApplication::activeModalWidget());
      QVERIFY(dlg);
      seen = true;
      // What a first start stores: the user, the default company and copyright.
      QCOMPARE(TextOf(*dlg, ctl::comment::kAuthor), ff::gui::ToQ(ff::CurrentUserName()));
      QCOMPARE(TextOf(*dlg, ctl::comment::kCompany), QStringLiteral("北岭红隼软件股份有限公司"));
      QCOMPARE(TextOf(*dlg, ctl::comment::kCopyRight), QStringLiteral("CopyRight (c) 2004"));
      dlg->Control<QLineEdit>(ctl::comment::kAuthor)->setText(QStringLiteral("王五"));
      dlg->Control<QLineEdit>(ctl::comment::kCompany)->setText(QStringLiteral(" 红隼 "));
      dlg->Control<QLineEdit>(ctl::comment::kCopyRight)->setText(QStringLiteral("(C) 2026"));
      Click(*dlg, 1);
    });
    Click(login, ctl::login::kCommentSettings);
    QVERIFY(seen);
    QVERIFY(ui.messages.empty());

    CPageCodeSingle page;
    page.Create();
    ui.nextFolder = out.path().string();
    Click(page, ctl::files::kBrowseFolder);
    Click(page, ctl::files::kMakeModule);
    Click(page, ctl::files::kNoPrompt);
    Pick(page, "1|KH.QUERY");
    Click(page, 1);
    // The function's comment names the author; the header's file comment
    // carries the copyright line, right-aligned as always.
    QVERIFY(ff::gbk::Contains(ff::test::ReadFile(out / "ProcessTmp.cpp"), G("王五")));
    const std::string header = ff::test::ReadFile(out / "ProcessTmp.h");
    QVERIFY(ff::gbk::Contains(header, G("\r\n*                                   (C) 2026  红隼 All rights reserved. \r\n")));
    QVERIFY(ff::gbk::Contains(header, G("原作者：  王五")));
    QVERIFY(!ff::gbk::Contains(header, G("北岭红隼软件有限公司")));

    // Cancel keeps what is stored.
    QTimer::singleShot(0, [&] {
      auto* dlg = dynamic_cast<CCommentSettingsDlg*>(QApplication::activeModalWidget());
      QVERIFY(dlg);
      QCOMPARE(TextOf(*dlg, ctl::comment::kCompany), QStringLiteral("红隼"));
      dlg->Control<QLineEdit>(ctl::comment::kAuthor)->setText(QStringLiteral("nobody"));
      Click(*dlg, 2);
    });
    Click(login, ctl::login::kCommentSettings);
    QCOMPARE(CCommentSettings().GetAuthor(), G("王五"));
  }

  void aSettingsFileThatCannotBeWrittenIsSaid() {
    ff::test::SettingsSandbox sandbox;
    PageUI ui;
    CCommentSettingsDlg dlg;
    dlg.Create();
    // The settings folder is taken by a file from here on.
    std::filesystem::remove_all(sandbox.dir().path() / "config" / "KestrelSoft");
    ff::test::WriteFile((sandbox.dir().path() / "config" / "KestrelSoft").string(), "not a folder");
    dlg.Control<QLineEdit>(ctl::comment::kAuthor)->setText(QStringLiteral("王五"));
    dlg.setVisible(true);
    Click(dlg, 1);
    QCOMPARE(ui.messages.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(ui.messages[0], G("无法写入设置文件")));
    QVERIFY(ff::gbk::Contains(ui.messages[0], "KestrelSoft/AddIns.ini"));
    QVERIFY(dlg.isVisible());  // still open, the values still there
    QCOMPARE(TextOf(dlg, ctl::comment::kAuthor), QStringLiteral("王五"));
  }
};

QTEST_MAIN(CommentSettingsTest)
#include "comment_settings_test.moc"
