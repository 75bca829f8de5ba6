// The two kinds of function the system generates for, FOS and BLS, and the
// one table of what differs between them: their tables, captions, queries
// and texts.
// Code that treats both alike takes a Kind and looks up what it needs here
// instead of choosing between two names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ff {

namespace res::fn {
struct AnswerLine;
}

enum class Kind { Fos, Bls };

inline constexpr Kind kKinds[] = {Kind::Fos, Kind::Bls};

struct KindTable {
  Kind kind;
  const char* name;   // "FOS" / "BLS": how messages name the kind
  const char* lower;  // "fos" / "bls": the command line's --kind, the output folders
  // The configuration tables of the modules, functions and parameters.
  const char* moduleTable;    // T158 / T164
  const char* functionTable;  // T154 / T161
  const char* paramTable;     // T156 / T162

  // The module/function tree.
  const std::string& moduleQuery;
  const std::string& exactModuleQuery;
  const std::string& functionQueryTemplate;  // "%d": the module

  // The function records' captions.
  const std::string& numberCaption;
  const std::string& codeCaption;
  const std::string& nameCaption;

  // One function's text.
  const std::string& singleQuery;
  const std::string& requestQuery;
  const std::string& answerQuery;
  const std::string& prologue;      // as stored (FOS's holds %CreateAnswer%)
  const std::string& multiRowLoop;  // holds %Fids%
  const std::string& multiRowEnd;   // holds %RetCode%
  void (*appendAnswerLine)(std::string& out, const res::fn::AnswerLine& line);

  // A module's files.
  const std::string& headerAbstract;
  const std::string& sourceAbstract;
  const std::string& moduleRequestQuery;
  const std::string& moduleAnswerQuery;
  const std::string& unfoundPaddedCodesQuery;
  // The whole kind's rows, ordered by the module.
  const std::string& kindFunctionsQuery;
  const std::string& kindRequestQuery;
  const std::string& kindAnswerQuery;

  // The lint's rows.
  const std::string& lintFunctionQuery;
  const std::string& lintParamQuery;
  const std::string& lintModuleQuery;

  // The pages' and the site's texts.
  const std::string& kindShown;
  const std::string& codeFilesHead;
  const std::string& singleFilesHead;
  const std::string& snippetSavedFormat;
  const std::string& paramOwnerQuery;
  const std::string& siteFunction;  // a function's section of its module page
  const std::string& siteParams;    // a function's parameter table

  bool operator==(Kind other) const { return kind == other; }
};

// The kind's row of the table.
const KindTable& Of(Kind kind);

// The kind the command line names "fos" or "bls"; none for anything else.
std::optional<Kind> KindNamed(std::string_view lower);

}  // namespace ff
