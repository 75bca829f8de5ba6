// A property sheet: a modal dialog with one tab per page and the button
// row OK, Cancel, Apply (unless PSH_NOAPPLYNOW) and Help (only with
// PSH_HASHELP) below the tabs. Pages are made when first shown.
#pragma once

#include <string>
#include <vector>

#include <QDialog>

class CPropertyPage;
class QPushButton;
class QTabWidget;

constexpr unsigned PSH_NOAPPLYNOW = 0x80;
constexpr unsigned PSH_HASHELP = 0x200;
constexpr int ID_APPLY_NOW = 12321;
constexpr int IDHELP = 9;

struct PropSheetHeader {
  unsigned dwFlags = 0;
};

class CPropertySheet : public QDialog {
 public:
  // `caption` GBK; `selectPage` the index of the page shown first.
  CPropertySheet(const std::string& caption, QWidget* parent, int selectPage);
  ~CPropertySheet() override;

  void AddPage(CPropertyPage* page);  // not owned
  // Takes every page out of the sheet (they are not deleted); the owner
  // calls this before it deletes its pages.
  void RemoveAllPages();
  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  CPropertyPage* GetPage(int index) const;
  // The active page's index; -1 before the window exists.
  int GetActiveIndex() const;
  CPropertyPage* GetActivePage() const;
  bool SetActivePage(int index);

  // Several rows of tabs instead of scroll arrows: every tab title stays
  // readable (the sheet grows wide enough for all of them).
  void EnableStackedTabs(bool stacked) { stackedTabs_ = stacked; }

  // Creates the window (once) and runs OnInitDialog, without running the
  // sheet (tests and screenshots use this).
  bool Create();
  // Create(), then runs the sheet modally; the result of EndDialog.
  virtual int DoModal();
  void EndDialog(int result) { done(result); }

  QTabWidget* GetTabControl() const { return tabs_; }
  // A button of the sheet's row (IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP), or
  // null when the sheet has none with that id.
  QPushButton* GetDlgItem(int id) const;

  PropSheetHeader m_psh;

 protected:
  // Base: shows the start page. Result: true.
  virtual bool OnInitDialog();
  // Window creation; false when it fails.
  virtual bool OnCreate();
  // Cancel / Escape / close box: every created page's OnCancel, then
  // EndDialog(IDCANCEL).
  void reject() override;
  void accept() override;
  // Places the tabs and the buttons for the sheet's size. Base: the tabs
  // fill the sheet above the button row, which keeps to the right edge.
  virtual void LayoutSheet();
  void resizeEvent(QResizeEvent* event) override;
  // The margin around the tabs and between buttons, in pixels.
  static constexpr int kMargin = 7;
  // The height the tab bar needs above the pages at the sheet's width.
  int TabsFrameHeight() const;

 private:
  void OnTabChanged(int index);

  std::vector<CPropertyPage*> pages_;
  QTabWidget* tabs_ = nullptr;
  std::vector<std::pair<int, QPushButton*>> buttons_;
  int startPage_ = 0;
  bool stackedTabs_ = false;
  bool created_ = false;
};
