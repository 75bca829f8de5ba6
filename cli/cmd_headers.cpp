// fidforge-cli headers --out DIR: the five definition headers, in the
// order the export page writes them.
#include <iterator>
#include <memory>
#include <string>

#include "cli/code_output.h"
#include "cli/commands.h"
#include "cli/progress.h"
#include "codetext/code_maker.h"
#include "host/file_error.h"
#include "host/gbk_text.h"

namespace ff::cli {

namespace {

using Generator = GenFile (CCodeMaker::*)(const std::string&);

struct HeaderFile {
  const char* name;
  Generator make;
};

constexpr HeaderFile kHeaders[] = {
    {"fiddef.h", &CCodeMaker::MakeFidDefText}, {"fixdef.h", &CCodeMaker::MakeFixDefText},
    {"blsdef.h", &CCodeMaker::MakeBlsDefText}, {"fosdef.h", &CCodeMaker::MakeFosDefText},
    {"sysdef.h", &CCodeMaker::MakeSysDefText},
};

int RunHeaders(Context& context, const std::string& outUtf8) {
  if (!context.Connect()) return kFailure;

  CCodeMaker maker;
  context.SetCommentValues(maker);
  FileWriter& writer = context.Writer();

  std::string folder = outUtf8;  // paths stay the system's bytes
  if (folder.empty()) folder = ".";
  if (folder.back() != '/') folder += '/';
  if (!MakeOutputFolder(writer, folder) || !LockOutputFolder(writer, folder)) return kFailure;

  bool declined = false;
  Progress progress(writer.Options().check ? "Checking headers" : "Writing headers", std::size(kHeaders));
  for (size_t done = 0; const HeaderFile& header : kHeaders) {
    progress.Set(done++);
    const std::string path = folder + header.name;
    FileOutcome outcome;
    try {
      // An unchanged header is left alone without a question.
      outcome = writer.Write((maker.*header.make)(path), context.options.force);
    } catch (const CFileException&) {
      // Already reported by the writer; the remaining files are skipped.
      return kFailure;
    }
    if (TellFileOutcome(writer, outcome, path) == kDeclined) declined = true;
    if (writer.Failed()) break;
  }
  progress.Set(std::size(kHeaders));
  if (!writer.Settle()) return kFailure;  // reported
  return declined ? kDeclined : kOk;
}

}  // namespace

FF_CLI_COMMAND(30, [](CLI::App& app, Context& context, int* status) {
  auto out = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand(
      "headers", "Write fiddef.h, fixdef.h, blsdef.h, fosdef.h and sysdef.h into a folder");
  command->add_option("-o,--out", *out, "Folder to write the headers into (made when missing)")->required();
  command->callback([&context, status, out] { *status = RunHeaders(context, *out); });
});

}  // namespace ff::cli
