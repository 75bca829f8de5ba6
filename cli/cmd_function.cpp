// function --kind fos|bls --module N --code CODE [--validate ...] [--plain]
// [--out FILE]: the template code of one server function, as the single
// template code page previews and writes it.
#include <map>
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

struct FunctionOptions {
  Kind kind = Kind::Fos;
  long module = 0;
  std::string code;      // UTF-8, used exactly as given
  std::string validate = "compact";
  bool plain = false;
  std::string out;       // UTF-8; empty: standard output
};

// The styles behind the page's validation buttons.
const std::map<std::string, ValidateStyle>& ValidateStyles() {
  static const std::map<std::string, ValidateStyle> styles{{"none", ValidateStyle::None},
                                                           {"macro", ValidateStyle::Macro},
                                                           {"loose", ValidateStyle::Loose},
                                                           {"compact", ValidateStyle::Compact}};
  return styles;
}

int RunFunction(Context& context, const FunctionOptions& options) {
  if (!context.Connect()) return kFailure;
  if (!KnownModule(options.kind, options.module)) return kFailure;
  const std::string code = gbk::FromUtf8(options.code);

  CCodeMaker maker;
  context.SetCommentValues(maker);
  maker.SetValidateStyle(ValidateStyles().at(options.validate));
  maker.SetBeautify(!options.plain);
  // The page writes the module header before it shows a function, which
  // gives the function comment its version; so does this.
  maker.RoutineComment().SetFileName("processTmp.h");

  const std::string what = std::string(Of(options.kind).name) + " function " + code + " in module " +
                           std::to_string(options.module);
  std::string text;
  bool made;
  try {
    made = maker.MakeFunctionText(options.kind, options.module, code, text);
  } catch (const QueryError& error) {
    throw error.Within("cannot generate " + what);
  }
  const std::string& path = options.out;  // the system's bytes
  return DeliverCode(context, maker, made, text, what, path);
}

}  // namespace

FF_CLI_COMMAND(50, [](CLI::App& app, Context& context, int* status) {
  auto options = std::make_shared<FunctionOptions>();
  CLI::App* command = app.add_subcommand("function", "The template code of one FOS or BLS function");
  AddKindOption(command, options->kind);
  command->add_option("--module", options->module, "Module id")->required();
  command->add_option("--code", options->code, "Function code, exactly as stored")->required();
  command->add_option("--validate", options->validate, "Request validation: none, loose, compact (default) or macro")
      ->check(CLI::IsMember({"none", "loose", "compact", "macro"}));
  command->add_flag("--plain", options->plain, "No column alignment (简约型)");
  command->add_option("-o,--out", options->out, "File to write, its folder made when missing (default: standard output)");
  command->callback([&context, status, options] { *status = RunFunction(context, *options); });
});

}  // namespace ff::cli
