// The texts of the desktop module: the module record, the login, the main
// sheet and the header export page (GBK at run time). The FID check's
// queries and messages are in fidcheck/fid_check.h.
#pragma once

#include <string>
#include <string_view>

#include "res/system_format.h"
#include "res/text.h"

namespace ff::res::gui {

// The module record.
inline const std::string& ModuleMaker() { return FF_GBK("北岭红隼软件股份有限公司证券产品部"); }
inline const std::string& ModuleCategory() { return FF_GBK("开发工具管理"); }
inline const std::string& ModuleCaption() { return FF_GBK("Fix编码管理"); }

// The login.
inline const std::string& DefaultDatabase() { return FF_GBK("Developer"); }
inline const std::string& DefaultUser() { return FF_GBK("sa"); }
inline const std::string& DefaultPassword() { return FF_GBK("482913"); }
inline const std::string& LoginFailed() { return FF_GBK("登录配置库失败，用户号或密码错！"); }
inline const std::string& LoginSucceeded() { return FF_GBK("您已经成功登录配置库！"); }

// The main sheet.
inline const std::string& SheetTitle() { return FF_GBK("Fix编码管理"); }
inline const std::string& SheetExit() { return FF_GBK("退出"); }

// The pages that generate code.
inline const std::string& NotLoggedInGenerate() { return FF_GBK("您尚未登录配置库，请登录后再生成编程头文件！"); }
inline const std::string& NotLoggedInCheck() { return FF_GBK("您尚未登录配置库，请先登录！"); }
inline const std::string& FolderBrowserTitle() { return FF_GBK("修改Fix头文件放置路径"); }

// The header export page: the summary of the five files written.
struct ExportedFiles {
  std::string_view fixdef, fiddef, fosdef, blsdef, sysdef;
};
inline std::string ExportSummary(const ExportedFiles& files) {
  return SystemFormat(FF_GBK("fix定义.h头文件：\n\t%s,\n\t%s,\n\t%s,\n\t%s,\n\t%s。\n\t已经生成!"),
                      {files.fixdef, files.fiddef, files.fosdef, files.blsdef, files.sysdef});
}

}  // namespace ff::res::gui
