// The client access snippet page: its start, the snippet preview in both
// code styles, FOS functions, and OK, which stores the values and writes
// nothing.
#include "singlecode/client_page.h"

#include <QPlainTextEdit>
#include <filesystem>

#include "code_pages_util.h"
#include "host/config_db.h"
#include "host/registry.h"
#include "login/comment_settings.h"
#include "res/control_ids.h"

namespace ctl = ff::res::ctl;

using ff::guitest::Click;
using ff::guitest::IsChecked;
using ff::guitest::PageUI;
using ff::guitest::Preview;
using ff::guitest::Pick;
using ff::guitest::Q;
using ff::guitest::TempFolder;
using ff::guitest::TextOf;
using ff::guitest::TreeIds;
using ff::test::G;

namespace {

std::string Snippet(long module, const std::string& code, bool beautify) {
  CCodeMaker maker;
  maker.SetBeautify(beautify);
  maker.SetAuthor(CCommentSettings().GetAuthor());
  maker.SetProjectName("");
  std::string text;
  maker.MakeBlsClientSnippet(module, false, code, text);
  return text;
}

}  // namespace

class ClientPageTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { DisconnectConfigDB(); }

  void startValues() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    theReg.Write("ValidateCode", "2");  // not this page's
    CPageCodeClientSingle page;
    page.Create();
    QCOMPARE(page.Caption(), QStringLiteral("单一FOS/BLS客户端访问代码片"));
    QVERIFY(IsChecked(page, ctl::files::kFos));
    QVERIFY(IsChecked(page, ctl::tree::kBeautify));
    for (int id : {ctl::single::kValidateNone, ctl::single::kFindBy, ctl::single::kFindText, ctl::single::kFind}) QVERIFY(page.GetDlgItem(id) == nullptr);
    QCOMPARE(TreeIds(*page.m_tree).at(0), std::string("         1"));
    QCOMPARE(theReg.GetReg("ValidateCode"), std::string("2"));
  }

  void blsSnippetInBothCodeStyles() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    TempFolder tmp;
    theReg.Write("ModuleSelectBLS", "TRUE");
    PageUI ui;
    CPageCodeClientSingle page;
    page.Create();
    Pick(page, "21|QUERY_USER_LIST");
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("QUERY_USER_LIST 查询用户列表"));
    const std::string aligned = Preview(page);
    QVERIFY(!aligned.empty());
    FF_QCOMPARE_BYTES(Snippet(21, "QUERY_USER_LIST", true), aligned);
    Click(page, ctl::tree::kPlain);
    QCOMPARE(theReg.GetReg("BeautifulCode"), std::string("FALSE"));
    FF_QCOMPARE_BYTES(Snippet(21, "QUERY_USER_LIST", false), Preview(page));
    QVERIFY(Preview(page) != aligned);
    // Previewing writes nothing and asks nothing.
    Pick(page, "22|ZJ_QUERY");
    QVERIFY(ui.questions.empty());
    QVERIFY(std::filesystem::is_empty(tmp.path()));
    // A module item: empty preview, the module's note.
    Pick(page, "        23");
    QCOMPARE(Preview(page), std::string());
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("ZQJY 证券交易"));
  }

  void okStoresTheValuesAndClaimsNoFile() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    const std::string dir = out.path().string();
    theReg.Write("ModulePath", dir);
    theReg.Write("ModuleNeed", "TRUE");
    theReg.Write("ModuleSelectBLS", "TRUE");
    PageUI ui;
    CPageCodeClientSingle page;
    page.Create();
    Pick(page, "21|QUERY_USER");
    Click(page, 1);
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("21|QUERY_USER"));
    FF_QCOMPARE_BYTES(Snippet(21, "QUERY_USER", true), Preview(page));
    QVERIFY(std::filesystem::is_empty(out.path()));
    QCOMPARE(ui.messages.size(), size_t(1));
    const std::string expected =
        G("设置已保存：\n\t保存目录：") + dir + G("\n\t头文件：") + dir + G("/ProcessTmp.h\n\tcpp文件：") +
        dir + G("/ProcessTmp.cpp\nBLS客户端访问代码片只显示在预览中，可复制或编辑；本页没有生成文件。");
    QCOMPARE(Q(ui.messages[0]), Q(expected));
    QCOMPARE(theReg.GetReg("ModuleHeadFile"), dir + "/ProcessTmp.h");
    QCOMPARE(theReg.GetReg("ModuleCppFile"), dir + "/ProcessTmp.cpp");
    QCOMPARE(theReg.GetReg("ModuleNeed"), std::string("TRUE"));
    QCOMPARE(theReg.GetReg("ModuleSelectBLS"), std::string("TRUE"));
    QCOMPARE(ui.waitDepth, 0);
  }

  void fosFunctionsHaveNoSnippet() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    PageUI ui;
    CPageCodeClientSingle page;
    page.Create();
    Pick(page, "2|WT_ORDER");
    QCOMPARE(Preview(page), std::string("'"));
    Click(page, 1);
    QCOMPARE(Preview(page), std::string());
    QCOMPARE(ui.messages.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(ui.messages[0], G("FOS功能没有客户端访问代码片")));
    QCOMPARE(theReg.GetReg("ModuleSelectBLS"), std::string("FALSE"));
  }

  void copyAndEditWorkAsOnTheTemplatePage() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    TempFolder tmp;
    PageUI ui;
    CPageCodeClientSingle page;
    page.Create();
    Click(page, ctl::files::kBls);
    Pick(page, "22|ZJ_TRANSFER");
    Click(page, 3);
    QCOMPARE(ui.opened.size(), size_t(1));
    QCOMPARE(ui.opened[0], tmp / "Tmp.txt");
    FF_QCOMPARE_BYTES(ff::gbk::ToUtf8(ff::gbk::Replaced(Preview(page), "\r\n", "\n")),
                      ff::test::ReadFile(tmp / "Tmp.txt"));
    // Switching the kind clears the preview.
    Click(page, ctl::files::kFos);
    QCOMPARE(Preview(page), std::string());
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QString());
  }
};

QTEST_MAIN(ClientPageTest)
#include "client_page_test.moc"
