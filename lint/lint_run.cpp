#include "lint/lint_run.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <unordered_map>

#include "fidcheck/fid_check.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/record.h"
#include "host/sim_db.h"
#include "lint/config_rows.h"
#include "lint/data_types.h"
#include "lint/rule.h"
#include "res/lint_texts.h"
#include "res/param_captions.h"

namespace ff::lint {

namespace q = res::lint;

bool LintResult::HasErrors() const {
  return std::any_of(findings.begin(), findings.end(),
                     [](const Finding& f) { return f.severity == Severity::Error; });
}

namespace {

// Hands a subject to every rule that looks at its kind.
template <typename Subject>
void RunChecks(void (*Rule::*check)(const Subject&, Report&), const Subject& subject, FindingSink& sink) {
  for (const Rule& rule : Rules()) {
    if (!(rule.*check)) continue;
    Report report(rule, sink);
    (rule.*check)(subject, report);
  }
}

// What the findings call the texts and codes of a row, in both languages,
// and where a function's name lands: fosdef.h/blsdef.h and the
// identification line (// ...), the function comment, and for BLS the
// answer's message literal. Indexed by Kind.
struct FunctionWords {
  Phrase code, name, functionName, design, note;
  unsigned nameLandings;
};
constexpr FunctionWords kFunctionWords[] = {
    {{"FOS code", "FOS编码"}, {"FOS name", "FOS名称"}, {"FOS function name", "FOS函数名"},
     {"FOS design", "FOS设计说明"}, {"FOS note", "FOS备注"}, kOneLine | kLineComment | kBlockComment},
    {{"BLS code", "BLS编码"}, {"BLS name", "BLS名称"}, {"BLS function name", "BLS函数名"},
     {"BLS design", "BLS设计说明"}, {"BLS note", "BLS备注"},
     kOneLine | kLineComment | kBlockComment | kStringLiteral},
};
struct ModuleWords {
  Phrase name, chineseName;
};
constexpr ModuleWords kModuleWords[] = {
    {{"FOS module name", "FOS模块名称"}, {"FOS module Chinese name", "FOS模块中文名称"}},
    {{"BLS module name", "BLS模块名称"}, {"BLS module Chinese name", "BLS模块中文名称"}},
};
constexpr Phrase kFidCode{"FID code", "FID编码"}, kFidName{"FID name", "FID名称"}, kFidNote{"FID note", "FID备注"};
constexpr Phrase kErrorValue{"error code value", "错误码的值"}, kErrorName{"error code name", "错误码名称"},
    kErrorMessageName{"error message name", "错误信息名称"}, kErrorMessage{"error message", "错误信息"},
    kErrorCategory{"error category", "错误类别"};
constexpr Phrase kParamFidCode{"parameter FID code", "参数的FID编码"}, kParamName{"parameter name", "参数名称"};

// Reads the rows of every table and runs the rules that look at one row
// at a time as the rows arrive; the rules over whole tables run after.
class Linter {
 public:
  explicit Linter(CSimDB& db) : db_(db) {}

  LintResult Run() {
    LintResult result;
    result.ok = ReadFids() && ReadFunctions(Kind::Fos) && ReadFunctions(Kind::Bls) && ReadModules(Kind::Fos) &&
                ReadModules(Kind::Bls) && ReadErrors();
    if (result.ok) {
      fids_.reserve(rows_.fids.size());
      for (const FidRow& fid : rows_.fids) fids_.emplace(fid.code, &fid);
      result.ok = ReadParams(Kind::Fos) && ReadParams(Kind::Bls) && ReadFidUses();
    }
    result.queries = queries_;
    if (!result.ok) {
      result.error = error_;
      return result;
    }
    RunChecks(&Rule::tables, rows_, sink_);
    result.findings = std::move(sink_.Findings());
    std::stable_sort(result.findings.begin(), result.findings.end(), [](const Finding& a, const Finding& b) {
      return RuleOrder(a.rule) < RuleOrder(b.rule);
    });
    return result;
  }

 private:
  // Runs one query, handing each row to `onRow`; false with the reason
  // when it fails, telling what the lint was reading.
  bool Each(const std::string& sql, std::string_view what, const std::function<void(const CMemRecord&)>& onRow) {
    ++queries_;
    db_.Cmd(sql);
    try {
      db_.SelectEachChecked([&onRow](const CMemRecord& row) {
        onRow(row);
        return true;
      });
    } catch (const QueryError& error) {
      error_ = error.Within("lint cannot read " + std::string(what)).Message();
      return false;
    }
    return true;
  }

  static std::string Trimmed(const CMemRecord& row, const std::string& caption) {
    return gbk::Trim(row.GetRef(caption));
  }
  // The text holds characters without a GBK form: kept ones (the lint
  // reads with them kept, for its UTF-8 report), or more question marks
  // than the database holds in it. (No GBK trail byte is '?', so counting
  // bytes is exact.)
  static bool Lost(const CMemRecord& row, const std::string& caption) {
    const std::string& text = row.GetRef(caption);
    if (gbk::CountKept(text) > 0) return true;
    const long arrived = static_cast<long>(std::count(text.begin(), text.end(), '?'));
    return arrived > gbk::AtoL(row.GetRef(q::QCaption(caption)));
  }
  void Text(const Where& where, const Phrase& what, std::string_view text, unsigned landing, bool lost) {
    if (!text.empty()) RunChecks(&Rule::text, PlacedText{where, what, text, landing, lost}, sink_);
  }
  void Text(const Where& where, const Phrase& what, const CMemRecord& row, const std::string& caption,
            unsigned landing, bool trim = true) {
    const std::string& raw = row.GetRef(caption);
    Text(where, what, trim ? gbk::Trim(raw) : raw, landing, Lost(row, caption));
  }
  void Name(const Where& where, const Phrase& what, std::string_view text, std::string_view name) {
    RunChecks(&Rule::name, PlacedName{where, what, text, name}, sink_);
  }

  bool ReadFids() {
    static const std::string kCode = gbk::FromUtf8("FID编码");
    return Each(q::FidQuery(), "the FIDs (T151)", [&](const CMemRecord& row) {
      FidRow fid;
      fid.number = Trimmed(row, q::CaptionNumber());
      fid.code = Trimmed(row, kCode);
      fid.name = Trimmed(row, q::CaptionName());
      fid.dataType = DataTypeOf(row, res::CaptionDataType());
      fid.cType = CTypeOf(fid.dataType);
      fid.where = Where{"T151", fid.number, fid.code};
      Text(fid.where, kFidCode, row, kCode, kOneLine);
      Name(fid.where, kFidCode, fid.code, fid.code);
      Text(fid.where, kFidName, row, q::CaptionName(), kOneLine | kLineComment);
      // fiddef.h writes the note as it stands.
      Text(fid.where, kFidNote, row, q::CaptionNote(), kOneLine | kLineComment, false);
      rows_.fids.push_back(std::move(fid));
    });
  }

  bool ReadFunctions(Kind kind) {
    const KindTable& of = Of(kind);
    const FunctionWords& words = kFunctionWords[static_cast<int>(kind)];
    const std::string what = std::string("the ") + of.name + " functions (" + of.functionTable + ")";
    return Each(of.lintFunctionQuery, what, [&](const CMemRecord& row) {
      FunctionRow f;
      f.kind = kind;
      f.number = Trimmed(row, q::CaptionNumber());
      f.code = Trimmed(row, q::CaptionCode());
      f.macro = gbk::Replaced(f.code, ".", "_");
      f.module = Trimmed(row, q::CaptionModule());
      f.where = Where{of.functionTable, Trimmed(row, q::CaptionId()), f.code};
      Text(f.where, words.code, row, q::CaptionCode(), kOneLine);
      Name(f.where, words.code, f.code, f.macro);
      Text(f.where, words.name, row, q::CaptionName(), words.nameLandings);
      const std::string funName = Trimmed(row, q::CaptionFunName());
      Text(f.where, words.functionName, row, q::CaptionFunName(), kOneLine);
      if (!funName.empty()) Name(f.where, words.functionName, funName, funName);
      // Design and note become continuation lines of the function comment.
      Text(f.where, words.design, row, q::CaptionDesign(), kBlockComment);
      Text(f.where, words.note, row, q::CaptionNote(), kBlockComment);
      rows_.functions.push_back(std::move(f));
    });
  }

  bool ReadModules(Kind kind) {
    const KindTable& of = Of(kind);
    const ModuleWords& words = kModuleWords[static_cast<int>(kind)];
    const std::string what = std::string("the ") + of.name + " modules (" + of.moduleTable + ")";
    return Each(of.lintModuleQuery, what, [&](const CMemRecord& row) {
      ModuleRow m;
      m.kind = kind;
      m.id = Trimmed(row, q::CaptionId());
      m.name = Trimmed(row, q::CaptionName());
      m.where = Where{of.moduleTable, m.id, m.name};
      // Both names make the project line of the file comment.
      Text(m.where, words.name, row, q::CaptionName(), kBlockComment);
      Text(m.where, words.chineseName, row, q::CaptionChineseName(), kBlockComment);
      rows_.modules.push_back(std::move(m));
    });
  }

  bool ReadErrors() {
    static const std::string kValue = gbk::FromUtf8("错误码");
    static const std::string kKind = gbk::FromUtf8("错误码数据类型");
    static const std::string kMsgName = gbk::FromUtf8("错误信息编码");
    static const std::string kMessage = gbk::FromUtf8("错误信息");
    return Each(q::ErrorQuery(), "the error codes (T470, T471)", [&](const CMemRecord& row) {
      const std::string code = Trimmed(row, q::CaptionCode());
      const std::string value = Trimmed(row, kValue);
      const std::string msgName = Trimmed(row, kMsgName);
      const std::string message = Trimmed(row, kMessage);
      const bool bare = gbk::AtoL(row.GetRef(kKind)) == 6;
      const Where where{"T470", Trimmed(row, q::CaptionId()), code};
      Text(where, kErrorValue, row, kValue, kOneLine | (bare ? 0u : kStringLiteral));
      Text(where, kErrorName, row, q::CaptionCode(), kOneLine);
      Name(where, kErrorName, code, code);
      Text(where, kErrorMessageName, row, kMsgName, kOneLine);
      if (!msgName.empty()) Name(where, kErrorMessageName, msgName, msgName);
      Text(where, kErrorMessage, row, kMessage, kOneLine | kLineComment | kStringLiteral);
      Text(where, kErrorCategory, row, q::CaptionCategory(), kOneLine | kLineComment);
      rows_.errorMacros.push_back(ErrorMacro{where, code, bare ? value : "\"" + value + "\"", bare});
      if (!msgName.empty()) rows_.errorMacros.push_back(ErrorMacro{where, msgName, "\"" + message + "\""});
    });
  }

  // Only parameters of an existing function reach generated code; the
  // others are skipped, as the generators' joins skip them.
  bool ReadParams(Kind kind) {
    const KindTable& of = Of(kind);
    static const std::string kCode = gbk::FromUtf8("FID编码");
    static const std::string kName = gbk::FromUtf8("参数名称");
    std::unordered_map<std::string_view, const FunctionRow*> functions;
    for (const FunctionRow& f : rows_.functions) {
      if (f.kind == kind) functions.emplace(f.where.id, &f);
    }
    const std::string what = std::string("the ") + of.name + " parameters (" + of.paramTable + ")";
    return Each(of.lintParamQuery, what, [&](const CMemRecord& row) {
      const auto owner = functions.find(gbk::Trim(row.GetRef(q::CaptionOwner())));
      if (owner == functions.end()) return;
      const std::string code = Trimmed(row, kCode);
      const std::string name = Trimmed(row, kName);
      const Where where{of.paramTable, Trimmed(row, q::CaptionId()), code};
      Text(where, kParamFidCode, code, kOneLine, false);
      // Request and answer lines end in //name; the validation code puts
      // the name into its error message literal.
      Text(where, kParamName, name, kOneLine | kLineComment | kStringLiteral, Lost(row, kName));
      const auto fid = fids_.find(code);
      RunChecks(&Rule::param,
                PlacedParam{where, code, name, DataTypeOf(row, res::CaptionDataType()), of.name,
                            owner->second->code, fid == fids_.end() ? nullptr : fid->second},
                sink_);
    });
  }

  // The three checks of the FID check page, with its own queries.
  bool ReadFidUses() {
    static const std::string kCode = gbk::FromUtf8("FID编码");
    static const std::string kName = gbk::FromUtf8("FID名称");
    static const std::string kBls = gbk::FromUtf8("所在BLS");
    static const std::string kFos = gbk::FromUtf8("所在FOS");
    for (const FidCheckKind kind : kFidChecks) {
      const bool ok = Each(FidCheckQuery(kind), "the FID checks", [&](const CMemRecord& row) {
        const std::string code = Trimmed(row, kCode);
        const std::string name = Trimmed(row, kName);
        const std::string function = kind == FidCheckKind::Unused ? "" : Trimmed(row, kind == FidCheckKind::Bls ? kBls : kFos);
        const FidUse::Check check = kind == FidCheckKind::Bls   ? FidUse::UndefinedBls
                                    : kind == FidCheckKind::Fos ? FidUse::UndefinedFos
                                                                : FidUse::Unused;
        RunChecks(&Rule::fidUse, FidUse{check, code, name, function}, sink_);
      });
      if (!ok) return false;
    }
    return true;
  }

  CSimDB& db_;
  ConfigRows rows_;
  // The FIDs by code: the first row of a code, as a header would define it.
  std::unordered_map<std::string_view, const FidRow*> fids_;
  FindingSink sink_;
  std::string error_;
  int queries_ = 0;
};

}  // namespace

LintResult RunLint(CSimDB& db) {
  // The report is UTF-8: the texts it quotes keep every character.
  gbk::KeepForeignText keep;
  // Every table from one committed state: rows that refer to each other
  // (a parameter and its function) must not come from two.
  struct Snapshot {
    explicit Snapshot(CSimDB& db) : db(db) { db.BeginSnapshot(); }
    ~Snapshot() { db.EndSnapshot(); }
    CSimDB& db;
  } snapshot(db);
  return Linter(db).Run();
}

std::vector<std::string> LintQueries() {
  std::vector<std::string> queries{q::FidQuery(),       q::FosFunctionQuery(), q::BlsFunctionQuery(),
                                   q::FosModuleQuery(), q::BlsModuleQuery(),   q::ErrorQuery(),
                                   q::FosParamQuery(),  q::BlsParamQuery()};
  for (const FidCheckKind kind : kFidChecks) queries.push_back(FidCheckQuery(kind));
  return queries;
}

}  // namespace ff::lint
