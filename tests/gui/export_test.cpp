// The header export page: the folder and the paths, and what the export
// and the dictionary site write, ask and say.
#include <filesystem>

#include <QCheckBox>
#include <QDir>

#include "gui_test_util.h"
#include "headers/export_page.h"

using namespace ff::guitest;
namespace fs = std::filesystem;

namespace {

const int kPathEdits[] = {ctl::exporting::kFidDefFile, ctl::exporting::kFosDefFile, ctl::exporting::kBlsDefFile,
                          ctl::exporting::kSysDefFile};
const char* kNames[] = {"fiddef.h", "fosdef.h", "blsdef.h", "sysdef.h"};

// The four shown paths and the hidden fixdef.h path lie in `folder`, or
// are empty.
void ExpectPathsIn(CPageExport& page, const QString& folder) {
  for (int i = 0; i < 4; ++i)
    QCOMPARE(TextOf(page, kPathEdits[i]), folder.isEmpty() ? folder : folder + "/" + kNames[i]);
  QCOMPARE(Q(page.m_strFixDefFile), folder.isEmpty() ? folder : folder + QStringLiteral("/fixdef.h"));
}

// The summary of an export into `dir` of these files, and of the kept one.
std::string Summary(const std::string& dir, std::vector<std::string> names, const std::string& kept = "") {
  std::string text = G("fix定义.h头文件：\n\t");
  for (size_t i = 0; i < names.size(); ++i) text += (i ? ",\n\t" : "") + ff::gbk::PathInText(dir + "/" + names[i]);
  text += G("。\n\t已经生成!");
  if (!kept.empty()) text += G("\n文件") + dir + "/" + kept + G("已经存在，按您的选择没有覆盖，保留原有内容。");
  return text;
}

}  // namespace

class ExportTest : public QObject {
  Q_OBJECT

 private slots:
  // The stored folder, else the user's own output folder (not the
  // program's, read-only once installed); only "TRUE" sets the switch;
  // the file names always come from the folder.
  void startValues_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("overwrite");
    QTest::addColumn<QString>("folder");
    QTest::newRow("stored") << "/srv/fix" << "TRUE" << "/srv/fix";
    QTest::newRow("none") << "" << "true" << QDir::homePath() + QStringLiteral("/FidForge");
  }
  void startValues() {
    QFETCH(QString, stored);
    QFETCH(QString, overwrite);
    QFETCH(QString, folder);
    Sandbox box;
    if (!stored.isEmpty()) theReg.Write("FixPath", stored.toStdString());
    theReg.Write("FixFilesOverWrite", overwrite.toStdString());
    theReg.Write("FidDefFile", "/elsewhere/fiddef.h");
    auto& page = box.Open<CPageExport>();
    QCOMPARE(TextOf(page, ctl::exporting::kFolder), folder);
    ExpectPathsIn(page, folder);
    QCOMPARE(page.Control<QCheckBox>(ctl::exporting::kNoPrompt)->isChecked(), overwrite == "TRUE");
  }

  // A keystroke in the folder rebuilds every path (the user's own name
  // too); an empty folder gives none, a relative one full paths. The
  // browser opens at the folder; cancelled, the folder stays.
  void theFolderMakesThePaths() {
    Sandbox box;
    theReg.Write("FixPath", "/srv/fix");
    auto& page = box.Open<CPageExport>();
    page.show();
    page.SetDlgItemText(ctl::exporting::kFidDefFile, "/mine/fid.h");
    Type(page, ctl::exporting::kFolder, QStringLiteral("2"));
    ExpectPathsIn(page, QStringLiteral("/srv/fix2"));
    page.SetDlgItemText(ctl::exporting::kFolder, "");
    ExpectPathsIn(page, QString());
    page.SetDlgItemText(ctl::exporting::kFolder, "rel");
    ExpectPathsIn(page, QDir::currentPath() + QStringLiteral("/rel"));
    box.ui.nextFolder = "/picked/";  // a root-like folder ends in the separator
    Click(page, ctl::exporting::kBrowseFolder);
    QCOMPARE(box.ui.browserTitles, std::vector<std::string>{G("修改Fix头文件放置路径")});
    ExpectPathsIn(page, QStringLiteral("/picked"));
    box.ui.nextFolder.reset();
    Click(page, ctl::exporting::kBrowseFolder);
    QCOMPARE(box.ui.browserStarts.at(1), std::string("/picked"));
    QCOMPARE(TextOf(page, ctl::exporting::kFolder), QStringLiteral("/picked"));
  }

  // Into a folder whose name GBK cannot spell, as the system spells it
  // (no "??" detour), the typed file name kept; the values stored for the
  // next start.
  void exportWritesFiveFilesAndStoresTheValues() {
    Sandbox box;
    const std::string dir = box / "한글";
    fs::create_directory(dir);
    fs::create_directory(box / "??");
    auto& page = box.Open<CPageExport>();
    page.Control<QLineEdit>(ctl::exporting::kFolder)->setText(QString::fromUtf8(dir.c_str()));
    page.Control<QLineEdit>(ctl::exporting::kFidDefFile)->setText(QString::fromUtf8((dir + "/my_fid.h").c_str()));
    Click(page, ctl::exporting::kNoPrompt);
    Click(page, 1);
    QVERIFY(!fs::exists(dir + "/fiddef.h") && fs::is_empty(box / "??"));
    QCOMPARE(box.ui.messages, std::vector<std::string>{Summary(dir, {"fixdef.h", "my_fid.h", "fosdef.h", "blsdef.h", "sysdef.h"})});
    for (const char* name : {"my_fid.h", "fixdef.h", "blsdef.h", "fosdef.h", "sysdef.h"}) QVERIFY2(fs::exists(dir + "/" + name), name);
    QCOMPARE(theReg.GetPath("FixPath"), dir);
    QCOMPARE(theReg.GetPath("FidDefFile"), dir + "/my_fid.h");
    QCOMPARE(theReg.GetReg("FixFilesOverWrite"), std::string("TRUE"));
    QVERIFY(box.ui.questions.empty() && box.ui.fileErrors.empty() && box.ui.waitDepth == 0);
    auto& next = box.Open<CPageExport>();  // the paths come from the folder again
    QCOMPARE(next.Control<QLineEdit>(ctl::exporting::kFidDefFile)->text(), QString::fromUtf8((dir + "/fiddef.h").c_str()));
  }

  // Each existing file is asked about; No keeps it and the summary names it.
  void declinedFileIsNamedAsKept() {
    Sandbox box;
    const std::string dir = box.dir();
    ff::test::WriteFile(box / "fiddef.h", "old");
    box.ui.Answer(false);
    auto& page = box.Open<CPageExport>();
    page.SetDlgItemText(ctl::exporting::kFolder, dir);
    Click(page, 1);
    QCOMPARE(box.ui.questions.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(box.ui.questions[0], "fiddef.h"));
    QCOMPARE(ff::test::ReadFile(box / "fiddef.h"), std::string("old"));
    QCOMPARE(box.ui.messages, std::vector<std::string>{Summary(dir, {"fixdef.h", "fosdef.h", "blsdef.h", "sysdef.h"}, "fiddef.h")});
    QCOMPARE(theReg.GetReg("FixFilesOverWrite"), std::string("FALSE"));
  }

  // A missing folder is made only when the user agrees; an empty one is
  // asked for, not guessed (no file in the current folder).
  void theFolderIsNeverGuessed() {
    Sandbox box;
    const std::string dir = box.dir() + "/no/such/folder";
    auto& page = box.Open<CPageExport>();
    page.SetDlgItemText(ctl::exporting::kFolder, dir);
    box.ui.Answer(false);
    Click(page, 1);
    QCOMPARE(box.ui.questions, std::vector<std::string>{G("目录") + dir + G("不存在，是否创建？")});
    QVERIFY(!fs::exists(dir) && box.ui.messages.empty() && box.ui.fileErrors.empty());
    QCOMPARE(theReg.GetReg("FixPath"), std::string());
    box.ui.Answer(true);
    Click(page, 1);
    QVERIFY(fs::exists(dir + "/fiddef.h"));
    QCOMPARE(theReg.GetReg("FixPath"), dir);

    ff::test::TempDir cwd;
    const QString before = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(cwd.path().string()));
    page.SetDlgItemText(ctl::exporting::kFolder, "");
    Click(page, 1);
    QDir::setCurrent(before);
    QVERIFY(ff::gbk::Contains(box.ui.messages.back(), G("放置目录为空")));
    QVERIFY(fs::is_empty(cwd.path()));
    QCOMPARE(box.ui.unscripted, 0);
  }

  // A file that cannot be written is reported once, by the writer; no
  // summary, nothing stored.
  void aFileErrorIsReportedOnceAndNothingStored() {
    Sandbox box;
    auto& page = box.Open<CPageExport>();
    page.SetDlgItemText(ctl::exporting::kFolder, box.dir());
    page.SetDlgItemText(ctl::exporting::kFidDefFile, "/dev/full");
    Click(page, ctl::exporting::kNoPrompt);
    Click(page, 1);
    QCOMPARE(box.ui.fileErrors.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(box.ui.fileErrors[0], "/dev/full"));
    QVERIFY(box.ui.messages.empty());
    QCOMPARE(theReg.GetReg("FixPath"), std::string());
    QCOMPARE(theReg.GetReg("FixFilesOverWrite"), std::string());
    QCOMPARE(box.ui.waitDepth, 0);
  }

  // The site button: a folder from the browser (cancel: nothing), the site
  // made there in the system's bytes, its index opened.
  void theSiteGoesToTheChosenFolderAndOpens() {
    Sandbox box;
    auto& page = box.Open<CPageExport>();
    Click(page, ctl::exporting::kMakeSite);
    QVERIFY(box.ui.opened.empty());
    box.ui.nextFolder = box / "site-한글";
    Click(page, ctl::exporting::kMakeSite);
    QCOMPARE(box.ui.browserTitles.back(), G("选择字典网站的放置目录"));
    QCOMPARE(box.ui.opened, std::vector<std::string>{box / "site-한글/index.html"});
    QVERIFY(box.ui.messages.empty() && box.ui.waitDepth == 0);
    QVERIFY(ff::gbk::Contains(ff::test::ReadFile(box / "site-한글/index.html"), box.db->path()));
    QVERIFY(fs::exists(box / "site-한글/fos-1.html"));
  }
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
