// The code commands of fidforge-cli (module, function, snippet) on the demo
// database, as a build pipeline runs them, and the habits every command
// shares.
#include <sys/wait.h>

#include <utility>

#include "tests/support/cli_run.h"

namespace ff::test {
namespace {

// On the demo database; standard error is no terminal.
using CodeCommands = CliFixture;

TEST_F(CodeCommands, ModulesOneByIdOrAllIntoFoldersOfTheirIds) {
  Result r = Run("--force module --kind bls --all --out '" + (dir / "all") + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string header = ReadFile(dir / "all/21/Process.h");
  EXPECT_NE(header.find(G("*项目名称：KHFW 客户服务\r\n")), std::string::npos);
  EXPECT_NE(ReadFile(dir / "all/23/Process.cpp").find("//GD_QUERY    7104"), std::string::npos);

  ASSERT_EQ(Run("--force module --kind bls --module 21 --out '" + dir.path().string() + "'").status, 0);
  EXPECT_EQ(ReadFile(dir / "Process.h"), header);
}

TEST_F(CodeCommands, FunctionAsThePagePreviewsAndWritesIt) {
  const Result r = Run("function --kind fos --module 1 --code KH.QUERY --validate macro");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("       v1.0.0.1            dev\r\n"), std::string::npos);  // history row
  EXPECT_NE(r.out.find("//KH_QUERY    1001    //"), std::string::npos);
  EXPECT_NE(r.out.find("    VALIDATE_STRING_ITEM("), std::string::npos);
  ASSERT_EQ(Run("--force function --kind fos --module 1 --code KH.QUERY --validate macro --out '" +
                (dir / "f.cpp") + "'").status, 0);
  EXPECT_BYTES_EQ(r.out, ReadFile(dir / "f.cpp"));
}

TEST_F(CodeCommands, EncodingsByTheirUsualNames) {
  const std::string function = " function --kind fos --module 1 --code KH.QUERY";
  const std::string gbk = Run(function).out, utf8 = Run("--encoding utf-8" + function).out;
  ASSERT_NE(gbk, utf8);
  for (const std::string name : {"GBK", "cp936", "CP936", "UTF-8", "utf8", "UTF8"})
    EXPECT_EQ(Run("--encoding " + name + function).out, name.find('8') != std::string::npos ? utf8 : gbk) << name;
}

TEST_F(CodeCommands, OnATerminalTheOverwriteQuestionIsAskedInEnglish) {
  const std::string file = dir / "f.cpp", screen = dir / "screen.txt";
  WriteFile(file, "mine");
  for (const std::string answer : {"n", "y"}) {
    // `script` gives the program a terminal and types the answer on it.
    const std::string command = "printf '" + answer + "\\n' | script -qec \"'" FF_CLI_PATH "' --db '" + db +
                                "' function --kind fos --module 1 --code KH.QUERY -o '" + file +
                                "'\" /dev/null >'" + screen + "'";
    const int raw = std::system(command.c_str());
    const std::string shown = ReadFile(screen);
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, answer == "n" ? 3 : 0) << shown;
    // The terminal echoes the typed answer after the question or, typed
    // sooner, before it: the question, then the outcome.
    const size_t asked = shown.find(file + " exists: overwrite it? [y/N] ");
    EXPECT_NE(asked, std::string::npos) << shown;
    EXPECT_NE(shown.find((answer == "n" ? "declined: " : "written: ") + file, asked), std::string::npos) << shown;
    EXPECT_EQ(shown.find("no terminal"), std::string::npos) << shown;  // it was asked
    EXPECT_EQ(ReadFile(file) == "mine", answer == "n");
  }
}

TEST_F(CodeCommands, MissingCodesAreErrorsThatNameThem) {
  for (const char* command : {"snippet --module 21", "function --kind fos --module 1"}) {
    const Result r = Run(std::string(command) + " --code NO_SUCH");
    EXPECT_EQ(r.status, 1) << command;
    EXPECT_EQ(r.out, "") << command;
    EXPECT_NE(r.err.find("NO_SUCH"), std::string::npos) << r.err;
  }
  EXPECT_TRUE(Run("snippet --module 21 --code QUERY_USER").out.starts_with("//BeginBLS: QUERY_USER "));
}

// The habits every command shares, one row per command (the demo database).
// In `args`, {module} stands for the --module value and {out} for --out.
struct Habit {
  const char* args;
  const char* kind;      // the kind of its --module ("" when it takes none)
  const char* module;    // a module the demo has
  const char* target;    // the first file it writes under {out}; "" for a listing
  const char* encoding;  // a spelling of --encoding the run gives
};

std::ostream& operator<<(std::ostream& os, const Habit& habit) { return os << habit.args; }

class CommandHabits : public CodeCommands, public ::testing::WithParamInterface<Habit> {
 protected:
  std::string Args(const std::string& module, const std::string& out) const {
    std::string args = GetParam().args;
    for (auto [key, value] : {std::pair<std::string, std::string>{"{module}", module}, {"{out}", "'" + out + "'"}})
      if (const size_t at = args.find(key); at != std::string::npos) args.replace(at, key.size(), value);
    return args;
  }
};

TEST_P(CommandHabits, KeepTheSharedHabits) {
  const Habit& habit = GetParam();
  const std::string out = dir / "new/deeper";
  if (*habit.kind) {
    // A module the database does not have is an error, never an empty result.
    const Result r = Run(Args("99", out));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("no " + std::string(habit.kind) + " module with the id 99"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(out));
  }
  Result r = Run("--encoding " + std::string(habit.encoding) + " " + Args(habit.module, out));
  ASSERT_EQ(r.status, 0) << r.err;
  if (!*habit.target) {
    // Tab-separated rows, and '#' comment lines for headings, so that `cut` takes them.
    ASSERT_FALSE(r.out.empty());
    for (size_t line = 0, end; (end = r.out.find('\n', line)) != std::string::npos; line = end + 1)
      EXPECT_TRUE(r.out[line] == '#' || r.out.substr(line, end - line).find('\t') != std::string::npos) << r.out;
    EXPECT_EQ(r.err, "");
    return;
  }
  // No counter and no note when stderr is no terminal; --out makes its folder.
  EXPECT_EQ(r.err, "");
  const std::string target = out + "/" + habit.target;
  EXPECT_NE(r.out.find("written: " + target + "\n"), std::string::npos) << r.out;

  r = Run("-q --force " + Args(habit.module, out));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");  // unchanged: lines too

  // No terminal to ask: declined, told why and what to do, even under -q.
  WriteFile(target, "mine");
  r = Run("-q " + Args(habit.module, out));
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.out.find("declined: " + target + "\n"), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("no terminal to ask"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("--force"), std::string::npos) << r.err;
  EXPECT_EQ(ReadFile(target), "mine");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandHabits,
    ::testing::Values(Habit{"modules --kind fos", "", "", "", "GBK"},
                      Habit{"functions --kind fos --module {module}", "FOS", "1", "", "utf8"},
                      Habit{"check-fids", "", "", "", "cp936"},
                      Habit{"headers -o {out}", "", "", "fiddef.h", "Gbk"},
                      Habit{"module --kind fos --module {module} -o {out}", "FOS", "1", "Process.h", "UTF-8"},
                      Habit{"module --kind bls --all -o {out}", "", "", "21/Process.h", "utf-8"},
                      Habit{"function --kind fos --module {module} --code KH.QUERY -o {out}/f.cpp", "FOS", "1",
                            "f.cpp", "UTF8"},
                      Habit{"snippet --module {module} --code QUERY_USER -o {out}/s.cpp", "BLS", "21", "s.cpp",
                            "CP936"},
                      Habit{"docs -o {out}", "", "", "index.html", "gbk"}));

}  // namespace
}  // namespace ff::test
