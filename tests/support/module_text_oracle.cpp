#include "tests/support/module_text_oracle.h"

#include "codetext/code_maker.h"
#include "host/gbk_text.h"
#include "host/record.h"
#include "codetext/config_query.h"
#include "res/function_templates.h"
#include "res/module_texts.h"
#include "res/tree_queries.h"
#include "tests/support/test_support.h"

namespace ff::test {

std::string FunctionByFunctionSource(CCodeMaker& maker, bool bls, long module) {
  CMemRecord functions;
  code::RunQuery(code::QueryWithId(Of(KindOf(bls)).functionQueryTemplate, module), functions);
  const std::string& caption = bls ? res::fn::CaptionBlsCode() : res::fn::CaptionFosCode();
  std::string all = res::module::IncludeBlock(), text;
  for (functions.GoTop(); !functions.Eof(); functions.Skip(1)) {
    const std::string code = gbk::Trim(functions.GetRef(caption));
    if (bls) {
      maker.MakeBlsFunctionText(module, code, text);
    } else {
      maker.MakeFosFunctionText(module, code, text);
    }
    all += text + "\r\n";
  }
  return all;
}

}  // namespace ff::test
