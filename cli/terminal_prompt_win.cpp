// The password prompt in a Windows console (cli/terminal_prompt.h): the
// console's own input and output, whatever the standard handles are
// redirected to, read as UTF-16 and handed on as UTF-8.
#include "cli/terminal_prompt.h"

#include <iterator>

#include "host/wide_path_win.h"

namespace ff::cli {
namespace {

// While echo is off, Ctrl-C must give the console back as it was.
HANDLE g_promptInput = INVALID_HANDLE_VALUE;
DWORD g_promptSaved = 0;

BOOL WINAPI RestoreConsole(DWORD) {
  if (g_promptInput != INVALID_HANDLE_VALUE) ::SetConsoleMode(g_promptInput, g_promptSaved);
  return FALSE;  // and the process ends as it would have
}

}  // namespace

bool AskTerminal(const std::string& prompt, std::string& password) {
  HANDLE input = ::CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
  if (input == INVALID_HANDLE_VALUE) return false;
  HANDLE output = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
  DWORD saved = 0;
  if (output == INVALID_HANDLE_VALUE || !::GetConsoleMode(input, &saved)) {
    if (output != INVALID_HANDLE_VALUE) ::CloseHandle(output);
    ::CloseHandle(input);
    return false;
  }
  const std::wstring shown = win::Wide(prompt);
  DWORD written = 0;
  ::WriteConsoleW(output, shown.data(), static_cast<DWORD>(shown.size()), &written, nullptr);
  g_promptInput = input;
  g_promptSaved = saved;
  ::SetConsoleCtrlHandler(RestoreConsole, TRUE);
  ::SetConsoleMode(input, (saved | ENABLE_LINE_INPUT | ENABLE_PROCESSED_INPUT) & ~ENABLE_ECHO_INPUT);
  std::wstring line;
  bool ok = false;
  wchar_t buffer[256];
  while (line.size() < 4096) {
    DWORD got = 0;
    if (!::ReadConsoleW(input, buffer, static_cast<DWORD>(std::size(buffer)), &got, nullptr) || got == 0) break;
    line.append(buffer, got);
    const size_t end = line.find_first_of(L"\r\n");
    if (end != std::wstring::npos) {
      line.resize(end);
      ok = true;
      break;
    }
  }
  ::SetConsoleMode(input, saved);
  ::SetConsoleCtrlHandler(RestoreConsole, FALSE);
  g_promptInput = INVALID_HANDLE_VALUE;
  ::WriteConsoleW(output, L"\r\n", 2, &written, nullptr);  // the Enter the echo did not show
  ::CloseHandle(output);
  ::CloseHandle(input);
  password = win::Utf8(line);
  return ok;
}

}  // namespace ff::cli
