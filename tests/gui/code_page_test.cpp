// The module code page: the values at start, the switches and the folder,
// picking a module, and what generating writes and reports.
#include "modulecode/code_page.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <filesystem>

#include "code_pages_util.h"
#include "host/config_db.h"
#include "host/registry.h"
#include "module/kestrel_list_ctrl.h"
#include "res/control_ids.h"

namespace ctl = ff::res::ctl;

using ff::guitest::Click;
using ff::guitest::IsChecked;
using ff::guitest::PageUI;
using ff::guitest::Q;
using ff::guitest::TextOf;
using ff::test::G;

namespace {

const int kPathEdits[] = {ctl::files::kCppFile, ctl::files::kHeaderFile, ctl::files::kTestCppFile, ctl::files::kTestHeaderFile};

// Picks the list row as the user would.
void PickRow(CPageCode& page, int row) {
  page.m_lstModule->setCurrentItem(page.m_lstModule->topLevelItem(row));
}

}  // namespace

class CodePageTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { DisconnectConfigDB(); }

  void firstStartDefaults() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    CPageCode page;
    page.Create();
    QCOMPARE(page.Caption(), QStringLiteral("生成模块代码"));
    QVERIFY(IsChecked(page, ctl::files::kFos));
    QVERIFY(!page.m_bBLS);
    for (int id : {ctl::files::kMakeModule, ctl::files::kMakeTest, ctl::files::kNoPrompt}) QVERIFY(!IsChecked(page, id));
    // The user's own output folder, not the program's (read-only once installed).
    QCOMPARE(TextOf(page, ctl::files::kFolder), QDir::homePath() + QStringLiteral("/FidForge"));
    for (int id : kPathEdits) QCOMPARE(TextOf(page, id), QString());
    QCOMPARE(page.m_lstModule->topLevelItemCount(), 4);  // the FOS modules
    QCOMPARE(page.m_lstModule->topLevelItem(3)->text(2), QStringLiteral("历史查询"));
  }

  void firstStartOkSaysWhichNameIsMissing() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    PageUI ui;
    CPageCode page;
    page.Create();
    Click(page, 1);
    QVERIFY(ui.fileErrors.empty());
    QCOMPARE(ui.messages.size(), size_t(1));
    QCOMPARE(Q(ui.messages[0]), QStringLiteral("头文件的文件名为空，没有生成任何文件。\n"
                                               "请勾选“生成编程模板代码：”，由放置目录填入文件名。"));
    QCOMPARE(theReg.GetReg("ModulePath"), std::string());
    QCOMPARE(ui.waitDepth, 0);
  }

  void withoutConnectionTheLoginIsOfferedAndOkRefuses() {
    ff::test::SettingsSandbox sandbox;
    PageUI ui;
    bool offered = false;
    QTimer::singleShot(0, [&] {
      if (QWidget* dlg = QApplication::activeModalWidget()) {
        offered = true;
        dlg->close();
      }
    });
    CPageCode page;
    page.Create();
    QVERIFY(offered);
    QCOMPARE(page.m_lstModule->topLevelItemCount(), 0);
    Click(page, 1);
    QCOMPARE(ui.messages.size(), size_t(1));
    QCOMPARE(ui.messages[0], G("您尚未登录配置库，请登录后再生成编程头文件！"));
    QCOMPARE(ui.waitDepth, 0);
  }

  void switchesFillTheNamesFromTheFolder() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    theReg.Write("ModulePath", "/srv/mod");
    PageUI ui;
    CPageCode page;
    page.Create();
    Click(page, 9021);
    QCOMPARE(TextOf(page, 9030), QStringLiteral("/srv/mod/Process.h"));
    QCOMPARE(TextOf(page, 9023), QStringLiteral("/srv/mod/Process.cpp"));
    Click(page, 9021);  // unticking leaves the names
    QCOMPARE(TextOf(page, 9023), QStringLiteral("/srv/mod/Process.cpp"));
    Click(page, 9027);
    QCOMPARE(TextOf(page, 9024), QStringLiteral("/srv/mod/ProcessTest.h"));
    QCOMPARE(TextOf(page, 9028), QStringLiteral("/srv/mod/ProcessTest.cpp"));
    // The browser opens at the folder; cancelling keeps it.
    Click(page, 9014);
    QCOMPARE(ui.browserTitles.at(0), G("修改Fix头文件放置路径"));
    QCOMPARE(ui.browserStarts.at(0), std::string("/srv/mod"));
    QCOMPARE(TextOf(page, 9013), QStringLiteral("/srv/mod"));
    // A picked folder gives full names for the switches that are on.
    ui.nextFolder = "/srv/other/";
    Click(page, 9014);
    QCOMPARE(TextOf(page, 9013), QStringLiteral("/srv/other"));
    QCOMPARE(TextOf(page, 9024), QStringLiteral("/srv/other/ProcessTest.h"));
    QCOMPARE(TextOf(page, 9023), QStringLiteral("/srv/mod/Process.cpp"));  // its switch is off
  }

  void pickingAndSwitchingTheKind() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    CPageCode page;
    page.Create();
    page.show();
    // The list opens on its first row, selected: a click on it picks it.
    CKestrelListCtrl* list = page.m_lstModule;
    QVERIFY(list->topLevelItem(0)->isSelected());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("客户管理"));
    PickRow(page, 1);
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("交易委托"));
    Click(page, ctl::files::kBls);
    QVERIFY(page.m_bBLS);
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QString());
    QCOMPARE(page.m_lstModule->topLevelItemCount(), 3);  // the BLS modules
    PickRow(page, 2);
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("证券交易"));
    Click(page, ctl::files::kBls);  // already BLS: nothing changes
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("证券交易"));
  }

  void generatingBlsWritesBothFilesAndSaysWhatWasNot() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    const std::string dir = out.path().string();
    theReg.Write("ModuleSelectBLS", "TRUE");
    PageUI ui;
    ui.nextFolder = dir;
    CPageCode page;
    page.Create();
    QVERIFY(IsChecked(page, ctl::files::kBls));
    Click(page, ctl::files::kBrowseFolder);
    Click(page, ctl::files::kMakeModule);
    Click(page, ctl::files::kMakeTest);
    PickRow(page, 0);
    page.SetDlgItemText(ctl::files::kModuleName, G("typed"));  // typed text is not read
    Click(page, 1);
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("客户服务"));
    QVERIFY(std::filesystem::exists(out.path() / "Process.h"));
    QVERIFY(std::filesystem::exists(out.path() / "Process.cpp"));
    QVERIFY(!std::filesystem::exists(out.path() / "ProcessTest.h"));
    QVERIFY(!std::filesystem::exists(out.path() / "ProcessTest.cpp"));
    const std::string header = ff::test::ReadFile(dir + "/Process.h");
    QVERIFY(ff::gbk::Contains(header, "KHFW"));  // project name: 模块名称 模块中文名称
    QVERIFY(ff::gbk::Contains(header, "QUERY_USER"));
    QCOMPARE(ui.messages.size(), size_t(1));
    const std::string expected = G("BLS代码文件：\n\t") + dir + "/Process.cpp,\n\t" + dir +
                                 G("/Process.h。\n\t已经生成!\n测试代码文件：\n\t") + dir +
                                 "/ProcessTest.cpp,\n\t" + dir +
                                 G("/ProcessTest.h。\n\t没有生成（本工具不生成测试代码）。");
    QCOMPARE(Q(ui.messages[0]), Q(expected));
    QCOMPARE(theReg.GetReg("ModulePath"), dir);
    QCOMPARE(theReg.GetReg("ModuleHeadFile"), dir + "/Process.h");
    QCOMPARE(theReg.GetReg("ModuleCppFile"), dir + "/Process.cpp");
    QCOMPARE(theReg.GetReg("ModuleFilesOverWrite"), std::string("FALSE"));
    QCOMPARE(theReg.GetReg("ModuleNeed"), std::string("TRUE"));
    QCOMPARE(theReg.GetReg("ModuleTestNeed"), std::string("TRUE"));
    QCOMPARE(theReg.GetReg("ModuleSelectBLS"), std::string("TRUE"));
    QCOMPARE(ui.waitDepth, 0);
  }

  void declinedFileIsKeptAndSaidSo() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    const std::string dir = out.path().string();
    ff::test::WriteFile(dir + "/Process.h", "old");
    ff::test::WriteFile(dir + "/Process.cpp", "old");
    theReg.Write("ModulePath", dir);
    theReg.Write("ModuleNeed", "TRUE");
    PageUI ui;
    ui.Answer(false);  // Process.h: keep
    ui.Answer(true);   // Process.cpp: overwrite
    CPageCode page;
    page.Create();
    PickRow(page, 0);
    Click(page, 1);
    QCOMPARE(ui.questions.size(), size_t(2));
    QVERIFY(ff::gbk::Contains(ui.questions[0], "Process.h"));
    QVERIFY(ff::gbk::Contains(ui.questions[1], "Process.cpp"));
    QCOMPARE(ff::test::ReadFile(dir + "/Process.h"), std::string("old"));
    QVERIFY(ff::test::ReadFile(dir + "/Process.cpp") != "old");
    const std::string expected = G("FOS代码文件：\n\t") + dir + G("/Process.cpp。\n\t已经生成!\n文件") + dir +
                                 G("/Process.h已经存在，按您的选择没有覆盖，保留原有内容。");
    QCOMPARE(Q(ui.messages.at(0)), Q(expected));
  }

  // The list shows ids through STR, whose ten characters turn both
  // eleven-digit ids into "**********": each row still writes its own
  // module, and a row whose id names no module writes nothing.
  void eachRowGeneratesItsOwnModuleByItsStoredId() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db("DELETE FROM T158;"
                              "INSERT INTO T158 VALUES (12345678901, '大号甲', 'BIG_A');"
                              "INSERT INTO T158 VALUES (98765432109, '大号乙', 'BIG_B');"
                              "INSERT INTO T158 VALUES (NULL, '无号', 'NO_ID');"
                              "INSERT INTO T158 VALUES (1.5, '半号', 'HALF');"
                              "INSERT INTO T158 VALUES (5, '重号', 'AGAIN');"
                              "INSERT INTO T158 VALUES (5, '五号', 'FIVE');",
                              true);
    db.Exec("UPDATE T154 SET F26 = 12345678901 WHERE F19 = 'KH_LIST';"
            "UPDATE T154 SET F26 = 98765432109 WHERE F19 = 'KH_OPEN';");
    ff::test::TempDir out;
    const std::string dir = out.path().string();
    theReg.Write("ModulePath", dir);
    theReg.Write("ModuleNeed", "TRUE");
    theReg.Write("ModuleFilesOverWrite", "TRUE");
    PageUI ui;
    CPageCode page;
    page.Create();
    QCOMPARE(page.m_lstModule->topLevelItem(0)->text(0), page.m_lstModule->topLevelItem(1)->text(0));
    PickRow(page, 0);
    Click(page, 1);
    QVERIFY(ff::gbk::Contains(ff::test::ReadFile(dir + "/Process.cpp"), "//KH_LIST"));
    QVERIFY(!ff::gbk::Contains(ff::test::ReadFile(dir + "/Process.cpp"), "//KH_OPEN"));
    PickRow(page, 1);
    Click(page, 1);
    const std::string second = ff::test::ReadFile(dir + "/Process.cpp");
    QVERIFY(ff::gbk::Contains(second, "//KH_OPEN"));
    QVERIFY(ff::gbk::Contains(ff::test::ReadFile(dir + "/Process.h"), "BIG_B"));
    QCOMPARE(ui.messages.size(), size_t(2));  // the two summaries

    const std::pair<int, const char*> refused[] = {
        {2, "模块NO_ID没有模块ID，不能生成代码！"},
        {3, "模块HALF的模块ID“1.5”不是模块号，不能生成代码！"},
        // Neither module of one id: which one it belongs to cannot be told.
        {4, "模块AGAIN的模块ID5与模块FIVE相同，不能生成代码！"},
        {5, "模块FIVE的模块ID5与模块AGAIN相同，不能生成代码！"},
    };
    for (const auto& [row, message] : refused) {
      ui.messages.clear();
      PickRow(page, row);
      Click(page, 1);
      QCOMPARE(ui.messages.size(), size_t(1));
      QCOMPARE(Q(ui.messages[0]), QString::fromUtf8(message));
      QCOMPARE(ff::test::ReadFile(dir + "/Process.cpp"), second);  // nothing written
    }
    QCOMPARE(ui.waitDepth, 0);
  }

  // A module renamed after the list was read is not generated under its
  // old name: the list is read again.
  void aListThatNoLongerMatchesIsReadAgain() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    theReg.Write("ModulePath", out.path().string());
    theReg.Write("ModuleNeed", "TRUE");
    PageUI ui;
    CPageCode page;
    page.Create();
    PickRow(page, 1);
    db.Exec("UPDATE T158 SET F3 = 'RENAMED' WHERE F2 = '交易委托';");
    Click(page, 1);
    QCOMPARE(ui.messages.size(), size_t(1));
    QCOMPARE(Q(ui.messages[0]), QStringLiteral("模块列表在数据库中已经改变，已重新读入，请重新选择模块！"));
    QVERIFY(!std::filesystem::exists(out.path() / "Process.cpp"));
    QCOMPARE(page.m_lstModule->topLevelItem(1)->text(1).trimmed(), QStringLiteral("RENAMED"));
  }

  // A query that fails stops the generation with the database's reason;
  // the files there keep their bytes.
  // A module whose files cannot be made whole writes neither of them: a
  // failed query, or a function that could not be declared or given its
  // body.
  void aModuleThatCannotBeMadeWholeKeepsBothFiles_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("reason");
    QTest::newRow("failed query") << "ALTER TABLE T154 DROP COLUMN F22;" << "no such column: F22";
    QTest::newRow("NULL code") << "UPDATE T154 SET F19 = NULL WHERE ID = 101;"
                               << "FOS function 1001: its code is NULL or blank";
    QTest::newRow("code GBK lacks") << "UPDATE T154 SET F19 = 'KH_' || char(0x1F600) WHERE ID = 101;"
                                    << "FOS function 1001 KH_?: its code came out as";
  }
  void aModuleThatCannotBeMadeWholeKeepsBothFiles() {
    QFETCH(QString, sql);
    QFETCH(QString, reason);
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    const std::string dir = out.path().string();
    ff::test::WriteFile(dir + "/Process.h", "good header");
    ff::test::WriteFile(dir + "/Process.cpp", "good source");
    theReg.Write("ModulePath", dir);
    theReg.Write("ModuleNeed", "TRUE");
    theReg.Write("ModuleFilesOverWrite", "TRUE");
    PageUI ui;
    CPageCode page;
    page.Create();
    PickRow(page, 0);
    db.Exec(sql.toStdString());
    Click(page, 1);
    QCOMPARE(ui.messages.size(), size_t(1));
    QVERIFY2(ff::gbk::Contains(ui.messages[0], reason.toStdString()), ff::test::U(ui.messages[0]).c_str());
    QCOMPARE(ff::test::ReadFile(dir + "/Process.h"), std::string("good header"));
    QCOMPARE(ff::test::ReadFile(dir + "/Process.cpp"), std::string("good source"));
    QCOMPARE(theReg.GetReg("ModuleCppFile"), std::string());  // nothing stored
    QCOMPARE(ui.waitDepth, 0);
  }

  void nothingWrittenSaysSo() {
    const std::string text =
        CPageCode::Summary(false, {{"/a/Process.cpp", false}, {"/a/Process.h", false}}, "", "");
    QCOMPARE(Q(text),
             Q(G("FOS代码文件：\n\t没有生成任何文件。\n文件/a/Process.cpp已经存在，按您的选择没有覆盖，"
                 "保留原有内容。\n文件/a/Process.h已经存在，按您的选择没有覆盖，保留原有内容。")));
  }
};

QTEST_MAIN(CodePageTest)
#include "code_page_test.moc"
