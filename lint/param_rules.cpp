// Rules on single parameter rows (T156, T162): a parameter without a FID
// code, a data type that differs from its FID's.
#include <string>

#include "lint/data_types.h"
#include "lint/rule.h"

namespace ff::lint {

namespace {

std::string Function(const PlacedParam& p) { return std::string(p.kind) + " " + std::string(p.functionCode); }

constexpr Rule kRules[] = {
    {.id = "param-type-mismatch",
     .warningWhen = "the C types agree",
     .summary = "a parameter whose data type differs from its FID's",
     .example = "data type 6 (C type double) for a FID of type 1 (C type string)",
     .param =
         [](const PlacedParam& p, Report& report) {
           // An undefined FID is the FID check rules' finding.
           if (p.code.empty() || !p.fid || p.fid->dataType == p.dataType) return;
           const std::string& paramC = CTypeOf(p.dataType);
           const std::string function = Function(p);
           const std::string paramType = std::to_string(p.dataType);
           const std::string fidType = std::to_string(p.fid->dataType);
           const std::initializer_list<Value> values{{"Code", p.code},         {"Function", function},
                                                     {"ParamType", paramType}, {"ParamC", paramC},
                                                     {"FidType", fidType},     {"FidC", p.fid->cType}};
           // Codes of one C type (4 and 5, 1 and 7) only confuse a reader; with
           // a different C type the generated variable of the parameter has
           // another type than the items of its FID.
           if (p.fid->cType == paramC) {
             report.Warn(p.where,
                         {"parameter %Code% of %Function% has data type %ParamType% (C type %ParamC%), its FID in "
                          "T151 has %FidType% (C type %FidC%); the C types agree, so only a warning",
                          "%Function%的参数%Code%的数据类型是%ParamType%（C类型%ParamC%），而它在T151中的FID是"
                          "%FidType%（C类型%FidC%）；C类型相同，所以只是警告"},
                         values);
           } else {
             report.Add(p.where,
                        {"parameter %Code% of %Function% has data type %ParamType% (C type %ParamC%), its FID in "
                         "T151 has %FidType% (C type %FidC%): the C types differ, so the generated variable does "
                         "not hold the FID's type",
                         "%Function%的参数%Code%的数据类型是%ParamType%（C类型%ParamC%），而它在T151中的FID是"
                         "%FidType%（C类型%FidC%）：C类型不同，生成的变量不是FID的类型"},
                        values);
           }
         }},
    {.id = "param-without-fid",
     .summary = "a parameter without a FID code",
     .example = "a T156 row whose FID编码 is blank",
     .param =
         [](const PlacedParam& p, Report& report) {
           if (!p.code.empty()) return;
           report.Add(p.where,
                      {"parameter \"%Name%\" of %Function% has no FID code: its generated lines name no FID",
                       "%Function%的参数“%Name%”没有FID编码：生成的代码行不指向任何FID"},
                      {{"Name", p.name}, {"Function", Function(p)}});
         }},
};

}  // namespace

std::span<const Rule> ParamRules() { return kRules; }

}  // namespace ff::lint
