// What the two single-function pages share: the module/function tree with
// its FOS/BLS switch, the preview with copy and edit, the code style radios
// and the start of both pages; the folder and file name fields with their
// switches are those of the module code page (CModuleFilesPage).
#pragma once

#include <map>
#include <string>

#include "codetext/code_maker.h"
#include "host/record.h"
#include "modulecode/module_files_page.h"

class CKestrelTreeCtrl;
class QPlainTextEdit;

class CModuleTreePage : public CModuleFilesPage {
 public:
  explicit CModuleTreePage(int templateId);
  ~CModuleTreePage() override;

  // --- the tree -----------------------------------------------------------
  CKestrelTreeCtrl* m_tree = nullptr;  // 9036
  CMemRecord m_recModule;              // the module rows behind the tree
  CMemRecord m_recFunction;            // the function rows of one module
  std::string m_strSelect;             // disabled edit 9029: the picked item

  // Fills the tree from the configuration database in the current mode.
  bool FillModuleTree();
  // The number of a function item (FOSID / BLSID, the number the generated
  // code carries), by its identifier; 0 for a module or an unknown item.
  long FunctionNumberOf(const std::string& identifier) const;
  void OnNewLogin() override;
  void OnRadioFos();  // radio 9034
  void OnRadioBls();  // radio 9035

  // --- the preview (GBK text) ---------------------------------------------
  QPlainTextEdit* m_edtPreview = nullptr;  // 9037
  std::string m_strPreview;                // edit 9037
  int m_nCodeStyle = -1;                   // radio group 9043 (简约型) / 9044 (局部美化)
  CCodeMaker m_CodeMaker;

  // Regenerates the preview for the selected tree item.
  virtual void RefreshPreview() = 0;

  void OnCopy();                // button 2
  void OnEdit();                // button 3
  void OnCodeStyle(int index);  // radios 9043 (0) and 9044 (1)

  // The module number and function code of a tree identifier "%d|%s":
  // the number at its start (below 1: 0), the text after the first "|".
  static long ModuleNumberOf(const std::string& identifier);
  static std::string FunctionCodeOf(const std::string& identifier);
  // `name` in the user's own temporary folder (ff::UserTempFolder); false
  // with the reason (GBK) when there is none.
  static bool TempFolderFile(const std::string& name, std::string& path, std::string& error);

 protected:
  QWidget* CreateCustomControl(const ff::res::ControlTemplate& c, QWidget* parent) override;
  void DoDataExchange(CDataExchange* pDX) override;
  void MessageMap() override;

  // The start of both pages: the login offer, then the code style.
  void OfferLoginAndReadCodeStyle();
  // The selected item's identifier and note.
  std::string SelectedIdentifier() const;
  std::string SelectedNote() const;
  // OK's first step: the selection text becomes the selected item's
  // identifier, trimmed, and every value is shown; returns the identifier.
  std::string ShowSelectedIdentifier();
  // Before a generation: the author of a CCommentSettings made for the
  // action, and no project name.
  void SetAuthorAndProject();

 private:
  void SwitchMode(bool bls);

  std::map<std::string, long> functionNumbers_;  // identifier -> number
};
