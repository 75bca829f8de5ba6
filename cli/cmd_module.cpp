// module --kind fos|bls (--module N | --all) --out DIR [--merge]: the
// server source pair Process.h and Process.cpp of a module, as the module
// code page writes it (compact validation, aligned lines). With --merge the
// hand-written code of an existing Process.cpp is carried into the new one.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "cli/code_output.h"
#include "cli/commands.h"
#include "cli/progress.h"
#include "codetext/code_maker.h"
#include "codetext/commit_behind.h"
#include "codetext/query_ahead.h"
#include "host/file_error.h"
#include "host/gbk_text.h"
#include "merge/source_merge.h"
#include "modulecode/module_list.h"
#include "modulecode/module_queries.h"

namespace ff::cli {
namespace {

struct ModuleOptions {
  std::string kind;
  long module = 0;
  bool all = false;
  bool merge = false;
  std::string out;  // UTF-8
};

// Why a module cannot be generated, for stderr; empty when it can.
std::string Problem(bool bls, const code::ModuleRow& module) {
  const std::string named = std::string(bls ? "BLS" : "FOS") + " module \"" + gbk::Trim(module.name) + "\"";
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
// memory and checked, a merge is made from them, and only then are
// Process.h and Process.cpp written. A module whose files cannot be whole,
// or whose merge is refused, touches neither file. File errors and
// refusals are already reported.
ModuleResult GenerateModule(Context& context, bool bls, const code::ModuleRow& module, const std::string& folder,
                            bool merge, bool& declined) {
  CCodeMaker maker;
  maker.SetAskAfterCompare(true);
  context.SetCommentValues(maker);
  maker.SetProjectName(module.name + " " + module.chineseName);
  maker.SetValidateStyle(ValidateStyle::Compact);
  maker.SetBeautify(true);

  const std::string header = JoinPath(folder, "Process.h");
  const std::string source = JoinPath(folder, "Process.cpp");
  const bool force = context.options.force;

  // Make both texts.
  CCodeMaker::ModuleTexts texts = maker.MakeModuleTexts(bls, module.id, header, source);
  // Check them.
  if (!texts.faults.empty()) {
    for (const std::string& fault : texts.faults) {
      PrintError(folder + ": " + fault + "; neither Process.h nor Process.cpp is written");
    }
    return ModuleResult::NotWhole;
  }
  // Merge.
  merge::MergedSource merged;
  if (merge) {
    try {
      merged = merge::MergeIntoModuleSourceFile(source, std::move(texts.source));
    } catch (const merge::MergeRefused& refusal) {
      PrintError(refusal.what());
      return ModuleResult::MergeRefused;
    }
  }
  // Write both: a module that writes nothing gets no folder either.
  if (!MakeOutputFolder(folder)) return ModuleResult::FileError;
  try {
    maker.WriteTextFile(header, force, texts.header);
    declined |= TellFileOutcome(maker, header) == kDeclined;

    maker.WriteTextFile(source, force, merge ? merged.text : texts.source);
    const bool sourceDeclined = TellFileOutcome(maker, source) == kDeclined;
    declined |= sourceDeclined;
    if (merge && !sourceDeclined && !Quiet()) {
      const std::string line = "merged: " + gbk::FromUtf8(source) + ": " +
                               (merged.hadOldFile ? merge::DescribeReport(merged.report) : std::string("no earlier file"));
      AfterCommits([line] { PrintLine(line); }, maker.LastFileOutcome() == FileOutcome::Written);
    }
  } catch (const CFileException&) {
    return ModuleResult::FileError;  // reported by the generator
  }
  if (CommitBehind* commits = CommitBehind::Active(); commits && commits->Failed()) return ModuleResult::FileError;
  return ModuleResult::Done;
}

int RunModule(Context& context, const ModuleOptions& options) {
  if (!context.Connect()) return kFailure;
  // Each file reaches the disk while the next one is made; a file that
  // fails to get there stops the run as a failed write does.
  CommitBehind commits;
  const bool bls = options.kind == "bls";
  const std::vector<code::ModuleRow> modules = code::ReadModules(bls);
  const std::string& out = options.out;  // paths stay the system's bytes
  bool declined = false;

  if (!options.all) {
    for (const code::ModuleRow& module : modules) {
      if (module.problem == code::ModuleRow::Problem::Repeated && module.id == options.module) {
        PrintError(Problem(bls, module));
        return kFailure;
      }
      if (module.problem != code::ModuleRow::Problem::None || module.id != options.module) continue;
      if (!MakeOutputFolder(out) || !LockOutputFolder(out)) return kFailure;
      if (GenerateModule(context, bls, module, out, options.merge, declined) != ModuleResult::Done) return kFailure;
      if (!commits.Settle()) return kFailure;
      return declined ? kDeclined : kOk;
    }
    PrintError("no " + std::string(bls ? "BLS" : "FOS") + " module with the id " +
               std::to_string(options.module));
    return kFailure;
  }

  // The whole tree is one run's: every module folder is under `out`.
  if (!MakeOutputFolder(out) || !LockOutputFolder(out)) return kFailure;
  Progress progress(Output().check ? "Checking modules" : "Writing modules", modules.size());
  bool refused = false;  // a refused merge stops only its own module
  bool skipped = false;  // a module no folder can be named for
  // The next module's queries are read while one module is made.
  code::ReadAheadRun ahead(modules.size(), [&modules, bls](size_t i) {
    const code::ModuleRow& module = modules[i];
    if (module.problem != code::ModuleRow::Problem::None) return std::vector<std::string>();
    return code::ModulePairQueries(bls, module.id);
  });
  int n = 0;
  for (const code::ModuleRow& module : modules) {
    progress.Set(static_cast<size_t>(n++));
    if (module.problem != code::ModuleRow::Problem::None) {
      // Never the output folder itself, never another module's folder.
      PrintError(Problem(bls, module));
      skipped = true;
      continue;
    }
    ahead.Begin(static_cast<size_t>(n - 1));
    const std::string folder = JoinPath(out, module.idText);
    const ModuleResult result = GenerateModule(context, bls, module, folder, options.merge, declined);
    if (result == ModuleResult::FileError) return kFailure;
    // A refused merge or a module that cannot be whole fails the run once
    // every other module is written.
    refused |= result == ModuleResult::MergeRefused || result == ModuleResult::NotWhole;
  }
  progress.Set(modules.size());
  if (!commits.Settle()) return kFailure;
  if (refused || skipped) return kFailure;
  return declined ? kDeclined : kOk;
}

}  // namespace

FF_CLI_COMMAND(40, [](CLI::App& app, Context& context, int* status) {
  auto options = std::make_shared<ModuleOptions>();
  CLI::App* command =
      app.add_subcommand("module", "Write Process.h and Process.cpp of a FOS or BLS module");
  command->add_option("--kind", options->kind, "fos or bls")->required()->check(CLI::IsMember({"fos", "bls"}));
  CLI::Option* module = command->add_option("--module", options->module, "Module id");
  CLI::Option* all = command->add_flag("--all", options->all, "Every module of the kind, each into DIR/<module id>/");
  module->excludes(all);
  command->add_flag("--merge", options->merge,
                    "Keep the hand-written code of an existing Process.cpp: the text between the //##Begin/"
                    "//##End markers, helpers outside the functions, and (disabled) functions that left "
                    "the database");
  command->add_option("-o,--out", options->out, "Folder to write into (made when missing)")->required();
  command->callback([&context, status, options, module] {
    if (!options->all && module->count() == 0) {
      PrintError("give --module N or --all");
      *status = kUsage;
      return;
    }
    *status = RunModule(context, *options);
  });
});

}  // namespace ff::cli
