#include "res/module_texts.h"

#include "res/text.h"

namespace ff::res::module {

const std::string& IncludeBlock() {
  return FF_GBK_LINES(R"(#include "stdafx.h"
#include "process.h"

#include <algorithm>
#include <string>

using namespace std;

)");
}

const std::string& HeaderGuard() { return FF_GBK("AFX_PROCESS_H"); }

const std::string& BlsHeaderAbstract() { return FF_GBK("BLS 头定义文件。"); }
const std::string& BlsSourceAbstract() { return FF_GBK("BLS 实现文件。"); }
const std::string& FosHeaderAbstract() { return FF_GBK("FOS 头定义文件。"); }
const std::string& FosSourceAbstract() { return FF_GBK("FOS 实现文件。"); }

const std::string& CaptionModuleId() { return FF_GBK("模块ID"); }
const std::string& CaptionModuleName() { return FF_GBK("模块名称"); }
const std::string& CaptionModuleChineseName() { return FF_GBK("模块中文名称"); }

}  // namespace ff::res::module
