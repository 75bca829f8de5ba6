// fidforge-cli: global options, then one command.
#include <algorithm>
#include <cstdlib>
#include <exception>
#include <utility>
#include <vector>

#include "cli/commands.h"
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
  app.add_flag("--check", context.options.check,
               "Write nothing: report each file as \"would change\" or \"unchanged\"; exit 5 when any "
               "would change");
  app.add_option("--encoding", context.options.encoding, "Encoding of generated code: gbk (default) or utf-8")
      ->check(CLI::IsMember({"gbk", "utf-8"}));
  // The globals take effect before any command runs.
  app.parse_complete_callback([&context, db] {
    Output().utf8 = context.options.encoding == "utf-8";
    Output().check = context.options.check;
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

  try {
    app.parse(argc, argv);
    // Output still in the buffer counts as much as what was written.
    FinishOut();
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? kOk : kUsage;
  } catch (const CFileException& e) {
    PrintError(e.Message());
    status = kFailure;
  } catch (const QueryError& e) {
    // Whatever was written before stays; the file being made was dropped.
    PrintError(e.What().empty() ? "query failed: " + e.Reason() : e.Message());
    status = kFailure;
  } catch (const std::exception& e) {
    PrintError(gbk::FromUtf8(e.what()));
    status = kFailure;
  }
  DisconnectConfigDB();
  if (status == kOk && Output().check && Output().wouldChange > 0) status = kStale;
  return status;
}

}  // namespace

bool RegisterCommand(int order, CommandSetup setup) {
  Registry().emplace_back(order, std::move(setup));
  return true;
}

}  // namespace ff::cli

int main(int argc, char** argv) { return ff::cli::Run(argc, argv); }
