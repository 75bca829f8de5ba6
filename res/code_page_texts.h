// The texts of the module code page and of the two single-function pages
// (GBK at run time): fixed file names, the generation summary, the report
// of the snippet page's OK and the messages of the tree search.
#pragma once

#include <string>
#include <string_view>

#include "res/kind.h"

namespace ff::res::codepage {

// The display fields of the module list of the module code page.
const std::string& ModuleListFields();  // "模块ID[C30],模块名称[C30],模块中文名称[C60]"

// File names of the module code page, joined to its folder.
const std::string& ModuleHeaderName();      // "Process.h"
const std::string& ModuleSourceName();      // "Process.cpp"
const std::string& ModuleTestHeaderName();  // "ProcessTest.h"
const std::string& ModuleTestSourceName();  // "ProcessTest.cpp"

// File names of the two single-function pages.
const std::string& SingleHeaderName();      // "ProcessTmp.h"
const std::string& SingleSourceName();      // "ProcessTmp.cpp"
const std::string& SingleTestHeaderName();  // "ProcessTestTmp.h"
const std::string& SingleTestSourceName();  // "ProcessTestTmp.cpp"
// In the system's temporary folder: the module header written while the
// preview is built, and the file handed to the editor.
const std::string& PreviewHeaderName();  // "processTmp.h"
const std::string& EditorFileName();     // "Tmp.txt"

// The summary of the module code page. It names only the files written:
//   <head> <item>,<item><list end><generated>     (some written)
//   <head><none generated>                        (none written)
// followed by one <declined> line per file the user chose to keep and,
// when test file names are set, <test head> <items><list end><test not>.
// Beside the module list: what OK generates.
// Of(kind).kindShown: "将生成FOS模块的代码"
const std::string& FosKindShown();
const std::string& BlsKindShown();
// Of(kind).codeFilesHead: "BLS代码文件：" / "FOS代码文件："
const std::string& FosCodeFilesHead();
const std::string& BlsCodeFilesHead();
std::string FileListItem(std::string_view path);  // "\n\t%s"
const std::string& FileListSeparator();      // ","
const std::string& FileListEnd();            // "。"
const std::string& FilesGenerated();         // "\n\t已经生成!"
const std::string& NoFileGenerated();
std::string DeclinedFileKept(std::string_view path);
const std::string& TestFilesHead();
const std::string& TestFilesNotGenerated();
// A function the header declares whose body the source lacks, named by its
// number and code.
std::string MissingBody(std::string_view function);

// Functions that would leave the module's files broken, one a line;
// neither file is written.
std::string ModuleNotWhole(std::string_view faults);
// A picked module whose stored id cannot name it; nothing is written.
std::string ModuleWithoutId(std::string_view name);
std::string ModuleIdNotANumber(std::string_view name, std::string_view stored);
std::string ModuleIdRepeated(std::string_view name, std::string_view stored, std::string_view others);
// The list no longer matches the database: it was read again.
const std::string& ModuleListChanged();

// The report of OK on the snippet page: what was stored.
struct SavedSettings {
  std::string_view folder, header, source;
};
// Of(kind).snippetSavedFormat: %s the folder, the header, the source.
const std::string& FosSnippetSavedFormat();
const std::string& BlsSnippetSavedFormat();
std::string SnippetSettingsSaved(Kind kind, const SavedSettings& saved);

// The tree search of the single template code page. The kinds are the
// entries of the find-by box.
const std::string& FindKindCode();  // "功能编码"
const std::string& FindKindId();    // "ID"
const std::string& FindKindName();  // "名称"
const std::string& FindTextMissing();
struct FindRequest {
  std::string_view kind, text;
};
std::string FindNothingByKind(const FindRequest& request);
std::string FindNothingAny(std::string_view text);

}  // namespace ff::res::codepage
