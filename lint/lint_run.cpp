#include "lint/lint_run.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <unordered_map>

#include "codetext/text_fill.h"
#include "fidcheck/fid_check.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/record.h"
#include "host/sim_db.h"
#include "lint/config_rows.h"
#include "lint/data_types.h"
#include "lint/definition_rules.h"
#include "lint/identifier_rules.h"
#include "lint/macro_rules.h"
#include "lint/param_rules.h"
#include "lint/rule_names.h"
#include "lint/text_rules.h"
#include "res/lint_texts.h"
#include "res/param_captions.h"

namespace ff::lint {

namespace q = res::lint;

bool LintResult::HasErrors() const {
  return std::any_of(findings.begin(), findings.end(),
                     [](const Finding& f) { return f.severity == Severity::Error; });
}

namespace {

// Reads the rows of every table and runs the rules that look at one row
// at a time as the rows arrive; the rules over whole tables run after.
class Linter {
 public:
  explicit Linter(CSimDB& db) : db_(db) {}

  LintResult Run() {
    LintResult result;
    result.ok = ReadFids() && ReadFunctions(false) && ReadFunctions(true) && ReadModules(false) &&
                ReadModules(true) && ReadErrors();
    if (result.ok) {
      const FidsByCode fids = IndexFidsByCode(rows_);
      result.ok = ReadParams(false, fids) && ReadParams(true, fids) && CheckFidUsage();
    }
    result.queries = queries_;
    if (!result.ok) {
      result.error = error_;
      return result;
    }
    CheckMacroRedefinitions(rows_, sink_);
    CheckFidDefinitions(rows_, sink_);
    CheckFunctionDefinitions(rows_, sink_);
    CheckModules(rows_, sink_);
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

  // An optional minus and decimal digits: what sysdef.h may write bare.
  static bool IsIntegerLiteral(std::string_view text) {
    if (!text.empty() && text[0] == '-') text.remove_prefix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
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
  void Text(const Where& where, std::string_view what, const CMemRecord& row, const std::string& caption,
            unsigned landing, bool trim = true) {
    const std::string& raw = row.GetRef(caption);
    const std::string text = trim ? gbk::Trim(raw) : raw;
    CheckText(PlacedText{where, what, text, landing, Lost(row, caption)}, sink_);
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
      Text(fid.where, "FID code", row, kCode, kOneLine);
      CheckIdentifier(fid.where, "FID code", fid.code, fid.code, sink_);
      Text(fid.where, "FID name", row, q::CaptionName(), kOneLine | kLineComment);
      // fiddef.h writes the note as it stands.
      Text(fid.where, "FID note", row, q::CaptionNote(), kOneLine | kLineComment, false);
      rows_.fids.push_back(std::move(fid));
    });
  }

  bool ReadFunctions(bool bls) {
    const std::string kind = bls ? "BLS" : "FOS";
    return Each(bls ? q::BlsFunctionQuery() : q::FosFunctionQuery(), bls ? "the BLS functions (T161)" : "the FOS functions (T154)", [&](const CMemRecord& row) {
      FunctionRow f;
      f.bls = bls;
      f.number = Trimmed(row, q::CaptionNumber());
      f.code = Trimmed(row, q::CaptionCode());
      f.macro = gbk::Replaced(f.code, ".", "_");
      f.module = Trimmed(row, q::CaptionModule());
      f.where = Where{bls ? "T161" : "T154", Trimmed(row, q::CaptionId()), f.code};
      Text(f.where, kind + " code", row, q::CaptionCode(), kOneLine);
      CheckIdentifier(f.where, kind + " code", f.code, f.macro, sink_);
      // The name: fosdef.h/blsdef.h and the identification line (// ...),
      // the function comment, and for BLS the answer's message literal.
      Text(f.where, kind + " name", row, q::CaptionName(),
           kOneLine | kLineComment | kBlockComment | (bls ? kStringLiteral : 0u));
      const std::string funName = Trimmed(row, q::CaptionFunName());
      Text(f.where, kind + " function name", row, q::CaptionFunName(), kOneLine);
      if (!funName.empty()) CheckIdentifier(f.where, kind + " function name", funName, funName, sink_);
      // Design and note become continuation lines of the function comment.
      Text(f.where, kind + " design", row, q::CaptionDesign(), kBlockComment);
      Text(f.where, kind + " note", row, q::CaptionNote(), kBlockComment);
      rows_.functions.push_back(std::move(f));
    });
  }

  bool ReadModules(bool bls) {
    const std::string kind = bls ? "BLS module" : "FOS module";
    return Each(bls ? q::BlsModuleQuery() : q::FosModuleQuery(), bls ? "the BLS modules (T164)" : "the FOS modules (T158)", [&](const CMemRecord& row) {
      ModuleRow m;
      m.bls = bls;
      m.id = Trimmed(row, q::CaptionId());
      m.name = Trimmed(row, q::CaptionName());
      m.where = Where{bls ? "T164" : "T158", m.id, m.name};
      // Both names make the project line of the file comment.
      Text(m.where, kind + " name", row, q::CaptionName(), kBlockComment);
      Text(m.where, kind + " Chinese name", row, q::CaptionChineseName(), kBlockComment);
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
      Text(where, "error code value", row, kValue, kOneLine | (bare ? 0u : kStringLiteral));
      Text(where, "error code name", row, q::CaptionCode(), kOneLine);
      CheckIdentifier(where, "error code name", code, code, sink_);
      Text(where, "error message name", row, kMsgName, kOneLine);
      if (!msgName.empty()) CheckIdentifier(where, "error message name", msgName, msgName, sink_);
      Text(where, "error message", row, kMessage, kOneLine | kLineComment | kStringLiteral);
      Text(where, "error category", row, q::CaptionCategory(), kOneLine | kLineComment);
      if (bare && !IsIntegerLiteral(value)) {
        sink_.Add(Severity::Error, rule::kNumberInvalid, where,
                  FillTemplate(q::msg::ErrorValueNotNumber(), {{"Code", code}, {"Value", value}}));
      }
      rows_.errorMacros.push_back(ErrorMacro{where, code, bare ? value : "\"" + value + "\""});
      if (!msgName.empty()) rows_.errorMacros.push_back(ErrorMacro{where, msgName, "\"" + message + "\""});
    });
  }

  // Only parameters of an existing function reach generated code; the
  // others are skipped, as the generators' joins skip them.
  bool ReadParams(bool bls, const FidsByCode& fids) {
    static const std::string kCode = gbk::FromUtf8("FID编码");
    static const std::string kName = gbk::FromUtf8("参数名称");
    std::unordered_map<std::string_view, const FunctionRow*> functions;
    for (const FunctionRow& f : rows_.functions) {
      if (f.bls == bls) functions.emplace(f.where.id, &f);
    }
    return Each(bls ? q::BlsParamQuery() : q::FosParamQuery(), bls ? "the BLS parameters (T162)" : "the FOS parameters (T156)", [&](const CMemRecord& row) {
      const auto owner = functions.find(gbk::Trim(row.GetRef(q::CaptionOwner())));
      if (owner == functions.end()) return;
      const std::string code = Trimmed(row, kCode);
      const std::string name = Trimmed(row, kName);
      const Where where{bls ? "T162" : "T156", Trimmed(row, q::CaptionId()), code};
      CheckText(PlacedText{where, "parameter FID code", code, kOneLine, false}, sink_);
      // Request and answer lines end in //name; the validation code puts
      // the name into its error message literal.
      CheckText(PlacedText{where, "parameter name", name, kOneLine | kLineComment | kStringLiteral,
                           Lost(row, kName)},
                sink_);
      CheckParam(where,
                 ParamRow{code, name, DataTypeOf(row, res::CaptionDataType()), bls ? "BLS" : "FOS",
                          owner->second->code},
                 fids, sink_);
    });
  }

  // The three checks of the FID check page, with its own queries.
  bool CheckFidUsage() {
    static const std::string kCode = gbk::FromUtf8("FID编码");
    static const std::string kName = gbk::FromUtf8("FID名称");
    static const std::string kBls = gbk::FromUtf8("所在BLS");
    static const std::string kFos = gbk::FromUtf8("所在FOS");
    for (const FidCheckKind kind : kFidChecks) {
      const bool ok = Each(FidCheckQuery(kind), "the FID checks", [&](const CMemRecord& row) {
        const std::string code = Trimmed(row, kCode);
        const std::string name = Trimmed(row, kName);
        switch (kind) {
          case FidCheckKind::Bls:
          case FidCheckKind::Fos: {
            const bool bls = kind == FidCheckKind::Bls;
            const std::string function = Trimmed(row, bls ? kBls : kFos);
            sink_.Add(Severity::Error, bls ? rule::kFidUndefinedBls : rule::kFidUndefinedFos,
                      Where{bls ? "T162" : "T156", "", code},
                      FillTemplate(q::msg::FidUndefined(), {{"Code", code},
                                                            {"Name", name},
                                                            {"Kind", bls ? "BLS" : "FOS"},
                                                            {"Function", function}}));
            break;
          }
          case FidCheckKind::Unused:
            sink_.Add(Severity::Warning, rule::kFidUnused, Where{"T151", "", code},
                      FillTemplate(q::msg::FidUnused(), {{"Code", code}, {"Name", name}}));
            break;
        }
      });
      if (!ok) return false;
    }
    return true;
  }

  CSimDB& db_;
  ConfigRows rows_;
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
