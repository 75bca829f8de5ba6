// What every page does when the database is not there or a query fails: it
// says so (the database's own reason), stops the action, asks nothing, and
// leaves the files already there as they were: no "nothing found", no
// half-made preview, no summary.
#include <memory>

#include "fidcheck/check_page.h"
#include "gui_test_util.h"
#include "headers/export_page.h"
#include "module/kestrel_list_ctrl.h"
#include "modulecode/code_page.h"
#include "singlecode/single_page.h"

using namespace ff::guitest;

namespace {

const char kNotLoggedIn[] = "您尚未登录配置库，请登录后再生成编程头文件！";
const char kCheckNotLoggedIn[] = "您尚未登录配置库，请先登录！";
enum Page { kExport = 1, kCheck = 2, kCode = 3, kSingle = 4 };
const int kPick = 0;  // the action is a pick in the tree

std::unique_ptr<CPropertyPage> MakePage(int page) {
  switch (page) {
    case kExport: return std::make_unique<CPageExport>();
    case kCheck: return std::make_unique<CPageNotRegFid>();
    case kCode: return std::make_unique<CPageCode>();
    default: return std::make_unique<CPageCodeSingle>();
  }
}

}  // namespace

class PagesTest : public QObject {
  Q_OBJECT

 private slots:
  void aFailedReadIsSaidAndChangesNothing_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("action");  // a button, or kPick
    QTest::addColumn<QString>("sql");  // run before the action; "" logs out
    QTest::addColumn<QString>("said");  // a part of the last message
    QTest::newRow("export, logged out") << +kExport << 1 << "" << kNotLoggedIn;
    QTest::newRow("export, failed query") << +kExport << 1 << "DROP TABLE T151;" << "fiddef.h: no such table";
    QTest::newRow("site, logged out") << +kExport << +ctl::exporting::kMakeSite << "" << kNotLoggedIn;
    QTest::newRow("site, failed query") << +kExport << +ctl::exporting::kMakeSite << "DROP TABLE T471;"
                                        << "字典网站没有生成，原有页面未作改动：\nlint cannot read the error codes (T470, T471): no such table: T471";
    QTest::newRow("BLS check, logged out") << +kCheck << +ctl::check::kCheckBls << "" << kCheckNotLoggedIn;
    QTest::newRow("lint, logged out") << +kCheck << +ctl::check::kCheckLint << "" << kCheckNotLoggedIn;
    QTest::newRow("BLS check") << +kCheck << +ctl::check::kCheckBls << "DROP TABLE T151;" << "no such table: T151";
    QTest::newRow("FOS check") << +kCheck << +ctl::check::kCheckFos << "DROP TABLE T151;" << "no such table: T151";
    QTest::newRow("unused check") << +kCheck << +ctl::check::kCheckUnused << "DROP TABLE T151;" << "no such table: T151";
    QTest::newRow("lint") << +kCheck << +ctl::check::kCheckLint << "DROP TABLE T164;" << "代码检查失败：lint cannot read the BLS modules (T164): no such table: T164";
    QTest::newRow("module, logged out") << +kCode << 1 << "" << kNotLoggedIn;
    QTest::newRow("module, failed query") << +kCode << 1 << "ALTER TABLE T154 DROP COLUMN F22;" << "no such column: F22";
    // A function that cannot be declared or given its body: neither file.
    QTest::newRow("module, NULL code") << +kCode << 1 << "UPDATE T154 SET F19 = NULL WHERE ID = 101;"
                                       << "FOS function 1001: its code is NULL or blank";
    QTest::newRow("module, code GBK lacks") << +kCode << 1
                                            << "UPDATE T154 SET F19 = 'KH_' || char(0x1F600) WHERE ID = 101;"
                                            << "FOS function 1001 KH_?: its code came out as";
    QTest::newRow("single, logged out") << +kSingle << 1 << "" << kNotLoggedIn;
    QTest::newRow("single preview, logged out") << +kSingle << kPick << "" << kNotLoggedIn;
    // The request parameters' FID codes.
    QTest::newRow("single preview") << +kSingle << kPick << "ALTER TABLE T156 DROP COLUMN F15;" << "no such column";
  }

  void aFailedReadIsSaidAndChangesNothing() {
    QFETCH(int, page);
    QFETCH(int, action);
    QFETCH(QString, sql);
    QFETCH(QString, said);
    Sandbox box;
    box.ModuleFiles();
    for (const char* name : {"Process.h", "Process.cpp", "fiddef.h", "fixdef.h", "index.html"})
      ff::test::WriteFile(box / name, "good");
    box.ui.nextFolder = box.dir();
    std::unique_ptr<CPropertyPage> form = MakePage(page);
    form->Create();
    if (page == kExport) {
      form->SetDlgItemText(ctl::exporting::kFolder, box.dir());
      Click(*form, ctl::exporting::kNoPrompt);
    }
    if (auto* code = dynamic_cast<CPageCode*>(form.get())) code->m_lstModule->setCurrentItem(code->m_lstModule->topLevelItem(0));
    auto* single = dynamic_cast<CPageCodeSingle*>(form.get());
    if (single && action != kPick) Pick(*single, "1|KH_LIST");
    if (sql.isEmpty()) DisconnectConfigDB();
    else box.db->Exec(sql.toStdString());
    const auto before = ff::test::Names(box.out.path());

    if (action == kPick) Pick(*single, "1|KH_LIST");
    else Click(*form, action);
    QVERIFY(!box.ui.messages.empty());
    QVERIFY2(Q(box.ui.messages.back()).contains(said), qPrintable(Q(box.ui.messages.back())));
    QVERIFY(!Q(box.ui.messages.back()).contains(QStringLiteral("已经生成")));
    QVERIFY(box.ui.questions.empty() && box.ui.fileErrors.empty() && box.ui.opened.empty());
    QCOMPARE(ff::test::Names(box.out.path()), before);
    for (const char* name : {"Process.h", "Process.cpp", "fiddef.h", "fixdef.h", "index.html"})
      QCOMPARE(ff::test::ReadFile(box / name), std::string("good"));
    QCOMPARE(box.ui.waitDepth, 0);
    if (action == kPick) QCOMPARE(Preview(*single), std::string());
    if (auto* check = dynamic_cast<CPageNotRegFid*>(form.get()))
      for (auto* list : {check->m_lstBls, check->m_lstFos, check->m_lstUnused, check->m_lstLint})
        QCOMPARE(list->topLevelItemCount(), 0);
  }
};

QTEST_MAIN(PagesTest)
#include "pages_test.moc"
