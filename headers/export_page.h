// Tab "生成头文件": writes the five definition headers into a folder and
// remembers the folder and the overwrite switch.
#pragma once

#include <string>

#include "codetext/code_maker.h"
#include "module/property_page.h"

class CPageExport : public CPropertyPage {
 public:
  CPageExport();
  ~CPageExport() override;

  // The fields, in the page's order. Paths are the system's bytes (UTF-8),
  // never GBK.
  std::string m_strFixDefFile;  // shown by no control
  bool m_bOverWrite = false;    // check box 9033: overwrite without a question
  std::string m_strBlsDefFile;  // edit 9017
  std::string m_strPath;        // edit 9013: the folder
  std::string m_strFidDefFile;  // edit 9015
  std::string m_strFosDefFile;  // edit 9016
  std::string m_strSysDefFile;  // edit 9021
  CCodeMaker m_CodeMaker;

  void OnChooseFolder();   // button 9014
  void OnFolderChanged();  // edit 9013 changed
  void OnOverWrite();      // check box 9033 clicked
  void OnOK() override;    // button 1: export
  // Button 9040: the dictionary site into a chosen folder, then its index
  // in the default browser.
  void OnMakeSite();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void MessageMap() override;
  bool OnInitDialog() override;
  void OnCancel() override;

 private:
  // Before the export: the folder is set and every file's folder exists
  // (made if the user agrees); says what is missing otherwise.
  bool ReadyToWrite() const;
  // The five paths from the folder, as full paths (none when the folder is
  // empty: it is asked for at OK); then shows the fields.
  void RebuildPaths();
};
