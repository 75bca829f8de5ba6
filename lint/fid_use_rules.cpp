// The three checks of the FID check page as rules: each takes the rows of
// its own check's query.
#include "lint/rule.h"

namespace ff::lint {

namespace {

void Undefined(const FidUse& use, std::string_view kind, Report& report) {
  report.Add(Where{kind == "BLS" ? "T162" : "T156", "", std::string(use.code)},
             {"FID %Code% (%Name%) is used by %Kind% %Function% but not defined in T151",
              "FID %Code%（%Name%）被%Kind% %Function%使用，但没有在T151中定义"},
             {{"Code", use.code}, {"Name", use.name}, {"Kind", kind}, {"Function", use.function}});
}

constexpr Rule kRules[] = {
    {.id = "fid-undefined-bls",
     .summary = "a FID that a BLS parameter uses but T151 does not define",
     .example = "FID_YHZH used by BLS ZJ_TRANSFER",
     .fidUse =
         [](const FidUse& use, Report& report) {
           if (use.check == FidUse::UndefinedBls) Undefined(use, "BLS", report);
         }},
    {.id = "fid-undefined-fos",
     .summary = "a FID that a FOS parameter uses but T151 does not define",
     .example = "FID_B used by FOS KH_LIST",
     .fidUse =
         [](const FidUse& use, Report& report) {
           if (use.check == FidUse::UndefinedFos) Undefined(use, "FOS", report);
         }},
    {.id = "fid-unused",
     .severity = Severity::Warning,
     .summary = "a FID that T151 defines but no parameter uses",
     .example = "FID_FAX",
     .fidUse =
         [](const FidUse& use, Report& report) {
           if (use.check != FidUse::Unused) return;
           report.Add(Where{"T151", "", std::string(use.code)},
                      {"FID %Code% (%Name%) is defined but no parameter uses it; an unused FID breaks no generated "
                       "code, so only a warning",
                       "FID %Code%（%Name%）已定义，但没有任何参数使用它；未使用的FID不会破坏生成的代码，所以只是警告"},
                      {{"Code", use.code}, {"Name", use.name}});
         }},
};

}  // namespace

std::span<const Rule> FidUseRules() { return kRules; }

}  // namespace ff::lint
