// fidforge-cli module --merge as a programmer lives with it: generate,
// write code by hand, change the database, merge; and what it refuses.
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <filesystem>

#include "host/gbk_text.h"
#include "tests/support/cli_run.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::G;
using ff::test::ReadFile;
using ff::test::WriteFile;

class MergeCommand : public ::testing::Test {
 protected:
  using Result = ff::test::CliResult;

  Result Run(const std::string& args) {
    return ff::test::RunFidforgeCli("--db '" + db + "' --author " + author + " " + args, dir.path().string(),
                                    "SOURCE_DATE_EPOCH=1141560000");
  }
  void Sql(const std::string& sql) {
    ASSERT_EQ(0, std::system(("sqlite3 '" + db + "' \"" + sql + "\"").c_str()));
  }

  ff::test::SettingsSandbox sandbox;
  ff::test::TempDir dir;
  std::string author = "dev";
  std::string db = dir / "demo.sqlite";
  std::string out = dir / "gen/fos";  // not there yet: made by the command
  void SetUp() override { ASSERT_EQ(Run("init-demo '" + db + "'").status, 0); }
};

TEST_F(MergeCommand, HandWrittenCodeSurvivesDatabaseChanges) {
  ASSERT_EQ(0, Run("--force module --kind fos --module 1 --out '" + out + "'").status);
  const std::string source = out + "/Process.cpp";
  const std::string generated = ReadFile(source);

  // Unedited: the merge gives the bytes of a fresh generation.
  Result r = Run("--force module --kind fos --module 1 --out '" + out + "' --merge");
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_EQ(generated, ReadFile(source));
  EXPECT_NE(std::string::npos, r.out.find("unchanged: " + source)) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("merged: " + source + ": functions refreshed 0, kept as edited 0")) << r.out;

  // SQL by hand in the first function, a helper at the end.
  std::string edited = generated;
  const std::string placeholder = "    pDB->Cmd(\"SELECT '...' \");\r\n";
  const std::string mine = G("    pDB->Cmd(\"SELECT KHXM FROM TKHXX\"); // 手写\r\n");
  edited.replace(edited.find(placeholder), placeholder.size(), mine);
  edited += "static int Helper() { return 1; }\r\n";
  WriteFile(source, edited);

  // A parameter added, a function dropped, a function added.
  Sql("INSERT INTO T156 VALUES (1099, 104, 'ZJBH', 1, 0, 1, 101, 'FID_ZJBH');"
      "DELETE FROM T154 WHERE ID = 102;"
      "INSERT INTO T154 VALUES (199, 1099, 'KH_NEW', 'NEW', NULL, 1, NULL, NULL, 0);");
  r = Run("--force module --kind fos --module 1 --out '" + out + "' --merge");
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_NE(std::string::npos,
            r.out.find("merged: " + source + ": functions refreshed 1, kept as edited 1, added 1 (Kh_New), retired 0, "
                       "restored 0, conflicts 0, removed unedited 1 (Kh_Open)"))
      << r.out;
  const std::string merged = ReadFile(source);
  EXPECT_NE(std::string::npos, merged.find(mine));
  EXPECT_NE(std::string::npos, merged.find("GetItem( FID_ZJBH )"));
  EXPECT_NE(std::string::npos, merged.find("long Kh_New( struct Service_Module* pModule )\r\n{"));
  EXPECT_NE(std::string::npos, merged.find("static int Helper() { return 1; }\r\n"));
  EXPECT_EQ(std::string::npos, merged.find("Kh_Open"));  // nobody had edited it

  // Twice is once.
  r = Run("--force module --kind fos --module 1 --out '" + out + "' --merge");
  EXPECT_EQ(0, r.status);
  EXPECT_EQ(merged, ReadFile(source));
}

TEST_F(MergeCommand, DamagedFileIsRefusedAndLeftAlone) {
  ASSERT_EQ(0, Run("--force module --kind fos --module 1 --out '" + out + "'").status);
  const std::string source = out + "/Process.cpp";
  const std::string header = out + "/Process.h";
  std::string damaged = ReadFile(source);
  const size_t end = damaged.find("    //##EndSQL");
  damaged.erase(end, damaged.find('\n', end) + 1 - end);  // the first end marker
  WriteFile(source, damaged);
  WriteFile(header, "old header\r\n");
  const int line = 1 + static_cast<int>(std::count(damaged.begin(), damaged.begin() + damaged.find("    //##BeginSQL"), '\n'));

  const Result r = Run("--force module --kind fos --module 1 --out '" + out + "' --merge");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.err.find(source + ":" + std::to_string(line) + ": //##BeginSQL without its //##EndSQL"))
      << r.err;
  EXPECT_EQ(damaged, ReadFile(source));
  EXPECT_EQ("old header\r\n", ReadFile(header));  // nothing of the module is touched
}

TEST_F(MergeCommand, Utf8FilesMergeOnlyAsUtf8) {
  ASSERT_EQ(0, Run("--force --encoding utf-8 module --kind bls --all --out '" + out + "'").status);
  const std::string source = out + "/21/Process.cpp";
  std::string edited = ReadFile(source);
  const std::string step = "    pClient->DirectToDest();\r\n";
  const size_t at = edited.find(step);
  ASSERT_NE(std::string::npos, at);
  edited.insert(at, "    // 先记日志 乗|亅\r\n");  // UTF-8, as the file is
  WriteFile(source, edited);

  Result r = Run("--force module --kind bls --all --out '" + out + "' --merge");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.err.find(source + ":2: UTF-8 text")) << r.err;
  EXPECT_EQ(edited, ReadFile(source));

  r = Run("--force --encoding utf-8 module --kind bls --all --out '" + out + "' --merge");
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_EQ(edited, ReadFile(source));
  EXPECT_NE(std::string::npos, r.out.find("merged: " + source + ": functions refreshed 0, kept as edited 1")) << r.out;
}

TEST_F(MergeCommand, OutputFoldersAreMadeWhenMissing) {
  Result r = Run("--force headers --out '" + (dir / "a/b/include") + "'");
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_NE("", ReadFile(dir / "a/b/include/fiddef.h"));
  r = Run("--force module --kind bls --module 21 --out '" + (dir / "c/d") + "'");
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_NE("", ReadFile(dir / "c/d/Process.h"));

  WriteFile(dir / "file", "x");
  r = Run("--force headers --out '" + (dir / "file/sub") + "'");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.err.find("cannot create the folder")) << r.err;
}

// --- What a back-office developer saw go wrong, one row each ---------------
//
// Each row: generate a module (with its record, or without: the record
// deleted), edit the files as a programmer or an editor would, change the
// database, merge. A merge that goes through keeps every hand-written line,
// writes CR LF throughout and changes nothing when run again; a refusal
// leaves both files byte for byte and names file and line.

struct Files {
  std::string cpp, h;  // GBK, as on disk
};

// Inserts `text` before the first line holding `anchor` (at the line start).
void InsertBeforeLine(std::string& text, const std::string& anchor, const std::string& insertion) {
  const size_t at = text.find(anchor);
  ASSERT_NE(std::string::npos, at) << anchor;
  const size_t start = text.rfind('\n', at);
  text.insert(start == std::string::npos ? 0 : start + 1, insertion);
}
// Inserts `text` after the line holding `anchor`.
void InsertAfterLine(std::string& text, const std::string& anchor, const std::string& insertion) {
  const size_t at = text.find(anchor);
  ASSERT_NE(std::string::npos, at) << anchor;
  text.insert(text.find('\n', at) + 1, insertion);
}
void Replace(std::string& text, const std::string& from, const std::string& to, size_t skip = 0) {
  size_t at = text.find(from);
  for (; skip > 0 && at != std::string::npos; --skip) at = text.find(from, at + 1);
  ASSERT_NE(std::string::npos, at) << from;
  text.replace(at, from.size(), to);
}
// The start of the comment box of the function whose prototype names `name`.
size_t BoxOf(const std::string& text, const std::string& name) {
  const size_t proto = text.find("long " + name + "( struct");
  return text.rfind("/****", proto);
}
const std::string kKhQueryEnd = "    return nRetCode;\r\n}\r\n\r\n\r\n/****";  // Kh_Query is first

struct SeenCase {
  const char* name;
  const char* kind = "fos";
  long module = 1;
  bool record = true;                     // false: generated before records existed
  std::function<void(Files&)> edit{};     // the programmer's and the editor's doing
  std::vector<std::string> mine{};        // hand-written lines (UTF-8) the merge must keep
  const char* sql = "";                   // the database change
  const char* args = "";                  // more options of the merge
  const char* author = "dev";              // the author the merge runs with
  bool otherFolder = false;               // merged over FOS module 1's files
  int status = 0;
  const char* message = "";               // in stdout (status 0) or stderr
  std::function<void(const std::string& merged, const std::string& plain)> check = nullptr;
};

const std::string kHelper = "static int Helper() { return 1; }\r\n\r\n";

std::vector<SeenCase> SeenCases() {
  std::vector<SeenCase> cases;
  // 1. A helper after a function that leaves, before the new first function.
  cases.push_back({.name = "HelperAfterARemovedFirstFunction",
                   .edit = [](Files& f) { f.cpp.insert(BoxOf(f.cpp, "Kh_Open"), kHelper); },
                   .mine = {"static int Helper() { return 1; }"},
                   .sql = "DELETE FROM T154 WHERE ID = 101;",
                   .message = "removed unedited 1 (Kh_Query)"});
  cases.push_back({.name = "HelperAfterARemovedFirstFunctionWithoutRecord",
                   .record = false,
                   .edit = [](Files& f) { f.cpp.insert(BoxOf(f.cpp, "Kh_Open"), kHelper); },
                   .mine = {"static int Helper() { return 1; }"},
                   .sql = "DELETE FROM T154 WHERE ID = 101;",
                   .message = "no record of the last generation"});
  // 2. "} // end" on a closing brace, a helper after it.
  auto endComment = [](Files& f) {
    Replace(f.cpp, kKhQueryEnd, "    return nRetCode;\r\n} // end Kh_Query\r\n\r\n" + kHelper + "\r\n/****");
  };
  cases.push_back({.name = "EndCommentOnABrace",
                   .edit = endComment,
                   .mine = {"} // end Kh_Query", "static int Helper() { return 1; }"},
                   .sql = "INSERT INTO T156 VALUES (1099, 101, 'ZJBH', 1, 0, 1, 101, 'FID_ZJBH');",
                   .check = [](const std::string& merged, const std::string&) {
                     EXPECT_NE(std::string::npos, merged.find("FID_ZJBH"));
                   }});
  cases.push_back({.name = "EndCommentOnABraceWithoutRecord",
                   .record = false,
                   .edit = endComment,
                   .sql = "INSERT INTO T156 VALUES (1099, 101, 'ZJBH', 1, 0, 1, 101, 'FID_ZJBH');",
                   .status = 1,
                   .message = "the braces of Kh_Query close here"});
  // 3. A "}" at the left margin inside a function, outside its regions.
  auto leftBrace = [](Files& f) { Replace(f.cpp, "        return nRetCode;\r\n    }\r\n", "        return nRetCode;\r\n}\r\n"); };
  cases.push_back({.name = "BraceAtTheLeftMarginInsideAFunction",
                   .edit = leftBrace,
                   .sql = "INSERT INTO T156 VALUES (1099, 101, 'ZJBH', 1, 0, 1, 101, 'FID_ZJBH');",
                   .check = [](const std::string& merged, const std::string& plain) {
                     // Nothing of the old function stays behind: as long as the plain text.
                     EXPECT_EQ(std::count(plain.begin(), plain.end(), '\n'), std::count(merged.begin(), merged.end(), '\n'));
                   }});
  cases.push_back({.name = "BraceAtTheLeftMarginWithoutRecord",
                   .record = false,
                   .edit = leftBrace,
                   .status = 1,
                   .message = "Process.cpp:"});
  // 4. #ifdef around a function whose place changes.
  cases.push_back({.name = "IfdefAroundAFunctionThatMoves",
                   .edit = [](Files& f) {
                     f.cpp.insert(BoxOf(f.cpp, "Kh_Open"), "#endif // HAVE_LIST\r\n\r\n");
                     f.cpp.insert(BoxOf(f.cpp, "Kh_List"), "#ifdef HAVE_LIST\r\n");
                     f.cpp.insert(BoxOf(f.cpp, "ModifyCustInfo"), "#endif // HAVE_LIST\r\n\r\n");
                     f.cpp.insert(BoxOf(f.cpp, "Kh_Open"), "#ifdef HAVE_LIST\r\n");
                   },
                   .mine = {"#ifdef HAVE_LIST", "#endif // HAVE_LIST"},
                   .sql = "UPDATE T154 SET F18 = 1999 WHERE ID = 103;",
                   .check = [](const std::string& merged, const std::string&) {
                     const size_t list = BoxOf(merged, "Kh_List");
                     EXPECT_GT(list, BoxOf(merged, "Kh_Pwd_Modify"));  // moved to the end
                     EXPECT_EQ(list - 18, merged.rfind("#ifdef HAVE_LIST\r\n", list));
                     EXPECT_NE(std::string::npos, merged.find("}\r\n\r\n\r\n#endif // HAVE_LIST", list));
                   }});
  cases.push_back({.name = "IfdefAroundAFunctionThatMovesWithoutRecord",
                   .record = false,
                   .edit = [](Files& f) {
                     f.cpp.insert(BoxOf(f.cpp, "Kh_List"), "#ifdef HAVE_LIST\r\n");
                     f.cpp.insert(BoxOf(f.cpp, "ModifyCustInfo"), "#endif // HAVE_LIST\r\n\r\n");
                   },
                   .sql = "UPDATE T154 SET F18 = 1999 WHERE ID = 103;",
                   .status = 1,
                   .message = "an #if or #endif between functions whose order changes"});
  // 5. A comment between identification line and prototype.
  cases.push_back({.name = "CommentBetweenIdentificationAndPrototype",
                   .edit = [](Files& f) { InsertBeforeLine(f.cpp, "long Kh_Open(", G("// 开户要先查黑名单\r\n")); },
                   .mine = {"// 开户要先查黑名单"},
                   .sql = "UPDATE T154 SET F22 = '客户开户登记' WHERE ID = 102;",
                   .check = [](const std::string& merged, const std::string&) {
                     EXPECT_EQ(std::string::npos, merged.find(G("//KH_OPEN    1002    //客户开户\r\n")));
                     EXPECT_NE(std::string::npos, merged.find(G("//KH_OPEN    1002    //客户开户登记\r\n// 开户要先查黑名单\r\nlong Kh_Open(")));
                   }});
  cases.push_back({.name = "CommentBetweenIdentificationAndPrototypeWithoutRecord",
                   .record = false,
                   .edit = [](Files& f) { InsertBeforeLine(f.cpp, "long Kh_Open(", G("// 开户要先查黑名单\r\n")); },
                   .status = 1,
                   .message = "is not its identification line"});
  // 6. A hand-written function in the generated shape.
  cases.push_back({.name = "HandWrittenFunctionInTheGeneratedShape",
                   .edit = [](Files& f) {
                     f.cpp.insert(BoxOf(f.cpp, "Kh_List"),
                                  "//KH_MINE    1999    //mine\r\nlong Kh_Mine( struct Service_Module* pModule )\r\n{\r\n    return 0;\r\n}\r\n\r\n\r\n");
                   },
                   .mine = {"long Kh_Mine( struct Service_Module* pModule )"},
                   .sql = "INSERT INTO T156 VALUES (1099, 101, 'ZJBH', 1, 0, 1, 101, 'FID_ZJBH');",
                   .check = [](const std::string& merged, const std::string&) {
                     EXPECT_EQ(std::string::npos, merged.find("#if 0"));
                     EXPECT_LT(merged.find("long Kh_Mine("), BoxOf(merged, "Kh_List"));
                   }});
  cases.push_back({.name = "HandWrittenFunctionThatReachesTheDatabase",
                   .edit = [](Files& f) {
                     f.cpp.insert(BoxOf(f.cpp, "Kh_List"),
                                  "//KH_MINE    1999    //mine\r\nlong Kh_Mine( struct Service_Module* pModule "
                                  ")\r\n{\r\n    return 0;\r\n}\r\n\r\n\r\n");
                   },
                   .mine = {"long Kh_Mine( struct Service_Module* pModule )"},
                   .sql = "INSERT INTO T154 VALUES (199, 1999, 'KH_MINE', 'mine', NULL, 1, NULL, NULL, 0);",
                   .message = "already written by hand 1 (Kh_Mine)",
                   .check = [](const std::string& merged, const std::string&) {
                     EXPECT_EQ(merged.find("long Kh_Mine("), merged.rfind("long Kh_Mine("));
                   }});
  // 7. An editor's BOM, and UTF-8 with a character GBK lacks.
  cases.push_back({.name = "ByteOrderMark",
                   .edit = [](Files& f) { f.cpp = "\xEF\xBB\xBF" + f.cpp; },
                   .status = 1,
                   .message = "Process.cpp:1: starts with a UTF-8 byte order mark"});
  cases.push_back({.name = "Utf8WithACharacterGbkLacks",
                   .edit = [](Files& f) {
                     f.cpp = ff::gbk::ToUtf8(f.cpp);
                     InsertBeforeLine(f.cpp, "long Kh_Open(", "// \xE2\x80\xA2 done\r\n");
                   },
                   .status = 1,
                   .message = "which GBK lacks"});
  // 8. Nobody edits; a transaction type changes: the file follows the database.
  cases.push_back({.name = "UntouchedRegionFollowsTheDatabase",
                   .kind = "bls",
                   .module = 21,
                   .sql = "UPDATE T161 SET F5 = 1 WHERE ID = 505;",
                   .check = [](const std::string& merged, const std::string& plain) { EXPECT_TRUE(plain == merged); }});
  // 9. The author of the comments changes: Process.cpp's comment follows.
  cases.push_back({.name = "FileCommentFollowsTheSettings",
                   .edit = [](Files& f) { InsertAfterLine(f.cpp, "*1.      2006.03.05", G("*2.      2006.04.01       v1.0.0.2            dev     加黑名单\r\n")); },
                   .mine = {"*2.      2006.04.01       v1.0.0.2            dev     加黑名单"},
                   .author = "someone",
                   .check = [](const std::string& merged, const std::string&) {
                     EXPECT_NE(std::string::npos, merged.find(G("原作者：  someone")));
                     EXPECT_EQ(std::string::npos, merged.find(G("原作者：  dev")));
                   }});
  // 10. Another module's folder.
  cases.push_back({.name = "AnotherModulesFolder",
                   .kind = "bls",
                   .module = 21,
                   .otherFolder = true,
                   .status = 1,
                   .message = "generated for FOS module 1"});
  cases.push_back({.name = "AnotherModulesFolderWithoutRecord",
                   .kind = "bls",
                   .module = 21,
                   .record = false,
                   .otherFolder = true,
                   .status = 1,
                   .message = "its file comment names another module or kind"});
  cases.push_back({.name = "AnotherModulesFolderForced",
                   .kind = "bls",
                   .module = 21,
                   .edit = [](Files& f) { Replace(f.cpp, "    pDB->Cmd(\"SELECT '...' \");", "    pDB->Cmd(\"SELECT 1\");"); },
                   .mine = {"    pDB->Cmd(\"SELECT 1\");"},
                   .args = "--force-retire",
                   .otherFolder = true,
                   .message = "retired 1 (Kh_Query)"});
  // 11. Process.h declarations, history rows, includes, line ends.
  cases.push_back({.name = "DeclarationsIncludesAndLineEnds",
                   .edit = [](Files& f) {
                     InsertBeforeLine(f.h, "#endif", "int Helper();\r\n");
                     InsertAfterLine(f.cpp, "#include <string>", "#include <map>\r\n");
                     // A history row in Kh_Query's comment box (the second history table).
                     const size_t row = f.cpp.find("*1.      2006.03.05", f.cpp.find("*1.      2006.03.05") + 1);
                     f.cpp.insert(f.cpp.find('\n', row) + 1, G("*2.      2006.04.01       v1.0.0.2            dev     改查询\r\n"));
                     ff::gbk::ReplaceAll(f.cpp, "\r\n", "\n");
                   },
                   .mine = {"int Helper();", "#include <map>", "*2.      2006.04.01       v1.0.0.2            dev     改查询"},
                   .sql = "INSERT INTO T154 VALUES (199, 1099, 'KH_NEW', 'NEW', NULL, 1, NULL, NULL, 0);"
                          "INSERT INTO T156 VALUES (1099, 101, 'ZJBH', 1, 0, 1, 101, 'FID_ZJBH');",
                   .check = [](const std::string& merged, const std::string&) {
                     EXPECT_NE(std::string::npos, merged.find("long Kh_New("));
                   }});
  cases.push_back({.name = "DeclarationsWithoutRecord",
                   .record = false,
                   .edit = [](Files& f) { InsertBeforeLine(f.h, "#endif", "int Helper();\r\n"); },
                   .mine = {"int Helper();"},
                   .sql = "DELETE FROM T154 WHERE ID = 103;"});
  // 12. A file cut off in a comment box.
  cases.push_back({.name = "CutOffFile",
                   .edit = [](Files& f) { f.cpp.resize(BoxOf(f.cpp, "Kh_List") + 30); },
                   .status = 1,
                   .message = "the last line has no line end"});
  // The programmer and the database changed the same line.
  auto sameLine = [](Files& f) { Replace(f.cpp, "    pSvrComm->CreateAnswer();\r\n    if ( pDB->More() )", G("    pSvrComm->CreateAnswer(); // 手改\r\n    if ( pDB->More() )")); };
  cases.push_back({.name = "ConflictIsRefused",
                   .edit = sameLine,
                   .sql = "UPDATE T154 SET F34 = 1 WHERE ID = 101;",
                   .status = 1,
                   .message = "conflict in Kh_Query: lines"});
  cases.push_back({.name = "ConflictMarkers",
                   .edit = sameLine,
                   .mine = {"    pSvrComm->CreateAnswer(); // 手改"},
                   .sql = "UPDATE T154 SET F34 = 1 WHERE ID = 101;",
                   .args = "--conflict-markers",
                   .status = 1,
                   .message = "conflict(s) written into the files"});
  return cases;
}

void PrintTo(const SeenCase& c, std::ostream* out) { *out << c.name; }

class SeenWrong : public MergeCommand, public ::testing::WithParamInterface<SeenCase> {};

TEST_P(SeenWrong, NoHandWrittenLineIsLost) {
  const SeenCase& c = GetParam();
  const std::string module = c.otherFolder ? std::string(" module --kind fos --module 1 --out '") + out + "'"
                                           : std::string(" module --kind ") + c.kind + " --module " +
                                                 std::to_string(c.module) + " --out '" + out + "'";
  ASSERT_EQ(0, Run("--force" + module).status);
  if (!c.record) std::filesystem::remove(out + "/.fidforge-base");
  Files files{ReadFile(out + "/Process.cpp"), ReadFile(out + "/Process.h")};
  if (c.edit) c.edit(files);
  WriteFile(out + "/Process.cpp", files.cpp);
  WriteFile(out + "/Process.h", files.h);
  if (*c.sql) Sql(c.sql);

  const std::string target = std::string(" module --kind ") + c.kind + " --module " + std::to_string(c.module) +
                             " --out '" + out + "' --merge " + c.args;
  author = c.author;
  const Result r = Run("--force" + target);
  EXPECT_EQ(c.status, r.status) << r.out << r.err;
  const std::string said = c.status == 0 ? r.out : r.err;
  EXPECT_NE(std::string::npos, said.find(c.message)) << said;
  const std::string merged = ReadFile(out + "/Process.cpp");
  if (c.status != 0 && c.mine.empty()) {
    EXPECT_EQ(files.cpp, merged);
    EXPECT_EQ(files.h, ReadFile(out + "/Process.h"));
    return;
  }
  const std::string both = merged + ReadFile(out + "/Process.h");
  for (const std::string& line : c.mine) EXPECT_NE(std::string::npos, both.find(G(line) + "\r\n")) << line;
  for (size_t at = both.find('\n'); at != std::string::npos; at = both.find('\n', at + 1)) {
    ASSERT_TRUE(at > 0 && both[at - 1] == '\r') << "a line without CR at byte " << at;
  }
  if (c.status != 0) return;
  // Twice is once.
  const Result again = Run("--force" + target);
  EXPECT_EQ(0, again.status) << again.err;
  EXPECT_EQ(merged, ReadFile(out + "/Process.cpp"));
  if (c.check) {
    const std::string plainDir = dir / "plain";
    ASSERT_EQ(0, Run(std::string("--force module --kind ") + c.kind + " --module " +
                     std::to_string(c.module) + " --out '" + plainDir + "'")
                     .status);
    c.check(merged, ReadFile(plainDir + "/Process.cpp"));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, SeenWrong, ::testing::ValuesIn(SeenCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MergeCommand, CheckMergeDiffPrintsWhatWouldChange) {
  ASSERT_EQ(0, Run("--force module --kind fos --module 1 --out '" + out + "'").status);
  Sql("INSERT INTO T156 VALUES (1099, 101, 'ZJBH', 1, 0, 1, 101, 'FID_ZJBH');");
  const std::string before = ReadFile(out + "/Process.cpp");
  const Result r = Run("--check module --kind fos --module 1 --out '" + out + "' --merge --diff");
  EXPECT_EQ(5, r.status) << r.err;
  EXPECT_NE(std::string::npos, r.out.find("--- a/" + out + "/Process.cpp\n+++ b/" + out + "/Process.cpp\n@@ -")) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("\n+    string sFidZJBH")) << r.out;
  EXPECT_EQ(before, ReadFile(out + "/Process.cpp"));
  EXPECT_EQ(2, Run("--check module --kind fos --module 1 --out '" + out + "' --diff").status);
}

TEST_F(MergeCommand, AFunctionThatReturnsTakesItsCodeBack) {
  ASSERT_EQ(0, Run("--force module --kind fos --module 1 --out '" + out + "'").status);
  std::string edited = ReadFile(out + "/Process.cpp");
  const std::string mine = G("    pDB->Cmd(\"EXEC P_KH_OPEN\"); // 手写\r\n");
  Replace(edited, "    pDB->Cmd(\"SELECT '...' \");\r\n", mine, 1);  // Kh_Open's
  WriteFile(out + "/Process.cpp", edited);
  const std::string merge = "--force module --kind fos --module 1 --out '" + out + "' --merge";
  Sql("CREATE TABLE keep AS SELECT * FROM T154 WHERE ID = 102; DELETE FROM T154 WHERE ID = 102;");
  Result r = Run(merge);
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_NE(std::string::npos, r.out.find("retired 1 (Kh_Open)")) << r.out;
  EXPECT_NE(std::string::npos, ReadFile(out + "/Process.cpp").find("#endif // Kh_Open\r\n"));

  Sql("INSERT INTO T154 SELECT * FROM keep;");
  r = Run(merge);
  ASSERT_EQ(0, r.status) << r.err;
  EXPECT_NE(std::string::npos, r.out.find("restored 1 (Kh_Open)")) << r.out;
  const std::string back = ReadFile(out + "/Process.cpp");
  EXPECT_NE(std::string::npos, back.find(mine));
  EXPECT_EQ(std::string::npos, back.find("#if 0"));

  // Gone again: one block, not two.
  Sql("DELETE FROM T154 WHERE ID = 102;");
  ASSERT_EQ(0, Run(merge).status);
  const std::string again = ReadFile(out + "/Process.cpp");
  EXPECT_EQ(again.find("#if 0"), again.rfind("#if 0"));
}

TEST_F(MergeCommand, ADeclinedFileKeepsItsOldBaseInTheRecord) {
  ASSERT_EQ(0, Run("--force module --kind fos --module 1 --out '" + out + "'").status);
  const std::string record = ReadFile(out + "/.fidforge-base");
  Sql("INSERT INTO T156 VALUES (1099, 101, 'ZJBH', 1, 0, 1, 101, 'FID_ZJBH');");
  // Without --force and without a terminal the changed Process.cpp is declined.
  Result r = Run("module --kind fos --module 1 --out '" + out + "'");
  EXPECT_EQ(3, r.status) << r.out << r.err;
  EXPECT_EQ(record, ReadFile(out + "/.fidforge-base"));
  // The file nobody edited then follows the database on a merge.
  r = Run("--force module --kind fos --module 1 --out '" + out + "' --merge");
  ASSERT_EQ(0, r.status) << r.err;
  ASSERT_EQ(0, Run("--force module --kind fos --module 1 --out '" + (dir / "plain") + "'").status);
  EXPECT_TRUE(ReadFile(dir / "plain/Process.cpp") == ReadFile(out + "/Process.cpp"));
}

TEST_F(MergeCommand, ARecordThatCannotBeWrittenFailsTheRunAndSaysWhy) {
  std::filesystem::create_directories(out + "/.fidforge-base");
  const Result r = Run("--force module --kind fos --module 1 --out '" + out + "'");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.err.find(out + "/.fidforge-base: Is a directory")) << r.err;
}

}  // namespace
