// fidforge-cli module --merge as a programmer lives with it, one row for
// each thing a back-office developer saw go wrong: generate a module (with
// its record, or without: the record deleted), edit the files as a
// programmer or an editor would, change the database, merge. A merge that
// goes through keeps every hand-written line, writes CR LF throughout and
// changes nothing when run again; a refusal leaves both files byte for
// byte and names file and line.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/gbk_text.h"
#include "tests/support/cli_run.h"
#include "tests/support/test_support.h"

namespace {

using ff::test::G;
using ff::test::ReadFile;
using ff::test::WriteFile;

struct Files {
  std::string cpp, h;  // GBK, as on disk
  std::string out;     // their folder
};

// Inserts `insertion` before the first line holding `anchor`.
void InsertBeforeLine(std::string& text, const std::string& anchor, const std::string& insertion) {
  const size_t at = text.find(anchor);
  ASSERT_NE(std::string::npos, at) << anchor;
  const size_t start = text.rfind('\n', at);
  text.insert(start == std::string::npos ? 0 : start + 1, insertion);
}
// Inserts `insertion` after the line holding `anchor`.
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
  return text.rfind("/****", text.find("long " + name + "( struct"));
}
const std::string kKhQueryEnd = "    return nRetCode;\r\n}\r\n\r\n\r\n/****";  // Kh_Query is first
const std::string kHelper = "static int Helper() { return 1; }\r\n\r\n";
const std::string kPlaceholder = "    pDB->Cmd(\"SELECT '...' \");\r\n";
const char* kNewParameter = "INSERT INTO T156 VALUES (1099, 101, 'ZJBH', 1, 0, 1, 101, 'FID_ZJBH');";

// A run before the one of the row, after its own database change.
struct Step {
  const char* sql;
  const char* global;  // the options before the command
  const char* args;    // after `module --kind K --module M --out OUT`
  int status;
  const char* said;
};

struct SeenCase {
  const char* name;
  const char* kind = "fos";
  long module = 1;
  bool record = true;                            // false: generated before records existed
  const char* before = "";                       // the database change before the first generation
  const char* generate = "--force";              // the options of the first generation
  std::function<void(Files&)> edit{};            // the programmer's and the editor's doing
  std::vector<std::string> mine{};               // hand-written lines (UTF-8) the merge must keep
  bool utf8 = false;                             // the files are UTF-8
  std::vector<Step> earlier{};
  const char* sql = "";                          // the database change
  const char* global = "--force";
  const char* args = "--merge";
  const char* author = "dev";                    // the author the merge runs with
  bool otherFolder = false;                      // merged over FOS module 1's files
  int status = 0;
  std::vector<std::string> said{};               // in stdout (status 0 and 5) or stderr; OUT: the folder
  std::function<void(const std::string& merged, const std::string& plain)> check = nullptr;
};

std::vector<SeenCase> SeenCases() {
  std::vector<SeenCase> cases;
  // SQL by hand in the first function, a helper at the end; a parameter
  // added, a function dropped, a function added.
  cases.push_back({.name = "HandWrittenCodeSurvivesDatabaseChanges",
                   .edit = [](Files& f) {
                     Replace(f.cpp, kPlaceholder, G("    pDB->Cmd(\"SELECT KHXM FROM TKHXX\"); // 手写\r\n"));
                     f.cpp += "static int Helper() { return 1; }\r\n";
                   },
                   .mine = {"    pDB->Cmd(\"SELECT KHXM FROM TKHXX\"); // 手写", "static int Helper() { return 1; }"},
                   .sql = "INSERT INTO T156 VALUES (1099, 104, 'ZJBH', 1, 0, 1, 101, 'FID_ZJBH');"
                          "DELETE FROM T154 WHERE ID = 102;"
                          "INSERT INTO T154 VALUES (199, 1099, 'KH_NEW', 'NEW', NULL, 1, NULL, NULL, 0);",
                   .said = {"merged: OUT/Process.cpp: functions refreshed 1, kept as edited 1, added 1 (Kh_New), "
                            "retired 0, restored 0, conflicts 0, removed unedited 1 (Kh_Open)"},
                   .check = [](const std::string& merged, const std::string&) {
                     EXPECT_NE(std::string::npos, merged.find("GetItem( FID_ZJBH )"));
                     EXPECT_NE(std::string::npos, merged.find("long Kh_New( struct Service_Module* pModule )\r\n{"));
                     EXPECT_EQ(std::string::npos, merged.find("Kh_Open"));  // nobody had edited it
                   }});
  // A helper after a function that leaves, before the new first function.
  auto helperBeforeKhOpen = [](Files& f) { f.cpp.insert(BoxOf(f.cpp, "Kh_Open"), kHelper); };
  cases.push_back({.name = "HelperAfterARemovedFirstFunction", .edit = helperBeforeKhOpen,
                   .mine = {"static int Helper() { return 1; }"}, .sql = "DELETE FROM T154 WHERE ID = 101;",
                   .said = {"removed unedited 1 (Kh_Query)"}});
  cases.push_back({.name = "HelperAfterARemovedFirstFunctionWithoutRecord", .record = false, .edit = helperBeforeKhOpen,
                   .mine = {"static int Helper() { return 1; }"}, .sql = "DELETE FROM T154 WHERE ID = 101;",
                   .said = {"no record of the last generation"}});
  // "} // end" on a closing brace, a helper after it (kept with a record:
  // the property test).
  cases.push_back({.name = "EndCommentOnABraceWithoutRecord", .record = false,
                   .edit = [](Files& f) {
                     Replace(f.cpp, kKhQueryEnd, "    return nRetCode;\r\n} // end Kh_Query\r\n\r\n" + kHelper + "\r\n/****");
                   },
                   .sql = kNewParameter, .status = 1, .said = {"the braces of Kh_Query close here"}});
  // A "}" at the left margin inside a function, outside its regions.
  auto leftBrace = [](Files& f) {
    Replace(f.cpp, "        return nRetCode;\r\n    }\r\n", "        return nRetCode;\r\n}\r\n");
  };
  cases.push_back({.name = "BraceAtTheLeftMarginInsideAFunction", .edit = leftBrace, .sql = kNewParameter,
                   .check = [](const std::string& merged, const std::string& plain) {
                     // Nothing of the old function stays behind: as long as the plain text.
                     EXPECT_EQ(std::count(plain.begin(), plain.end(), '\n'), std::count(merged.begin(), merged.end(), '\n'));
                   }});
  cases.push_back({.name = "BraceAtTheLeftMarginWithoutRecord", .record = false, .edit = leftBrace, .status = 1,
                   .said = {"Process.cpp:"}});
  // #ifdef around a function whose place changes.
  cases.push_back({.name = "IfdefAroundAFunctionThatMoves",
                   .edit = [](Files& f) {
                     f.cpp.insert(BoxOf(f.cpp, "Kh_Open"), "#endif // HAVE_LIST\r\n\r\n");
                     f.cpp.insert(BoxOf(f.cpp, "Kh_List"), "#ifdef HAVE_LIST\r\n");
                     f.cpp.insert(BoxOf(f.cpp, "ModifyCustInfo"), "#endif // HAVE_LIST\r\n\r\n");
                     f.cpp.insert(BoxOf(f.cpp, "Kh_Open"), "#ifdef HAVE_LIST\r\n");
                   },
                   .mine = {"#ifdef HAVE_LIST", "#endif // HAVE_LIST"}, .sql = "UPDATE T154 SET F18 = 1999 WHERE ID = 103;",
                   .check = [](const std::string& merged, const std::string&) {
                     const size_t list = BoxOf(merged, "Kh_List");
                     EXPECT_GT(list, BoxOf(merged, "Kh_Pwd_Modify"));  // moved to the end
                     EXPECT_EQ(list - 18, merged.rfind("#ifdef HAVE_LIST\r\n", list));
                     EXPECT_NE(std::string::npos, merged.find("}\r\n\r\n\r\n#endif // HAVE_LIST", list));
                   }});
  cases.push_back({.name = "IfdefAroundAFunctionThatMovesWithoutRecord", .record = false,
                   .edit = [](Files& f) {
                     f.cpp.insert(BoxOf(f.cpp, "Kh_List"), "#ifdef HAVE_LIST\r\n");
                     f.cpp.insert(BoxOf(f.cpp, "ModifyCustInfo"), "#endif // HAVE_LIST\r\n\r\n");
                   },
                   .sql = "UPDATE T154 SET F18 = 1999 WHERE ID = 103;", .status = 1,
                   .said = {"an #if or #endif between functions whose order changes"}});
  // A comment between identification line and prototype.
  auto noteAboveKhOpen = [](Files& f) { InsertBeforeLine(f.cpp, "long Kh_Open(", G("// 开户要先查黑名单\r\n")); };
  cases.push_back({.name = "CommentBetweenIdentificationAndPrototype", .edit = noteAboveKhOpen,
                   .mine = {"// 开户要先查黑名单"}, .sql = "UPDATE T154 SET F22 = '客户开户登记' WHERE ID = 102;",
                   .check = [](const std::string& merged, const std::string&) {
                     EXPECT_EQ(std::string::npos, merged.find(G("//KH_OPEN    1002    //客户开户\r\n")));
                     EXPECT_NE(std::string::npos,
                               merged.find(G("//KH_OPEN    1002    //客户开户登记\r\n// 开户要先查黑名单\r\nlong Kh_Open(")));
                   }});
  cases.push_back({.name = "CommentBetweenIdentificationAndPrototypeWithoutRecord", .record = false,
                   .edit = noteAboveKhOpen, .status = 1, .said = {"is not its identification line"}});
  // A hand-written function in the generated shape, and one the database then gets.
  auto mineFunction = [](Files& f) {
    f.cpp.insert(BoxOf(f.cpp, "Kh_List"), "//KH_MINE    1999    //mine\r\nlong Kh_Mine( struct Service_Module* pModule "
                                          ")\r\n{\r\n    return 0;\r\n}\r\n\r\n\r\n");
  };
  cases.push_back({.name = "HandWrittenFunctionInTheGeneratedShape", .edit = mineFunction,
                   .mine = {"long Kh_Mine( struct Service_Module* pModule )"}, .sql = kNewParameter,
                   .check = [](const std::string& merged, const std::string&) {
                     EXPECT_EQ(std::string::npos, merged.find("#if 0"));
                     EXPECT_LT(merged.find("long Kh_Mine("), BoxOf(merged, "Kh_List"));
                   }});
  cases.push_back({.name = "HandWrittenFunctionThatReachesTheDatabase", .edit = mineFunction,
                   .mine = {"long Kh_Mine( struct Service_Module* pModule )"},
                   .sql = "INSERT INTO T154 VALUES (199, 1999, 'KH_MINE', 'mine', NULL, 1, NULL, NULL, 0);",
                   .said = {"already written by hand 1 (Kh_Mine)"},
                   .check = [](const std::string& merged, const std::string&) {
                     EXPECT_EQ(merged.find("long Kh_Mine("), merged.rfind("long Kh_Mine("));
                   }});
  // An editor's BOM, UTF-8 with a character GBK lacks, UTF-8 files merged
  // without and with their encoding.
  cases.push_back({.name = "ByteOrderMark", .edit = [](Files& f) { f.cpp = "\xEF\xBB\xBF" + f.cpp; }, .status = 1,
                   .said = {"OUT/Process.cpp:1: starts with a UTF-8 byte order mark"}});
  cases.push_back({.name = "Utf8WithACharacterGbkLacks",
                   .edit = [](Files& f) {
                     f.cpp = ff::gbk::ToUtf8(f.cpp);
                     InsertBeforeLine(f.cpp, "long Kh_Open(", "// \xE2\x80\xA2 done\r\n");
                   },
                   .status = 1, .said = {"which GBK lacks", "U+2022"}});
  auto utf8Note = [](Files& f) { InsertBeforeLine(f.cpp, "    pClient->DirectToDest();\r\n", "    // 先记日志 乗|亅\r\n"); };
  cases.push_back({.name = "Utf8FileMergedAsGbk", .kind = "bls", .module = 21, .generate = "--force --encoding utf-8",
                   .edit = utf8Note, .status = 1, .said = {"OUT/Process.cpp:2: UTF-8 text"}});
  cases.push_back({.name = "Utf8FileMergedAsUtf8", .kind = "bls", .module = 21, .generate = "--force --encoding utf-8",
                   .edit = utf8Note, .mine = {"    // 先记日志 乗|亅"}, .utf8 = true, .global = "--force --encoding utf-8",
                   .said = {"merged: OUT/Process.cpp: functions refreshed 0, kept as edited 1"}});
  // Nobody edits; a transaction type changes: the file follows the database.
  cases.push_back({.name = "UntouchedRegionFollowsTheDatabase", .kind = "bls", .module = 21,
                   .sql = "UPDATE T161 SET F5 = 1 WHERE ID = 505;",
                   .check = [](const std::string& merged, const std::string& plain) { EXPECT_TRUE(plain == merged); }});
  // The author of the comments changes: Process.cpp's comment follows.
  cases.push_back({.name = "FileCommentFollowsTheSettings",
                   .edit = [](Files& f) {
                     InsertAfterLine(f.cpp, "*1.      2006.03.05",
                                     G("*2.      2006.04.01       v1.0.0.2            dev     加黑名单\r\n"));
                   },
                   .mine = {"*2.      2006.04.01       v1.0.0.2            dev     加黑名单"}, .author = "someone",
                   .check = [](const std::string& merged, const std::string&) {
                     EXPECT_NE(std::string::npos, merged.find(G("原作者：  someone")));
                     EXPECT_EQ(std::string::npos, merged.find(G("原作者：  dev")));
                   }});
  // Another module's folder.
  cases.push_back({.name = "AnotherModulesFolder", .kind = "bls", .module = 21, .otherFolder = true, .status = 1,
                   .said = {"generated for FOS module 1"}});
  cases.push_back({.name = "AnotherModulesFolderWithoutRecord", .kind = "bls", .module = 21, .record = false,
                   .otherFolder = true, .status = 1, .said = {"its file comment names another module or kind"}});
  cases.push_back({.name = "AnotherModulesFolderForced", .kind = "bls", .module = 21,
                   .edit = [](Files& f) { Replace(f.cpp, "    pDB->Cmd(\"SELECT '...' \");", "    pDB->Cmd(\"SELECT 1\");"); },
                   .mine = {"    pDB->Cmd(\"SELECT 1\");"}, .args = "--merge --force-retire", .otherFolder = true,
                   .said = {"retired 1 (Kh_Query)"}});
  // Process.h declarations, history rows, includes, line ends.
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
  // Damaged files: a file cut off in a comment box, a region without its end
  // (Process.h is left alone as well).
  cases.push_back({.name = "CutOffFile", .edit = [](Files& f) { f.cpp.resize(BoxOf(f.cpp, "Kh_List") + 30); },
                   .status = 1, .said = {"the last line has no line end"}});
  cases.push_back({.name = "RegionWithoutItsEnd",
                   .edit = [](Files& f) {
                     const size_t end = f.cpp.find("    //##EndSQL");
                     f.cpp.erase(end, f.cpp.find('\n', end) + 1 - end);
                     f.h = "old header\r\n";
                   },
                   .status = 1, .said = {"OUT/Process.cpp:96: //##BeginSQL without its //##EndSQL"}});
  // The programmer and the database changed the same line.
  auto sameLine = [](Files& f) {
    Replace(f.cpp, "    pSvrComm->CreateAnswer();\r\n    if ( pDB->More() )",
            G("    pSvrComm->CreateAnswer(); // 手改\r\n    if ( pDB->More() )"));
  };
  cases.push_back({.name = "ConflictIsRefused", .edit = sameLine, .sql = "UPDATE T154 SET F34 = 1 WHERE ID = 101;",
                   .status = 1, .said = {"conflict in Kh_Query: lines"}});
  cases.push_back({.name = "ConflictMarkers", .edit = sameLine, .mine = {"    pSvrComm->CreateAnswer(); // 手改"},
                   .sql = "UPDATE T154 SET F34 = 1 WHERE ID = 101;", .args = "--merge --conflict-markers", .status = 1,
                   .said = {"conflict(s) written into the files"}});
  // A check prints what the merge would change and writes nothing; --diff
  // goes with a merge only.
  cases.push_back({.name = "CheckMergeDiffPrintsWhatWouldChange", .sql = kNewParameter, .global = "--check",
                   .args = "--merge --diff", .status = 5,
                   .said = {"--- a/OUT/Process.cpp\n+++ b/OUT/Process.cpp\n@@ -", "\n+    string sFidZJBH"}});
  cases.push_back({.name = "DiffWithoutMerge", .global = "--check", .args = "--diff", .status = 2,
                   .said = {"--diff goes with --check and --merge"}});
  // A function that leaves and returns takes its code back; gone again, one block.
  cases.push_back({.name = "AFunctionThatReturnsTakesItsCodeBack",
                   .edit = [](Files& f) { Replace(f.cpp, kPlaceholder, G("    pDB->Cmd(\"EXEC P_KH_OPEN\"); // 手写\r\n"), 1); },
                   .mine = {"    pDB->Cmd(\"EXEC P_KH_OPEN\"); // 手写"},
                   .earlier = {{"CREATE TABLE keep AS SELECT * FROM T154 WHERE ID = 102; DELETE FROM T154 WHERE ID = 102;",
                                "--force", "--merge", 0, "retired 1 (Kh_Open)"},
                               {"INSERT INTO T154 SELECT * FROM keep;", "--force", "--merge", 0, "restored 1 (Kh_Open)"}},
                   .sql = "DELETE FROM T154 WHERE ID = 102;",
                   .check = [](const std::string& merged, const std::string&) {
                     EXPECT_NE(std::string::npos, merged.find("#endif // Kh_Open\r\n"));
                     EXPECT_EQ(merged.find("#if 0"), merged.rfind("#if 0"));
                   }});
  // How many leaving functions make a merge stop and ask, with the record
  // and without: half of them go through; two of three, and four of six,
  // are asked about first.
  for (const bool record : {true, false}) {
    const char* const threeOnly = "DELETE FROM T154 WHERE ID IN (104, 105, 106);";
    cases.push_back({.name = record ? "HalfLeaving" : "HalfLeavingWithoutRecord", .record = record,
                     .sql = threeOnly, .said = {record ? "removed unedited 3" : "functions retired 3"}});
    cases.push_back({.name = record ? "TwoOfThreeLeaving" : "TwoOfThreeLeavingWithoutRecord", .record = record,
                     .before = threeOnly, .sql = "DELETE FROM T154 WHERE ID IN (101, 102);", .status = 1,
                     .said = {"the merge would retire 2 of its 3 functions"}});
    cases.push_back({.name = record ? "FourOfSixLeaving" : "FourOfSixLeavingWithoutRecord", .record = record,
                     .sql = "DELETE FROM T154 WHERE ID IN (101, 102, 103, 104);", .status = 1,
                     .said = {"the merge would retire 4 of its 6 functions"}});
  }
  // A declined file keeps its old base in the record: unedited, it then
  // follows the database on a merge.
  cases.push_back({.name = "ADeclinedFileKeepsItsOldBaseInTheRecord",
                   .earlier = {{kNewParameter, "", "", 3, ""}},
                   .check = [](const std::string& merged, const std::string& plain) { EXPECT_TRUE(plain == merged); }});
  cases.push_back({.name = "ADamagedRecordIsRefused",
                   .edit = [](Files& f) {
                     std::string record = ReadFile(f.out + "/.fidforge-base");
                     Replace(record, "\nmodule 1", "\nmodXle 1");
                     WriteFile(f.out + "/.fidforge-base", record);
                   },
                   .status = 1, .said = {"OUT/.fidforge-base: not a record FidForge can read (line 3: \"module N\" expected)"}});
  cases.push_back({.name = "ARecordThatCannotBeWrittenFailsTheRun",
                   .edit = [](Files& f) {
                     std::filesystem::remove(f.out + "/.fidforge-base");
                     std::filesystem::create_directories(f.out + "/.fidforge-base");
                   },
                   .args = "", .status = 1, .said = {"OUT/.fidforge-base: Is a directory"}});
  return cases;
}

void PrintTo(const SeenCase& c, std::ostream* out) { *out << c.name; }

class SeenWrong : public ff::test::CliFixture, public ::testing::WithParamInterface<SeenCase> {};

TEST_P(SeenWrong, NoHandWrittenLineIsLost) {
  const SeenCase& c = GetParam();
  environment = "SOURCE_DATE_EPOCH=1141560000";
  const std::string folder = dir / "gen/fos";  // not there yet: made by the command
  const std::string module = std::string(" module --kind ") + c.kind + " --module " + std::to_string(c.module) +
                             " --out '" + folder + "' ";
  if (*c.before) Sql(c.before);
  ASSERT_EQ(0, Run(std::string(c.generate) + (c.otherFolder ? " module --kind fos --module 1 --out '" + folder + "'" : module))
                   .status);
  if (!c.record) std::filesystem::remove(folder + "/.fidforge-base");
  Files files{ReadFile(folder + "/Process.cpp"), ReadFile(folder + "/Process.h"), folder};
  if (c.edit) c.edit(files);
  WriteFile(folder + "/Process.cpp", files.cpp);
  WriteFile(folder + "/Process.h", files.h);
  author = c.author;
  for (const Step& step : c.earlier) {
    Sql(step.sql);
    const ff::test::CliResult r = Run(std::string(step.global) + module + step.args);
    EXPECT_EQ(step.status, r.status) << step.args << "\n" << r.out << r.err;
    EXPECT_NE(std::string::npos, r.out.find(step.said)) << r.out;
  }
  if (*c.sql) Sql(c.sql);

  const std::string target = std::string(c.global) + module + c.args;
  const ff::test::CliResult r = Run(target);
  EXPECT_EQ(c.status, r.status) << r.out << r.err;
  const std::string& told = c.status == 0 || c.status == 5 ? r.out : r.err;
  for (const std::string& said : c.said) {
    EXPECT_NE(std::string::npos, told.find(ff::gbk::Replaced(said, "OUT", folder))) << told;
  }
  const std::string merged = ReadFile(folder + "/Process.cpp");
  if (c.status != 0 && c.mine.empty()) {
    EXPECT_EQ(files.cpp, merged);
    EXPECT_EQ(files.h, ReadFile(folder + "/Process.h"));
    return;
  }
  const std::string both = merged + ReadFile(folder + "/Process.h");
  for (const std::string& line : c.mine) {
    EXPECT_NE(std::string::npos, both.find((c.utf8 ? line : G(line)) + "\r\n")) << line;
  }
  for (size_t at = both.find('\n'); at != std::string::npos; at = both.find('\n', at + 1)) {
    ASSERT_TRUE(at > 0 && both[at - 1] == '\r') << "a line without CR at byte " << at;
  }
  if (c.status != 0) return;
  // Twice is once.
  const ff::test::CliResult again = Run(target);
  EXPECT_EQ(0, again.status) << again.err;
  EXPECT_EQ(merged, ReadFile(folder + "/Process.cpp"));
  if (c.check) {
    ASSERT_EQ(0, Run(std::string("--force module --kind ") + c.kind + " --module " + std::to_string(c.module) +
                     " --out '" + (dir / "plain") + "'")
                     .status);
    c.check(merged, ReadFile(dir / "plain/Process.cpp"));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, SeenWrong, ::testing::ValuesIn(SeenCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
