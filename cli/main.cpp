// fidforge-cli: global options, then one command.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "cli/console.h"
#include "codetext/gen_file.h"
#include "host/config_db.h"
#include "host/file_error.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "version/build_version.h"

namespace ff::cli {
namespace {

std::vector<std::pair<int, CommandSetup>>& Registry() {
  static std::vector<std::pair<int, CommandSetup>> commands;
  return commands;
}

// The command named `name`, null when there is none.
CLI::App* FindCommand(CLI::App& app, const std::string& name) {
  const auto found = app.get_subcommands([&name](CLI::App* command) { return command->get_name() == name; });
  return found.empty() ? nullptr : found.front();
}

std::string NotACommand(const std::string& name) {
  return "'" + name + "' is not a fidforge-cli command; see 'fidforge-cli --help'";
}

// What was left over on the command line, told the way git tells it: an
// unknown command or option by its name, before any complaint about what
// is missing (`headers -x DIR` is about -x, not about a missing --out).
std::string LeftOverProblem(const CLI::App& app, const std::vector<std::string>& arguments) {
  const auto commands = app.get_subcommands();
  const CLI::App* command = commands.empty() ? nullptr : commands.front();
  std::vector<std::string> left = app.remaining();
  if (command != nullptr && left.empty()) left = command->remaining();
  if (left.empty()) return {};
  const std::string& first = left.front();
  const bool option = first.size() > 1 && first[0] == '-';
  if (command == nullptr && !option) return NotACommand(first);
  // An option before the command is one of the global options.
  const auto at = [&arguments](const std::string& word) {
    return std::find(arguments.begin(), arguments.end(), word) - arguments.begin();
  };
  const bool global = command == nullptr || at(first) < at(command->get_name());
  if (!global && option && app.get_option_no_throw(first.substr(0, first.find('='))) != nullptr)
    return "'" + first + "' is an option of fidforge-cli itself: give it before the command (fidforge-cli " + first +
           " " + command->get_name() + " ...)";
  const std::string help = global ? "fidforge-cli --help" : "fidforge-cli " + command->get_name() + " --help";
  return (option ? "unknown option '" : "unexpected argument '") + first + "'; see '" + help + "'";
}

// The files written before a failure are put in place and told before it
// is; a second failure meanwhile changes nothing of the first.
void SettleQuietly(Context& context) {
  try {
    if (context.writer) context.writer->Settle();
  } catch (...) {
  }
}

int Run(int argc, char** argv) {
  Context context;
  int status = kOk;

  CLI::App app{"FidForge: C++ sources from the securities back-office configuration database.",
               "fidforge-cli"};
  app.require_subcommand(1);
  app.failure_message([](const CLI::App* failed, const CLI::Error& e) {
    return "fidforge-cli: " + CLI::FailureMessage::simple(failed, e);
  });
  app.set_version_flag("--version", std::string("fidforge-cli ") + BuildVersion(),
                       "Print the version (and the commit it was built from) and exit");
  CLI::Option* db = app.add_option("--db", context.options.db,
                 "Configuration database: a SQLite file, a bare name in the data folder, "
                 "mssql://USER@HOST[:PORT][/INSTANCE]/DATABASE[?encrypt=no] or odbc:CONNECTION-STRING "
                 "(password from $FIDFORGE_DB_PASSWORD or asked; the connection is encrypted "
                 "unless ?encrypt=no allows a plain one; "
                 "default $FIDFORGE_DB, else the demo database \"Developer\")")
      ->envname("FIDFORGE_DB");
  app.add_option("--author", context.options.author, "Author of generated comments (default: the comment settings)");
  app.add_flag("--force", context.options.force, "Overwrite files without asking");
  app.add_flag("-q,--quiet", context.options.quiet,
               "No written:, unchanged:, would change: or merged: line per file (declined: lines and errors stay)");
  app.add_flag("--check", context.options.check,
               "Write nothing: report each file as \"would change\" or \"unchanged\"; exit 5 when any "
               "would change");
  app.add_option("--encoding", context.options.encoding,
                 "Encoding of generated code: gbk (default; also cp936) or utf-8 (also utf8), in any case")
      ->transform(CLI::Validator(
          [](std::string& value) {
            const std::string name = CLI::detail::to_lower(value);
            if (name == "gbk" || name == "cp936") {
              value = "gbk";
            } else if (name == "utf-8" || name == "utf8") {
              value = "utf-8";
            } else {
              return "'" + value + "' is no encoding FidForge writes: gbk (cp936) or utf-8 (utf8)";
            }
            return std::string();
          },
          "{gbk,utf-8}"));
  // The options take effect before any command runs.
  app.parse_complete_callback([&context, db] {
    // The command line asks only about files whose bytes would change, and
    // lets each file reach the disk while the next one is made.
    context.writer = std::make_unique<FileWriter>(WriteOptions{.utf8 = context.options.encoding == "utf-8",
                                                               .check = context.options.check,
                                                               .askAfterCompare = true,
                                                               .behind = true});
    SetQuiet(context.options.quiet);
    // An empty name is what `--db "$DB"` gives when DB is unset: a mistake,
    // never a request for the demo database.
    const char* fromEnv = std::getenv("FIDFORGE_DB");
    if (db->count() > 0 && context.options.db.empty())
      throw CLI::ValidationError("--db", "the database name is empty (leave --db out for the demo database)");
    if (db->count() == 0 && fromEnv && !*fromEnv)
      throw CLI::ValidationError("FIDFORGE_DB", "is set but empty (unset it for the demo database)");
  });

  auto& commands = Registry();
  std::stable_sort(commands.begin(), commands.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (auto& command : commands) command.second(app, context, &status);

  auto helpTopic = std::make_shared<std::string>();
  CLI::App* help = app.add_subcommand("help", "Print the help of fidforge-cli, or of one COMMAND");
  help->add_option("COMMAND", *helpTopic, "The command to describe");
  help->callback([&app, help, helpTopic, &status] {
    const CLI::App* command = helpTopic->empty() ? &app : *helpTopic == "help" ? help : FindCommand(app, *helpTopic);
    if (command == nullptr) {
      PrintError(NotACommand(*helpTopic));
      status = kUsage;
      return;
    }
    WriteOut(command == &app ? app.get_formatter()->make_help(&app, "fidforge-cli", CLI::AppFormatMode::Normal)
                             : command->help("fidforge-cli"));
  });

  // Nothing asked: the commands, as git lists them, and a usage status.
  if (argc < 2) {
    const std::string usage = app.get_formatter()->make_help(&app, "fidforge-cli", CLI::AppFormatMode::Normal);
    std::fwrite(usage.data(), 1, usage.size(), stderr);
    return kUsage;
  }
  try {
    app.parse(argc, argv);
    // Every file in place and told before the output ends; a file that
    // could not get there fails the run (reported).
    if (context.writer && !context.writer->Settle() && status == kOk) status = kFailure;
    // Output still in the buffer counts as much as what was written.
    FinishOut();
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() != 0) {
      if (const std::string problem = LeftOverProblem(app, std::vector<std::string>(argv + 1, argv + argc));
          !problem.empty()) {
        PrintError(problem);
        return kUsage;
      }
    }
    return app.exit(e) == 0 ? kOk : kUsage;
  } catch (const CFileException& e) {
    SettleQuietly(context);
    PrintError(e.Message());
    status = kFailure;
  } catch (const QueryError& e) {
    // Whatever was written before stays (and is told first); the file
    // being made was dropped.
    SettleQuietly(context);
    PrintError(e.What().empty() ? "query failed: " + e.Reason() : e.Message());
    status = kFailure;
  } catch (const std::exception& e) {
    SettleQuietly(context);
    PrintError(gbk::FromUtf8(e.what()));
    status = kFailure;
  }
  DisconnectConfigDB();
  if (const int declined = DeclinedCount(); declined > 0 && ::isatty(STDIN_FILENO) != 1) {
    PrintError("declined " + std::to_string(declined) + (declined == 1 ? " file" : " files") +
               ": an existing file is overwritten only when asked, and there is no "
               "terminal to ask; give --force to overwrite");
  }
  if (status == kOk && context.writer && context.writer->WouldChange() > 0) status = kStale;
  return status;
}

}  // namespace

bool RegisterCommand(int order, CommandSetup setup) {
  Registry().emplace_back(order, std::move(setup));
  return true;
}

}  // namespace ff::cli

int main(int argc, char** argv) {
  ff::cli::SetUpConsole(argc, argv);
  return ff::cli::Run(argc, argv);
}
