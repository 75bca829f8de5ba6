#include "lint/definition_rules.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "codetext/text_fill.h"
#include "host/gbk_text.h"
#include "lint/rule_names.h"
#include "res/lint_texts.h"

namespace ff::lint {

namespace msg = res::lint::msg;

namespace {

// Reports every row whose key another row before it has already: the
// first row of a key stands, each later one is the duplicate.
template <typename Row, typename KeyOf, typename Report>
void EachDuplicate(const std::vector<Row>& rows, KeyOf keyOf, Report report) {
  std::unordered_map<std::string, const Row*> first;
  for (const Row& row : rows) {
    const std::string& key = keyOf(row);
    if (key.empty()) continue;
    auto [found, inserted] = first.emplace(key, &row);
    if (!inserted) report(row, *found->second);
  }
}

std::string Describe(const Where& where) { return WhereText(where); }

// STR() writes an empty text for NULL and stars for a number wider than
// its ten characters; neither is a number for a #define.
void CheckNumber(const Where& where, std::string_view what, const std::string& code, const std::string& number,
                 FindingSink& sink) {
  if (number.empty()) {
    sink.Add(Severity::Error, rule::kNumberInvalid, where,
             FillTemplate(msg::NumberMissing(), {{"What", what}, {"Code", code}}));
  } else if (number.find('*') != std::string::npos) {
    sink.Add(Severity::Error, rule::kNumberInvalid, where,
             FillTemplate(msg::NumberTooWide(), {{"What", what}, {"Code", code}, {"Number", number}}));
  }
}

}  // namespace

void CheckFidDefinitions(const ConfigRows& rows, FindingSink& sink) {
  for (const FidRow& fid : rows.fids) CheckNumber(fid.where, "FID", fid.code, fid.number, sink);
  EachDuplicate(
      rows.fids, [](const FidRow& r) -> const std::string& { return r.number; },
      [&](const FidRow& row, const FidRow& first) {
        sink.Add(Severity::Error, rule::kFidNumberDuplicate, row.where,
                 FillTemplate(msg::DuplicateNumber(),
                              {{"What", "FID"}, {"Number", row.number}, {"Other", Describe(first.where)}}));
      });
  EachDuplicate(
      rows.fids, [](const FidRow& r) -> const std::string& { return r.code; },
      [&](const FidRow& row, const FidRow& first) {
        sink.Add(Severity::Error, rule::kFidCodeDuplicate, row.where,
                 FillTemplate(msg::DuplicateCode(),
                              {{"What", "FID"}, {"Code", row.code}, {"Other", Describe(first.where)}}));
      });
}

void CheckFunctionDefinitions(const ConfigRows& rows, FindingSink& sink) {
  std::unordered_set<std::string> fosModules, blsModules;
  for (const ModuleRow& module : rows.modules) (module.bls ? blsModules : fosModules).insert(module.id);

  for (const bool bls : {false, true}) {
    const std::string_view what = bls ? "BLS" : "FOS";
    std::vector<FunctionRow> kind;
    for (const FunctionRow& function : rows.functions) {
      if (function.bls == bls) kind.push_back(function);
    }
    for (const FunctionRow& function : kind) {
      CheckNumber(function.where, what, function.code, function.number, sink);
      const auto& modules = bls ? blsModules : fosModules;
      if (!modules.contains(function.module)) {
        sink.Add(Severity::Warning, rule::kModuleMissing, function.where,
                 FillTemplate(msg::ModuleMissing(), {{"What", what},
                                                     {"Code", function.code},
                                                     {"Module", function.module.empty() ? "NULL" : function.module}}));
      }
    }
    EachDuplicate(
        kind, [](const FunctionRow& r) -> const std::string& { return r.number; },
        [&](const FunctionRow& row, const FunctionRow& first) {
          sink.Add(Severity::Error, rule::kFunctionNumberDuplicate, row.where,
                   FillTemplate(msg::DuplicateNumber(),
                                {{"What", what}, {"Number", row.number}, {"Other", Describe(first.where)}}));
        });
    // Codes compare as their macros: A.B and A_B both define A_B.
    EachDuplicate(
        kind, [](const FunctionRow& r) -> const std::string& { return r.macro; },
        [&](const FunctionRow& row, const FunctionRow& first) {
          sink.Add(Severity::Error, rule::kFunctionCodeDuplicate, row.where,
                   FillTemplate(msg::DuplicateCode(),
                                {{"What", what}, {"Code", row.macro}, {"Other", Describe(first.where)}}));
        });
  }
}

void CheckModules(const ConfigRows& rows, FindingSink& sink) {
  std::unordered_set<std::string> seen[2];
  for (const ModuleRow& module : rows.modules) {
    const std::string_view what = module.bls ? "BLS module" : "FOS module";
    if (module.id.empty()) {
      sink.Add(Severity::Error, rule::kModuleIdFolder, module.where,
               FillTemplate(msg::ModuleIdEmpty(), {{"What", what}, {"Name", module.name}}));
    } else if (module.id.find('*') != std::string::npos) {
      sink.Add(Severity::Error, rule::kModuleIdFolder, module.where,
               FillTemplate(msg::ModuleIdTooWide(), {{"What", what}}));
    } else if (gbk::AtoL(module.id) < 1) {
      sink.Add(Severity::Error, rule::kModuleIdFolder, module.where,
               FillTemplate(msg::ModuleIdNotPositive(), {{"What", what}, {"Id", module.id}}));
    } else if (!seen[module.bls].insert(module.id).second) {
      sink.Add(Severity::Error, rule::kModuleIdFolder, module.where,
               FillTemplate(msg::ModuleIdDuplicate(), {{"What", what}, {"Id", module.id}}));
    }
  }
}

}  // namespace ff::lint
