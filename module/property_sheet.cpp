#include "module/property_sheet.h"

#include <algorithm>

#include <QApplication>
#include <QPushButton>
#include <QResizeEvent>
#include <QTabBar>
#include <QTabWidget>

#include "module/dialog_builder.h"
#include "module/property_page.h"
#include "module/qt_text.h"
#include "res/dialog_templates.h"

namespace {
// The tab widget's frame around the pages.
constexpr int kFrame = 6;
}  // namespace

CPropertySheet::CPropertySheet(const std::string& caption, QWidget* parent, int selectPage)
    : QDialog(parent), startPage_(selectPage) {
  setWindowTitle(ff::gui::ToQ(caption));
  setFont(ff::gui::DialogFont("宋体", 9));
}

CPropertySheet::~CPropertySheet() {
  // The pages belong to whoever added them, not to the tab widget.
  RemoveAllPages();
}

void CPropertySheet::RemoveAllPages() {
  if (tabs_) {
    tabs_->disconnect(this);
    while (tabs_->count() > 0) {
      QWidget* page = tabs_->widget(0);
      tabs_->removeTab(0);
      page->setParent(nullptr);
    }
  }
  for (CPropertyPage* page : pages_) page->SetParentSheet(nullptr);
  pages_.clear();
}

void CPropertySheet::AddPage(CPropertyPage* page) {
  pages_.push_back(page);
  page->SetParentSheet(this);
  if (tabs_) tabs_->addTab(page, page->Caption());
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetActiveIndex() const { return tabs_ ? tabs_->currentIndex() : -1; }

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }

bool CPropertySheet::SetActivePage(int index) {
  if (!GetPage(index)) return false;
  if (!tabs_) {
    startPage_ = index;
    return true;
  }
  tabs_->setCurrentIndex(index);
  return true;
}

QPushButton* CPropertySheet::GetDlgItem(int id) const {
  for (const auto& [bid, button] : buttons_)
    if (bid == id) return button;
  return nullptr;
}

bool CPropertySheet::OnCreate() {
  tabs_ = new QTabWidget(this);
  tabs_->tabBar()->setElideMode(Qt::ElideNone);
  tabs_->tabBar()->setExpanding(false);
  tabs_->setUsesScrollButtons(!stackedTabs_);
  QSize pageSize(0, 0);
  for (CPropertyPage* page : pages_) {
    tabs_->addTab(page, page->Caption());
    pageSize = pageSize.expandedTo(page->minimumSize());
  }
  // The tab widget's frame around the pages, plus the tab bar above them.
  int tabsWidth = pageSize.width() + kFrame;
  if (stackedTabs_) tabsWidth = std::max(tabsWidth, tabs_->tabBar()->sizeHint().width() + kFrame);
  const int tabsHeight = pageSize.height() + tabs_->tabBar()->sizeHint().height() + kFrame;
  tabs_->setGeometry(kMargin, kMargin, tabsWidth, tabsHeight);

  // The button row, right-aligned below the tabs.
  std::vector<std::pair<int, QString>> row = {{ff::res::IDOK, QStringLiteral("确定")},
                                              {ff::res::IDCANCEL, QStringLiteral("取消")}};
  if (!(m_psh.dwFlags & PSH_NOAPPLYNOW)) row.emplace_back(ID_APPLY_NOW, QStringLiteral("应用(&A)"));
  if (m_psh.dwFlags & PSH_HASHELP) row.emplace_back(IDHELP, QStringLiteral("帮助"));
  const ff::gui::BaseUnits units = ff::gui::DialogBaseUnits(font());
  const QRect b = ff::gui::DluToPixels(units, 0, 0, 50, 14);
  const int y = kMargin + tabsHeight + kMargin;
  int x = kMargin + tabsWidth - static_cast<int>(row.size()) * (b.width() + kMargin) + kMargin;
  for (const auto& [id, text] : row) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    button->setGeometry(x, y, b.width(), b.height());
    x += b.width() + kMargin;
    buttons_.emplace_back(id, button);
    if (id == ff::res::IDOK) connect(button, &QPushButton::clicked, this, [this] { accept(); });
    if (id == ff::res::IDCANCEL) connect(button, &QPushButton::clicked, this, [this] { reject(); });
  }
  // The pages' templates make the smallest sheet; it may grow.
  setMinimumSize(kMargin + tabsWidth + kMargin, y + b.height() + kMargin);
  resize(minimumSize());
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) { OnTabChanged(index); });
  return true;
}

int CPropertySheet::TabsFrameHeight() const {
  return tabs_ ? tabs_->tabBar()->sizeHint().height() + kFrame : 0;
}

void CPropertySheet::LayoutSheet() {
  if (!tabs_ || buttons_.empty()) return;
  const QSize b = buttons_.front().second->size();
  const int tabsHeight = height() - 3 * kMargin - b.height();
  tabs_->setGeometry(kMargin, kMargin, width() - 2 * kMargin, tabsHeight);
  int x = width() - static_cast<int>(buttons_.size()) * (b.width() + kMargin);
  for (const auto& [id, button] : buttons_) {
    button->move(x, kMargin + tabsHeight + kMargin);
    x += b.width() + kMargin;
  }
}

void CPropertySheet::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (created_) LayoutSheet();
}

bool CPropertySheet::Create() {
  if (created_) return true;
  if (!OnCreate()) return false;
  created_ = true;
  OnInitDialog();
  return true;
}

bool CPropertySheet::OnInitDialog() {
  const int start = GetPage(startPage_) ? startPage_ : 0;
  if (tabs_->currentIndex() == start) {
    OnTabChanged(start);
  } else {
    tabs_->setCurrentIndex(start);
  }
  return true;
}

void CPropertySheet::OnTabChanged(int index) {
  CPropertyPage* page = GetPage(index);
  if (!page) return;
  page->OnSetActive();
  // Ctrl+Tab (or a page switched by the program) lands on the page's first
  // control, not on whatever had the focus when the page was last left; a
  // click on the tab, or the arrow keys there, keep the focus on the tabs.
  if (QApplication::focusWidget() != tabs_->tabBar()) page->FocusFirstControl();
}

int CPropertySheet::DoModal() {
  if (!Create()) return -1;
  return exec();
}

void CPropertySheet::reject() {
  for (CPropertyPage* page : pages_)
    if (page->IsCreated()) page->OnCancel();
  EndDialog(ff::res::IDCANCEL);
}

void CPropertySheet::accept() { EndDialog(ff::res::IDOK); }
