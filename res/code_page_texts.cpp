#include "res/code_page_texts.h"

#include "res/system_format.h"
#include "res/text.h"

namespace ff::res::codepage {

const std::string& ModuleListFields() { return FF_GBK("模块ID[C30],模块名称[C30],模块中文名称[C60]"); }

const std::string& ModuleHeaderName() { return FF_GBK("Process.h"); }
const std::string& ModuleSourceName() { return FF_GBK("Process.cpp"); }
const std::string& ModuleTestHeaderName() { return FF_GBK("ProcessTest.h"); }
const std::string& ModuleTestSourceName() { return FF_GBK("ProcessTest.cpp"); }

const std::string& SingleHeaderName() { return FF_GBK("ProcessTmp.h"); }
const std::string& SingleSourceName() { return FF_GBK("ProcessTmp.cpp"); }
const std::string& SingleTestHeaderName() { return FF_GBK("ProcessTestTmp.h"); }
const std::string& SingleTestSourceName() { return FF_GBK("ProcessTestTmp.cpp"); }
const std::string& PreviewHeaderName() { return FF_GBK("processTmp.h"); }
const std::string& EditorFileName() { return FF_GBK("Tmp.txt"); }

const std::string& FosKindShown() { return FF_GBK("将生成FOS模块的代码"); }
const std::string& BlsKindShown() { return FF_GBK("将生成BLS模块的代码"); }
const std::string& FosCodeFilesHead() { return FF_GBK("FOS代码文件："); }
const std::string& BlsCodeFilesHead() { return FF_GBK("BLS代码文件："); }
std::string FileListItem(std::string_view path) { return SystemFormat(FF_GBK("\n\t%s"), {path}); }
const std::string& FileListSeparator() { return FF_GBK(","); }
const std::string& FileListEnd() { return FF_GBK("。"); }
const std::string& FilesGenerated() { return FF_GBK("\n\t已经生成!"); }
const std::string& NoFileGenerated() { return FF_GBK("\n\t没有生成任何文件。"); }
std::string DeclinedFileKept(std::string_view path) {
  return SystemFormat(FF_GBK("\n文件%s已经存在，按您的选择没有覆盖，保留原有内容。"), {path});
}
const std::string& TestFilesHead() { return FF_GBK("\n测试代码文件："); }
const std::string& TestFilesNotGenerated() { return FF_GBK("\n\t没有生成（本工具不生成测试代码）。"); }
std::string MissingBody(std::string_view function) {
  return SystemFormat(FF_GBK("\n函数%s已在头文件中声明，但按其编码在数据库中找不到，源文件中没有它的代码！"), {function});
}

std::string ModuleNotWhole(std::string_view faults) {
  return SystemFormat(FF_GBK("模块代码不能完整生成，Process.h和Process.cpp都没有写入，原有文件保持不变：\n%s"), {faults});
}

std::string ModuleWithoutId(std::string_view name) {
  return SystemFormat(FF_GBK("模块%s没有模块ID，不能生成代码！"), {name});
}

std::string ModuleIdNotANumber(std::string_view name, std::string_view stored) {
  return SystemFormat(FF_GBK("模块%s的模块ID“%s”不是模块号，不能生成代码！"), {name, stored});
}

std::string ModuleIdRepeated(std::string_view name, std::string_view stored, std::string_view others) {
  return SystemFormat(FF_GBK("模块%s的模块ID%s与模块%s相同，不能生成代码！"), {name, stored, others});
}

const std::string& ModuleListChanged() {
  return FF_GBK("模块列表在数据库中已经改变，已重新读入，请重新选择模块！");
}

const std::string& BlsSnippetSavedFormat() {
  return FF_GBK("设置已保存：\n\t保存目录：%s\n\t头文件：%s\n\tcpp文件：%s\n"
                "BLS客户端访问代码片只显示在预览中，可复制或编辑；本页没有生成文件。");
}
const std::string& FosSnippetSavedFormat() {
  return FF_GBK("设置已保存：\n\t保存目录：%s\n\t头文件：%s\n\tcpp文件：%s\n"
                "FOS功能没有客户端访问代码片；本页没有生成文件。");
}
std::string SnippetSettingsSaved(Kind kind, const SavedSettings& saved) {
  return SystemFormat(Of(kind).snippetSavedFormat, {saved.folder, saved.header, saved.source});
}

const std::string& FindKindCode() { return FF_GBK("功能编码"); }
const std::string& FindKindId() { return FF_GBK("ID"); }
const std::string& FindKindName() { return FF_GBK("名称"); }
const std::string& FindTextMissing() { return FF_GBK("请输入要查找的内容！"); }
std::string FindNothingByKind(const FindRequest& request) {
  return SystemFormat(FF_GBK("按%s查找，没有找到包含“%s”的模块或功能！"), {request.kind, request.text});
}
std::string FindNothingAny(std::string_view text) {
  return SystemFormat(FF_GBK("没有找到包含“%s”的模块或功能！"), {text});
}

}  // namespace ff::res::codepage
