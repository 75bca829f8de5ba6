// A query that fails on a page is said with the database's own reason and
// stops the action: no "nothing found", no half-made preview, and the
// files already there keep their bytes.
#include <filesystem>

#include <QTest>

#include "code_pages_util.h"
#include "fidcheck/check_page.h"
#include "headers/export_page.h"
#include "host/config_db.h"
#include "host/registry.h"
#include "module/kestrel_list_ctrl.h"
#include "res/control_ids.h"
#include "singlecode/single_page.h"

namespace ctl = ff::res::ctl;

using ff::guitest::Click;
using ff::guitest::PageUI;
using ff::guitest::Pick;
using ff::guitest::Preview;
using ff::guitest::TempFolder;
using ff::test::U;

namespace {

bool Says(const std::string& message, const char* reason) { return ff::gbk::Contains(message, reason); }

}  // namespace

class QueryErrorsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { DisconnectConfigDB(); }

  void exportKeepsEveryHeader() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    const std::string dir = out.path().string();
    for (const char* name : {"fixdef.h", "fiddef.h", "fosdef.h", "blsdef.h", "sysdef.h"})
      ff::test::WriteFile(dir + "/" + name, "good");
    PageUI ui;
    CPageExport page;
    page.Create();
    page.SetDlgItemText(ctl::exporting::kFolder, dir);
    Click(page, ctl::exporting::kNoPrompt);
    db.Exec("DROP TABLE T151;");
    Click(page, 1);
    QCOMPARE(ui.messages.size(), size_t(1));
    QVERIFY2(Says(ui.messages[0], "fiddef.h: no such table"), U(ui.messages[0]).c_str());
    QVERIFY(!Says(ui.messages[0], "\xD2\xD1\xBE\xAD\xC9\xFA\xB3\xC9"));  // no "已经生成"
    QCOMPARE(ff::test::ReadFile(dir + "/fiddef.h"), std::string("good"));
    QCOMPARE(ui.waitDepth, 0);
  }

  void fidCheckShowsTheReasonNotACleanResult() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    PageUI ui;
    CPageNotRegFid page;
    page.Create();
    db.Exec("DROP TABLE T151;");
    for (int button : {ctl::check::kCheckBls, ctl::check::kCheckFos, ctl::check::kCheckUnused}) {
      ui.messages.clear();
      Click(page, button);
      QCOMPARE(ui.messages.size(), size_t(1));
      QVERIFY2(Says(ui.messages[0], "no such table: T151"), U(ui.messages[0]).c_str());
    }
    QCOMPARE(page.m_lstBls->topLevelItemCount(), 0);
    QCOMPARE(page.m_lstUnused->topLevelItemCount(), 0);
  }

  void singlePagePreviewStaysEmpty() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    TempFolder tmp;
    PageUI ui;
    CPageCodeSingle page;
    page.Create();
    Click(page, ctl::files::kNoPrompt);
    db.Exec("ALTER TABLE T156 DROP COLUMN F15;");  // the request parameters' FID codes
    Pick(page, "1|KH_LIST");
    QVERIFY(!ui.messages.empty());
    QVERIFY2(Says(ui.messages.back(), "no such column"), U(ui.messages.back()).c_str());
    QCOMPARE(Preview(page), std::string());
    QCOMPARE(ui.waitDepth, 0);
  }
};

QTEST_MAIN(QueryErrorsTest)
#include "query_errors_test.moc"
