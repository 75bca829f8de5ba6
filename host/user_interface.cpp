// The console user interface: messages on stderr, questions on the terminal.
#include "host/user_interface.h"

#include <errno.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "host/file_error.h"
#include "host/gbk_text.h"
#include "host/query_error.h"

namespace ff {
namespace {

#ifdef _WIN32
// Windows keeps no short name of the running program; the console is the
// command line's.
const char* const program_invocation_short_name = "fidforge-cli";
#endif

class ConsoleUI : public UserInterface {
 public:
  void ShowMessage(const std::string& text) override {
    std::string line = gbk::ToUtf8Shown(text);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
  }

  // A file error on the console names the program, like its other errors.
  void ReportFileError(const CFileException& error) override {
    ShowMessage(gbk::FromUtf8(program_invocation_short_name) + ": " + error.Message());
  }

  // Without a terminal to ask, the answer is No: nothing is overwritten
  // behind the user's back.
  bool AskYesNo(const std::string& question) override {
    if (!::isatty(STDIN_FILENO)) return false;
    std::string prompt = gbk::ToUtf8Shown(question) + " [y/N] ";
    std::fwrite(prompt.data(), 1, prompt.size(), stderr);
    std::fflush(stderr);
    char buffer[64];
    if (!std::fgets(buffer, sizeof buffer, stdin)) return false;
    return buffer[0] == 'y' || buffer[0] == 'Y';
  }

  // The command line speaks English; the pages keep their Chinese question.
  bool AskOverwrite(const std::string& path, const std::string&) override {
    return AskYesNo(path + " exists: overwrite it?");
  }
};

ConsoleUI& Console() {
  static ConsoleUI console;
  return console;
}

UserInterface* g_current = nullptr;

}  // namespace

void UserInterface::ReportFileError(const CFileException& error) { ShowMessage(error.Message()); }

bool UserInterface::AskOverwrite(const std::string&, const std::string& question) { return AskYesNo(question); }

void UserInterface::ReportQueryError(const QueryError& error) { ShowMessage(error.Message()); }

UserInterface& UI() { return g_current ? *g_current : Console(); }

void SetUserInterface(UserInterface* ui) { g_current = ui; }

UserInterface* InstalledUserInterface() { return g_current; }

}  // namespace ff
