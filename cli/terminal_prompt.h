// Asking the user at the terminal for a secret: one line read with the
// echo off (a password for SQL Server), the terminal as it was afterwards,
// an interrupt included.
#pragma once

#include <string>

namespace ff::cli {

// Shows `prompt` (UTF-8) and reads one line into `password` (the
// terminal's bytes: UTF-8). False when there is no terminal or the line
// does not end.
bool AskTerminal(const std::string& prompt, std::string& password);

}  // namespace ff::cli
