// The two single-function pages: the template page (its start, the tree,
// the preview and what regenerates it, OK, copy, edit and find) and the
// client snippet page, and the settings they share with the module page.
#include "singlecode/single_page.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <filesystem>

#include "gui_test_util.h"
#include "login/comment_settings.h"
#include "modulecode/code_page.h"
#include "singlecode/client_page.h"

using namespace ff::guitest;
namespace fs = std::filesystem;

namespace {

// What the page's generator should give for a function, made on a maker of
// our own with the same settings, after the module header as the page does
// (the header leaves its version in the function comment).
std::string FunctionText(bool bls, long module, const std::string& code, ff::ValidateStyle style, bool beautify) {
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

class SinglePageTest : public QObject {
  Q_OBJECT

 private slots:
  void firstStart() {
    Sandbox box;
    auto& page = box.Open<CPageCodeSingle>();
    // The folder and the switches are the module page's (code_page_test).
    QVERIFY(IsChecked(page, ctl::files::kFos) && !IsChecked(page, ctl::files::kMakeModule));
    QVERIFY(IsChecked(page, ctl::single::kValidateNone) && IsChecked(page, ctl::tree::kBeautify));
    QCOMPARE(page.m_cmbFindBy->currentIndex(), -1);
    // The FOS modules with their functions; a function key is "%d|%s",
    // trailing blanks kept.
    const std::vector<std::string> ids = TreeIds(*page.m_tree);
    QCOMPARE(std::vector<std::string>(ids.begin(), ids.begin() + 2), (std::vector<std::string>{"         1", "1|KH.QUERY"}));
    QVERIFY(std::find(ids.begin(), ids.end(), "1|KH_OPEN  ") != ids.end());
    QCOMPARE(page.m_tree->GetNote(page.m_tree->FindID("1|KH.QUERY")), G("KH.QUERY 查询客户信息"));
  }

  void storedStylesAreNormalised_data() {
    QTest::addColumn<QString>("validate");
    QTest::addColumn<QString>("beautiful");  // "" none stored
    QTest::addColumn<int>("radio");
    QTest::addColumn<bool>("beautify");
    QTest::addColumn<int>("style");
    using ff::ValidateStyle;
    QTest::newRow("compact") << "2" << "FALSE" << +ctl::single::kValidateCompact << false << int(ValidateStyle::Compact);
    QTest::newRow("macro") << "3" << "false" << +ctl::single::kValidateMacro << true << int(ValidateStyle::Macro);
    QTest::newRow("too large") << "5" << "" << +ctl::single::kValidateNone << true << int(ValidateStyle::None);
    QTest::newRow("negative") << "-1" << "TRUE" << +ctl::single::kValidateNone << true << int(ValidateStyle::None);
    QTest::newRow("no number") << "abc" << "FALSE" << +ctl::single::kValidateNone << false << int(ValidateStyle::None);
  }
  void storedStylesAreNormalised() {
    QFETCH(QString, validate);
    QFETCH(QString, beautiful);
    QFETCH(int, radio);
    QFETCH(bool, beautify);
    QFETCH(int, style);
    Sandbox box;
    theReg.Write("ValidateCode", validate.toStdString());
    if (!beautiful.isEmpty()) theReg.Write("BeautifulCode", beautiful.toStdString());
    auto& page = box.Open<CPageCodeSingle>();
    QVERIFY(IsChecked(page, radio));
    QVERIFY(IsChecked(page, beautify ? ctl::tree::kBeautify : ctl::tree::kPlain));
    QCOMPARE(theReg.GetReg("ValidateCode"), std::to_string(radio - ctl::single::kValidateNone));
    box.ModuleFiles();
    Pick(page, "1|KH_LIST");
    FF_QCOMPARE_BYTES(FunctionText(false, 1, "KH_LIST", ff::ValidateStyle(style), beautify),
                      Preview(page));
  }

  // A pick shows the function's text; each style radio shows it again in
  // that style and stores it. The preview's header is the program's scratch
  // file in the user's own folder: rewritten without a question.
  void theStyleRadiosRegenerateThePreview() {
    Sandbox box;
    auto& page = box.Open<CPageCodeSingle>();
    Pick(page, "2|WT_ORDER");
    Pick(page, "1|KH_LIST");
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("KH_LIST 客户列表查询"));
    FF_QCOMPARE_BYTES(FunctionText(false, 1, "KH_LIST", ff::ValidateStyle::None, true), Preview(page));
    QVERIFY(ff::gbk::Contains(ff::test::ReadFile(box.tmp / "processTmp.h"), "KH_LIST"));
    QVERIFY(!ff::gbk::Contains(ff::test::ReadFile(box.tmp / "processTmp.h"), "WT_ORDER"));
    Click(page, ctl::single::kValidateMacro);
    QCOMPARE(theReg.GetReg("ValidateCode"), std::string("3"));
    FF_QCOMPARE_BYTES(FunctionText(false, 1, "KH_LIST", ff::ValidateStyle::Macro, true), Preview(page));
    Click(page, ctl::tree::kPlain);
    QCOMPARE(theReg.GetReg("BeautifulCode"), std::string("FALSE"));
    FF_QCOMPARE_BYTES(FunctionText(false, 1, "KH_LIST", ff::ValidateStyle::Macro, false), Preview(page));
    Click(page, ctl::tree::kBeautify);
    Click(page, ctl::single::kValidateLoose);
    FF_QCOMPARE_BYTES(FunctionText(false, 1, "KH_LIST", ff::ValidateStyle::Loose, true), Preview(page));
    // A module item: empty preview, its note as selection text.
    Pick(page, "         2");
    QCOMPARE(Preview(page), std::string());
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("JYWT 交易委托"));
    QVERIFY(box.ui.questions.empty() && box.ui.unscripted == 0 && box.ui.waitDepth == 0);
  }

  void okInBlsModeWritesHeaderAndSourceAndShowsTheSource() {
    Sandbox box;
    box.ModuleFiles(true);
    const std::string dir = box.dir();
    auto& page = box.Open<CPageCodeSingle>();
    QVERIFY(IsChecked(page, ctl::files::kBls));
    Pick(page, "21|QUERY_USER");
    Click(page, 1);
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("21|QUERY_USER"));
    const std::string source = ff::test::ReadFile(box / "ProcessTmp.cpp");
    FF_QCOMPARE_BYTES(FunctionText(true, 21, "QUERY_USER", ff::ValidateStyle::None, true), source);
    FF_QCOMPARE_BYTES(source, Preview(page));
    // The header is the BLS header of the whole module 21.
    QVERIFY(ff::gbk::Contains(ff::test::ReadFile(box / "ProcessTmp.h"), "QUERY_USER_LIST"));
    QCOMPARE(theReg.GetReg("ModuleCppFile"), dir + "/ProcessTmp.cpp");
    // The report names the files written, the source file first.
    QCOMPARE(box.ui.messages, std::vector<std::string>{G("BLS代码文件：\n\t") + dir + "/ProcessTmp.cpp,\n\t" + dir +
                                                        "/ProcessTmp.h" + G("。\n\t已经生成!")});
    QVERIFY(box.ui.fileErrors.empty() && box.ui.waitDepth == 0);
  }

  // Copy puts the preview as edited on the clipboard, UTF-8 and GBK; an
  // empty preview leaves the clipboard. Edit writes it for an editor of
  // this system (UTF-8) and opens it; no application for it is said.
  void copyAndEdit() {
    Sandbox box;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    auto& page = box.Open<CPageCodeSingle>();
    Click(page, 2);
    QCOMPARE(clipboard->text(), QStringLiteral("before"));
    page.Control<QPlainTextEdit>(ctl::tree::kPreview)->setPlainText(QStringLiteral("// 编辑过\nint a;"));
    Click(page, 2);
    QCOMPARE(clipboard->text(), QStringLiteral("// 编辑过\nint a;"));
    QCOMPARE(clipboard->mimeData()->data(QStringLiteral("text/plain;charset=GBK")).toStdString(), G("// 编辑过\r\nint a;"));
    Click(page, 3);
    QCOMPARE(box.ui.opened, std::vector<std::string>{box.tmp / "Tmp.txt"});
    QCOMPARE(ff::test::ReadFile(box.tmp / "Tmp.txt"), std::string("// 编辑过\nint a;"));
    QVERIFY(box.ui.fileErrors.empty() && box.ui.messages.empty());
    box.ui.launcher = false;
    Click(page, 3);
    QCOMPARE(box.ui.messages.size(), size_t(1));
    QVERIFY(ff::gbk::Contains(box.ui.messages[0], box.tmp / "Tmp.txt"));
  }

  void fosBlsSwitchClearsTheSelectionAndThePreview() {
    Sandbox box;
    auto& page = box.Open<CPageCodeSingle>();
    Pick(page, "3|SYS_NOTE_ADD");
    QVERIFY(!Preview(page).empty());
    Click(page, ctl::files::kBls);
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QString());
    QCOMPARE(Preview(page), std::string());  // no stale function of the other kind
    QCOMPARE(theReg.GetReg("ModuleSelectBLS"), std::string("TRUE"));
    QCOMPARE(TreeIds(*page.m_tree).at(0), std::string("        21"));
    QVERIFY(page.m_tree->FindID("21|QUERY_USER") != 0 && page.m_tree->FindID("3|SYS_NOTE_ADD") == 0);
    Click(page, ctl::files::kFos);
    QCOMPARE(theReg.GetReg("ModuleSelectBLS"), std::string("FALSE"));
  }

  // 查找 by code, ID (a module's id, or a function's whole number as its
  // code carries it) or name; each press finds the next match, from the top
  // again after the last; the match is shown at once.
  void findSelectsTheNextMatch_data() {
    QTest::addColumn<bool>("bls");
    QTest::addColumn<int>("by");  // 功能编码, ID, 名称; -1 all three
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");  // one per press
    QTest::addColumn<QString>("said");       // when nothing is found
    QTest::newRow("code") << false << 0 << "list"
                          << QStringList{"1|KH_LIST", "2|WT_QueryList", "2|WT_LIST_SUM", "3|SYS_MENU_list", "1|KH_LIST"}
                          << "";
    QTest::newRow("module id") << false << 1 << "9" << QStringList{"         9"} << "";
    QTest::newRow("name") << false << 2 << "撤单" << QStringList{"2|WT_CANCEL"} << "";
    QTest::newRow("function number") << false << 1 << " 2004 " << QStringList{"2|CJ_QUERY"} << "";
    QTest::newRow("any kind") << false << -1 << "3003" << QStringList{"3|SYS_MENU_list"} << "";
    QTest::newRow("BLS number") << true << 1 << "6103" << QStringList{"22|ZJ_DJ"} << "";
    QTest::newRow("part of a number") << false << 1 << "200" << QStringList() << "没有找到";
    QTest::newRow("a FOS number among BLS") << true << 1 << "2004" << QStringList() << "没有找到";
    QTest::newRow("a code is no name") << false << 2 << "KH_LIST" << QStringList()
                                       << "按名称查找，没有找到包含“KH_LIST”的模块或功能！";
    QTest::newRow("blank") << false << 2 << "  " << QStringList() << "请输入要查找的内容！";
  }
  void findSelectsTheNextMatch() {
    QFETCH(bool, bls);
    QFETCH(int, by);
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    QFETCH(QString, said);
    Sandbox box;
    auto& page = box.Open<CPageCodeSingle>();
    if (bls) Click(page, ctl::files::kBls);
    page.m_cmbFindBy->setCurrentIndex(by);
    page.Control<QLineEdit>(ctl::single::kFindText)->setText(text);
    for (const QString& id : found) {
      Click(page, ctl::single::kFind);
      QCOMPARE(Q(page.m_tree->GetString(-1)), id);
    }
    if (!found.isEmpty() && found.last().contains('|'))
      QVERIFY(ff::gbk::Contains(Preview(page), found.last().section('|', 1).toStdString()));
    if (!said.isEmpty()) {
      Click(page, ctl::single::kFind);
      QCOMPARE(page.m_tree->GetString(-1), std::string());
      QCOMPARE(box.ui.messages.size(), size_t(1));
      QVERIFY2(Q(box.ui.messages[0]).contains(said), qPrintable(Q(box.ui.messages[0])));
    }
    QCOMPARE(box.ui.messages.size(), size_t(said.isEmpty() ? 0 : 1));
  }

  // The folder, switches and style are the module page's too, and the
  // module page's generation is seen by the next single page.
  void valuesAreSharedWithTheOtherPages() {
    Sandbox box;
    const std::string dir = box.dir();
    box.ui.nextFolder = dir;
    {
      CPageCodeSingle page;
      page.Create();
      Click(page, ctl::files::kBrowseFolder);
      for (int id : {ctl::files::kMakeModule, ctl::files::kMakeTest, ctl::files::kNoPrompt, ctl::files::kBls, ctl::tree::kPlain})
        Click(page, id);
      Pick(page, "22|ZJ_QUERY");
      Click(page, 1);
      QVERIFY(fs::exists(box / "ProcessTmp.cpp"));
    }
    auto& code = box.Open<CPageCode>();
    QCOMPARE(TextOf(code, ctl::files::kFolder), Q(dir));
    for (int id : {ctl::files::kBls, ctl::files::kMakeModule, ctl::files::kMakeTest, ctl::files::kNoPrompt})
      QVERIFY(IsChecked(code, id));
    auto& client = box.Open<CPageCodeClientSingle>();
    QVERIFY(IsChecked(client, ctl::files::kBls) && IsChecked(client, ctl::tree::kPlain));
    Click(code, ctl::files::kFos);
    Click(code, 1);
    auto& next = box.Open<CPageCodeSingle>();
    QVERIFY(IsChecked(next, ctl::files::kFos) && IsChecked(next, ctl::tree::kPlain));
  }

  // The snippet page: no validation or find controls, its own preview in
  // both styles, nothing written or asked by a preview; OK stores the
  // values and says no file was made; a FOS function has no snippet.
  void theSnippetPage() {
    Sandbox box;
    box.ModuleFiles(true);
    theReg.Write("ValidateCode", "2");  // not this page's
    const std::string dir = box.dir();
    auto& page = box.Open<CPageCodeClientSingle>();
    for (int id : {ctl::single::kValidateNone, ctl::single::kFindText, ctl::single::kFind}) QVERIFY(!page.GetDlgItem(id));
    Pick(page, "21|QUERY_USER_LIST");
    QCOMPARE(TextOf(page, ctl::files::kModuleName), QStringLiteral("QUERY_USER_LIST 查询用户列表"));
    const std::string aligned = Preview(page);
    FF_QCOMPARE_BYTES(Snippet(21, "QUERY_USER_LIST", true), aligned);
    Click(page, ctl::tree::kPlain);
    FF_QCOMPARE_BYTES(Snippet(21, "QUERY_USER_LIST", false), Preview(page));
    Click(page, ctl::tree::kBeautify);
    Pick(page, "21|QUERY_USER");
    Click(page, 1);
    FF_QCOMPARE_BYTES(Snippet(21, "QUERY_USER", true), Preview(page));
    QVERIFY(fs::is_empty(box.out.path()) && !fs::exists(box.tmp / "processTmp.h") && box.ui.questions.empty());
    QCOMPARE(box.ui.messages, std::vector<std::string>{
                                  G("设置已保存：\n\t保存目录：") + dir + G("\n\t头文件：") + dir + G("/ProcessTmp.h\n\tcpp文件：") +
                                  dir + G("/ProcessTmp.cpp\nBLS客户端访问代码片只显示在预览中，可复制或编辑；本页没有生成文件。")});
    QCOMPARE(theReg.GetReg("ModuleHeadFile"), dir + "/ProcessTmp.h");
    QCOMPARE(theReg.GetReg("ValidateCode"), std::string("2"));
    Click(page, ctl::files::kFos);
    Pick(page, "2|WT_ORDER");
    QCOMPARE(Preview(page), std::string("'"));
    Click(page, 1);
    QCOMPARE(Preview(page), std::string());
    QVERIFY(ff::gbk::Contains(box.ui.messages.back(), G("FOS功能没有客户端访问代码片")));
    QCOMPARE(theReg.GetReg("ModuleSelectBLS"), std::string("FALSE"));
  }
};

QTEST_MAIN(SinglePageTest)
#include "single_page_test.moc"
