// The password prompt on POSIX terminals (cli/terminal_prompt.h).
#include "cli/terminal_prompt.h"

#include <fcntl.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

namespace ff::cli {
namespace {

// While echo is off, an interrupt must give the terminal back as it was
// before the program ends.
int g_promptTty = -1;
termios g_promptSaved{};

void RestoreTerminalAndDie(int signal) {
  if (g_promptTty >= 0) ::tcsetattr(g_promptTty, TCSAFLUSH, &g_promptSaved);
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

}  // namespace

// Reads one line from the terminal with echo off.
bool AskTerminal(const std::string& prompt, std::string& password) {
  int tty = ::open("/dev/tty", O_RDWR | O_NOCTTY);
  if (tty < 0) return false;
  termios saved{};
  if (::tcgetattr(tty, &saved) != 0) {
    ::close(tty);
    return false;
  }
  termios quiet = saved;
  quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
  quiet.c_lflag |= ECHONL;
  if (::write(tty, prompt.data(), prompt.size()) < 0) {
    ::close(tty);
    return false;
  }
  g_promptSaved = saved;
  g_promptTty = tty;
  struct sigaction restore {}, oldInt {}, oldTerm {}, oldQuit {};
  restore.sa_handler = RestoreTerminalAndDie;
  ::sigaction(SIGINT, &restore, &oldInt);
  ::sigaction(SIGTERM, &restore, &oldTerm);
  ::sigaction(SIGQUIT, &restore, &oldQuit);
  ::tcsetattr(tty, TCSAFLUSH, &quiet);
  password.clear();
  bool ok = false;
  char c;
  for (size_t n = 0; n < 4096; ++n) {
    ssize_t got = ::read(tty, &c, 1);
    if (got <= 0) break;
    if (c == '\n' || c == '\r') {
      ok = true;
      break;
    }
    password += c;
  }
  ::tcsetattr(tty, TCSAFLUSH, &saved);
  ::sigaction(SIGINT, &oldInt, nullptr);
  ::sigaction(SIGTERM, &oldTerm, nullptr);
  ::sigaction(SIGQUIT, &oldQuit, nullptr);
  g_promptTty = -1;
  ::close(tty);
  return ok;
}

}  // namespace ff::cli
