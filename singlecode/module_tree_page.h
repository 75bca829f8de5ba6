// What the two single-function pages share: the module/function tree with
// its FOS/BLS switch, the preview with copy and edit, the folder and file
// name fields with their switches, the code style radios and the values
// they keep in the registry.
#pragma once

#include <string>

#include "codetext/code_maker.h"
#include "host/record.h"
#include "module/property_page.h"

class CKestrelTreeCtrl;
class QPlainTextEdit;

class CModuleTreePage : public CPropertyPage {
 public:
  explicit CModuleTreePage(int templateId);
  ~CModuleTreePage() override;

  // --- the tree -----------------------------------------------------------
  CKestrelTreeCtrl* m_tree = nullptr;  // 9036
  CMemRecord m_recModule;              // the module rows behind the tree
  CMemRecord m_recFunction;            // the function rows of one module
  bool m_bBLS = false;                 // the tree shows BLS functions
  int m_nKind = -1;                    // radio group 9034 (FOS) / 9035 (BLS)
  std::string m_strSelect;             // disabled edit 9029: the picked item

  // Fills the tree from the configuration database in the current mode.
  bool FillModuleTree();
  void OnRadioFos();  // radio 9034
  void OnRadioBls();  // radio 9035

  // --- preview, files and switches (GBK texts) ----------------------------
  QPlainTextEdit* m_edtPreview = nullptr;  // 9037
  bool m_bModuleNeed = false;              // check 9021 "生成编程模板代码："
  bool m_bOverWrite = false;               // check 9033: no overwrite question
  bool m_bTestNeed = false;                // check 9027 "生成测试代码："
  std::string m_strPath;                   // edit 9013: the folder
  std::string m_strCppFile;                // edit 9023
  std::string m_strHeadFile;               // edit 9030
  std::string m_strTestCppFile;            // edit 9028 (never written)
  std::string m_strTestHeadFile;           // edit 9024 (never written)
  std::string m_strPreview;                // edit 9037
  int m_nCodeStyle = -1;                   // radio group 9043 (简约型) / 9044 (局部美化)
  CCodeMaker m_CodeMaker;

  // Regenerates the preview for the selected tree item.
  virtual void RefreshPreview() = 0;

  void OnCopy();                // button 2
  void OnEdit();                // button 3
  void OnChooseFolder();        // button 9014
  void OnModuleNeed();          // check 9021
  void OnTestNeed();            // check 9027
  void OnOverWrite();           // check 9033
  void OnCodeStyle(int index);  // radios 9043 (0) and 9044 (1)

  // The module number and function code of a tree identifier "%d|%s":
  // the number at its start (below 1: 0), the text after the first "|".
  static long ModuleNumberOf(const std::string& identifier);
  static std::string FunctionCodeOf(const std::string& identifier);
  // A file of the system's temporary folder ("" when there is none).
  static std::string TempFolderFile(const std::string& name);
  // The file the editor receives.
  static std::string EditorFilePath(const std::string& author);

 protected:
  QWidget* CreateCustomControl(const ff::res::ControlTemplate& c, QWidget* parent) override;
  void DoDataExchange(CDataExchange* pDX) override;
  void MessageMap() override;

  // The start of both pages: the login offer, then the code style.
  void OfferLoginAndReadCodeStyle();
  // The folder, the four switches, the file names and the kind; then every
  // value is shown.
  void ReadFolderAndSwitches();
  // OK's registry values.
  void StoreValues();
  // The selected item's identifier and note.
  std::string SelectedIdentifier() const;
  std::string SelectedNote() const;

 private:
  // After the folder button: the names of the switches that are on, in
  // the folder or ".".
  void RebuildFileNames();
  void SwitchMode(bool bls);
};
