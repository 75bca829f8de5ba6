#include "res/kind.h"

#include "res/code_page_texts.h"
#include "res/desktop_texts.h"
#include "res/docsite_templates.h"
#include "res/function_templates.h"
#include "res/lint_texts.h"
#include "res/module_queries.h"
#include "res/module_texts.h"
#include "res/tree_queries.h"

namespace ff {

namespace fn = res::fn;
namespace lint = res::lint;
namespace mod = res::module;

const KindTable& Of(Kind kind) {
  // Built on first use: every text is itself a static built on its first use.
  static const KindTable fos{Kind::Fos,
                             "FOS",
                             "fos",
                             "T158",
                             "T154",
                             "T156",
                             res::FosModuleQuery(),
                             res::FosExactModuleQuery(),
                             res::FosFunctionQueryTemplate(),
                             fn::CaptionFosNumber(),
                             fn::CaptionFosCode(),
                             fn::CaptionFosName(),
                             fn::FosSingleQuery(),
                             fn::FosRequestQuery(),
                             fn::FosAnswerQuery(),
                             fn::FosPrologue(),
                             fn::FosMultiRowLoop(),
                             fn::FosMultiRowEnd(),
                             fn::AppendFosAnswerLine,
                             mod::FosHeaderAbstract(),
                             mod::FosSourceAbstract(),
                             fn::FosModuleRequestQuery(),
                             fn::FosModuleAnswerQuery(),
                             fn::FosUnfoundPaddedCodesQuery(),
                             fn::FosKindFunctionsQuery(),
                             fn::FosKindRequestQuery(),
                             fn::FosKindAnswerQuery(),
                             lint::FosFunctionQuery(),
                             lint::FosParamQuery(),
                             lint::FosModuleQuery(),
                             res::codepage::FosKindShown(),
                             res::codepage::FosCodeFilesHead(),
                             res::desktop::FosSingleFilesHead(),
                             res::codepage::FosSnippetSavedFormat(),
                             res::site::FosParamOwnerQuery(),
                             res::site::FosFunction(),
                             res::site::FosParams()};
  static const KindTable bls{Kind::Bls,
                             "BLS",
                             "bls",
                             "T164",
                             "T161",
                             "T162",
                             res::BlsModuleQuery(),
                             res::BlsExactModuleQuery(),
                             res::BlsFunctionQueryTemplate(),
                             fn::CaptionBlsNumber(),
                             fn::CaptionBlsCode(),
                             fn::CaptionBlsName(),
                             fn::BlsSingleQuery(),
                             fn::BlsRequestQuery(),
                             fn::BlsAnswerQuery(),
                             fn::BlsPrologue(),
                             fn::BlsMultiRowLoop(),
                             fn::BlsMultiRowEnd(),
                             fn::AppendBlsAnswerLine,
                             mod::BlsHeaderAbstract(),
                             mod::BlsSourceAbstract(),
                             fn::BlsModuleRequestQuery(),
                             fn::BlsModuleAnswerQuery(),
                             fn::BlsUnfoundPaddedCodesQuery(),
                             fn::BlsKindFunctionsQuery(),
                             fn::BlsKindRequestQuery(),
                             fn::BlsKindAnswerQuery(),
                             lint::BlsFunctionQuery(),
                             lint::BlsParamQuery(),
                             lint::BlsModuleQuery(),
                             res::codepage::BlsKindShown(),
                             res::codepage::BlsCodeFilesHead(),
                             res::desktop::BlsSingleFilesHead(),
                             res::codepage::BlsSnippetSavedFormat(),
                             res::site::BlsParamOwnerQuery(),
                             res::site::BlsFunction(),
                             res::site::BlsParams()};
  return kind == Kind::Bls ? bls : fos;
}

std::optional<Kind> KindNamed(std::string_view lower) {
  for (const Kind kind : kKinds)
    if (lower == Of(kind).lower) return kind;
  return std::nullopt;
}

}  // namespace ff
