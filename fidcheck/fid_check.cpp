#include "fidcheck/fid_check.h"

#include "host/config_db.h"
#include "host/gbk_text.h"
#include "host/query_error.h"
#include "host/record.h"
#include "host/sim_db.h"
#include "res/fidcheck_texts.h"

namespace ff {

namespace {

struct CheckTexts {
  const std::string& (*query)();
  const std::string& (*fields)();
  const std::string& (*none)();
  std::string (*found)(std::string_view count);
};

const CheckTexts& TextsOf(FidCheckKind kind) {
  static const CheckTexts kBls{res::BlsUndefinedFidQuery, res::BlsUndefinedFidFields, res::BlsUndefinedFidNone,
                               res::BlsUndefinedFidFound};
  static const CheckTexts kFos{res::FosUndefinedFidQuery, res::FosUndefinedFidFields, res::FosUndefinedFidNone,
                               res::FosUndefinedFidFound};
  static const CheckTexts kUnused{res::UnusedFidQuery, res::UnusedFidFields, res::UnusedFidNone,
                                  res::UnusedFidFound};
  switch (kind) {
    case FidCheckKind::Bls:
      return kBls;
    case FidCheckKind::Fos:
      return kFos;
    case FidCheckKind::Unused:
    default:
      return kUnused;
  }
}

}  // namespace

const std::string& FidCheckQuery(FidCheckKind kind) { return TextsOf(kind).query(); }
const std::string& FidCheckFields(FidCheckKind kind) { return TextsOf(kind).fields(); }

std::string FidCheckMessage(FidCheckKind kind, int count) {
  const CheckTexts& texts = TextsOf(kind);
  if (count < 1) return texts.none();
  return texts.found(std::to_string(count));
}

int RunFidCheck(FidCheckKind kind, CMemRecord& record) {
  record.Zap();
  if (g_pConfigDB == nullptr) throw QueryError(kNotConnected);
  g_pConfigDB->Cmd(FidCheckQuery(kind));
  g_pConfigDB->SelectChecked(&record);
  return record.GetCount();
}

}  // namespace ff
