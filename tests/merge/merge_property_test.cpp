// The merge's promise under random use: seeded changes of the database
// (added, removed, renamed, renumbered and moved functions, new
// parameters, another transaction type) meet seeded hand edits (regions,
// helpers, "} // end", "}" at the left margin, #ifdef around functions,
// comments, history rows, Process.h declarations, includes) and editor
// habits (LF, mixed line ends, tabs, stripped blanks, a BOM, UTF-8).
// Each round: every hand-written line is in the merged files or the merge
// is refused; a function nobody edited equals the plain generation; a
// second merge changes nothing. The same without a record (files from
// before it): lines kept or refused, twice is once. FF_MERGE_ROUNDS runs
// more rounds.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codetext/code_maker.h"
#include "host/gbk_text.h"
#include "merge/base_record.h"
#include "merge/regeneration.h"
#include "merge/source_layout.h"
#include "tests/support/fixed_date.h"
#include "tests/support/test_support.h"

namespace {

using ff::merge::ModuleFilesPlan;
using ff::merge::ModuleFilesRequest;
using ff::test::WriteFile;

struct Round {
  std::mt19937 random;
  explicit Round(unsigned seed) : random(seed) {}
  int Pick(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }
};

// The text of the function `prototype` in `text`, "" when it has none.
std::string FunctionText(const std::string& text, const std::string& prototype) {
  for (const auto& f : ff::merge::ReadSourceLayout(text)) {
    if (f.prototype == prototype) return text.substr(f.begin, f.end - f.begin);
  }
  return {};
}

struct Edits {
  std::vector<std::string> mine;     // hand-written lines the merge must keep
  std::vector<std::string> touched;  // prototypes of functions edited inside
};

// Hand edits on the generated pair, each a line nobody else writes.
void EditByHand(Round& round, std::string& cpp, std::string& h, Edits& edits) {
  const int count = 1 + round.Pick(4);
  for (int e = 0; e < count; ++e) {
    std::vector<ff::merge::GeneratedFunction> fns;
    try {
      fns = ff::merge::ReadSourceLayout(cpp);  // the older reading, which earlier edits may defeat
    } catch (const ff::merge::DamagedFile&) {
      return;
    }
    if (fns.empty()) return;
    const auto& f = fns[static_cast<size_t>(round.Pick(static_cast<int>(fns.size())))];
    // The older reading may take two functions for one (after a "} // end"):
    // an edit inside it touches every function it spans.
    auto touch = [&] {
      for (size_t at = cpp.find("\nlong ", f.begin); at != std::string::npos && at < f.end;
           at = cpp.find("\nlong ", at + 1)) {
        const size_t end = cpp.find_first_of("\r\n", at + 1);
        edits.touched.push_back(cpp.substr(at + 1, end - at - 1));
      }
    };
    const std::string tag = std::to_string(e) + "_" + std::to_string(round.Pick(100000));
    // Puts the hand-written line `mine` into `text` at `at`.
    auto put = [&](std::string& text, size_t at, const std::string& mine, bool inside) {
      if (inside) touch();
      text.insert(at, mine + "\r\n");
      edits.mine.push_back(mine);
    };
    switch (round.Pick(9)) {
      case 0: {  // a region filled
        const size_t at = cpp.find("//##Begin", f.begin);
        if (at < f.end) put(cpp, cpp.find('\n', at) + 1, "    pDB->Cmd(\"SELECT mine_" + tag + "\");", true);
        break;
      }
      case 1:  // a helper before a function
        cpp.insert(f.begin, "static int helper_" + tag + "() { return 1; }\r\n\r\n");
        edits.mine.push_back("static int helper_" + tag + "() { return 1; }");
        break;
      case 2:  // "} // end" on the closing brace
        touch();
        cpp.replace(f.end - 3, 1, "} // end " + f.name);
        edits.mine.push_back("} // end " + f.name);
        break;
      case 3:  // #ifdef around a function
        put(cpp, f.end, "#endif // MINE_" + tag, false);
        put(cpp, f.begin, "#ifdef MINE_" + tag, false);
        break;
      case 4: put(cpp, cpp.find(f.prototype, f.begin), "// note_" + tag, true); break;  // above the prototype
      case 5:  // a history row in the file comment
        put(cpp, cpp.find('\n', cpp.find("*1.      ")) + 1, "*2.      2006.04.01       v1.0.0.2            dev     row_" + tag, false);
        break;
      case 6: put(h, h.rfind("#endif"), "int helper_" + tag + "();", false); break;  // a declaration in Process.h
      case 7: {  // a "}" at the left margin inside the function
        const size_t brace = cpp.find("\r\n    }\r\n", f.begin);
        if (brace == std::string::npos || brace > f.end) break;
        touch();
        cpp.erase(brace + 2, 4);
        break;
      }
      default: put(cpp, cpp.find('\n', cpp.find("#include <string>")) + 1, "#include <mine_" + tag + ".h>", false);
    }
  }
}

// What an editor does on saving; true when the result may not be merged.
bool SaveInEditor(Round& round, std::string& text) {
  switch (round.Pick(10)) {
    case 0: ff::gbk::ReplaceAll(text, "\r\n", "\n"); return false;
    case 1: {  // mixed: every third line loses its CR
      std::string out;
      int n = 0;
      for (size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' && ++n % 3 == 0)) out += text[i];
      }
      text = out;
      return false;
    }
    case 2: ff::gbk::ReplaceAll(text, "\n    ", "\n\t"); return false;
    case 3: ff::gbk::ReplaceAll(text, " \r\n", "\r\n"); return false;
    case 4: text = "\xEF\xBB\xBF" + text; return true;
    case 5: text = ff::gbk::ToUtf8(text); return true;
    default: return false;
  }
}

// One change of the configuration database.
void ChangeDatabase(Round& round, ff::test::TestDatabase& db, int n) {
  const std::string id = std::to_string(101 + round.Pick(6)), k = std::to_string(n);
  const std::string changes[] = {
      "INSERT INTO T156 VALUES (" + std::to_string(2000 + n) + ", " + id + ", 'P', 1, 0, 1, " + id + ", 'FID_ZJBH');",
      "DELETE FROM T154 WHERE ID = " + id + ";",
      "UPDATE T154 SET F24 = 'Renamed" + k + "' WHERE ID = " + id + ";",
      "UPDATE T154 SET F18 = " + std::to_string(1900 - n) + " WHERE ID = " + id + ";",
      "UPDATE T154 SET F26 = 2 WHERE ID = " + id + ";",
      "UPDATE T154 SET F34 = 1 - F34 WHERE ID = " + id + ";",
      "INSERT INTO T154 VALUES (" + std::to_string(300 + n) + ", " + std::to_string(1500 + n) + ", 'NEW_" + k +
          "', 'N', NULL, 1, NULL, NULL, 0);"};
  db.Exec(changes[round.Pick(7)]);
}

ModuleFilesPlan Plan(const std::string& dir, CCodeMaker& maker, bool merge) {
  ModuleFilesRequest request{.module = 1, .headerPath = dir + "/Process.h", .sourcePath = dir + "/Process.cpp"};
  request.merge = merge;
  request.forceRetire = true;
  ff::merge::MakeFreshTexts(maker, request);
  return ff::merge::PlanModuleFiles(request);
}

void Write(const std::string& dir, const ModuleFilesPlan& plan) {
  WriteFile(dir + "/Process.h", plan.header);
  WriteFile(dir + "/Process.cpp", plan.source);
  WriteFile(dir + "/" + std::string(ff::merge::kRecordName), plan.record);
}

// With the record of the last generation, and without it (files from
// before it existed): the older rules must refuse what they cannot tell.
class MergeProperty : public ::testing::TestWithParam<bool> {};

TEST_P(MergeProperty, NoHandWrittenLineIsLostAndTwiceIsOnce) {
  const bool withRecord = GetParam();
  ff::test::FixedDate date;
  const char* more = std::getenv("FF_MERGE_ROUNDS");
  const int rounds = more ? std::atoi(more) : 24;
  int merged = 0, refused = 0;
  for (int seed = 1; seed <= rounds; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Round round(static_cast<unsigned>(seed));
    ff::test::TestDatabase db({}, true);
    ff::test::TempDir dir;
    const std::string folder = dir.path().string();
    CCodeMaker maker;
    maker.SetAuthor("dev");
    const ModuleFilesPlan first = Plan(folder, maker, false);
    Write(folder, first);

    if (!withRecord) std::remove((folder + "/" + std::string(ff::merge::kRecordName)).c_str());
    std::string cpp = first.source, h = first.header;
    Edits edits;
    EditByHand(round, cpp, h, edits);
    const bool unmergeable = SaveInEditor(round, cpp);
    WriteFile(folder + "/Process.cpp", cpp);
    WriteFile(folder + "/Process.h", h);
    for (int n = round.Pick(3); n > 0; --n) ChangeDatabase(round, db, seed * 10 + n);

    const ModuleFilesPlan plan = Plan(folder, maker, true);
    const ModuleFilesPlan plain = Plan(folder, maker, false);
    if (plan.verdict != ModuleFilesPlan::Verdict::Write) {
      ++refused;
      EXPECT_FALSE(plan.reason.empty());
      // The module code page says each line of it in its own words.
      EXPECT_EQ(std::count(plan.reason.begin(), plan.reason.end(), '\n'),
                std::count(plan.pageReason.begin(), plan.pageReason.end(), '\n'))
          << plan.pageReason;
      EXPECT_FALSE(plan.pageReason.empty());
      if (withRecord) {
        EXPECT_TRUE(unmergeable || plan.reason.find("conflict") != std::string::npos) << plan.reason;
      }
      continue;
    }
    ++merged;
    EXPECT_FALSE(unmergeable) << "merged a file that is no GBK text";
    const std::string both = plan.source + plan.header;
    for (std::string line : edits.mine) {
      line = line.substr(line.find_first_not_of(' '));  // an editor may have made the indent a tab
      EXPECT_NE(std::string::npos, both.find(line)) << line << "\n" << (plan.report.empty() ? "" : plan.report[0]);
    }
    for (size_t at = both.find('\n'); at != std::string::npos; at = both.find('\n', at + 1)) {
      ASSERT_EQ('\r', both[at - 1]) << "a line without CR";
    }
    // A function nobody edited is the plain generation's (the older rules
    // keep regions as they were).
    for (const auto& f : withRecord ? ff::merge::ReadSourceLayout(plain.source)
                                    : std::vector<ff::merge::GeneratedFunction>()) {
      if (std::find(edits.touched.begin(), edits.touched.end(), f.prototype) != edits.touched.end()) continue;
      EXPECT_NE(std::string::npos, plan.source.find(FunctionText(plain.source, f.prototype))) << f.name;
    }
    // Twice is once.
    Write(folder, plan);
    const ModuleFilesPlan again = Plan(folder, maker, true);
    ASSERT_EQ(ModuleFilesPlan::Verdict::Write, again.verdict) << again.reason;
    EXPECT_TRUE(again.source == plan.source) << "a second merge changed Process.cpp";
    EXPECT_TRUE(again.header == plan.header) << "a second merge changed Process.h";
  }
  if (withRecord) {
    EXPECT_GT(merged, refused);  // the older rules refuse much they cannot tell
  }
  std::printf("%d rounds merged, %d refused\n", merged, refused);
}

INSTANTIATE_TEST_SUITE_P(Record, MergeProperty, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WithRecord" : "WithoutRecord"; });

}  // namespace
