#include "codetext/routine_comment.h"

#include <algorithm>

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "tests/support/fixed_date.h"
#include "tests/support/test_support.h"

namespace ff::test {
namespace {

// The line of a built comment that starts with `start` (GBK), or "".
std::string LineStarting(const std::string& text, const std::string& start) {
  size_t at = text.find(start);
  if (at == std::string::npos) return {};
  return text.substr(at, text.find("\r\n", at) - at);
}

TEST(CommentDate, FollowsSourceDateEpochAsUtc) {
  FixedDate date("1141603199");  // 2006-03-05 23:59:59 UTC
  const CommentDate d = TodayForComments();
  EXPECT_EQ("2006-03-05", d.year + "-" + d.month + "-" + d.day);
  FixedDate epoch("0");
  EXPECT_EQ("1970", TodayForComments().year);
}

TEST(RoutineComment, FileCommentOnAFixedDate) {
  FixedDate date;
  CRoutineComment comment;
  comment.SetFileName("/home/dev/src/Process.cpp");
  comment.SetProjectName(G("证券 后台"));
  comment.SetAbstract(G("模块源文件"));
  comment.SetAuthor(G("张三"));
  EXPECT_BYTES_EQ(Golden("codetext/file_comment.txt"), comment.MakeFileComment());
}

TEST(RoutineComment, TheCopyRightLineIsAsWideAsTheBorderWithTheUsersValues) {
  CRoutineComment comment;
  EXPECT_EQ(std::string(9, ' ') + G("Copyright (C) 2004  北岭红隼软件有限公司 All rights reserved. "),
            comment.MakeCopyRightLine());
  comment.SetCopyRight("(C) 2026", G("红隼"));
  // "(C) 2026" 8 + 2 blanks + 红隼 4 bytes + " All rights reserved. " 22 = 36,
  // right-aligned in 71.
  EXPECT_EQ(std::string(35, ' ') + "(C) 2026  " + G("红隼") + " All rights reserved. ",
            comment.MakeCopyRightLine());
  comment.SetCopyRight("", G("红隼"));  // one of them: the other stays the line's own
  EXPECT_EQ(std::string(25, ' ') + "Copyright (C) 2004  " + G("红隼") + " All rights reserved. ",
            comment.MakeCopyRightLine());
  // Longer than the border: kept whole, never cut inside a character.
  const std::string company = G("北岭红隼软件股份有限公司北岭红隼软件股份有限公司");
  comment.SetCopyRight("Copyright (C) 2004-2026", company);
  EXPECT_EQ("Copyright (C) 2004-2026  " + company + " All rights reserved. ", comment.MakeCopyRightLine());
}

TEST(RoutineComment, DesignAndNoteAreStoredInCommentForm) {
  CRoutineComment comment;
  comment.SetDesign("one");
  EXPECT_EQ("\r\n*    one", comment.Design());
  comment.SetDesign("a\r\nb\rc\nd");
  EXPECT_EQ("\r\n*    a\r\n*    b\r\n*    c\r\n*    d", comment.Design());
  comment.SetNote("");
  EXPECT_EQ("", comment.Note());
  comment.SetNote("\n");
  EXPECT_EQ("\r\n*    \r\n*    ", comment.Note());
}

TEST(RoutineComment, WithoutAuthorOrApplicationTheAuthorStaysEmpty) {
  FixedDate date;
  CRoutineComment comment;
  EXPECT_EQ("", comment.GetAuthor());
  const std::string text = comment.MakeFileComment();
  EXPECT_EQ(G("*原作者：  "), LineStarting(text, G("*原作者")));
  EXPECT_EQ("*1.      2006.03.05" + std::string(7 + 12, ' '), LineStarting(text, "*1."))
      << "the version comes from SetFileName; none set gives an empty version here";
}

TEST(RoutineComment, WithoutAuthorTheApplicationNameIsTaken) {
  int argc = 1;
  char name[] = "codetext_tests";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QString::fromUtf8("红隼"));
  CRoutineComment comment;
  EXPECT_EQ(G("红隼"), comment.GetAuthor());
  comment.SetAuthor(G("张三"));
  EXPECT_EQ(G("张三"), comment.GetAuthor());
}

TEST(RoutineComment, FunctionCommentOnAFixedDate) {
  FixedDate date;
  CRoutineComment comment;
  comment.SetFileName("Process.cpp");
  comment.SetAuthor(G("张三"));
  comment.SetFunctionTitle(G("查询客户"));
  comment.SetDesign(G("第一行\r\n第二行"));
  comment.SetNote("");
  comment.SetFunctionPrototype(G("\tlong CMod::Fun_Query( struct Service_Module* pModule ) // 查询\r\n"));
  EXPECT_BYTES_EQ(Golden("codetext/function_comment.txt"), comment.MakeFunctionComment());
  EXPECT_EQ(4, comment.Indent());
  // The stored prototype lost its comment and its line break.
  EXPECT_EQ("\tlong CMod::Fun_Query( struct Service_Module* pModule )  ", comment.Prototype());
}

struct PrototypeCase {
  const char* prototype;
  const char* nameLine;  // "" when no comment is written
  int indent;
};

void PrintTo(const PrototypeCase& c, std::ostream* os) { *os << '"' << c.prototype << '"'; }

class PrototypeNormalisation : public ::testing::TestWithParam<PrototypeCase> {};

TEST_P(PrototypeNormalisation, GivesTheNameAndIndent) {
  const PrototypeCase& c = GetParam();
  CRoutineComment comment;
  comment.SetFunctionPrototype(c.prototype);
  const std::string text = comment.MakeFunctionComment();
  if (*c.nameLine == '\0') {
    EXPECT_EQ("", text);
    return;
  }
  const std::string indent(static_cast<size_t>(c.indent), ' ');
  EXPECT_EQ(indent + G("*函数名称：") + c.nameLine + " ", LineStarting(text, indent + G("*函数名称")));
  EXPECT_EQ(c.indent, comment.Indent());
  EXPECT_EQ(indent + "/***", text.substr(0, static_cast<size_t>(c.indent) + 4));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PrototypeNormalisation,
    ::testing::Values(
        PrototypeCase{"long CMod::Fun_Query( struct Service_Module* pModule ) // remark", "Fun_Query", 0},
        PrototypeCase{"char *GetName()", "GetName", 0},
        PrototypeCase{"char * GetName()", "GetName", 0},
        PrototypeCase{"\tlong F()", "F", 4},
        PrototypeCase{"\t\t\tlong F()", "F", 8},
        PrototypeCase{"  \t\t long F()", "F", 8},
        PrototypeCase{"   long A :: B :: C ( int a )", "C", 3},
        PrototypeCase{"long /* old */ Fun_New(/* x */ int a /* open", "", 0},
        PrototypeCase{"long F(int a, // first\n int b)", "F", 0},
        PrototypeCase{"long\nF\n(\nint a\n)", "F", 0},
        PrototypeCase{"\nlong F()", "F", 1},
        PrototypeCase{"long Fun_NoClose(int a", "", 0},
        PrototypeCase{"long Fun_NoOpen int a)", "", 0},
        PrototypeCase{"", "", 0},
        PrototypeCase{"// only a comment", "", 0}));

TEST(RoutineComment, EmptyNameNoteAndDesignLines) {
  // "*" is a word whose name is empty: the comment is still written.
  CRoutineComment comment;
  comment.SetFunctionPrototype("long *(int a)");
  const std::string text = comment.MakeFunctionComment();
  EXPECT_EQ(G("*函数名称： "), LineStarting(text, G("*函数名称")));
  EXPECT_EQ(G("*实现说明："), LineStarting(text, G("*实现说明")));
  EXPECT_EQ(G("*备注：      "), LineStarting(text, G("*备注")));
  EXPECT_EQ(13, std::count(text.begin(), text.end(), '\n'));
}

}  // namespace
}  // namespace ff::test
