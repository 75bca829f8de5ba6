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
