// Rules over whole tables: duplicate numbers and codes, numbers that give
// no macro value, functions without their module, module ids that name no
// folder.
#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "host/gbk_text.h"
#include "lint/rule.h"

namespace ff::lint {

namespace {

// Reports every row whose key another row before it has already: the
// first row of a key stands, each later one is the duplicate.
template <typename Row, typename KeyOf, typename OnDuplicate>
void EachDuplicate(const std::vector<Row>& rows, KeyOf keyOf, OnDuplicate onDuplicate) {
  std::unordered_map<std::string_view, const Row*> first;
  for (const Row& row : rows) {
    const std::string& key = keyOf(row);
    if (key.empty()) continue;
    auto [found, inserted] = first.emplace(key, &row);
    if (!inserted) onDuplicate(row, *found->second);
  }
}

// The functions of one kind, FOS or BLS, with what the messages call them.
template <typename Each>
void ForEachKind(const ConfigRows& rows, Each each) {
  for (const Kind of : kKinds) {
    std::vector<FunctionRow> kind;
    std::copy_if(rows.functions.begin(), rows.functions.end(), std::back_inserter(kind),
                 [of](const FunctionRow& f) { return f.kind == of; });
    each(std::string_view(Of(of).name), kind);
  }
}

constexpr Phrase kNumber{"number", "编号"};
constexpr Phrase kCode{"code", "编码"};

void Duplicate(Report& report, const Where& where, std::string_view what, const Phrase& part, const std::string& key,
               const Where& other) {
  report.Add(where, {"%What% %Part% %Key% is also the %Part% of %Other%", "%What%%Part%%Key%也是%Other%的%Part%"},
             {{"What", what}, {"Part", part}, {"Key", key}, {"Other", WhereText(other)}});
}

// STR() writes an empty text for NULL and stars for a number wider than
// its ten characters; neither is a number for a #define.
void CheckNumber(const Where& where, std::string_view what, const std::string& code, const std::string& number,
                 Report& report) {
  if (number.empty()) {
    report.Add(where, {"%What% %Code% has no number: its #define has no value", "%What% %Code%没有编号：它的#define没有值"},
               {{"What", what}, {"Code", code}});
  } else if (number.find('*') != std::string::npos) {
    report.Add(where,
               {"%What% %Code% has a number too wide for its query (\"%Number%\"): its #define gets that text",
                "%What% %Code%的编号超出了查询的宽度（“%Number%”）：它的#define得到的是这段文字"},
               {{"What", what}, {"Code", code}, {"Number", number}});
  }
}

// An optional minus and decimal digits: what sysdef.h may write bare.
bool IsIntegerLiteral(std::string_view text) {
  if (!text.empty() && text[0] == '-') text.remove_prefix(1);
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

constexpr Rule kRules[] = {
    {.id = "fid-duplicate-number",
     .summary = "two FIDs with one number",
     .example = "FID number 1 twice",
     .tables =
         [](const ConfigRows& rows, Report& report) {
           EachDuplicate(
               rows.fids, [](const FidRow& r) -> const std::string& { return r.number; },
               [&](const FidRow& row, const FidRow& first) {
                 Duplicate(report, row.where, "FID", kNumber, row.number, first.where);
               });
         }},
    {.id = "fid-duplicate-code",
     .summary = "two FIDs with one code",
     .example = "FID code FID_A twice",
     .tables =
         [](const ConfigRows& rows, Report& report) {
           EachDuplicate(
               rows.fids, [](const FidRow& r) -> const std::string& { return r.code; },
               [&](const FidRow& row, const FidRow& first) {
                 Duplicate(report, row.where, "FID", kCode, row.code, first.where);
               });
         }},
    {.id = "function-duplicate-number",
     .summary = "two FOS (or two BLS) functions with one number",
     .example = "FOS number 1001 twice",
     .tables =
         [](const ConfigRows& rows, Report& report) {
           ForEachKind(rows, [&](std::string_view what, const std::vector<FunctionRow>& kind) {
             EachDuplicate(
                 kind, [](const FunctionRow& r) -> const std::string& { return r.number; },
                 [&](const FunctionRow& row, const FunctionRow& first) {
                   Duplicate(report, row.where, what, kNumber, row.number, first.where);
                 });
           });
         }},
    {.id = "function-duplicate-code",
     .summary = "two FOS (or two BLS) functions with one code (A.B and A_B are one macro)",
     .example = "FOS codes A.B and A_B",
     .tables =
         [](const ConfigRows& rows, Report& report) {
           ForEachKind(rows, [&](std::string_view what, const std::vector<FunctionRow>& kind) {
             // Codes compare as their macros: A.B and A_B both define A_B.
             EachDuplicate(
                 kind, [](const FunctionRow& r) -> const std::string& { return r.macro; },
                 [&](const FunctionRow& row, const FunctionRow& first) {
                   Duplicate(report, row.where, what, kCode, row.macro, first.where);
                 });
           });
         }},
    {.id = "number-invalid",
     .summary = "a FID or function number that is NULL or too wide (its #define gets no value), a bare error code "
                "that is no number",
     .example = "FID without F1; value E01 of type 6",
     .tables =
         [](const ConfigRows& rows, Report& report) {
           for (const FidRow& fid : rows.fids) CheckNumber(fid.where, "FID", fid.code, fid.number, report);
           ForEachKind(rows, [&](std::string_view what, const std::vector<FunctionRow>& kind) {
             for (const FunctionRow& f : kind) CheckNumber(f.where, what, f.code, f.number, report);
           });
           for (const ErrorMacro& e : rows.errorMacros) {
             if (!e.bare || IsIntegerLiteral(e.value)) continue;
             report.Add(e.where,
                        {"error code %Code% is written bare (data type 6), but its value \"%Value%\" is no number",
                         "错误码%Code%按数值写出（数据类型6），但它的值“%Value%”不是数字"},
                        {{"Code", e.name}, {"Value", e.value}});
           }
         }},
    {.id = "function-module-missing",
     .severity = Severity::Warning,
     .summary = "a function whose module does not exist: no module source holds it",
     .example = "FOS of module 7 without a T158 row",
     .tables =
         [](const ConfigRows& rows, Report& report) {
           ForEachKind(rows, [&](std::string_view what, const std::vector<FunctionRow>& kind) {
             std::unordered_set<std::string_view> modules;
             for (const ModuleRow& m : rows.modules) {
               if (Of(m.kind).name == what) modules.insert(m.id);
             }
             for (const FunctionRow& f : kind) {
               if (modules.contains(f.module)) continue;
               report.Add(f.where,
                          {"%What% %Code% belongs to module %Module%, which does not exist: no module source holds "
                           "it; the headers still define it, so only a warning",
                           "%What% %Code%属于模块%Module%，但该模块不存在：没有哪个模块的源文件包含它；"
                           "头文件仍然定义了它，所以只是警告"},
                          {{"What", what}, {"Code", f.code}, {"Module", f.module.empty() ? "NULL" : f.module}});
             }
           });
         }},
    {.id = "module-id-folder",
     .summary = "a module id that names no folder of its own: none, not positive, too wide, or taken",
     .example = "two FOS modules with id 1",
     .tables =
         [](const ConfigRows& rows, Report& report) {
           std::unordered_set<std::string_view> seen[2];  // by Kind
           for (const ModuleRow& m : rows.modules) {
             static constexpr Phrase kModule[] = {{"FOS module", "FOS模块"}, {"BLS module", "BLS模块"}};
             const Phrase& what = kModule[static_cast<int>(m.kind)];
             if (m.id.empty()) {
               report.Add(m.where,
                          {"%What% \"%Name%\" has no id: its sources would go to the output folder itself",
                           "%What%“%Name%”没有ID：它的源文件会直接放进输出目录"},
                          {{"What", what}, {"Name", m.name}});
             } else if (m.id.find('*') != std::string::npos) {
               report.Add(m.where,
                          {"%What% id is too wide for its query: its folder would be named \"**********\"",
                           "%What%的ID超出了查询的宽度：它的目录会被命名为“**********”"},
                          {{"What", what}});
             } else if (gbk::AtoL(m.id) < 1) {
               report.Add(m.where,
                          {"%What% id %Id% is not a positive number: the module pages generate module 0 for it",
                           "%What%的ID %Id%不是正数：模块页面会把它生成为模块0"},
                          {{"What", what}, {"Id", m.id}});
             } else if (!seen[static_cast<int>(m.kind)].insert(m.id).second) {
               report.Add(m.where,
                          {"%What% id %Id% is used by another module too: both write the same folder",
                           "%What%的ID %Id%也被另一个模块使用：两者写入同一个目录"},
                          {{"What", what}, {"Id", m.id}});
             }
           }
         }},
};

}  // namespace

std::span<const Rule> DefinitionRules() { return kRules; }

}  // namespace ff::lint
