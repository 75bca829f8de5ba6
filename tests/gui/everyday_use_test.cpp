// What a user of the desktop program meets in a day's work: each user's own
// temporary folder, OK with nothing picked, the keyboard, folders whose
// names GBK cannot spell, a new login, the desktop's opener.
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>

#include "gui_test_util.h"
#include "module/main_sheet.h"
#include "module/output_folder.h"
#include "module/kestrel_list_ctrl.h"
#include "modulecode/code_page.h"
#include "singlecode/single_page.h"

using namespace ff::guitest;
namespace fs = std::filesystem;

class EverydayUseTest : public QObject {
  Q_OBJECT

 private slots:
  void eachUserHasAPrivateTemporaryFolder() {
    Sandbox box;
    TempFolder& tmp = box.tmp;
    GuiTestUI& ui = box.ui;
    // What another user left under the old shared names.
    ff::test::WriteFile(tmp.path() + "/processTmp.h", "someone else's");
    ::chmod((tmp.path() + "/processTmp.h").c_str(), 0444);
    auto& page = box.Open<CPageCodeSingle>();
    Pick(page, "1|KH.QUERY");
    QVERIFY(ui.questions.empty() && ui.fileErrors.empty() && ui.messages.empty());
    QVERIFY(!Preview(page).empty());
    QVERIFY(fs::exists(tmp / "processTmp.h"));
    struct stat st {};
    QCOMPARE(::stat(tmp.own().c_str(), &st), 0);
    QCOMPARE(st.st_mode & 0777, 0700u);
    QCOMPARE(ff::test::ReadFile(tmp.path() + "/processTmp.h"), std::string("someone else's"));

    // A session with a runtime folder keeps its files there.
    ff::test::TempDir runtime;
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.path().string()));
    Pick(page, "2|WT_ORDER");
    qunsetenv("XDG_RUNTIME_DIR");
    QVERIFY(fs::exists(runtime.path() / "fidforge" / "processTmp.h"));
    QVERIFY(ui.messages.empty());
  }

  void aPlantedTemporaryFolderIsRefused() {
    Sandbox box;
    TempFolder& tmp = box.tmp;
    ff::test::TempDir elsewhere;
    // Someone made our folder's name a link to a folder of theirs.
    fs::create_directory_symlink(elsewhere.path(), tmp.own());
    GuiTestUI& ui = box.ui;
    auto& page = box.Open<CPageCodeSingle>();
    Pick(page, "1|KH.QUERY");
    QCOMPARE(ui.messages.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(ui.messages[0], tmp.own()));
    QVERIFY(!Preview(page).empty());  // the preview is made all the same
    QVERIFY(fs::is_empty(elsewhere.path()));
    Pick(page, "1|KH_OPEN  ");  // said once, not on every click
    QCOMPARE(ui.messages.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(Preview(page), "KH_OPEN"));
    Click(page, 3);  // nor does the editor file go there
    QVERIFY(ui.opened.empty());
    QVERIFY(fs::is_empty(elsewhere.path()));
  }

  void okWithNoFunctionPickedWritesNothing() {
    Sandbox box;
    GuiTestUI& ui = box.ui;
    ff::test::WriteFile(box / "ProcessTmp.cpp", "good");
    ff::test::WriteFile(box / "ProcessTmp.h", "good header");
    box.ModuleFiles();
    auto& page = box.Open<CPageCodeSingle>();
    Pick(page, "1|KH.QUERY");
    Click(page, 9035);  // the switch leaves nothing picked
    Click(page, 1);
    QCOMPARE(ui.messages.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(ui.messages[0], G("请先在模块列表中选择一个FOS或BLS功能")));
    QCOMPARE(ff::test::ReadFile(box / "ProcessTmp.cpp") + ff::test::ReadFile(box / "ProcessTmp.h"), std::string("goodgood header"));
  }

  void enterInTheFindEditSearchesAndWritesNothing() {
    Sandbox box;
    box.ModuleFiles();
    // In a dialog, where Enter would press the default button.
    QDialog dialog;
    auto* page = new CPageCodeSingle;
    page->setParent(&dialog);
    page->OnSetActive();
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* find = page->Control<QLineEdit>(9015);
    find->setFocus();
    QTest::keyClicks(find, QStringLiteral("WT_ORDER"));
    QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(Q(page->m_tree->GetString(-1)), QStringLiteral("2|WT_ORDER"));
    QVERIFY(!fs::exists(box / "ProcessTmp.cpp"));
    QVERIFY(dialog.isVisible());
    // F3 finds the next match; Ctrl+F comes back to the find text.
    page->m_tree->setFocus();
    QTest::keyClick(page->m_tree, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(find));
    QCOMPARE(find->selectedText(), QStringLiteral("WT_ORDER"));
    QVERIFY(!fs::exists(box / "ProcessTmp.cpp"));
  }

  // Tab leaves the preview as it is; Ctrl+Tab to a page puts the focus on
  // its first control that takes input, never in the preview that had it.
  void theKeyboardMovesThroughPages() {
    Sandbox box;
    CMainSheet sheet("", nullptr, 4);
    sheet.Create();
    sheet.show();
    QApplication::setActiveWindow(&sheet);
    QVERIFY(QTest::qWaitForWindowActive(&sheet));
    auto* single = static_cast<CPageCodeSingle*>(sheet.GetPage(4));
    QCOMPARE(QApplication::focusWidget(), single->GetDlgItem(9036));
    auto* preview = single->Control<QPlainTextEdit>(ctl::tree::kPreview);
    preview->setPlainText(QStringLiteral("int a;"));
    preview->setFocus();
    QTest::keyClick(preview, Qt::Key_Tab);
    QCOMPARE(preview->toPlainText(), QStringLiteral("int a;"));
    QVERIFY(QApplication::focusWidget() != preview);
    preview->setFocus();
    auto press = [](Qt::KeyboardModifiers modifiers) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
      QCoreApplication::processEvents();
    };
    press(Qt::ControlModifier);
    QCOMPARE(sheet.GetActiveIndex(), 5);
    QCOMPARE(QApplication::focusWidget(), sheet.GetPage(5)->GetDlgItem(9036));
    sheet.GetPage(5)->GetDlgItem(9037)->setFocus();
    press(Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(sheet.GetActiveIndex(), 4);
    QCOMPARE(QApplication::focusWidget(), single->GetDlgItem(9036));
    // The other pages: the login's server, the export folder, the first
    // check list, the module list.
    const int first[] = {9001, 9013, 9009, 9022};
    for (int index = 0; index < 4; ++index) {
      sheet.GetPage(4)->GetDlgItem(9037)->setFocus();
      sheet.SetActivePage(4);
      for (int step = 4; step > index; --step) press(Qt::ControlModifier | Qt::ShiftModifier);
      QCOMPARE(sheet.GetActiveIndex(), index);
      QVERIFY(QApplication::focusWidget());
      QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("ctl%1").arg(first[index]));
    }
  }

  // A login on the login page shows the new database everywhere: the module
  // list and the trees are read again, the previews of the old database
  // are cleared (no FOS/BLS toggle needed).
  void aNewLoginRefreshesThePages() {
    Sandbox box;
    GuiTestUI& ui = box.ui;
    CMainSheet sheet("", nullptr, 3);
    sheet.Create();
    sheet.SetActivePage(4);
    sheet.SetActivePage(0);
    auto* code = static_cast<CPageCode*>(sheet.GetPage(3));
    auto* single = static_cast<CPageCodeSingle*>(sheet.GetPage(4));
    QCOMPARE(code->m_lstModule->topLevelItemCount(), 4);
    Pick(*single, "1|KH.QUERY");
    QVERIFY(!Preview(*single).empty());
    QVERIFY(!sheet.GetPage(5)->IsCreated());

    // Another database with one FOS module of one function.
    ff::test::TestDatabase other(
        "INSERT INTO T158 VALUES (77, '新模块', 'XMK');"
        "INSERT INTO T154 (ID, F18, F19, F22, F24, F26, F28, F32, F34) VALUES (1, 7701, 'XMK_Q', '查询', 'fn', 77, '', '', 0);");
    DisconnectConfigDB();
    auto* login = sheet.GetPage(0);
    login->SetDlgItemText(ctl::login::kDatabase, other.path());
    Click(*login, 1);
    QCOMPARE(ui.messages.back(), G("您已经成功登录配置库！"));
    QCOMPARE(code->m_lstModule->topLevelItemCount(), 1);
    QCOMPARE(code->m_lstModule->topLevelItem(0)->text(1).trimmed(), QStringLiteral("XMK"));
    QCOMPARE(single->m_tree->topLevelItemCount(), 1);
    QVERIFY(single->m_tree->FindID("77|XMK_Q") != 0);
    QVERIFY(Preview(*single).empty());  // KH.QUERY was the old database's
    QVERIFY(single->GetDlgItemText(ctl::files::kModuleName).empty());
    QVERIFY(!sheet.GetPage(5)->IsCreated());  // made when shown, from the new one
  }

  // The folder typed into 放置目录 is the folder (a missing one made after a
  // question), the names in the old folder move with it, every message
  // names it as the system spells it; a file the user keeps leaves the
  // preview as it was; a file that may not be written is said before any
  // question, once.
  void typedFoldersCount_data() {
    QTest::addColumn<int>("pageIndex");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("exists");
    QTest::newRow("module page, new folder") << 3 << QStringLiteral("mod") << false;
    QTest::newRow("module page, Korean folder") << 3 << QStringLiteral("한글/모듈") << true;
    QTest::newRow("single page, new Korean folder") << 4 << QStringLiteral("한글") << false;
    QTest::newRow("single page, folder") << 4 << QStringLiteral("out") << true;
  }

  void typedFoldersCount() {
    QFETCH(int, pageIndex);
    QFETCH(QString, folder);
    QFETCH(bool, exists);
    Sandbox box;
    GuiTestUI& ui = box.ui;
    const QString old = QString::fromStdString(box / "old");
    const QString typed = QString::fromStdString(box / folder.toStdString());
    QVERIFY(QDir().mkpath(old));
    if (exists) QVERIFY(QDir().mkpath(typed));
    theReg.WritePath("ModulePath", QFile::encodeName(old).toStdString());
    theReg.Write("ModuleNeed", "TRUE");
    theReg.Write("ModuleSelectBLS", "TRUE");
    CMainSheet sheet("", nullptr, pageIndex);
    sheet.Create();
    auto* page = dynamic_cast<CModuleFilesPage*>(sheet.GetPage(pageIndex));
    QVERIFY(page);
    auto* single = dynamic_cast<CPageCodeSingle*>(page);
    if (single) Pick(*single, "21|QUERY_USER");
    page->Control<QLineEdit>(ctl::files::kFolder)->setText(typed);
    if (!exists) ui.Answer(true);  // make it
    Click(*page, 1);
    QCOMPARE(ui.questions.size(), size_t(exists ? 0 : 1));
    if (!exists) QVERIFY(Q(ui.questions[0]).contains(typed));
    const QString header = typed + (single ? "/ProcessTmp.h" : "/Process.h");
    const QString source = typed + (single ? "/ProcessTmp.cpp" : "/Process.cpp");
    QVERIFY(QFile::exists(header) && QFile::exists(source));
    QVERIFY(QDir(old).isEmpty());
    QVERIFY2(Q(ui.messages.back()).contains(source), qPrintable(Q(ui.messages.back())));
    QCOMPARE(page->Control<QLineEdit>(ctl::files::kFolder)->text(), typed);
    QCOMPARE(page->Control<QLineEdit>(ctl::files::kCppFile)->text(), source);
    QCOMPARE(theReg.GetPath("ModulePath"), QFile::encodeName(typed).toStdString());

    // Again: both files are asked about, by their names; No keeps them, and
    // the preview shows what it showed.
    const std::string preview = single ? Preview(*single) : std::string();
    ui.questions.clear();
    ui.Answer(false);
    ui.Answer(false);
    Click(*page, 1);
    QCOMPARE(ui.questions.size(), size_t(2));
    QVERIFY(Q(ui.questions[0]).contains(header) || Q(ui.questions[1]).contains(header));
    if (single) {
      QVERIFY(!preview.empty());
      QCOMPARE(Preview(*single), preview);
    }

    // Files nobody may write: said once each, with no question before.
    ui.questions.clear();
    ui.fileErrors.clear();
    for (const QString& file : {header, source}) QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
    Click(*page, 1);
    QVERIFY(ui.questions.empty());
    QCOMPARE(ui.fileErrors.size(), size_t(1));  // the first file stops the action
    QVERIFY(QString::fromUtf8(ff::gbk::ToUtf8Shown(ui.fileErrors[0]).c_str()).contains(typed));
    QCOMPARE(ui.unscripted, 0);
  }

  // 编辑 and 打开目录 start the desktop's opener; when there is none, or it
  // fails (no program for text files), the user learns what was tried and
  // what to install.
  void openerFailuresAreSaid_data() {
    QTest::addColumn<QString>("opener");  // the xdg-open on PATH, "" for none
    QTest::addColumn<QString>("name");    // ends in "/": a folder
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("install");
    QTest::newRow("no program for text") << QStringLiteral("echo 'x-terminal-emulator: not found' >&2; exit 3")
                                         << QStringLiteral("한글.txt") << QStringLiteral("x-terminal-emulator: not found")
                                         << QStringLiteral("文本编辑器");
    QTest::newRow("no file manager") << QStringLiteral("echo 'no method available' >&2; exit 4")
                                     << QStringLiteral("한글/") << QStringLiteral("no method available")
                                     << QStringLiteral("文件管理器");
    QTest::newRow("no browser") << QStringLiteral("echo 'www-browser: not found' >&2; exit 3")
                                << QStringLiteral("index.html") << QStringLiteral("www-browser: not found")
                                << QStringLiteral("浏览器");
    QTest::newRow("no xdg-open") << QString() << QStringLiteral("한글.txt") << QString() << QString();
  }

  void openerFailuresAreSaid() {
    QFETCH(QString, opener);
    QFETCH(QString, name);
    QFETCH(QString, said);
    QFETCH(QString, install);
    Sandbox box{Sandbox::NoDatabase{}};
    ff::test::TempDir bin;
    const QString binDir = QString::fromStdString(bin.path().string());
    if (!opener.isEmpty()) {
      QFile script(binDir + "/xdg-open");
      QVERIFY(script.open(QIODevice::WriteOnly));
      script.write(("#!/bin/sh\n" + opener + "\n").toUtf8());
      script.close();
      QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", (binDir + ":/nonexistent").toUtf8());
    const QString target = QString::fromStdString(box / name.toStdString());
    if (name.endsWith('/')) QVERIFY(QDir().mkpath(target));
    else ff::test::WriteFile(QFile::encodeName(target).toStdString(), "text");
    GuiTestUI& ui = box.ui;
    QProcess* process = ff::gui::StartOpener(QFile::encodeName(target).toStdString());
    qputenv("PATH", oldPath);
    if (opener.isEmpty()) {
      QVERIFY(!process);
      return;
    }
    QVERIFY(process);
    QTRY_VERIFY_WITH_TIMEOUT(!ui.messages.empty(), 20000);
    const QString shown = Q(ui.messages[0]);
    QVERIFY2(shown.contains(said) && shown.contains(QStringLiteral("xdg-open")), qPrintable(shown));
    QVERIFY(shown.contains(QDir::cleanPath(target)) || shown.contains(target));
    QVERIFY2(shown.contains(install), qPrintable(shown));
  }
};

QTEST_MAIN(EverydayUseTest)
#include "everyday_use_test.moc"
