// Tab "生成模块代码": generates the server source pair Process.h /
// Process.cpp of one FOS or BLS module into a folder, and remembers the
// folder and switches.
#pragma once

#include <string>
#include <vector>

#include "codetext/code_maker.h"
#include "host/record.h"
#include "modulecode/module_files_page.h"

class CKestrelListCtrl;

class CPageCode : public CModuleFilesPage {
 public:
  CPageCode();
  ~CPageCode() override;

  // The fields beyond the folder, file names and switches (GBK texts).
  CKestrelListCtrl* m_lstModule = nullptr;  // 9022
  std::string m_strModuleName;              // edit 9029
  // Check 9050 "保留手写代码": regenerate Process.cpp keeping the
  // hand-written code of the file there (registry "ModuleKeepHandCode").
  bool m_bKeepHandCode = false;
  CCodeMaker m_CodeMaker;
  CMemRecord m_recModule;  // the rows of list 9022

  void OnRadioBls();      // radio 9035
  void OnRadioFos();      // radio 9034
  void OnModulePicked();  // the list's pick notification
  void OnOK() override;   // button 1: generate

  // The message shown after generating: the files written, the files the
  // user chose to keep, and the test files, which nothing generates.
  struct FileResult {
    std::string path;
    bool written = false;  // false: the user declined to overwrite it
  };
  // `head`, the files written, then one line per file the user kept (the
  // export page's summary too). Paths are the system's bytes.
  static std::string WrittenSummary(const std::string& head, const std::vector<FileResult>& files);
  // Functions declared without a body are named after the files.
  static std::string Summary(ff::Kind kind, const std::vector<FileResult>& files, const std::string& testCppFile,
                             const std::string& testHeadFile, const std::vector<std::string>& missingBodies = {});

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void MessageMap() override;
  bool OnInitDialog() override;

 private:
  void SwitchMode(bool bls);
  // The kind OK generates, in words beside the radios.
  void ShowKind();
  void LoadModules();
  void OnNewLogin() override;
  // The id of the picked module exactly as stored (the list shows it
  // through STR). False, with the reason shown, when the module cannot be
  // generated. Throws QueryError.
  bool PickedModuleId(long& module);
  // Process.h and Process.cpp merged from the made texts with the files
  // there, then the record. False when the merge was refused or the user
  // declined the question (said to the user; no file touched). `report`
  // receives the merge's lines for the summary.
  bool WriteMergedModule(long module, CCodeMaker::ModuleTexts& made, std::vector<FileResult>& files,
                         std::string& report);
  // The record of a plain generation of `made`, for the next merge.
  void WriteModuleRecord(long module, const CCodeMaker::ModuleTexts& made, bool headerWritten, bool sourceWritten);
};
