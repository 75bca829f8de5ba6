// Tab "生成模块代码": generates the server source pair Process.h /
// Process.cpp of one FOS or BLS module into a folder, and remembers the
// folder and switches.
#pragma once

#include <string>
#include <vector>

#include "codetext/code_maker.h"
#include "host/record.h"
#include "module/property_page.h"

class CKestrelListCtrl;

class CPageCode : public CPropertyPage {
 public:
  CPageCode();
  ~CPageCode() override;

  // The fields (GBK texts).
  CKestrelListCtrl* m_lstModule = nullptr;  // 9022
  bool m_bModuleNeed = false;               // check 9021: fill in the module file names
  bool m_bOverWrite = false;                // check 9033: overwrite without a question
  bool m_bTestNeed = false;                 // check 9027: fill in the test file names
  std::string m_strPath;                    // edit 9013: the folder
  std::string m_strCppFile;                 // edit 9023
  std::string m_strHeadFile;                // edit 9030
  std::string m_strModuleName;              // edit 9029
  std::string m_strTestCppFile;             // edit 9028
  std::string m_strTestHeadFile;            // edit 9024
  int m_nKind = -1;                         // radio group 9034 (FOS) / 9035 (BLS)
  bool m_bBLS = false;
  CCodeMaker m_CodeMaker;
  CMemRecord m_recModule;  // the rows of list 9022

  void OnRadioBls();      // radio 9035
  void OnRadioFos();      // radio 9034
  void OnModuleNeed();    // check 9021
  void OnTestNeed();      // check 9027
  void OnOverWrite();     // check 9033
  void OnChooseFolder();  // button 9014
  void OnModulePicked();  // the list's pick notification
  void OnOK() override;   // button 1: generate

  // The message shown after generating: the files written, the files the
  // user chose to keep, and the test files, which nothing generates.
  struct FileResult {
    std::string path;
    bool written = false;  // false: the user declined to overwrite it
  };
  static std::string Summary(bool bls, const std::vector<FileResult>& files, const std::string& testCppFile,
                             const std::string& testHeadFile);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void MessageMap() override;
  bool OnInitDialog() override;

 private:
  void SwitchMode(bool bls);
  void LoadModules();
};
