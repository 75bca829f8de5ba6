// Every template filled with the names documented for it leaves no
// placeholder behind, and every documented name is one the text holds;
// every system text kept in printf form is filled completely by the
// function with named values beside it.
#include <regex>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "codetext/text_fill.h"
#include "res/code_page_texts.h"
#include "res/embedded_templates.h"
#include "res/fidcheck_texts.h"
#include "res/file_texts.h"
#include "res/function_templates.h"
#include "res/gui_texts.h"
#include "res/naming_texts.h"
#include "res/snippet_texts.h"
#include "res/template_catalog.h"
#include "res/tree_queries.h"
#include "res/validation_texts.h"
#include "tests/support/test_support.h"

namespace {

namespace res = ff::res;
using ff::test::U;

// "%Word%" anywhere in the text: a placeholder left unfilled.
bool HasPlaceholder(const std::string& text, std::string* which) {
  static const std::regex placeholder("%[A-Za-z]+%");
  std::smatch m;
  if (!std::regex_search(text, m, placeholder)) return false;
  *which = m.str();
  return true;
}

bool HasPrintfSpec(std::string_view text) {
  return text.find("%s") != std::string_view::npos || text.find("%d") != std::string_view::npos;
}

TEST(Placeholders, EveryTemplateFilledWithItsNamesLeavesNone) {
  for (const res::CatalogTemplate& t : res::AllNamedTemplates()) {
    SCOPED_TRACE(t.title);
    std::vector<ff::Placeholder> values;
    for (std::string_view name : t.names) {
      EXPECT_NE(t.text.find("%" + std::string(name) + "%"), std::string::npos) << name << " is not in the text";
    }
    // Fill one name after the other: the one-pass filler takes a fixed list.
    std::string filled = t.text;
    for (std::string_view name : t.names) filled = ff::FillTemplate(filled, {{name, "<value>"}});
    std::string left;
    EXPECT_FALSE(HasPlaceholder(filled, &left)) << left << " left in " << U(filled);
    // Templates are ours: none keeps a printf specifier, but for the
    // queries, whose "%d" is the system's (filled by QueryWithId).
    if (std::string_view(t.title).find("query") == std::string_view::npos) {
      EXPECT_FALSE(HasPrintfSpec(t.text)) << U(t.text);
    }
  }
}

TEST(Placeholders, EveryTemplateFileIsInTheCatalog) {
  for (std::string_view file : res::EmbeddedTemplateNames()) {
    const std::string_view text = res::EmbeddedTemplate(file);
    bool found = false;
    for (const res::CatalogTemplate& t : res::AllNamedTemplates()) found |= t.text == text;
    EXPECT_TRUE(found) << file;
  }
}

// Each system text in printf form, through its function: every value
// lands, in the order the names say, and no specifier is left.
TEST(Placeholders, SystemFormatsAreFilledByName) {
  std::string out;
  res::fn::AppendRequestLine(out, {.cType = "long", .variable = "nFidKHH", .getter = "Long", .code = "FID_KHH",
                                   .name = "N"});
  EXPECT_EQ(out, "    long nFidKHH = pSvrComm->GetLong( FID_KHH ); //N\r\n");
  out.clear();
  res::fn::AppendFosAnswerLine(out, {.code = "FID_A", .filler = "  ", .row = "3", .name = "N"});
  res::fn::AppendBlsAnswerLine(out, {.code = "FID_A", .filler = "", .row = "4", .name = "N"});
  EXPECT_EQ(out,
            "        pSvrComm->SetItem( FID_A,   pDB->Get( 3 ) ); //N\r\n"
            "        pSvrComm->SetItem( FID_A, pClient->GetItem( 4 ) ); //N\r\n");
  EXPECT_EQ(res::fn::MakeIdentLine({.code = "C", .number = "12", .name = "N"}), "//C    12    //N\r\n");
  EXPECT_EQ(res::fn::MakePrototype({.prefix = "Fun_", .name = "Query"}),
            "long Fun_Query( struct Service_Module* pModule )\r\n");

  EXPECT_EQ(res::validate::EmptyTest("sFidKHH"), " || sFidKHH.empty()");
  EXPECT_EQ(U(res::validate::MakeLooseMessage({.code = "FID_KHH", .name = "KHH"})), "\"输入参数有误：FID_KHH-KHH 未输入\"");
  out.clear();
  res::validate::AppendMacroLine(out, {.macro = "VALIDATE_ITEM", .code = "FID_A", .variable = "nFidA",
                                       .name = "N", .multiRowFlag = "false"});
  res::validate::AppendCompactItem(out, {.code = "FID_A", .emptyTest = ""});
  EXPECT_EQ(out, "    VALIDATE_ITEM(FID_A, nFidA, \"FID_A N\", false); \r\n( !pSvrComm->HaveItem( FID_A ) )");

  out.clear();
  namespace sn = res::snippet;
  sn::AppendRequestDef(out, {.cType = "long", .variable = "nFidA", .initValue = "0L", .code = "FID_A", .comment = "C"});
  sn::AppendAnswerDef(out, {.cType = "T", .variable = "V", .initValue = "I", .code = "F", .comment = "C"});
  sn::AppendRequestSet(out, {.code = "FID_A", .variable = "nFidA"});
  sn::AppendAnswerRead(out, true, {.variable = "V", .getter = "Long", .code = "F"});
  sn::AppendAnswerRead(out, false, {.variable = "V", .getter = "Item", .code = "F"});
  sn::AppendRecordField(out, {.key = "K", .typeTag = "C20"});
  sn::AppendRecordSet(out, {.key = "K", .variable = "V", .name = "N"});
  EXPECT_EQ(out,
            "long nFidA = 0L; //FID_A C\r\n"
            "T V = I; //F C\r\n"
            "g_pConn->SetItem( FID_A, nFidA );\r\n"
            "    V = g_pConn->GetLong( F );\r\n"
            "        V = g_pConn->GetItem( F );\r\n"
            "K[C20],"
            "    //rec.Set( \"K\", V ); //N\r\n");
  EXPECT_EQ(sn::MakeAnswerComment({.name = "N", .typeTag = "I10"}), "N I10");
  EXPECT_FALSE(HasPrintfSpec(sn::MakeRecordHeader("a[C1]") + sn::MakeSecondRecordHeader("b[C1]")));
  EXPECT_NE(sn::MakeRecordHeader("a[C1]").find("rec.Create(\"a[C1]\")"), std::string::npos);

  EXPECT_EQ(res::GuardBegin("M") + res::GuardDefine("M") + res::GuardEnd("M"),
            "#if !defined(M)\r\n#define M\r\n\r\n\r\n#endif // !defined(M)\r\n");
  EXPECT_EQ(U(res::OverwriteQuestion("a.h")), "文件a.h已经存在，是否重写!");
  EXPECT_EQ(U(res::UnusedFidFound("7")), "共发现7个未使用FID！");
  EXPECT_FALSE(HasPrintfSpec(res::BlsUndefinedFidFound("1") + res::FosUndefinedFidFound("2")));
  EXPECT_FALSE(HasPrintfSpec(res::FunctionQuery(true, 21) + res::FunctionQuery(false, 1)));

  EXPECT_EQ(res::MakeTypeTag(res::StringFidType(), {.precision = 20, .decimals = 0}), "C20");
  EXPECT_EQ(res::MakeTypeTag(res::LongFidType(), {.precision = -1, .decimals = 3}), "I-1");
  EXPECT_EQ(res::MakeTypeTag(res::DoubleFidType(), {.precision = 16, .decimals = 2}), "R16.2");

  namespace cp = res::codepage;
  EXPECT_EQ(cp::FileListItem("p"), "\n\tp");
  const std::string messages =
      cp::DeclinedFileKept("p") + cp::SnippetSettingsSaved(true, {.folder = "f", .header = "h", .source = "s"}) +
      cp::SnippetSettingsSaved(false, {.folder = "f", .header = "h", .source = "s"}) +
      cp::FindNothingByKind({.kind = "k", .text = "t"}) + cp::FindNothingAny("t") +
      res::gui::ExportSummary({.fixdef = "1", .fiddef = "2", .fosdef = "3", .blsdef = "4", .sysdef = "5"});
  EXPECT_FALSE(HasPrintfSpec(messages)) << U(messages);
  EXPECT_NE(U(cp::SnippetSettingsSaved(true, {.folder = "f", .header = "h", .source = "s"}))
                .find("保存目录：f\n\t头文件：h\n\tcpp文件：s"),
            std::string::npos);
  EXPECT_NE(res::gui::ExportSummary({.fixdef = "1", .fiddef = "2", .fosdef = "3", .blsdef = "4", .sysdef = "5"})
                .find("\n\t1,\n\t2,\n\t3,\n\t4,\n\t5"),
            std::string::npos);
}

}  // namespace
