// The header export page: the folder and paths at start, the folder edit,
// the folder browser, and every outcome of the export.
#include <filesystem>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QTest>

#include "gui_test_util.h"
#include "headers/export_page.h"
#include "host/config_db.h"
#include "host/registry.h"
#include "res/control_ids.h"
#include "tests/support/test_support.h"

namespace ctl = ff::res::ctl;

using ff::guitest::Click;
using ff::guitest::GuiTestUI;
using ff::guitest::TextOf;
using ff::guitest::Type;
using ff::test::G;

namespace {

const int kPathEdits[] = {ctl::exporting::kFidDefFile, ctl::exporting::kFosDefFile, ctl::exporting::kBlsDefFile, ctl::exporting::kSysDefFile};
const char* kNames[] = {"fiddef.h", "fosdef.h", "blsdef.h", "sysdef.h"};

// The four shown paths and the hidden fixdef.h path all lie in `folder`.
void ExpectPathsIn(CPageExport& page, const QString& folder) {
  for (int i = 0; i < 4; ++i)
    QCOMPARE(TextOf(page, kPathEdits[i]), folder + "/" + QString::fromLatin1(kNames[i]));
  QCOMPARE(ff::gui::ToQ(page.m_strFixDefFile), folder + QStringLiteral("/fixdef.h"));
}

std::string Summary(const std::string& dir) {
  return G("fix定义.h头文件：\n\t") + dir + "/fixdef.h,\n\t" + dir + "/fiddef.h,\n\t" + dir +
         "/fosdef.h,\n\t" + dir + "/blsdef.h,\n\t" + dir + "/sysdef.h" + G("。\n\t已经生成!");
}

void ExpectNoPaths(CPageExport& page) {
  for (int id : kPathEdits) QCOMPARE(TextOf(page, id), QString());
  QCOMPARE(page.m_strFixDefFile, std::string());
}

}  // namespace

class ExportTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { DisconnectConfigDB(); }

  void storedFolderAndSwitch() {
    ff::test::SettingsSandbox sandbox;
    theReg.Write("FixPath", "/srv/fix");
    theReg.Write("FixFilesOverWrite", "TRUE");
    theReg.Write("FidDefFile", "/elsewhere/fiddef.h");  // never read back
    CPageExport page;
    page.Create();
    QCOMPARE(page.Caption(), QStringLiteral("生成头文件"));
    QCOMPARE(TextOf(page, ctl::exporting::kFolder), QStringLiteral("/srv/fix"));
    ExpectPathsIn(page, QStringLiteral("/srv/fix"));
    QVERIFY(page.Control<QCheckBox>(ctl::exporting::kNoPrompt)->isChecked());
    QVERIFY(page.m_bOverWrite);
  }

  void noStoredFolderGivesTheUsersOutputFolder() {
    ff::test::SettingsSandbox sandbox;
    theReg.Write("FixFilesOverWrite", "true");  // only "TRUE" sets the switch
    CPageExport page;
    page.Create();
    // Not the program's folder: it is read-only once installed.
    const QString programFolder = QDir::homePath() + QStringLiteral("/FidForge");
    QCOMPARE(TextOf(page, 9013), programFolder);
    ExpectPathsIn(page, programFolder);
    QVERIFY(!page.Control<QCheckBox>(ctl::exporting::kNoPrompt)->isChecked());
  }

  void folderEditRebuildsEveryPath() {
    ff::test::SettingsSandbox sandbox;
    theReg.Write("FixPath", "/srv/fix");
    CPageExport page;
    page.Create();
    page.show();
    page.SetDlgItemText(ctl::exporting::kFidDefFile, "/mine/fid.h");  // the user's own name ...
    Type(page, ctl::exporting::kFolder, QStringLiteral("2"));     // ... goes with one keystroke
    QCOMPARE(TextOf(page, ctl::exporting::kFolder), QStringLiteral("/srv/fix2"));
    ExpectPathsIn(page, QStringLiteral("/srv/fix2"));
    // An empty folder gives no paths (it is asked for at OK); a relative
    // one gives full paths.
    page.SetDlgItemText(9013, "");
    QCOMPARE(TextOf(page, 9013), QString());
    ExpectNoPaths(page);
    page.SetDlgItemText(9013, "rel");
    ExpectPathsIn(page, QDir::currentPath() + QStringLiteral("/rel"));
  }

  void pagesOwnTransfersDoNotRebuild() {
    ff::test::SettingsSandbox sandbox;
    CPageExport page;
    page.Create();
    page.m_strPath = "/other";
    page.m_strFidDefFile = "/kept/fiddef.h";
    page.UpdateData(false);
    QCOMPARE(TextOf(page, ctl::exporting::kFolder), QStringLiteral("/other"));
    QCOMPARE(TextOf(page, ctl::exporting::kFidDefFile), QStringLiteral("/kept/fiddef.h"));
  }

  void folderBrowser() {
    ff::test::SettingsSandbox sandbox;
    GuiTestUI ui;
    CPageExport page;
    page.Create();
    ui.nextFolder = "/picked/";  // a root-like folder ends in the separator
    Click(page, ctl::exporting::kBrowseFolder);
    QCOMPARE(ui.browserTitles.size(), size_t(1));
    QCOMPARE(ui.browserTitles[0], G("修改Fix头文件放置路径"));
    QCOMPARE(TextOf(page, 9013), QStringLiteral("/picked"));
    ExpectPathsIn(page, QStringLiteral("/picked"));
    ui.nextFolder.reset();  // cancelled: the folder stays
    Click(page, 9014);
    QCOMPARE(ui.browserStarts.at(1), std::string("/picked"));  // opened at the edit's folder
    QCOMPARE(TextOf(page, 9013), QStringLiteral("/picked"));
    ExpectPathsIn(page, QStringLiteral("/picked"));
    // The other "..." buttons do nothing.
    for (int id : {ctl::exporting::kBrowseFidDef, ctl::exporting::kBrowseFosDef, ctl::exporting::kBrowseBlsDef, ctl::exporting::kBrowseSysDef}) Click(page, id);
    QCOMPARE(ui.browserTitles.size(), size_t(2));
    ExpectPathsIn(page, QStringLiteral("/picked"));
  }

  void switchFollowsTheCheckBox() {
    ff::test::SettingsSandbox sandbox;
    CPageExport page;
    page.Create();
    Click(page, ctl::exporting::kNoPrompt);
    QVERIFY(page.m_bOverWrite);
    Click(page, ctl::exporting::kNoPrompt);
    QVERIFY(!page.m_bOverWrite);
  }

  void notLoggedInTouchesNothing() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TempDir out;
    GuiTestUI ui;
    CPageExport page;
    page.Create();
    page.SetDlgItemText(ctl::exporting::kFolder, out.path().string());
    Click(page, 1);
    QCOMPARE(ui.messages.size(), size_t(1));
    QCOMPARE(ui.messages[0], G("您尚未登录配置库，请登录后再生成编程头文件！"));
    QVERIFY(std::filesystem::is_empty(out.path()));
    QCOMPARE(theReg.GetReg("FixPath"), std::string());
    QCOMPARE(ui.waitDepth, 0);
  }

  void exportWritesFiveFilesAndStoresTheValues() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    GuiTestUI ui;
    CPageExport page;
    page.Create();
    const std::string dir = out.path().string();
    page.SetDlgItemText(ctl::exporting::kFolder, dir);
    page.SetDlgItemText(ctl::exporting::kFidDefFile, dir + "/my_fid.h");  // typed after the folder
    Click(page, ctl::exporting::kNoPrompt);
    Click(page, 1);
    for (const char* name : {"my_fid.h", "fixdef.h", "blsdef.h", "fosdef.h", "sysdef.h"})
      QVERIFY2(std::filesystem::exists(out.path() / name), name);
    QVERIFY(!std::filesystem::exists(out.path() / "fiddef.h"));
    QCOMPARE(ui.messages.size(), size_t(1));
    std::string expected = Summary(dir);
    ff::gbk::ReplaceAll(expected, dir + "/fiddef.h", dir + "/my_fid.h");
    QCOMPARE(ff::guitest::Q(ui.messages[0]), ff::guitest::Q(expected));
    QCOMPARE(theReg.GetReg("FixPath"), dir);
    QCOMPARE(theReg.GetReg("FidDefFile"), dir + "/my_fid.h");
    QCOMPARE(theReg.GetReg("FOSDefFile"), dir + "/fosdef.h");
    QCOMPARE(theReg.GetReg("BLSDefFile"), dir + "/blsdef.h");
    QCOMPARE(theReg.GetReg("SysDefFile"), dir + "/sysdef.h");
    QCOMPARE(theReg.GetReg("FixFilesOverWrite"), std::string("TRUE"));
    QCOMPARE(ui.waitDepth, 0);
    QVERIFY(ui.questions.empty());

    // Next start: the paths come from the folder again.
    CPageExport next;
    next.Create();
    ExpectPathsIn(next, QString::fromStdString(dir));
  }

  void declinedFileIsNamedAsKept() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    const std::string dir = out.path().string();
    ff::test::WriteFile(dir + "/fiddef.h", "old");
    GuiTestUI ui;
    ui.Answer(false);
    CPageExport page;
    page.Create();
    page.SetDlgItemText(ctl::exporting::kFolder, dir);
    Click(page, 1);
    QCOMPARE(ui.questions.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(ui.questions[0], "fiddef.h"));
    QCOMPARE(ff::test::ReadFile(dir + "/fiddef.h"), std::string("old"));
    for (const char* name : {"fixdef.h", "blsdef.h", "fosdef.h", "sysdef.h"})
      QVERIFY2(std::filesystem::exists(out.path() / name), name);
    QCOMPARE(ui.messages.size(), size_t(1));
    // The summary lists the four written and names the one kept.
    const std::string expected = G("fix定义.h头文件：\n\t") + dir + "/fixdef.h,\n\t" + dir + "/fosdef.h,\n\t" + dir +
                                 "/blsdef.h,\n\t" + dir + "/sysdef.h" + G("。\n\t已经生成!") + G("\n文件") + dir +
                                 "/fiddef.h" + G("已经存在，按您的选择没有覆盖，保留原有内容。");
    QCOMPARE(ff::guitest::Q(ui.messages[0]), ff::guitest::Q(expected));
    QCOMPARE(theReg.GetReg("FixPath"), dir);
    QCOMPARE(theReg.GetReg("FixFilesOverWrite"), std::string("FALSE"));
  }

  void missingFolderIsMadeOnlyWhenTheUserAgrees() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    const std::string dir = out.path().string() + "/no/such/folder";
    GuiTestUI ui;
    CPageExport page;
    page.Create();
    page.SetDlgItemText(9013, dir);
    ui.Answer(false);
    Click(page, 1);
    QCOMPARE(ui.questions.size(), size_t(1));
    QCOMPARE(ff::guitest::Q(ui.questions[0]), ff::guitest::Q(G("目录") + dir + G("不存在，是否创建？")));
    QVERIFY(!std::filesystem::exists(dir));
    QVERIFY(ui.messages.empty() && ui.fileErrors.empty());
    QCOMPARE(theReg.GetReg("FixPath"), std::string());
    ui.Answer(true);
    Click(page, 1);
    QVERIFY(std::filesystem::exists(dir + "/fiddef.h"));
    QCOMPARE(ui.messages.size(), size_t(1));
    QCOMPARE(theReg.GetReg("FixPath"), dir);
    QCOMPARE(ui.unscripted, 0);
  }

  void emptyFolderIsAskedForNotGuessed() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir cwd;
    const QString before = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(cwd.path().string()));
    GuiTestUI ui;
    CPageExport page;
    page.Create();
    page.SetDlgItemText(9013, "");
    Click(page, 1);
    QDir::setCurrent(before);
    QCOMPARE(ui.messages.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(ui.messages[0], G("放置目录为空")));
    QVERIFY(std::filesystem::is_empty(cwd.path()));
    QCOMPARE(theReg.GetReg("FixPath"), std::string());
  }

  // Reported once: by the writer, not again by the page that catches it.
  void fileErrorIsReportedOnceAndNothingStored() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    const std::string dir = out.path().string();
    GuiTestUI ui;
    CPageExport page;
    page.Create();
    page.SetDlgItemText(9013, dir);
    page.SetDlgItemText(9015, "/dev/full");  // a full disk
    Click(page, 9033);
    Click(page, 1);
    QCOMPARE(ui.fileErrors.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(ui.fileErrors[0], "/dev/full"));
    QVERIFY(ui.messages.empty());  // no summary
    QCOMPARE(theReg.GetReg("FixPath"), std::string());
    QCOMPARE(theReg.GetReg("FixFilesOverWrite"), std::string());
    QCOMPARE(ui.waitDepth, 0);
  }
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
