#include "res/desktop_texts.h"

#include <cerrno>

#include "res/system_format.h"
#include "res/text.h"

namespace ff::res::desktop {

const std::string& NotOwnTempFolder() { return FF_GBK("不是当前用户自己的目录，不能用作临时目录"); }
const std::string& NoFunctionSelected() {
  return FF_GBK("请先在模块列表中选择一个FOS或BLS功能，再按“确定”。\n没有生成任何文件。");
}
std::string NoLauncher(std::string_view file) {
  return SystemFormat(FF_GBK("没有找到可以打开文件%s的程序：试过xdg-open，但系统中没有它。\n"
                             "请安装xdg-utils和一个文本编辑器（例如mousepad或gedit），或用文本编辑器自行打开该文件。"),
                      {file});
}
std::string NoFolderLauncher(std::string_view folder) {
  return SystemFormat(FF_GBK("没有找到可以打开目录%s的程序：试过xdg-open，但系统中没有它。\n"
                             "请安装xdg-utils和一个文件管理器（例如pcmanfm或thunar）。"),
                      {folder});
}
std::string OpenerFailed(std::string_view path, std::string_view exitCode, std::string_view said, OpenedKind kind) {
  const std::string& install =
      kind == OpenedKind::Folder
          ? FF_GBK("请安装一个文件管理器（例如pcmanfm或thunar），并用“xdg-mime default <程序>.desktop inode/directory”设为打开目录的程序。")
      : kind == OpenedKind::WebPage
          ? FF_GBK("请安装一个浏览器（例如firefox-esr或chromium），并用“xdg-settings set default-web-browser <程序>.desktop”设为默认浏览器；也可以用浏览器自行打开该文件。")
          : FF_GBK("请安装一个文本编辑器（例如mousepad或gedit），并用“xdg-mime default <程序>.desktop text/plain”设为打开文本文件的程序；也可以用文本编辑器自行打开该文件。");
  return SystemFormat(FF_GBK("用xdg-open打开%s失败（退出码%s）。\n它的输出：%s\n"), {path, exitCode, said}) + install;
}

const std::string& FolderEmpty() {
  return FF_GBK("放置目录为空，没有生成任何文件。\n请先用“...”按钮选择放置目录。");
}
std::string FolderMissingAsk(std::string_view folder) {
  return SystemFormat(FF_GBK("目录%s不存在，是否创建？"), {folder});
}
std::string FolderNotCreated(std::string_view folder, std::string_view reason) {
  return SystemFormat(FF_GBK("无法创建目录%s：%s\n没有生成任何文件。"), {folder, reason});
}
std::string FolderBusy(std::string_view folder, std::string_view process) {
  const std::string who = process.empty() ? std::string() : SystemFormat(FF_GBK("（进程%s）"), {process});
  return SystemFormat(FF_GBK("另一个程序%s正在向目录%s写入文件，等了几秒仍未结束。\n没有生成任何文件，请等它结束后再试。"),
                      {who, folder});
}
std::string FolderNotLocked(std::string_view reason) {
  return SystemFormat(FF_GBK("%s\n没有生成任何文件。"), {reason});
}
const std::string& NotAFolder() { return FF_GBK("同名的文件已经存在，它不是目录"); }
const std::string& FolderNotWritable() { return FF_GBK("没有权限，或上级目录不可写"); }
std::string FileNameEmpty(std::string_view what) {
  return SystemFormat(FF_GBK("%s的文件名为空，没有生成任何文件。"), {what});
}
const std::string& ModuleNamesHint() { return FF_GBK("\n请勾选“生成编程模板代码：”，由放置目录填入文件名。"); }
const std::string& HeaderFileWhat() { return FF_GBK("头文件"); }
const std::string& SourceFileWhat() { return FF_GBK("cpp文件"); }
const std::string& ExportSummaryHead() { return FF_GBK("fix定义.h头文件："); }
const std::string& FosSingleFilesHead() { return FF_GBK("FOS模板代码文件："); }
const std::string& BlsSingleFilesHead() { return FF_GBK("BLS模板代码文件："); }
const std::string& OpenFolderButton() { return FF_GBK("打开目录"); }

const std::string& CopyAllRowsAction() { return FF_GBK("复制全部行(&A)"); }
const std::string& ExportCsvAction() { return FF_GBK("导出为CSV文件(&S)..."); }
const std::string& ExportCsvTitle() { return FF_GBK("导出列表为CSV文件"); }
const std::string& CsvFileFilter() { return FF_GBK("CSV文件 (*.csv);;所有文件 (*)"); }
const std::string& ListIsEmpty() { return FF_GBK("列表中没有任何行，请先按右边的检查按钮。"); }
std::string CsvWritten(std::string_view rows, std::string_view file) {
  return SystemFormat(FF_GBK("已将%s行写入文件%s。"), {rows, file});
}

std::string FileFailed(std::string_view file, std::string_view reason) {
  return SystemFormat(FF_GBK("文件%s出错：%s。\n该文件没有改动。"), {file, reason});
}

std::string SystemErrorText(int error) {
  switch (error) {
    case EACCES: return FF_GBK("没有权限（文件或它所在的目录属于别人，或是只读的）");
    case EPERM: return FF_GBK("系统不允许这个操作");
    case EROFS: return FF_GBK("所在的文件系统是只读的");
    case ENOSPC: return FF_GBK("磁盘空间不足");
#ifdef EDQUOT  // Windows' C library has no quota error
    case EDQUOT: return FF_GBK("超出了磁盘配额");
#endif
    case ENOENT: return FF_GBK("文件或目录不存在");
    case ENOTDIR: return FF_GBK("路径中有一段不是目录");
    case EISDIR: return FF_GBK("同名的是一个目录");
    case EIO: return FF_GBK("读写设备时出错");
    case ENAMETOOLONG: return FF_GBK("文件名太长");
    case EMFILE:
    case ENFILE: return FF_GBK("打开的文件太多");
    case ETXTBSY: return FF_GBK("文件正被执行");
    case EBUSY: return FF_GBK("文件或设备正忙");
    default: return {};
  }
}

std::string QueryFailed(std::string_view reason) {
  return SystemFormat(FF_GBK("读取配置库失败，操作没有完成。\n配置库给出的原因：%s"), {reason});
}
std::string QueryFailedFor(std::string_view file, std::string_view reason) {
  return SystemFormat(FF_GBK("生成%s时读取配置库失败，该文件没有改动。\n配置库给出的原因：%s"), {file, reason});
}

std::string CommentSettingsNotSaved(std::string_view file) {
  return SystemFormat(FF_GBK("无法写入设置文件%s，注释设置没有保存。"), {file});
}

}  // namespace ff::res::desktop
