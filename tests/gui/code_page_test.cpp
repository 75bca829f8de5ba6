// The module code page: the values at start, the switches and the folder,
// picking a module, what generating writes, asks and reports, and
// "保留手写代码" (the merge that keeps hand-written code).
#include "modulecode/code_page.h"

#include <QApplication>
#include <QTimer>
#include <filesystem>

#include "gui_test_util.h"
#include "host/folder_lock.h"
#include "module/kestrel_list_ctrl.h"
#include "res/desktop_texts.h"

using namespace ff::guitest;
using ff::test::ReadFile;
using ff::test::WriteFile;
namespace fs = std::filesystem;

namespace {

void PickRow(CPageCode& page, int row) { page.m_lstModule->setCurrentItem(page.m_lstModule->topLevelItem(row)); }

// Generates module `row` with the page as the user would.
void Generate(int row) {
  CPageCode page;
  page.Create();
  PickRow(page, row);
  Click(page, 1);
}

const std::string kPlaceholder = "    pDB->Cmd(\"SELECT '...' \");\r\n";

// FOS module 1 generated into the sandbox's folder (by the page, which
// keeps a record of what it wrote, or without one as an older version
// did), its first SQL region written by hand.
std::string GenerateAndEdit(Sandbox& box, bool byPage) {
  if (byPage) Generate(0);
  else CCodeMaker().MakeFosModuleSource(box / "Process.cpp", 1, true);
  std::string text = ReadFile(box / "Process.cpp");
  text.replace(text.find(kPlaceholder), kPlaceholder.size(), "    pDB->Cmd(\"SELECT 1\");\r\n");
  WriteFile(box / "Process.cpp", text);
  box.ui.messages.clear();
  return text;
}

}  // namespace

class CodePageTest : public QObject {
  Q_OBJECT

 private slots:
  void firstStart() {
    Sandbox box;
    auto& page = box.Open<CPageCode>();
    QVERIFY(IsChecked(page, ctl::files::kFos));
    for (int id : {ctl::files::kMakeModule, ctl::files::kMakeTest, ctl::files::kNoPrompt, ctl::code::kKeepHandCode})
      QVERIFY(!IsChecked(page, id));
    // The user's own output folder, not the program's (read-only once installed).
    QCOMPARE(TextOf(page, ctl::files::kFolder), QDir::homePath() + QStringLiteral("/FidForge"));
    QCOMPARE(TextOf(page, ctl::files::kCppFile), QString());
    QCOMPARE(page.m_lstModule->topLevelItemCount(), 4);  // the FOS modules
    QCOMPARE(page.m_lstModule->topLevelItem(3)->text(2), QStringLiteral("历史查询"));
    Click(page, 1);
    QCOMPARE(box.ui.messages, std::vector<std::string>{G("头文件的文件名为空，没有生成任何文件。\n"
                                                         "请勾选“生成编程模板代码：”，由放置目录填入文件名。")});
    QCOMPARE(theReg.GetReg("ModulePath"), std::string());
  }

  void withoutConnectionTheLoginIsOffered() {
    Sandbox box{Sandbox::NoDatabase{}};
    bool offered = false;
    QTimer::singleShot(0, [&] {
      if (QWidget* dlg = QApplication::activeModalWidget()) offered = true, dlg->close();
    });
    auto& page = box.Open<CPageCode>();
    QVERIFY(offered);
    QCOMPARE(page.m_lstModule->topLevelItemCount(), 0);
  }

  // The switches fill the names from the folder (unticking leaves them);
  // the browser opens at the folder, a picked one renames what is on.
  void switchesFillTheNamesFromTheFolder() {
    Sandbox box;
    theReg.Write("ModulePath", "/srv/mod");
    auto& page = box.Open<CPageCode>();
    Click(page, ctl::files::kMakeModule);
    QCOMPARE(TextOf(page, ctl::files::kHeaderFile), QStringLiteral("/srv/mod/Process.h"));
    Click(page, ctl::files::kMakeModule);
    QCOMPARE(TextOf(page, ctl::files::kCppFile), QStringLiteral("/srv/mod/Process.cpp"));
    Click(page, ctl::files::kMakeTest);
    QCOMPARE(TextOf(page, ctl::files::kTestHeaderFile), QStringLiteral("/srv/mod/ProcessTest.h"));
    QCOMPARE(TextOf(page, ctl::files::kTestCppFile), QStringLiteral("/srv/mod/ProcessTest.cpp"));
    Click(page, ctl::files::kBrowseFolder);
    QCOMPARE(box.ui.browserStarts, std::vector<std::string>{"/srv/mod"});
    QCOMPARE(TextOf(page, ctl::files::kFolder), QStringLiteral("/srv/mod"));
    box.ui.nextFolder = "/srv/other/";
    Click(page, ctl::files::kBrowseFolder);
    QCOMPARE(TextOf(page, ctl::files::kFolder), QStringLiteral("/srv/other"));
    QCOMPARE(TextOf(page, ctl::files::kTestHeaderFile), QStringLiteral("/srv/other/ProcessTest.h"));
    QCOMPARE(TextOf(page, ctl::files::kCppFile), QStringLiteral("/srv/mod/Process.cpp"));
  }

  // The list opens on its first row, selected: a click on it picks it.
  // BLS shows the BLS modules and forgets the pick.
  void pickingAndSwitchingTheKind() {
    Sandbox box;
    auto& page = box.Open<CPageCode>();
    page.show();
    CKestrelListCtrl* list = page.m_lstModule;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("客户管理"));
    Click(page, ctl::files::kBls);
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QString());
    QCOMPARE(list->topLevelItemCount(), 3);
    PickRow(page, 2);
    Click(page, ctl::files::kBls);  // already BLS: nothing changes
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("证券交易"));
  }

  void generatingWritesTheModuleAndSaysWhatWasNot() {
    Sandbox box;
    const std::string dir = box.dir();
    theReg.Write("ModuleSelectBLS", "TRUE");
    box.ui.nextFolder = dir;
    auto& page = box.Open<CPageCode>();
    Click(page, ctl::files::kBrowseFolder);
    Click(page, ctl::files::kMakeModule);
    Click(page, ctl::files::kMakeTest);
    PickRow(page, 0);
    page.SetDlgItemText(ctl::files::kModuleName, G("typed"));  // typed text is not read
    Click(page, 1);
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("客户服务"));
    QCOMPARE(ff::test::Names(box.out.path()), (std::set<std::string>{".fidforge-base", "Process.cpp", "Process.h"}));
    QVERIFY(ff::gbk::Contains(ReadFile(box / "Process.h"), "KHFW"));  // project name: 模块名称 模块中文名称
    QCOMPARE(Q(box.ui.messages.at(0)),
             Q(G("BLS代码文件：\n\t") + dir + "/Process.cpp,\n\t" + dir + G("/Process.h。\n\t已经生成!\n测试代码文件：\n\t") +
               dir + "/ProcessTest.cpp,\n\t" + dir + G("/ProcessTest.h。\n\t没有生成（本工具不生成测试代码）。")));
    QCOMPARE(theReg.GetReg("ModuleCppFile"), dir + "/Process.cpp");
    QCOMPARE(theReg.GetReg("ModuleTestNeed"), std::string("TRUE"));
  }

  // Another program writing into the folder (here a lock of the test's
  // own) is waited for, then said; nothing is written beside its files.
  void aFolderAnotherRunHoldsIsSaidAndNothingWritten() {
    Sandbox box;
    box.ModuleFiles();
    ff::FolderLock other;
    std::string error;
    QVERIFY(other.Acquire(box.dir(), 0, error));
    Generate(0);
    QCOMPARE(ff::test::Names(box.out.path()), std::set<std::string>{});
    QCOMPARE(Q(box.ui.messages.at(0)), Q(ff::res::desktop::FolderBusy(box.dir(), std::to_string(::getpid()))));
  }

  void aDeclinedFileIsKeptAndSaidSo() {
    Sandbox box;
    box.ModuleFiles(false, false);
    WriteFile(box / "Process.h", "old");
    WriteFile(box / "Process.cpp", "old");
    box.ui.Answer(false);  // Process.h: keep
    box.ui.Answer(true);   // Process.cpp: overwrite
    Generate(0);
    QCOMPARE(box.ui.questions.size(), size_t(2));
    QVERIFY(ff::gbk::Contains(box.ui.questions[0], "Process.h") && ff::gbk::Contains(box.ui.questions[1], "Process.cpp"));
    QCOMPARE(ReadFile(box / "Process.h"), std::string("old"));
    QVERIFY(ReadFile(box / "Process.cpp") != "old");
    QCOMPARE(Q(box.ui.messages.at(0)), Q(G("FOS代码文件：\n\t") + box.dir() + G("/Process.cpp。\n\t已经生成!\n文件") +
                                         box.dir() + G("/Process.h已经存在，按您的选择没有覆盖，保留原有内容。")));
    QCOMPARE(Q(CPageCode::Summary(ff::Kind::Fos, {{"/a/Process.cpp", false}, {"/a/Process.h", false}}, "", "")),
             Q(G("FOS代码文件：\n\t没有生成任何文件。\n文件/a/Process.cpp已经存在，按您的选择没有覆盖，"
                 "保留原有内容。\n文件/a/Process.h已经存在，按您的选择没有覆盖，保留原有内容。")));
  }

  // The list shows ids through STR, whose ten characters turn both
  // eleven-digit ids into "**********": each row still writes its own
  // module, and a row whose id names no module writes nothing.
  void eachRowGeneratesItsOwnModuleByItsStoredId() {
    Sandbox box("DELETE FROM T158;"
                "INSERT INTO T158 VALUES (12345678901, '大号甲', 'BIG_A'), (98765432109, '大号乙', 'BIG_B'),"
                " (NULL, '无号', 'NO_ID'), (1.5, '半号', 'HALF'), (5, '重号', 'AGAIN'), (5, '五号', 'FIVE');"
                "UPDATE T154 SET F26 = 12345678901 WHERE F19 = 'KH_LIST';"
                "UPDATE T154 SET F26 = 98765432109 WHERE F19 = 'KH_OPEN';",
                true);
    box.ModuleFiles();
    auto& page = box.Open<CPageCode>();
    QCOMPARE(page.m_lstModule->topLevelItem(0)->text(0), page.m_lstModule->topLevelItem(1)->text(0));
    PickRow(page, 0);
    Click(page, 1);
    QVERIFY(ff::gbk::Contains(ReadFile(box / "Process.cpp"), "//KH_LIST"));
    QVERIFY(!ff::gbk::Contains(ReadFile(box / "Process.cpp"), "//KH_OPEN"));
    PickRow(page, 1);
    Click(page, 1);
    const std::string second = ReadFile(box / "Process.cpp");
    QVERIFY(ff::gbk::Contains(second, "//KH_OPEN") && ff::gbk::Contains(ReadFile(box / "Process.h"), "BIG_B"));
    const std::pair<int, const char*> refused[] = {
        {2, "模块NO_ID没有模块ID，不能生成代码！"},
        {3, "模块HALF的模块ID“1.5”不是模块号，不能生成代码！"},
        // Neither module of one id: which one it belongs to cannot be told.
        {4, "模块AGAIN的模块ID5与模块FIVE相同，不能生成代码！"},
        {5, "模块FIVE的模块ID5与模块AGAIN相同，不能生成代码！"},
    };
    for (const auto& [row, message] : refused) {
      PickRow(page, row);
      Click(page, 1);
      QCOMPARE(Q(box.ui.messages.back()), QString::fromUtf8(message));
      QCOMPARE(ReadFile(box / "Process.cpp"), second);
    }
  }

  // A module renamed after the list was read is not generated under its
  // old name: the list is read again.
  void aListThatNoLongerMatchesIsReadAgain() {
    Sandbox box;
    box.ModuleFiles();
    auto& page = box.Open<CPageCode>();
    PickRow(page, 1);
    box.db->Exec("UPDATE T158 SET F3 = 'RENAMED' WHERE F2 = '交易委托';");
    Click(page, 1);
    QCOMPARE(Q(box.ui.messages.at(0)), QStringLiteral("模块列表在数据库中已经改变，已重新读入，请重新选择模块！"));
    QVERIFY(!fs::exists(box / "Process.cpp"));
    QCOMPARE(page.m_lstModule->topLevelItem(1)->text(1).trimmed(), QStringLiteral("RENAMED"));
  }

  // 保留手写代码: remembered like the other switches; the hand-written SQL
  // is kept, a function gone from the database retired, and the summary
  // says so.
  void handWrittenSqlIsKeptAndReported() {
    Sandbox box;
    box.ModuleFiles();
    GenerateAndEdit(box, false);
    box.db->Exec("DELETE FROM T154 WHERE ID = 102;");
    {
      CPageCode page;
      page.Create();
      Click(page, ctl::code::kKeepHandCode);
      PickRow(page, 0);
      Click(page, 1);
    }
    auto& again = box.Open<CPageCode>();
    QVERIFY(IsChecked(again, ctl::code::kKeepHandCode));
    const std::string merged = ReadFile(box / "Process.cpp");
    QVERIFY(merged.find("    pDB->Cmd(\"SELECT 1\");\r\n") != std::string::npos);
    QVERIFY(merged.find("#endif // Kh_Open\r\n") != std::string::npos);
    QCOMPARE(box.ui.messages.size(), size_t(1));
    const std::string tail = G("\n合并 ") + box.dir() + G("/Process.cpp：保留手写区域 1 处，新增函数 0 个，停用函数 1 个。") +
                             G("\n\t停用的函数保留在文件末尾的 #if 0 块中：Kh_Open");
    QVERIFY2(box.ui.messages[0].ends_with(tail), ff::test::U(box.ui.messages[0]).c_str());
  }

  // A damaged file is refused in the program's words (the file, the line,
  // what is wrong there), and no file is touched.
  void aDamagedFileIsRefusedAndNothingTouched() {
    Sandbox box;
    box.ModuleFiles();
    std::string damaged = GenerateAndEdit(box, false);
    theReg.Write("ModuleKeepHandCode", "TRUE");
    damaged.replace(damaged.find("//##EndSQL"), 4, "// ");  // no longer a marker line
    WriteFile(box / "Process.cpp", damaged);
    WriteFile(box / "Process.h", "old");
    Generate(0);
    QCOMPARE(box.ui.messages.size(), size_t(1));
    const std::string& said = box.ui.messages[0];
    QVERIFY2(ff::gbk::Contains(said, G("保留手写代码：没有合并，任何文件都没有改动。\n") + box.dir() + G("/Process.cpp第")) &&
                 ff::gbk::Contains(said, G("行：//##BeginSQL没有对应的//##EndSQL。")),
             ff::test::U(said).c_str());
    QCOMPARE(ReadFile(box / "Process.cpp"), damaged);
    QCOMPARE(ReadFile(box / "Process.h"), std::string("old"));
  }

  // Four of the six functions leaving the database: the merge asks before
  // it retires them, and No leaves every file as it was.
  void mostFunctionsRetiringIsAskedFirst() {
    Sandbox box;
    box.ModuleFiles();
    GenerateAndEdit(box, true);
    theReg.Write("ModuleKeepHandCode", "TRUE");
    const std::string source = ReadFile(box / "Process.cpp"), header = ReadFile(box / "Process.h");
    box.db->Exec("DELETE FROM T154 WHERE ID IN (101, 102, 103, 104);");
    box.ui.Answer(false);
    Generate(0);
    QCOMPARE(box.ui.questions.size(), size_t(1));
    QVERIFY2(ff::gbk::Contains(box.ui.questions[0], G("合并会停用它6个函数中的4个")) &&
                 ff::gbk::Contains(box.ui.questions[0], G("仍要合并吗？")),
             ff::test::U(box.ui.questions[0]).c_str());
    QCOMPARE(ReadFile(box / "Process.cpp"), source);
    QCOMPARE(ReadFile(box / "Process.h"), header);
  }
};

QTEST_MAIN(CodePageTest)
#include "code_page_test.moc"
