#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/progress.h"
#include "codetext/code_maker.h"
#include "host/gbk_text.h"
#include "host/sim_db.h"
#include "host/user_interface.h"
#include "login/comment_settings.h"
#include "host/config_db.h"

namespace ff::cli {
namespace {

// Holds the messages of a login attempt, so that the failure is told in
// one line with the database it concerns.
class CapturingUI : public UserInterface {
 public:
  CapturingUI() : installed_(InstalledUserInterface()) { SetUserInterface(this); }
  ~CapturingUI() override { SetUserInterface(installed_); }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string& question) override {
    return installed_ ? installed_->AskYesNo(question) : false;
  }
  std::vector<std::string> messages;

 private:
  UserInterface* installed_;
};

// The first failure of standard output, kept until it is told.
int g_stdoutError = 0;

bool g_quiet = false;
int g_declined = 0;

// A reader that closed its end of the pipe (`| head`) wants no more: the
// program ends the way Unix filters do, quietly, by SIGPIPE. Any other
// failure (a full disk, a closed descriptor) fails the command.
[[noreturn]] void StdoutFailed(int error) {
  if (error == EPIPE) {
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_DFL);
    std::raise(SIGPIPE);
    std::_Exit(128 + SIGPIPE);
#else
    std::_Exit(141);  // Windows has no SIGPIPE: the status a shell gives for one
#endif
  }
  g_stdoutError = 0;
  throw std::runtime_error("cannot write to standard output: " + std::string(std::strerror(error)));
}

int ErrnoOr(int fallback) { return errno != 0 ? errno : fallback; }

void Write(std::FILE* stream, const std::string& utf8) {
  if (stream == stdout) {
    WriteOut(utf8);
  } else {
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
  }
}

// A line on stderr as it stands.
void PrintNote(const std::string& utf8) {
  std::string line = utf8;
  line += '\n';
  ClearProgressLine(false);
  // What went to standard output comes first; a failure of it is told
  // when the command ends.
  errno = 0;
  if (std::fflush(stdout) != 0 && g_stdoutError == 0) g_stdoutError = ErrnoOr(EIO);
  Write(stderr, line);
  std::fflush(stderr);
}

}  // namespace

bool Context::Connect() {
  LoginValues login;
  std::string error;
  if (!ResolveDbTarget(options.db, login, error)) {
    PrintError("cannot open the database: " + error);
    return false;
  }
  // The demo database is made on first use; a user should know where.
  const std::string demoPath = IsSqliteServer(login.server) && login.databaseFile.empty() &&
                                       login.database == kDemoDatabaseName
                                   ? DefaultDatabasePath(login.database)
                                   : std::string();
  const bool makesDemo = !demoPath.empty() && ::access(demoPath.c_str(), F_OK) != 0;
  std::vector<std::string> messages;
  bool ok;
  {
    CapturingUI capture;
    ok = ConnectConfigDB(login);
    messages = std::move(capture.messages);
  }
  if (ok) {
    // Every read of the command sees one committed state of the database;
    // the snapshot ends when the connection is released at exit.
    g_pConfigDB->BeginSnapshot();
    if (makesDemo) PrintNote("fidforge-cli: created the demo database " + demoPath + " (--db names another)");
    return true;
  }
  std::string reason;
  for (const auto& m : messages) reason += (reason.empty() ? "" : "; ") + m;
  PrintError("cannot open the database: " + (reason.empty() ? std::string("unknown reason") : reason));
  return false;
}

void Context::SetCommentValues(CCodeMaker& maker) const {
  maker.SetAuthor(Author());
  CCommentSettings settings;
  maker.RoutineComment().SetCopyRight(settings.CommentCopyRight(), settings.CommentCompany());
}

std::string Context::Author() const {
  if (!options.author.empty()) return gbk::FromUtf8(options.author);
  CCommentSettings settings;
  return settings.GetAuthor();
}

void PrintLine(const std::string& gbk) {
  std::string line = gbk::ToUtf8(gbk);
  line += '\n';
  Write(stdout, line);
}

void PrintUtf8Line(const std::string& utf8) {
  std::string line = utf8;
  line += '\n';
  Write(stdout, line);
}

void PrintPathLine(const std::string& word, const std::string& path) {
  const bool declined = word == "declined";
  g_declined += declined ? 1 : 0;
  if (g_quiet && !declined) return;
  Write(stdout, word + ": " + path + "\n");
}

void SetQuiet(bool quiet) { g_quiet = quiet; }
bool Quiet() { return g_quiet; }
int DeclinedCount() { return g_declined; }

std::string ListingField(const std::string& gbk) { return gbk::ToUtf8(gbk::EscapedField(gbk)); }

void WriteOut(std::string_view bytes) {
  if (g_stdoutError != 0) StdoutFailed(g_stdoutError);
  ClearProgressLine(true);
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) StdoutFailed(ErrnoOr(EIO));
}

void FinishOut() {
  if (g_stdoutError != 0) StdoutFailed(g_stdoutError);
  errno = 0;
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) StdoutFailed(ErrnoOr(EIO));
}

void PrintError(const std::string& gbk) { PrintNote("fidforge-cli: " + gbk::ToUtf8Shown(gbk)); }

}  // namespace ff::cli
