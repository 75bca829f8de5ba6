// Tab "检查FID定义": lists the FIDs that BLS or FOS parameters use without a
// definition, the defined FIDs that no parameter uses, and the findings of
// the configuration database lint ("代码检查").
#pragma once

#include <string>

#include "host/record.h"
#include "module/property_page.h"

class CKestrelListCtrl;
namespace ff {
enum class FidCheckKind;
}

class CPageNotRegFid : public CPropertyPage {
 public:
  CPageNotRegFid();
  ~CPageNotRegFid() override;

  CKestrelListCtrl* m_lstUnused = nullptr;  // 9013
  CKestrelListCtrl* m_lstFos = nullptr;     // 9010
  CKestrelListCtrl* m_lstBls = nullptr;     // 9009
  CKestrelListCtrl* m_lstLint = nullptr;    // 9015
  CMemRecord m_recFos;
  CMemRecord m_recBls;
  CMemRecord m_recUnused;
  CMemRecord m_recLint;

  void OnCheckBls();     // button 9011
  void OnCheckFos();     // button 9012
  void OnCheckUnused();  // button 9014
  void OnCheckLint();    // button 9016

  // Each list's menu (and keys): every row to the clipboard, tab-separated
  // (Ctrl+Shift+C), and the list as a CSV file (Ctrl+Shift+S).
  void CopyAllRows(CKestrelListCtrl* list);
  void ExportCsv(CKestrelListCtrl* list, const std::string& fileName);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void MessageMap() override;
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  void RunCheck(ff::FidCheckKind kind, CMemRecord& record, CKestrelListCtrl* list);
  void AddListActions(CKestrelListCtrl* list, const std::string& fileName);
  // Focus to a list just filled, on its first row.
  void FocusList(CKestrelListCtrl* list);
};
