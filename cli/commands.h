// fidforge-cli: every generator as a command. Each command lives in its own
// file cli/cmd_<name>.cpp and registers itself with FF_CLI_COMMAND.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "codetext/file_writer.h"
#include "host/db_store.h"

class CCodeMaker;

namespace ff::cli {

// Exit statuses.
enum Exit : int {
  kOk = 0,
  kFailure = 1,   // database, file
  kUsage = 2,
  kDeclined = 3,  // a file was declined
  kCheckFound = 4, // check-fids --strict found rows
  kStale = 5       // --check: a file would change
};

// The global options, given before the command.
struct GlobalOptions {
  std::string db;              // --db (default $FIDFORGE_DB, else the demo database)
  std::string author;          // --author ("" = from the comment settings)
  bool force = false;          // --force: no overwrite questions
  bool check = false;          // --check: write nothing, tell which files would change
  bool quiet = false;          // -q: no line per file except declined:
  std::string encoding = "gbk";  // --encoding gbk|utf-8 (generated code only)
};

struct Context {
  GlobalOptions options;
  // The run's one writer of files, made from the options before the
  // command runs (--encoding, --check).
  std::unique_ptr<FileWriter> writer;
  FileWriter& Writer() { return *writer; }
  // Opens g_pConfigDB from --db and starts the command's read snapshot;
  // prints the reason on stderr and returns false on failure.
  bool Connect();
  // The author for generated comments: --author, else the comment settings.
  std::string Author() const;  // GBK
  // The author, copyright and company of the routine comments.
  void SetCommentValues(CCodeMaker& maker) const;
};

// Resolves --db into the four login values: a SQLite path, or (for SQL
// Server and ODBC) the forms the README lists. False with a reason.
bool ResolveDbTarget(const std::string& db, LoginValues& login, std::string& error);

// A command adds its subcommand to the app; the callback it sets runs it
// and stores the exit status in *status.
using CommandSetup = std::function<void(CLI::App& app, Context& context, int* status)>;
bool RegisterCommand(int order, CommandSetup setup);

// Console output: GBK text from the engine, printed as UTF-8.
void PrintLine(const std::string& gbk);       // stdout
void PrintUtf8Line(const std::string& utf8);  // stdout, text that is UTF-8 already
void PrintError(const std::string& gbk);      // stderr, "fidforge-cli: " prefix
// "<word>: <path>" on stdout; the path is the system's bytes, printed as
// they are. Under -q only "declined" is printed.
void PrintPathLine(const std::string& word, const std::string& path);
void SetQuiet(bool quiet);
bool Quiet();
// The declined: lines told so far.
int DeclinedCount();
// A field of a text listing: engine text (GBK) as UTF-8, with the bytes
// that would break its line or column escaped (\n \t \r \0 \\, others
// \xNN), so that one row of the database stays one line.
std::string ListingField(const std::string& gbk);

// Bytes on standard output, as they stand. A failed write (a full disk, a
// closed descriptor) throws std::runtime_error naming the reason; a reader
// that closed its pipe ends the program quietly by SIGPIPE.
void WriteOut(std::string_view bytes);
// Flushes standard output at the end of a command; fails as WriteOut.
void FinishOut();

}  // namespace ff::cli

// Registers a command; `order` sorts the help listing.
#define FF_CLI_COMMAND(order, setup) \
  static const bool ff_cli_registered_##order = ::ff::cli::RegisterCommand(order, setup)
