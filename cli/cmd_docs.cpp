// fidforge-cli docs --out DIR: the browsable reference of the message
// dictionary, a static HTML site.
#include <filesystem>
#include <memory>
#include <string>

#include "cli/code_output.h"
#include "cli/commands.h"
#include "cli/progress.h"
#include "docsite/dictionary_site.h"
#include "host/query_error.h"
#include "host/file_error.h"
#include "host/gbk_text.h"

namespace ff::cli {

namespace {

int RunDocs(Context& context, const std::string& outUtf8) {
  if (!context.Connect()) return kFailure;
  site::SiteOptions options;
  options.folder = outUtf8.empty() ? std::string(".") : outUtf8;  // paths stay the system's bytes
  options.database = gbk::FromUtf8(context.options.db.empty() ? std::string("Developer") : context.options.db);
  options.noPrompt = context.options.force;
  FileWriter& writer = context.Writer();
  options.writer = &writer;
  if (!writer.Options().check) {
    // A folder that cannot be made is the site writer's to report.
    std::error_code ignored;
    std::filesystem::create_directories(FsPath(options.folder), ignored);
    if (std::filesystem::is_directory(FsPath(options.folder), ignored) && !LockOutputFolder(writer, options.folder))
      return kFailure;
  }
  Progress progress(writer.Options().check ? "Checking pages" : "Making pages", 0);
  options.progress = [&progress](size_t done, size_t total) { progress.Set(done, total); };
  std::vector<site::SiteFile> files;
  try {
    files = site::MakeDictionarySite(options);
  } catch (const QueryError& error) {
    PrintError(error.Message() + "; no page was changed");
    return kFailure;
  } catch (const CFileException&) {
    return kFailure;  // reported by the writer
  }
  progress.Done();
  if (!writer.Settle()) return kFailure;  // reported
  bool declined = false;
  for (const site::SiteFile& file : files) {
    if (file.outcome == FileOutcome::Declined) declined = true;
    PrintPathLine(FileOutcomeWord(file.outcome), file.path);
  }
  return declined ? kDeclined : kOk;
}

}  // namespace

FF_CLI_COMMAND(80, [](CLI::App& app, Context& context, int* status) {
  auto out = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand(
      "docs", "Write the message dictionary as a static HTML site (index.html, one page per module, FID pages, errors, lint rules)");
  command->add_option("-o,--out", *out, "Folder of the site (made when missing)")->required();
  command->callback([&context, status, out] { *status = RunDocs(context, *out); });
});

}  // namespace ff::cli
