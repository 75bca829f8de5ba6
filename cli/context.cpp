#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
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

void Write(std::FILE* stream, const std::string& utf8) {
  std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

}  // namespace

bool Context::Connect() {
  LoginValues login;
  std::string error;
  if (!ResolveDbTarget(options.db, login, error)) {
    PrintError("cannot open the database: " + error);
    return false;
  }
  std::vector<std::string> messages;
  bool ok;
  {
    CapturingUI capture;
    ok = ConnectConfigDB(login.server, login.user, login.password, login.database);
    messages = std::move(capture.messages);
  }
  if (ok) {
    // Every read of the command sees one committed state of the database;
    // the snapshot ends when the connection is released at exit.
    g_pConfigDB->BeginSnapshot();
    return true;
  }
  std::string reason;
  for (const auto& m : messages) reason += (reason.empty() ? "" : "; ") + m;
  PrintError("cannot open the database: " + (reason.empty() ? std::string("unknown reason") : reason));
  return false;
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
  Write(stdout, word + ": " + path + "\n");
}

void PrintError(const std::string& gbk) {
  std::string line = "fidforge-cli: " + gbk::ToUtf8(gbk);
  line += '\n';
  std::fflush(stdout);
  Write(stderr, line);
  std::fflush(stderr);
}

}  // namespace ff::cli
