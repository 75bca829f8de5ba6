// module --kind fos|bls (--module N | --all) --out DIR [--merge]: the
// server source pair Process.h and Process.cpp of a module, as the module
// code page writes it (compact validation, aligned lines), and the record
// of the generation beside them. With --merge the hand-written lines of the
// existing pair are carried into the new one (merge/regeneration.h).

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "cli/code_output.h"
#include "cli/commands.h"
#include "cli/module_arg.h"
#include "cli/progress.h"
#include "codetext/code_maker.h"
#include "host/file_error.h"
#include "host/gbk_text.h"
#include "merge/regeneration.h"
#include "modulecode/module_list.h"
#include "modulecode/module_queries.h"

namespace ff::cli {
namespace {

struct ModuleOptions {
  Kind kind = Kind::Fos;
  long module = 0;
  bool all = false;
  bool merge = false;
  bool conflictMarkers = false;  // --conflict-markers
  bool forceRetire = false;      // --force-retire
  bool diff = false;             // --diff (with --check --merge)
  std::string out;  // UTF-8
};

// Why a module cannot be generated, for stderr; empty when it can.
std::string Problem(Kind kind, const code::ModuleRow& module) {
  const std::string named = std::string(Of(kind).name) + " module \"" + gbk::Trim(module.name) + "\"";
  switch (module.problem) {
    case code::ModuleRow::Problem::None: return {};
    case code::ModuleRow::Problem::NoId: return named + " has no id: skipped";
    case code::ModuleRow::Problem::NotANumber:
      return named + " has the id \"" + module.stored + "\", which is no module number: skipped";
    case code::ModuleRow::Problem::Repeated:
      return named + " has the id " + module.stored + ", as module \"" + module.sharedWith +
             "\" has: skipped, as is every module of that id";
  }
  return {};
}

std::string JoinPath(std::string folder, const std::string& name) {
  if (folder.empty()) folder = ".";
  if (folder.back() != '/') folder += '/';
  return folder + name;
}

enum class ModuleResult { Done, FileError, MergeRefused, NotWhole };

// One module into `folder` (the system's bytes): both files are made in
// memory and checked, a merge is planned from them, and only then are
// Process.h and Process.cpp written, then the record of this generation for
// the next merge. A module whose files cannot be whole, or whose merge is
// refused, touches no file. File errors and refusals are already reported.
// `rows`: the rows of the whole run (null: the module's own queries).
ModuleResult GenerateModule(Context& context, Kind kind, const code::ModuleRow& module, const std::string& folder,
                            const ModuleOptions& options, bool& declined, code::KindRows* rows = nullptr) {
  CCodeMaker maker;
  context.SetCommentValues(maker);
  FileWriter& writer = context.Writer();
  maker.SetProjectName(module.name + " " + module.chineseName);
  maker.SetValidateStyle(ValidateStyle::Compact);
  maker.SetBeautify(true);

  const bool force = context.options.force;
  merge::ModuleFilesRequest request{.kind = kind,
                                    .module = module.id,
                                    .headerPath = JoinPath(folder, "Process.h"),
                                    .sourcePath = JoinPath(folder, "Process.cpp")};
  request.merge = options.merge;
  request.conflictMarkers = options.conflictMarkers;
  request.forceRetire = options.forceRetire;
  request.utf8 = writer.Options().utf8;
  // Make both texts and check them.
  const std::vector<std::string> faults = merge::MakeFreshTexts(maker, request, rows);
  if (!faults.empty()) {
    for (const std::string& fault : faults) {
      PrintError(folder + ": " + fault + "; neither Process.h nor Process.cpp is written");
    }
    return ModuleResult::NotWhole;
  }
  // Merge.
  const merge::ModuleFilesPlan plan = merge::PlanModuleFiles(request);
  if (plan.verdict != merge::ModuleFilesPlan::Verdict::Write) {
    PrintError(plan.reason + (plan.verdict == merge::ModuleFilesPlan::Verdict::AskFirst
                                  ? "; give --force-retire to merge all the same"
                                  : "; not merged, no file was changed"));
    return ModuleResult::MergeRefused;
  }
  // Write both, then the record: a module that writes nothing gets no folder either.
  if (!MakeOutputFolder(writer, folder)) return ModuleResult::FileError;
  const std::string& header = request.headerPath;
  const std::string& source = request.sourcePath;
  try {
    if (options.diff) {
      std::string diff = merge::DiffWithDisk(header, plan.header, request.utf8) +
                         merge::DiffWithDisk(source, plan.source, request.utf8);
      if (!diff.empty()) diff.pop_back();  // PrintLine ends the last line
      if (!diff.empty()) PrintLine(diff);
    }
    const FileOutcome headerOutcome = writer.Write(GenFile(header, plan.header), force);
    const bool headerDeclined = TellFileOutcome(writer, headerOutcome, header) == kDeclined;
    const FileOutcome sourceOutcome = writer.Write(GenFile(source, plan.source), force);
    const bool sourceDeclined = TellFileOutcome(writer, sourceOutcome, source) == kDeclined;
    declined |= headerDeclined || sourceDeclined;
    merge::WriteRecord(writer, source, merge::RecordAfterWriting(request, plan, !headerDeclined, !sourceDeclined));
    if (!sourceDeclined && !Quiet()) {
      for (const std::string& line : plan.report) {
        writer.After([line] { PrintLine(line); }, sourceOutcome == FileOutcome::Written);
      }
    }
  } catch (const CFileException&) {
    return ModuleResult::FileError;  // reported by the writer
  }
  if (writer.Failed()) return ModuleResult::FileError;
  if (plan.conflictsMarked > 0) {
    PrintError(gbk::FromUtf8(source) + ": " + std::to_string(plan.conflictsMarked) +
               " conflict(s) written into the files as <<<<<<< blocks: settle them by hand");
    return ModuleResult::MergeRefused;
  }
  return ModuleResult::Done;
}

int RunModule(Context& context, const ModuleOptions& options) {
  if (!context.Connect()) return kFailure;
  // Each file reaches the disk while the next one is made; a file that
  // fails to get there stops the run as a failed write does.
  FileWriter& writer = context.Writer();
  const Kind kind = options.kind;
  const std::vector<code::ModuleRow> modules = code::ReadModules(kind);
  const std::string& out = options.out;  // paths stay the system's bytes
  bool declined = false;

  if (!options.all) {
    for (const code::ModuleRow& module : modules) {
      if (module.problem == code::ModuleRow::Problem::Repeated && module.id == options.module) {
        PrintError(Problem(kind, module));
        return kFailure;
      }
      if (module.problem != code::ModuleRow::Problem::None || module.id != options.module) continue;
      if (!MakeOutputFolder(writer, out) || !LockOutputFolder(writer, out)) return kFailure;
      if (GenerateModule(context, kind, module, out, options, declined) != ModuleResult::Done) return kFailure;
      if (!writer.Settle()) return kFailure;
      return declined ? kDeclined : kOk;
    }
    PrintError("no " + std::string(Of(kind).name) + " module with the id " +
               std::to_string(options.module));
    return kFailure;
  }

  // The whole tree is one run's: every module folder is under `out`.
  if (!MakeOutputFolder(writer, out) || !LockOutputFolder(writer, out)) return kFailure;
  Progress progress(writer.Options().check ? "Checking modules" : "Writing modules", modules.size());
  bool refused = false;  // a refused merge stops only its own module
  bool skipped = false;  // a module no folder can be named for
  // Every module's rows with a few queries for the whole kind.
  code::KindRows rows(kind);
  int n = 0;
  for (const code::ModuleRow& module : modules) {
    progress.Set(static_cast<size_t>(n++));
    if (module.problem != code::ModuleRow::Problem::None) {
      // Never the output folder itself, never another module's folder.
      PrintError(Problem(kind, module));
      skipped = true;
      continue;
    }
    const std::string folder = JoinPath(out, module.idText);
    const ModuleResult result = GenerateModule(context, kind, module, folder, options, declined, &rows);
    if (result == ModuleResult::FileError) return kFailure;
    // A refused merge or a module that cannot be whole fails the run once
    // every other module is written.
    refused |= result == ModuleResult::MergeRefused || result == ModuleResult::NotWhole;
  }
  progress.Set(modules.size());
  if (!writer.Settle()) return kFailure;
  if (refused || skipped) return kFailure;
  return declined ? kDeclined : kOk;
}

}  // namespace

FF_CLI_COMMAND(40, [](CLI::App& app, Context& context, int* status) {
  auto options = std::make_shared<ModuleOptions>();
  CLI::App* command =
      app.add_subcommand("module", "Write Process.h and Process.cpp of a FOS or BLS module");
  AddKindOption(command, options->kind);
  CLI::Option* module = command->add_option("--module", options->module, "Module id");
  CLI::Option* all = command->add_flag("--all", options->all, "Every module of the kind, each into DIR/<module id>/");
  module->excludes(all);
  command->add_flag("--merge", options->merge,
                    "Keep every hand-written line of the existing Process.h and Process.cpp: merged three-way "
                    "against the record of the last generation (.fidforge-base); functions that left the "
                    "database and were edited stay disabled");
  command->add_flag("--conflict-markers", options->conflictMarkers,
                    "With --merge: write a conflict into the file between <<<<<<< and >>>>>>> lines (exit 1) "
                    "instead of refusing the module");
  command->add_flag("--force-retire", options->forceRetire,
                    "With --merge: merge even when most functions would retire or the files are another "
                    "module's");
  command->add_flag("--diff", options->diff,
                    "With --check --merge: print what the merge would change as a unified diff");
  command->add_option("-o,--out", options->out, "Folder to write into (made when missing)")->required();
  command->callback([&context, status, options, module] {
    if (!options->all && module->count() == 0) {
      PrintError("give --module N or --all");
      *status = kUsage;
      return;
    }
    if ((options->conflictMarkers || options->forceRetire) && !options->merge) {
      PrintError("--conflict-markers and --force-retire go with --merge");
      *status = kUsage;
      return;
    }
    if (options->diff && !(options->merge && context.options.check)) {
      PrintError("--diff goes with --check and --merge");
      *status = kUsage;
      return;
    }
    *status = RunModule(context, *options);
  });
});

}  // namespace ff::cli
