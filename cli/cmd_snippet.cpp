// snippet --module N --code CODE [--plain] [--out FILE]: the client access
// snippet of one BLS function, as the client snippet page previews it.
#include <memory>
#include <string>

#include "cli/code_output.h"
#include "cli/commands.h"
#include "cli/module_arg.h"
#include "codetext/code_maker.h"
#include "host/gbk_text.h"
#include "host/query_error.h"

namespace ff::cli {
namespace {

struct SnippetOptions {
  long module = 0;
  std::string code;  // UTF-8, used exactly as given
  bool plain = false;
  std::string out;   // UTF-8; empty: standard output
};

int RunSnippet(Context& context, const SnippetOptions& options) {
  if (!context.Connect()) return kFailure;
  if (!KnownModule(Kind::Bls, options.module)) return kFailure;
  const std::string code = gbk::FromUtf8(options.code);

  CCodeMaker maker;
  maker.SetBeautify(!options.plain);

  const std::string what = "BLS function " + code + " in module " + std::to_string(options.module);
  std::string text;
  bool made;
  try {
    made = maker.MakeBlsClientSnippet(options.module, context.options.force, code, text);
  } catch (const QueryError& error) {
    throw error.Within("cannot generate the snippet of " + what);
  }
  const std::string& path = options.out;  // the system's bytes
  return DeliverCode(context, maker, made, text, what, path);
}

}  // namespace

FF_CLI_COMMAND(60, [](CLI::App& app, Context& context, int* status) {
  auto options = std::make_shared<SnippetOptions>();
  CLI::App* command = app.add_subcommand("snippet", "The client access snippet of one BLS function");
  command->add_option("--module", options->module, "Module id")->required();
  command->add_option("--code", options->code, "BLS code, exactly as stored")->required();
  command->add_flag("--plain", options->plain, "No column alignment (简约型)");
  command->add_option("-o,--out", options->out, "File to write, its folder made when missing (default: standard output)");
  command->callback([&context, status, options] { *status = RunSnippet(context, *options); });
});

}  // namespace ff::cli
