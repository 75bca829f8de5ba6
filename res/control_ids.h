// The control ids of the module's dialogs (the system's resource numbers),
// named once, beside the dialog templates that lay the controls out. The
// templates, the pages and the tests address controls only by these names.
#pragma once

namespace ff::res::ctl {

// The login dialog and the login page.
namespace login {
inline constexpr int kServer = 9001;    // combo box: server text
inline constexpr int kUser = 9002;
inline constexpr int kPassword = 9003;
inline constexpr int kDatabase = 9006;
inline constexpr int kCommentSettings = 9050;  // login page: opens 注释设置
inline constexpr int kConnected = 9051;        // login page: the database logged in to
}  // namespace login

// The comment settings dialog.
namespace comment {
inline constexpr int kAuthor = 9051;
inline constexpr int kCompany = 9052;
inline constexpr int kCopyRight = 9053;
}  // namespace comment

// The header export page.
namespace exporting {
inline constexpr int kFolder = 9013;
inline constexpr int kBrowseFolder = 9014;
inline constexpr int kFidDefFile = 9015;
inline constexpr int kFosDefFile = 9016;
inline constexpr int kBlsDefFile = 9017;
inline constexpr int kBrowseFidDef = 9018;
inline constexpr int kBrowseFosDef = 9019;
inline constexpr int kBrowseBlsDef = 9020;
inline constexpr int kSysDefFile = 9021;
inline constexpr int kBrowseSysDef = 9022;
inline constexpr int kNoPrompt = 9033;  // check box: overwrite without asking
inline constexpr int kMakeSite = 9040;  // the dictionary site into a chosen folder
}  // namespace exporting

// The FID check page.
namespace check {
inline constexpr int kBlsList = 9009;
inline constexpr int kFosList = 9010;
inline constexpr int kCheckBls = 9011;
inline constexpr int kCheckFos = 9012;
inline constexpr int kUnusedList = 9013;
inline constexpr int kCheckUnused = 9014;
inline constexpr int kLintList = 9015;   // the lint's findings
inline constexpr int kCheckLint = 9016;
}  // namespace check

// The fields the module code page and the two single-function pages share:
// the kind, the folder, the module and test files.
namespace files {
inline constexpr int kFos = 9034;  // radio
inline constexpr int kBls = 9035;  // radio
inline constexpr int kModuleName = 9029;  // the module (code page) or "module|code" (tree pages)
inline constexpr int kFolder = 9013;
inline constexpr int kBrowseFolder = 9014;
inline constexpr int kMakeModule = 9021;  // check box: write the module files
inline constexpr int kHeaderFile = 9030;
inline constexpr int kBrowseHeader = 9031;
inline constexpr int kCppFile = 9023;
inline constexpr int kBrowseCpp = 9032;
inline constexpr int kMakeTest = 9027;  // check box: write the test files
inline constexpr int kTestHeaderFile = 9024;
inline constexpr int kBrowseTestHeader = 9025;
inline constexpr int kTestCppFile = 9028;
inline constexpr int kBrowseTestCpp = 9026;
inline constexpr int kNoPrompt = 9033;  // check box: overwrite without asking
}  // namespace files

// The module code page.
namespace code {
inline constexpr int kModuleList = 9022;
inline constexpr int kKeepHandCode = 9050;  // check box: 保留手写代码 (merge Process.cpp)
inline constexpr int kKindShown = 9051;     // label: the kind OK generates
}  // namespace code

// The single template and client snippet pages.
namespace tree {
inline constexpr int kTree = 9036;
inline constexpr int kPreview = 9037;
inline constexpr int kPlain = 9043;     // radio: 简约型
inline constexpr int kBeautify = 9044;  // radio: 局部美化
inline constexpr int kEdit = 3;         // button: open the preview in an editor
}  // namespace tree

// The single template page.
namespace single {
inline constexpr int kValidateNone = 9039;  // first of four radios, in page order:
inline constexpr int kValidateLoose = 9040;
inline constexpr int kValidateCompact = 9041;
inline constexpr int kValidateMacro = 9042;
inline constexpr int kFindBy = 9046;
inline constexpr int kFindText = 9015;
inline constexpr int kFind = 4;
}  // namespace single

}  // namespace ff::res::ctl
