// The Windows console (cli/console.h). The arguments come from the system
// in UTF-16 (main's own are in the ANSI code page, which cannot spell a
// folder named 한글 on a Chinese Windows) and go on as UTF-8, the engine's
// paths as on Linux. The console shows UTF-8 (code page 65001) while the
// program runs; standard output and error are binary, so that a line ends
// in LF as on Linux and a pipeline gets the same bytes from both.
#include "cli/console.h"

#include "host/wide_path_win.h"  // <windows.h> first, as <shellapi.h> needs

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace ff::cli {
namespace {

UINT g_savedOutputCodePage = 0;

void RestoreCodePage() {
  if (g_savedOutputCodePage != 0) ::SetConsoleOutputCP(g_savedOutputCodePage);
}

}  // namespace

void SetUpConsole(int& argc, char**& argv) {
  g_savedOutputCodePage = ::GetConsoleOutputCP();
  if (g_savedOutputCodePage != 0 && g_savedOutputCodePage != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8))
    std::atexit(RestoreCodePage);  // the console is the user's again afterwards
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);

  int count = 0;
  LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!wide) return;
  static std::vector<std::string> arguments;
  static std::vector<char*> pointers;
  arguments.clear();
  for (int i = 0; i < count; ++i) arguments.push_back(win::Utf8(wide[i]));
  ::LocalFree(wide);
  pointers.clear();
  for (std::string& argument : arguments) pointers.push_back(argument.data());
  pointers.push_back(nullptr);
  argc = count;
  argv = pointers.data();
}

}  // namespace ff::cli
