// Tab "单一FOS/BLS模板代码": the server template code of one FOS or BLS
// function, previewed in a validation style and code style of the user's
// choice, copied, edited, or written with the module header.
#pragma once

#include <string>

#include "singlecode/module_tree_page.h"

class QComboBox;

class CPageCodeSingle : public CModuleTreePage {
 public:
  CPageCodeSingle();
  ~CPageCodeSingle() override;

  QComboBox* m_cmbFindBy = nullptr;  // 9046
  int m_nValidate = -1;              // radio group 9039..9042
  std::string m_strFindText;         // edit 9015
  std::string m_strFindBy;           // the text of combo 9046

  // The validation style of a radio index (0..3).
  static ff::ValidateStyle ValidateStyleOf(int index);

  void RefreshPreview() override;
  void OnOK() override;        // button 1: header and source file
  void OnFind();               // button 4, Enter in the find edit, F3
  void OnValidate(int index);  // radios 9039..9042

 protected:
  QWidget* CreateCustomControl(const ff::res::ControlTemplate& c, QWidget* parent) override;
  void DoDataExchange(CDataExchange* pDX) override;
  void MessageMap() override;
  bool OnInitDialog() override;

 private:
  bool tempFolderReported_ = false;  // the preview's folder was refused and the user told
};
