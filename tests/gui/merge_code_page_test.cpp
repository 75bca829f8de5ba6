// The module code page's "保留手写代码": off at first and remembered like the
// page's other switches; when on, Process.cpp keeps the hand-written code
// and the summary says what was kept; a damaged file is refused untouched.
#include <QCoreApplication>
#include <filesystem>

#include "code_pages_util.h"
#include "host/config_db.h"
#include "host/registry.h"
#include "module/kestrel_list_ctrl.h"
#include "modulecode/code_page.h"

using ff::guitest::Click;
using ff::guitest::IsChecked;
using ff::guitest::PageUI;
using ff::guitest::Q;
using ff::test::G;
using ff::test::ReadFile;
using ff::test::WriteFile;

namespace {

const std::string kPlaceholder = "    pDB->Cmd(\"SELECT '...' \");\r\n";

// A FOS module 1 generated into `dir`, its first SQL region written by hand.
std::string GenerateAndEdit(const std::string& dir) {
  CCodeMaker maker;
  if (!maker.MakeFosModuleSource(dir + "/Process.cpp", 1, true)) return {};
  std::string text = ReadFile(dir + "/Process.cpp");
  text.replace(text.find(kPlaceholder), kPlaceholder.size(), "    pDB->Cmd(\"SELECT 1\");\r\n");
  WriteFile(dir + "/Process.cpp", text);
  return text;
}

}  // namespace

class MergeCodePageTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { DisconnectConfigDB(); }

  void offAtFirstAndRemembered() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    theReg.Write("ModulePath", out.path().string());
    theReg.Write("ModuleNeed", "TRUE");
    theReg.Write("ModuleFilesOverWrite", "TRUE");
    PageUI ui;
    {
      CPageCode page;
      page.Create();
      QVERIFY(!IsChecked(page, ctl::code::kKeepHandCode));
      Click(page, ctl::code::kKeepHandCode);
      QVERIFY(page.m_bKeepHandCode);
      page.m_lstModule->setCurrentItem(page.m_lstModule->topLevelItem(0));
      Click(page, 1);
    }
    QCOMPARE(theReg.GetReg("ModuleKeepHandCode"), std::string("TRUE"));
    CPageCode again;
    again.Create();
    QVERIFY(IsChecked(again, ctl::code::kKeepHandCode));
  }

  void handWrittenSqlIsKeptAndReported() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    const std::string dir = out.path().string();
    const std::string edited = GenerateAndEdit(dir);
    QVERIFY(!edited.empty());
    db.Exec("DELETE FROM T154 WHERE ID = 102;");
    theReg.Write("ModulePath", dir);
    theReg.Write("ModuleNeed", "TRUE");
    theReg.Write("ModuleFilesOverWrite", "TRUE");
    theReg.Write("ModuleKeepHandCode", "TRUE");
    PageUI ui;
    CPageCode page;
    page.Create();
    page.m_lstModule->setCurrentItem(page.m_lstModule->topLevelItem(0));
    Click(page, 1);
    const std::string merged = ReadFile(dir + "/Process.cpp");
    QVERIFY2(!ui.messages.empty(), "no message");
    QVERIFY2(merged.find("    pDB->Cmd(\"SELECT 1\");\r\n") != std::string::npos, ff::test::U(ui.messages[0]).c_str());
    QVERIFY2(merged.find("#endif // Kh_Open\r\n") != std::string::npos, ff::test::U(ui.messages[0]).c_str());
    QCOMPARE(ui.messages.size(), size_t(1));
    const std::string tail = G("\n合并 ") + dir + G("/Process.cpp：保留手写区域 1 处，新增函数 0 个，停用函数 1 个。") +
                             G("\n\t停用的函数保留在文件末尾的 #if 0 块中：Kh_Open");
    const std::string& message = ui.messages[0];
    QVERIFY2(message.size() > tail.size() && message.compare(message.size() - tail.size(), tail.size(), tail) == 0,
             ff::test::U(message).c_str());
  }

  void damagedFileIsRefusedAndNothingTouched() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    const std::string dir = out.path().string();
    std::string damaged = GenerateAndEdit(dir);
    damaged.replace(damaged.find("//##EndSQL"), 4, "// ");  // no longer a marker line
    WriteFile(dir + "/Process.cpp", damaged);
    WriteFile(dir + "/Process.h", "old");
    theReg.Write("ModulePath", dir);
    theReg.Write("ModuleNeed", "TRUE");
    theReg.Write("ModuleFilesOverWrite", "TRUE");
    theReg.Write("ModuleKeepHandCode", "TRUE");
    PageUI ui;
    CPageCode page;
    page.Create();
    Click(page, 1);
    QCOMPARE(ui.messages.size(), size_t(1));
    QVERIFY2(ff::gbk::Contains(ui.messages[0], G("保留手写代码：没有合并，任何文件都没有改动。\n") + dir +
                                                   "/Process.cpp:"),
             ff::test::U(ui.messages[0]).c_str());
    QVERIFY(ff::gbk::Contains(ui.messages[0], "//##BeginSQL without its //##EndSQL"));
    QCOMPARE(ReadFile(dir + "/Process.cpp"), damaged);
    QCOMPARE(ReadFile(dir + "/Process.h"), std::string("old"));
    QCOMPARE(theReg.GetReg("ModulePath"), std::string(dir));  // as it was: nothing stored
    QCOMPARE(ui.waitDepth, 0);
  }
};

QTEST_MAIN(MergeCodePageTest)
#include "merge_code_page_test.moc"
