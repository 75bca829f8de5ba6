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
// The database file named at the login could not be opened; "%s" the file
// (the password plays no part in it).
inline std::string DatabaseFileMissing(std::string_view file) {
  return SystemFormat(FF_GBK("配置库文件%s不存在。\n请检查“数据库名称”中的路径。"), {file});
}
inline std::string DatabaseFileNoPermission(std::string_view file) {
  return SystemFormat(FF_GBK("没有权限读取配置库文件%s。\n请让文件的所有者给您读权限，或把它复制到您自己的目录再登录。"),
                      {file});
}
inline std::string DatabaseFileNotAFile(std::string_view file) {
  return SystemFormat(FF_GBK("%s不是一个文件，不能作为配置库打开。"), {file});
}
inline std::string DatabaseFileNotADatabase(std::string_view file) {
  return SystemFormat(FF_GBK("%s不是SQLite数据库文件，不能作为配置库打开。"), {file});
}
inline std::string DatabaseFileLocked(std::string_view file) {
  return SystemFormat(FF_GBK("配置库文件%s正被其他程序锁定，5秒后仍未释放。\n请等它写完后再登录。"), {file});
}
// "%s" the file, "%s" the database library's own reason.
inline std::string DatabaseFileNotOpened(std::string_view file, std::string_view reason) {
  return SystemFormat(FF_GBK("无法打开配置库文件%s：\n%s"), {file, reason});
}
// The login page's line of the database logged in to.
inline const std::string& NotConnected() { return FF_GBK("（未登录）"); }

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
