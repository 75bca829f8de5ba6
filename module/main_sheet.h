// The module's whole user interface: one modal sheet with six pages, one
// per tool, titled "Fix编码管理", closed with its single "退出" button.
#pragma once

#include <string>
#include <vector>

#include "module/property_sheet.h"

class CPropertyPage;

class CMainSheet : public CPropertySheet {
 public:
  // `caption` GBK (the open event passes ""); the pages are made here.
  CMainSheet(const std::string& caption, QWidget* parent, int startPage);
  ~CMainSheet() override;  // deletes the pages, first to last

  const std::string& Title() const { return m_strTitle; }

  // The answer to window message 0x1ABB: the number of pages when a page is
  // active, 0 when none is, the active index itself when it is negative.
  long OnPageQuery() const;

 protected:
  bool OnCreate() override;
  bool OnInitDialog() override;
  // 退出 in a strip right of the tabs, which fill the rest.
  void LayoutSheet() override;
  // Remembers the sheet's size for the next start.
  void done(int result) override;

 private:
  std::string m_strTitle;  // GBK
  std::vector<CPropertyPage*> m_pages;
};
