// The single template code page: the values at start, the tree and its
// FOS/BLS switch, the preview and what regenerates it, OK, copy, edit and
// find, and the settings it shares with the other pages.
#include "singlecode/single_page.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <filesystem>

#include "code_pages_util.h"
#include "host/config_db.h"
#include "host/registry.h"
#include "login/comment_settings.h"
#include "modulecode/code_page.h"
#include "singlecode/client_page.h"

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

const int kFileEdits[] = {ctl::files::kCppFile, ctl::files::kHeaderFile, ctl::files::kTestCppFile, ctl::files::kTestHeaderFile};

// What the page's generator should give for a function, made on a maker of
// our own with the same settings, after the module header as the page does
// (the header leaves its version in the function comment).
std::string FunctionText(bool bls, long module, const std::string& code, ff::ValidateStyle style,
                         bool beautify) {
  ff::test::TempDir scratch;
  CCodeMaker maker;
  maker.SetValidateStyle(style);
  maker.SetBeautify(beautify);
  maker.SetAuthor(CCommentSettings().GetAuthor());
  maker.SetProjectName("");
  std::string text;
  if (bls) {
    maker.MakeBlsModuleHeader(scratch / "h.h", module, true);
    maker.MakeBlsFunctionText(module, code, text);
  } else {
    maker.MakeFosModuleHeader(scratch / "h.h", module, true);
    maker.MakeFosFunctionText(module, code, text);
  }
  return text;
}

}  // namespace

class SinglePageTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { DisconnectConfigDB(); }

  void treeControlItems() {
    CKestrelTreeCtrl tree;
    QSignalSpy changed(&tree, &CKestrelTreeCtrl::SelectionChanged);
    const int m1 = tree.AddItem(0, "         1", G("KHGL 客户管理"), 1);
    const int f1 = tree.AddItem(m1, "1|KH_OPEN  ", G("KH_OPEN   客户开户"), 99);
    const int m2 = tree.AddItem(0, "         2", G("JYWT 交易委托"), 2);
    QVERIFY(m1 != 0 && f1 != 0 && m2 != 0 && m1 != f1 && f1 != m2);
    QCOMPARE(tree.FindID("1|KH_OPEN  "), f1);
    QCOMPARE(tree.FindID("1|KH_OPEN"), 0);       // identifiers match exactly
    QCOMPARE(tree.FindID("         1", m1), 0);  // after m1 only
    QCOMPARE(tree.FindIDByNote(G("JYWT 交易委托")), m2);
    QCOMPARE(tree.GetString(-1), std::string());  // nothing selected
    QCOMPARE(tree.GetNote(-1), std::string());
    QCOMPARE(tree.GetNumber(f1), 99);
    QVERIFY(tree.SelectItem(f1));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(tree.GetString(-1), std::string("1|KH_OPEN  "));
    QCOMPARE(tree.GetNote(-1), G("KH_OPEN   客户开户"));
    QCOMPARE(tree.topLevelItem(0)->text(0), QStringLiteral("KHGL 客户管理"));
    // Searching on from the selection comes round to the top.
    auto isModule = [](const std::string& id, const std::string&) {
      return id.find('|') == std::string::npos;
    };
    QCOMPARE(tree.FindItem(isModule, f1, true), m2);
    QCOMPARE(tree.FindItem(isModule, m2, true), m1);
    QCOMPARE(tree.FindItem(isModule, m2, false), 0);
    tree.DeleteAllItems();
    QCOMPARE(changed.count(), 1);  // emptying the tree sends no notification
    QCOMPARE(tree.FindID("1|KH_OPEN  "), 0);
    QCOMPARE(tree.GetString(f1), std::string());
  }

  void firstStartDefaults() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    CPageCodeSingle page;
    page.Create();
    QCOMPARE(page.Caption(), QStringLiteral("单一FOS/BLS模板代码"));
    QVERIFY(IsChecked(page, ctl::files::kFos));
    for (int id : {ctl::files::kMakeModule, ctl::files::kMakeTest, ctl::files::kNoPrompt}) QVERIFY(!IsChecked(page, id));
    QCOMPARE(TextOf(page, ctl::files::kFolder), QDir::homePath() + QStringLiteral("/FidForge"));
    for (int id : kFileEdits) QCOMPARE(TextOf(page, id), QString());
    QVERIFY(IsChecked(page, ctl::single::kValidateNone));  // 不插入
    QCOMPARE(theReg.GetReg("ValidateCode"), std::string("0"));
    QVERIFY(page.m_CodeMaker.GetValidateStyle() == ff::ValidateStyle::None);
    QVERIFY(IsChecked(page, ctl::tree::kBeautify));  // 局部美化
    QVERIFY(page.m_CodeMaker.GetBeautify());
    QCOMPARE(Preview(page), std::string());
    QCOMPARE(page.m_cmbFindBy->currentIndex(), -1);
    // The FOS modules with their functions; a function key is "%d|%s".
    const std::vector<std::string> ids = TreeIds(*page.m_tree);
    QCOMPARE(ids.at(0), std::string("         1"));
    QCOMPARE(ids.at(1), std::string("1|KH.QUERY"));
    QVERIFY(std::find(ids.begin(), ids.end(), "1|KH_OPEN  ") != ids.end());  // trailing blanks kept
    QCOMPARE(page.m_tree->GetNote(page.m_tree->FindID("1|KH.QUERY")), G("KH.QUERY 查询客户信息"));
    QCOMPARE(page.m_tree->GetNote(page.m_tree->FindID("         1")), G("KHGL 客户管理"));
  }

  void storedStylesAreNormalised() {
    struct Case {
      const char* validate;
      const char* beautiful;
      int radio;
      ff::ValidateStyle style;
      bool beautify;
    } cases[] = {{"2", "FALSE", ctl::single::kValidateCompact, ff::ValidateStyle::Compact, false},
                 {"3", "false", ctl::single::kValidateMacro, ff::ValidateStyle::Macro, true},
                 {"5", "", ctl::single::kValidateNone, ff::ValidateStyle::None, true},
                 {"-1", "TRUE", ctl::single::kValidateNone, ff::ValidateStyle::None, true},
                 {"abc", "FALSE", ctl::single::kValidateNone, ff::ValidateStyle::None, false}};
    for (const Case& c : cases) {
      ff::test::SettingsSandbox sandbox;
      theReg.Write("ValidateCode", c.validate);
      if (*c.beautiful) theReg.Write("BeautifulCode", c.beautiful);
      ff::test::TestDatabase db({}, true);
      CPageCodeSingle page;
      page.Create();
      QVERIFY2(IsChecked(page, c.radio), c.validate);
      QVERIFY(page.m_CodeMaker.GetValidateStyle() == c.style);
      QCOMPARE(IsChecked(page, c.beautify ? ctl::tree::kBeautify : ctl::tree::kPlain), true);
      QCOMPARE(page.m_CodeMaker.GetBeautify(), c.beautify);
      QCOMPARE(theReg.GetReg("ValidateCode"), std::to_string(c.radio - ctl::single::kValidateNone));
    }
  }

  void selectionAndStyleRadiosRegenerateThePreview() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    TempFolder tmp;
    PageUI ui;
    CPageCodeSingle page;
    page.Create();
    Click(page, ctl::files::kNoPrompt);  // no question for the temporary header
    Pick(page, "1|KH_LIST");
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("KH_LIST 客户列表查询"));
    const std::string plain = Preview(page);
    QVERIFY(ff::gbk::Contains(plain, "KH_LIST"));
    FF_QCOMPARE_BYTES(FunctionText(false, 1, "KH_LIST", ff::ValidateStyle::None, true), plain);
    QVERIFY(std::filesystem::exists(tmp / "processTmp.h"));
    QCOMPARE(ui.waitDepth, 0);

    Click(page, ctl::single::kValidateMacro);  // 宏
    QCOMPARE(theReg.GetReg("ValidateCode"), std::string("3"));
    QVERIFY(page.m_CodeMaker.GetValidateStyle() == ff::ValidateStyle::Macro);
    FF_QCOMPARE_BYTES(FunctionText(false, 1, "KH_LIST", ff::ValidateStyle::Macro, true), Preview(page));
    QVERIFY(Preview(page) != plain);

    Click(page, ctl::tree::kPlain);  // 简约型
    QCOMPARE(theReg.GetReg("BeautifulCode"), std::string("FALSE"));
    FF_QCOMPARE_BYTES(FunctionText(false, 1, "KH_LIST", ff::ValidateStyle::Macro, false), Preview(page));
    Click(page, ctl::tree::kBeautify);
    QCOMPARE(theReg.GetReg("BeautifulCode"), std::string("TRUE"));
    Click(page, ctl::single::kValidateLoose);  // 松散代码
    FF_QCOMPARE_BYTES(FunctionText(false, 1, "KH_LIST", ff::ValidateStyle::Loose, true), Preview(page));

    // A module item: empty preview, its note as selection text.
    Pick(page, "         2");
    QCOMPARE(Preview(page), std::string());
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("JYWT 交易委托"));
    QVERIFY(ui.questions.empty());
  }

  // The preview's header is the program's scratch file in the user's own
  // folder: rewritten for each function without a question, even with the
  // overwrite question on.
  void temporaryHeaderIsRewrittenWithoutAQuestion() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    TempFolder tmp;
    PageUI ui;
    CPageCodeSingle page;
    page.Create();
    QVERIFY(!IsChecked(page, ctl::files::kNoPrompt));
    Pick(page, "1|KH.QUERY");
    Pick(page, "2|WT_ORDER");
    QVERIFY(ui.questions.empty());
    QCOMPARE(ui.unscripted, 0);
    // The header is module 2's now; the preview is WT_ORDER's.
    QVERIFY(ff::gbk::Contains(ff::test::ReadFile(tmp / "processTmp.h"), "WT_ORDER"));
    QVERIFY(!ff::gbk::Contains(ff::test::ReadFile(tmp / "processTmp.h"), "KH_QUERY"));
    QVERIFY(ff::gbk::Contains(Preview(page), "WT_ORDER"));
  }

  void okInBlsModeWritesHeaderAndSourceAndShowsTheSource() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    TempFolder tmp;
    const std::string dir = out.path().string();
    theReg.Write("ModulePath", dir);
    theReg.Write("ModuleNeed", "TRUE");
    theReg.Write("ModuleSelectBLS", "TRUE");
    theReg.Write("ModuleFilesOverWrite", "TRUE");
    PageUI ui;
    CPageCodeSingle page;
    page.Create();
    QVERIFY(IsChecked(page, ctl::files::kBls));
    QCOMPARE(TextOf(page, ctl::files::kHeaderFile), Q(dir + "/ProcessTmp.h"));
    QCOMPARE(TextOf(page, ctl::files::kCppFile), Q(dir + "/ProcessTmp.cpp"));
    Pick(page, "21|QUERY_USER");
    Click(page, 1);
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("21|QUERY_USER"));
    QCOMPARE(TextOf(page, ctl::files::kFolder), Q(dir));
    const std::string source = ff::test::ReadFile(dir + "/ProcessTmp.cpp");
    FF_QCOMPARE_BYTES(FunctionText(true, 21, "QUERY_USER", ff::ValidateStyle::None, true), source);
    FF_QCOMPARE_BYTES(source, page.m_strPreview);
    FF_QCOMPARE_BYTES(source, Preview(page));
    // The header is the BLS header of the whole module 21.
    const std::string header = ff::test::ReadFile(dir + "/ProcessTmp.h");
    CCodeMaker maker;
    maker.SetAuthor(CCommentSettings().GetAuthor());
    maker.SetProjectName("");
    QVERIFY(maker.MakeBlsModuleHeader(dir + "/ProcessTmp.h", 21, true));
    FF_QCOMPARE_BYTES(ff::test::ReadFile(dir + "/ProcessTmp.h"), header);
    QVERIFY(ff::gbk::Contains(header, "KH_XGZL") || ff::gbk::Contains(header, "ModifyCust"));
    QCOMPARE(theReg.GetReg("ModuleHeadFile"), dir + "/ProcessTmp.h");
    QCOMPARE(theReg.GetReg("ModuleCppFile"), dir + "/ProcessTmp.cpp");
    QCOMPARE(theReg.GetReg("ModulePath"), dir);
    QCOMPARE(theReg.GetReg("ModuleSelectBLS"), std::string("TRUE"));
    // The report names the files written, the source file first.
    QCOMPARE(ui.messages.size(), size_t(1));
    QCOMPARE(Q(ui.messages[0]), Q(G("BLS代码文件：\n\t") + dir + "/ProcessTmp.cpp,\n\t" + dir + "/ProcessTmp.h" +
                                  G("。\n\t已经生成!")));
    QVERIFY(ui.fileErrors.empty());
    QCOMPARE(ui.waitDepth, 0);
  }

  void okWithEmptyHeaderPathSaysSoAndWritesNothing() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    TempFolder tmp;
    PageUI ui;
    CPageCodeSingle page;
    page.Create();
    Click(page, ctl::files::kNoPrompt);
    Pick(page, "1|KH.QUERY");
    const std::string preview = Preview(page);
    Click(page, 1);
    QVERIFY(ui.fileErrors.empty());
    QCOMPARE(ui.messages.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(ui.messages[0], G("头文件的文件名为空")));
    QCOMPARE(Preview(page), preview);
    QCOMPARE(theReg.GetReg("ModulePath"), std::string());  // nothing stored
    QCOMPARE(ui.waitDepth, 0);
  }

  void notLoggedIn() {
    ff::test::SettingsSandbox sandbox;
    PageUI ui;
    CPageCodeSingle page;
    {
      ff::test::TestDatabase db({}, true);
      page.Create();
    }
    Pick(page, "1|KH.QUERY");
    Click(page, 1);
    QCOMPARE(ui.messages.size(), size_t(2));
    for (const std::string& m : ui.messages) QCOMPARE(m, G("您尚未登录配置库，请登录后再生成编程头文件！"));
    QCOMPARE(Preview(page), std::string());
    QCOMPARE(ui.waitDepth, 0);
  }

  void copyPutsUtf8AndGbkOnTheClipboard() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    CPageCodeSingle page;
    page.Create();
    Click(page, 2);  // empty preview: the clipboard stays
    QCOMPARE(clipboard->text(), QStringLiteral("before"));
    page.Control<QPlainTextEdit>(ctl::tree::kPreview)->setPlainText(QStringLiteral("// 编辑过\nint a;"));
    Click(page, 2);
    QCOMPARE(clipboard->text(), QStringLiteral("// 编辑过\nint a;"));
    const QByteArray gbk = clipboard->mimeData()->data(QStringLiteral("text/plain;charset=GBK"));
    QCOMPARE(gbk.toStdString(), G("// 编辑过\r\nint a;"));
    QCOMPARE(page.m_strPreview, G("// 编辑过\r\nint a;"));  // copy reads the controls
  }

  void editWritesTheTemporaryFileAndOpensIt() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    TempFolder tmp;
    PageUI ui;
    CPageCodeSingle page;
    page.Create();
    page.Control<QPlainTextEdit>(ctl::tree::kPreview)->setPlainText(QStringLiteral("编辑\n"));
    Click(page, 3);
    QCOMPARE(ui.opened.size(), size_t(1));
    QCOMPARE(ui.opened[0], tmp / "Tmp.txt");
    // For an editor of this system: UTF-8 with its line ends.
    QCOMPARE(ff::test::ReadFile(tmp / "Tmp.txt"), std::string("编辑\n"));
    QVERIFY(ui.fileErrors.empty() && ui.messages.empty());
    // No application for it: said, with the file's name.
    ui.launcher = false;
    Click(page, 3);
    QCOMPARE(ui.messages.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(ui.messages[0], tmp / "Tmp.txt"));
  }

  void fosBlsSwitchClearsTheSelectionAndThePreview() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    TempFolder tmp;
    PageUI ui;
    CPageCodeSingle page;
    page.Create();
    Click(page, ctl::files::kNoPrompt);
    Pick(page, "3|SYS_NOTE_ADD");
    const std::string preview = Preview(page);
    QVERIFY(!preview.empty());
    QVERIFY(!TextOf(page, ctl::files::kModuleName).isEmpty());
    Click(page, ctl::files::kBls);
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QString());
    QCOMPARE(Preview(page), std::string());  // no stale function of the other kind
    QCOMPARE(theReg.GetReg("ModuleSelectBLS"), std::string("TRUE"));
    QCOMPARE(TreeIds(*page.m_tree).at(0), std::string("        21"));
    QVERIFY(page.m_tree->FindID("21|QUERY_USER") != 0);
    QVERIFY(page.m_tree->FindID("3|SYS_NOTE_ADD") == 0);
    Click(page, ctl::files::kFos);
    QCOMPARE(theReg.GetReg("ModuleSelectBLS"), std::string("FALSE"));
    QCOMPARE(Preview(page), std::string());
  }

  void findSelectsTheNextMatchAndWraps() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    TempFolder tmp;
    PageUI ui;
    CPageCodeSingle page;
    page.Create();
    Click(page, ctl::files::kNoPrompt);
    page.m_cmbFindBy->setCurrentIndex(0);  // 功能编码
    page.SetDlgItemText(ctl::single::kFindText, "list");
    Click(page, 4);
    QCOMPARE(page.m_tree->GetString(-1), std::string("1|KH_LIST"));
    QVERIFY(ff::gbk::Contains(Preview(page), "KH_LIST"));  // shown at once
    Click(page, 4);
    QCOMPARE(page.m_tree->GetString(-1), std::string("2|WT_QueryList"));
    Click(page, 4);
    QCOMPARE(page.m_tree->GetString(-1), std::string("2|WT_LIST_SUM"));
    Click(page, 4);
    QCOMPARE(page.m_tree->GetString(-1), std::string("3|SYS_MENU_list"));
    Click(page, 4);  // from the top again
    QCOMPARE(page.m_tree->GetString(-1), std::string("1|KH_LIST"));

    page.m_cmbFindBy->setCurrentIndex(1);  // ID
    page.SetDlgItemText(ctl::single::kFindText, "9");
    Click(page, 4);
    QCOMPARE(page.m_tree->GetString(-1), std::string("         9"));
    page.m_cmbFindBy->setCurrentIndex(2);  // 名称
    page.SetDlgItemText(ctl::single::kFindText, G("撤单"));
    Click(page, 4);
    QCOMPARE(page.m_tree->GetString(-1), std::string("2|WT_CANCEL"));
    QVERIFY(ui.messages.empty());

    page.SetDlgItemText(ctl::single::kFindText, "KH_LIST");  // a code is not a name
    Click(page, 4);
    QCOMPARE(ui.messages.size(), size_t(1));
    QCOMPARE(Q(ui.messages[0]), QStringLiteral("按名称查找，没有找到包含“KH_LIST”的模块或功能！"));
    QCOMPARE(page.m_tree->GetString(-1), std::string("2|WT_CANCEL"));
    page.SetDlgItemText(ctl::single::kFindText, "  ");
    Click(page, 4);
    QCOMPARE(Q(ui.messages.at(1)), QStringLiteral("请输入要查找的内容！"));
  }

  // By ID a function is also found by its number, the one its generated
  // code carries (FOSID / BLSID), matched whole.
  void idSearchFindsAFunctionByItsNumber() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    TempFolder tmp;
    PageUI ui;
    CPageCodeSingle page;
    page.Create();
    Click(page, ctl::files::kNoPrompt);
    page.m_cmbFindBy->setCurrentIndex(1);  // ID
    page.SetDlgItemText(ctl::single::kFindText, " 2004 ");
    Click(page, 4);
    QCOMPARE(page.m_tree->GetString(-1), std::string("2|CJ_QUERY"));
    QVERIFY(ff::gbk::Contains(Preview(page), "CJ_QUERY"));
    page.m_cmbFindBy->setCurrentIndex(-1);  // no kind: all three
    page.SetDlgItemText(ctl::single::kFindText, "3003");
    Click(page, 4);
    QCOMPARE(page.m_tree->GetString(-1), std::string("3|SYS_MENU_list"));
    page.m_cmbFindBy->setCurrentIndex(1);
    page.SetDlgItemText(ctl::single::kFindText, "9");  // a module's id as before
    Click(page, 4);
    QCOMPARE(page.m_tree->GetString(-1), std::string("         9"));
    QVERIFY(ui.messages.empty());
    // Part of a number is no number.
    page.SetDlgItemText(ctl::single::kFindText, "200");
    Click(page, 4);
    QCOMPARE(ui.messages.size(), size_t(1));
    QCOMPARE(page.m_tree->GetString(-1), std::string("         9"));

    // The BLS numbers once the tree shows the BLS; the FOS ones are gone.
    Click(page, ctl::files::kBls);
    page.SetDlgItemText(ctl::single::kFindText, "6103");
    Click(page, 4);
    QCOMPARE(page.m_tree->GetString(-1), std::string("22|ZJ_DJ"));
    page.SetDlgItemText(ctl::single::kFindText, "2004");
    Click(page, 4);
    QCOMPARE(ui.messages.size(), size_t(2));
    QCOMPARE(page.m_tree->GetString(-1), std::string("22|ZJ_DJ"));
  }

  void valuesAreSharedWithTheOtherPages() {
    ff::test::SettingsSandbox sandbox;
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir out;
    TempFolder tmp;
    const std::string dir = out.path().string();
    PageUI ui;
    ui.nextFolder = dir;
    {
      CPageCodeSingle page;
      page.Create();
      Click(page, ctl::files::kBrowseFolder);
      Click(page, ctl::files::kMakeModule);
      Click(page, ctl::files::kMakeTest);
      Click(page, ctl::files::kNoPrompt);
      Click(page, ctl::files::kBls);
      Click(page, ctl::tree::kPlain);  // 简约型: shared with the snippet page
      Pick(page, "22|ZJ_QUERY");
      Click(page, 1);
      QVERIFY(std::filesystem::exists(out.path() / "ProcessTmp.cpp"));
    }
    CPageCode code;
    code.Create();
    QCOMPARE(TextOf(code, ctl::files::kFolder), Q(dir));
    QVERIFY(IsChecked(code, ctl::files::kBls) && IsChecked(code, ctl::files::kMakeModule) && IsChecked(code, ctl::files::kMakeTest) && IsChecked(code, ctl::files::kNoPrompt));
    QCOMPARE(TextOf(code, ctl::files::kCppFile), Q(dir + "/Process.cpp"));
    QCOMPARE(TextOf(code, ctl::files::kTestHeaderFile), Q(dir + "/ProcessTest.h"));

    CPageCodeClientSingle client;
    client.Create();
    QCOMPARE(TextOf(client, ctl::files::kFolder), Q(dir));
    QVERIFY(IsChecked(client, ctl::files::kBls) && IsChecked(client, ctl::tree::kPlain) && IsChecked(client, ctl::files::kNoPrompt));
    QCOMPARE(TextOf(client, ctl::files::kHeaderFile), Q(dir + "/ProcessTmp.h"));
    QCOMPARE(TextOf(client, ctl::files::kTestCppFile), Q(dir + "/ProcessTestTmp.cpp"));

    // The module code page's generation is seen by the next single page.
    Click(code, ctl::files::kFos);
    Click(code, 1);
    CPageCodeSingle next;
    next.Create();
    QVERIFY(IsChecked(next, ctl::files::kFos));
    QVERIFY(IsChecked(next, ctl::tree::kPlain));
  }
};

QTEST_MAIN(SinglePageTest)
#include "single_page_test.moc"
