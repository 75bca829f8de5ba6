// The fixed texts of the module source pair Process.h / Process.cpp.
// GBK, CR LF.
#pragma once

#include <string>

namespace ff::res::module {

// Both source files: the includes and the using directive, ending with an
// empty line.
const std::string& IncludeBlock();
// The include guard of both header files.
const std::string& HeaderGuard();  // AFX_PROCESS_H

// Abstracts of the file header comments.
const std::string& BlsHeaderAbstract();
const std::string& BlsSourceAbstract();
const std::string& FosHeaderAbstract();
const std::string& FosSourceAbstract();

// The module and function queries are those of the module/function tree
// (res/tree_queries.h). The captions of a module row:
const std::string& CaptionModuleId();           // "模块ID"
const std::string& CaptionModuleName();         // "模块名称"
const std::string& CaptionModuleChineseName();  // "模块中文名称"

}  // namespace ff::res::module
