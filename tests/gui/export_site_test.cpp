// The export page's site button: a folder from the browser, the site made
// there, its index opened in the default browser; failures told.
#include <filesystem>

#include <QTest>

#include "gui_test_util.h"
#include "headers/export_page.h"
#include "host/config_db.h"
#include "tests/support/test_support.h"

using ff::guitest::Click;
using ff::test::G;

namespace {

class SiteUI : public ff::guitest::GuiTestUI {
 public:
  bool OpenWithDefaultApp(const std::string& path) override {
    opened.push_back(path);
    return true;
  }
  std::vector<std::string> opened;
};

}  // namespace

class ExportSiteTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { DisconnectConfigDB(); }

  void withoutLoginNothingIsAsked() {
    ff::test::SettingsSandbox sandbox;
    SiteUI ui;
    CPageExport page;
    page.Create();
    Click(page, 9040);
    QCOMPARE(ui.messages, std::vector<std::string>{G("您尚未登录配置库，请登录后再生成编程头文件！")});
    QVERIFY(ui.browserTitles.empty());
    QVERIFY(ui.opened.empty());
  }

  void siteGoesToTheChosenFolderAndOpens() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    SiteUI ui;
    CPageExport page;
    page.Create();

    ui.nextFolder = std::nullopt;  // cancelled: nothing happens
    Click(page, 9040);
    QVERIFY(ui.opened.empty());

    ui.nextFolder = out / "site-한글";  // outside GBK: the system's bytes all the way
    Click(page, 9040);
    QCOMPARE(ui.browserTitles.back(), G("选择字典网站的放置目录"));
    QCOMPARE(ui.opened, std::vector<std::string>{out / "site-한글" + "/index.html"});
    QVERIFY(ui.messages.empty());
    QCOMPARE(ui.waitDepth, 0);
    const std::string index = ff::test::ReadFile(out / "site-한글/index.html");
    QVERIFY(index.find(db.path()) != std::string::npos);  // the database it came from
    QVERIFY(std::filesystem::exists(out / "site-한글/fos-1.html"));
  }

  void aFailedQueryIsToldAndNothingOpens() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    db.Exec("DROP TABLE T471;");
    ff::test::TempDir out;
    SiteUI ui;
    CPageExport page;
    page.Create();
    ui.nextFolder = out.path().string();
    Click(page, 9040);
    QCOMPARE(ui.messages.size(), size_t(1));
    QVERIFY(ui.messages[0].rfind(G("字典网站没有生成，原有页面未作改动：\n"), 0) == 0);
    QVERIFY(ui.messages[0].find("T471") != std::string::npos);
    QVERIFY(ui.opened.empty());
    QVERIFY(!std::filesystem::exists(out / "index.html"));
  }
};

QTEST_MAIN(ExportSiteTest)
#include "export_site_test.moc"
