// The texts of the desktop program that say what went wrong and where
// (GBK at run time): missing selections, folders and file names, the
// private temporary folder, the editor, the folder opener.
#pragma once

#include <string>
#include <string_view>

namespace ff::res::desktop {

// The temporary folder exists under our name but belongs to someone else.
const std::string& NotOwnTempFolder();
// OK of the single template page with no function picked in the tree.
const std::string& NoFunctionSelected();
// No application opens the editor file; "%s" the file. Says what was
// tried and what to install.
std::string NoLauncher(std::string_view file);
// A folder opener that could not be started; "%s" the folder.
std::string NoFolderLauncher(std::string_view folder);
// What the opener was asked to open, for what to install.
enum class OpenedKind { TextFile, Folder, WebPage };
// The opener started but failed: "%s" the file or folder, "%s" its exit
// code, "%s" what it said.
std::string OpenerFailed(std::string_view path, std::string_view exitCode, std::string_view said, OpenedKind kind);
// The folder edit is empty at OK.
const std::string& FolderEmpty();
// The folder does not exist; "%s" the folder. A question (Yes creates it).
std::string FolderMissingAsk(std::string_view folder);
// The folder could not be created; "%s" the folder, "%s" the reason.
std::string FolderNotCreated(std::string_view folder, std::string_view reason);
// Another program (a run of fidforge-cli, another desktop) writes into the
// folder; "%s" the folder, "%s" its process ("" when unknown).
std::string FolderBusy(std::string_view folder, std::string_view process);
// The folder could not be locked for another reason; "%s" the reason.
std::string FolderNotLocked(std::string_view reason);
const std::string& NotAFolder();         // the reason: a file has the name
const std::string& FolderNotWritable();  // the reason: no right to make it
// The page has no name for a file; "%s" what the file is ("头文件", ...).
std::string FileNameEmpty(std::string_view what);
// How the code pages fill in their file names.
const std::string& ModuleNamesHint();
const std::string& HeaderFileWhat();  // "头文件"
const std::string& SourceFileWhat();  // "cpp文件"
// The export summary: the head, then the files written, then one line per
// file the user kept.
const std::string& ExportSummaryHead();  // "fix定义.h头文件："
// The single template page's report of OK.
// Of(kind).singleFilesHead
const std::string& FosSingleFilesHead();
const std::string& BlsSingleFilesHead();
// The button of a summary that opens the output folder.
const std::string& OpenFolderButton();  // "打开目录"

// The result lists of the check page: their menu, the file dialog's title,
// the file names offered, and what happened.
const std::string& CopyAllRowsAction();   // "复制全部行(&A)"
const std::string& ExportCsvAction();     // "导出为CSV文件(&S)..."
const std::string& ExportCsvTitle();
const std::string& CsvFileFilter();  // "CSV文件 (*.csv);;所有文件 (*)"
const std::string& ListIsEmpty();
// "%s" the number of rows, "%s" the file.
std::string CsvWritten(std::string_view rows, std::string_view file);

// A file that could not be read or written: "%s" the file, "%s" why.
std::string FileFailed(std::string_view file, std::string_view reason);
// The system's error number in words; "" for one without its own words
// here (the system's text is shown then).
std::string SystemErrorText(int error);

// A query the database refused: "%s" its reason; with "%s" the file
// being generated first.
std::string QueryFailed(std::string_view reason);
std::string QueryFailedFor(std::string_view file, std::string_view reason);

// The comment settings could not be written; "%s" the settings file.
std::string CommentSettingsNotSaved(std::string_view file);

}  // namespace ff::res::desktop
