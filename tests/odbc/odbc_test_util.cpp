#include "tests/odbc/odbc_test_util.h"

#include "host/gbk_text.h"
#include "res/fidcheck_texts.h"
#include "res/function_templates.h"
#include "res/header_texts.h"
#include "res/tree_queries.h"
#include "tests/support/test_support.h"

namespace ff::test {

std::string TsqlExtensionPath() { return FF_TSQL_EXTENSION_PATH; }

std::string SqliteOdbcServer(const std::string& path, bool withFunctions) {
  std::string text = "odbc:Driver=SQLite3;Database=" + path;
  if (withFunctions) text += ";LoadExt=" + TsqlExtensionPath();
  return text;
}

std::string Dump(DbStore& store, const std::string& sql) {
  CMemRecord record;
  std::string error;
  std::string out;
  if (!store.Select(sql, record, error)) return "failed: " + error;
  for (const auto& caption : record.Columns()) out += caption + "|";
  out += "\n";
  for (int r = 0; r < record.GetCount(); ++r) {
    for (size_t c = 0; c < record.Columns().size(); ++c) out += record.Value(r, static_cast<int>(c)) + "|";
    out += "\n";
  }
  return out;
}

std::vector<std::string> StoredQueries(DbStore& store) {
  std::vector<std::string> queries = {
      res::FosModuleQuery(),       res::BlsModuleQuery(),        res::FidDefQuery(),
      res::FosDefQuery(),          res::BlsDefQuery(),           res::SysDefQuery(),
      res::BlsUndefinedFidQuery(), res::FosUndefinedFidQuery(), res::UnusedFidQuery(),
  };
  for (bool bls : {false, true}) {
    CMemRecord modules;
    std::string error;
    store.Select(Of(KindOf(bls)).moduleQuery, modules, error);
    for (modules.GoTop(); !modules.Eof(); modules.Skip(1)) {
      long module = gbk::AtoL(modules.GetString(gbk::FromUtf8("模块ID")));
      std::string functionQuery = res::FunctionQuery(KindOf(bls), module);
      queries.push_back(functionQuery);
      CMemRecord functions;
      store.Select(functionQuery, functions, error);
      for (functions.GoTop(); !functions.Eof(); functions.Skip(1)) {
        std::string id = std::to_string(gbk::AtoL(functions.GetString("ID")));
        std::string code = gbk::Trim(functions.GetString(bls ? gbk::FromUtf8("BLS编码") : gbk::FromUtf8("FOS编码")));
        gbk::ReplaceAll(code, "'", "''");
        std::string single = bls ? res::fn::BlsSingleQuery() : res::fn::FosSingleQuery();
        gbk::ReplaceAll(single, "%d", std::to_string(module));
        gbk::ReplaceAll(single, "%FuncCode%", code);
        queries.push_back(single);
        for (const std::string* params : bls ? std::vector{&res::fn::BlsRequestQuery(), &res::fn::BlsAnswerQuery()}
                                             : std::vector{&res::fn::FosRequestQuery(), &res::fn::FosAnswerQuery()})
          queries.push_back(gbk::Replaced(*params, "%d", id));
      }
    }
  }
  return queries;
}

}  // namespace ff::test
