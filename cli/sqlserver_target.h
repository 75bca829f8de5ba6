// --db for SQL Server and ODBC data sources:
//   mssql://USER@HOST[:PORT][/INSTANCE]/DATABASE[?encrypt=no]
//   odbc:CONNECTION-STRING        (or odbc:DSN=NAME)
// The password never comes from the command line, where other users can
// read it: it is the environment variable FIDFORGE_DB_PASSWORD, or it is
// asked on the terminal without echo.
#pragma once

#include <functional>
#include <string>

#include "host/db_store.h"

namespace ff::cli {

// True for a --db value that names SQL Server or an ODBC data source.
bool IsSqlServerTarget(const std::string& db);

// Fills the login values (GBK) from such a --db value (UTF-8). False with
// a reason that never shows a password.
bool ResolveSqlServerTarget(const std::string& db, LoginValues& login, std::string& error);

// Asks for the password without echo; false when no terminal can be asked.
// Tests replace it; an empty function restores the terminal prompt.
using PasswordPrompt = std::function<bool(const std::string& prompt, std::string& password)>;
void SetPasswordPrompt(PasswordPrompt prompt);

}  // namespace ff::cli
