#include "module/main_sheet.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

#include "fidcheck/check_page.h"
#include "headers/export_page.h"
#include "login/login_page.h"
#include "modulecode/code_page.h"
#include "module/dialog_builder.h"
#include "module/property_page.h"
#include "module/qt_text.h"
#include "module/sheet_size.h"
#include "res/dialog_templates.h"
#include "res/gui_texts.h"
#include "singlecode/client_page.h"
#include "singlecode/single_page.h"

CMainSheet::CMainSheet(const std::string& caption, QWidget* parent, int startPage)
    : CPropertySheet(caption, parent, startPage), m_strTitle(ff::res::gui::SheetTitle()) {
  m_pages = {new CPageSQL, new CPageExport, new CPageNotRegFid,
             new CPageCode, new CPageCodeSingle, new CPageCodeClientSingle};
  for (CPropertyPage* page : m_pages) AddPage(page);
  // A window that grows: the window manager offers to maximise it, and the
  // corner shows that it can be dragged larger.
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setSizeGripEnabled(true);
}

CMainSheet::~CMainSheet() {
  RemoveAllPages();
  for (CPropertyPage* page : m_pages) delete page;
  m_pages.clear();
}

bool CMainSheet::OnCreate() {
  // All tab titles stay readable: no scroll arrows.
  EnableStackedTabs(true);
  return CPropertySheet::OnCreate();
}

bool CMainSheet::OnInitDialog() {
  const bool result = CPropertySheet::OnInitDialog();
  setWindowTitle(ff::gui::ToQ(m_strTitle));
  for (int id : {ID_APPLY_NOW, IDHELP, static_cast<int>(ff::res::IDOK)})
    if (QPushButton* button = GetDlgItem(id)) button->hide();
  QPushButton* cancel = GetDlgItem(ff::res::IDCANCEL);
  if (!cancel) return result;
  cancel->setText(ff::gui::ToQ(ff::res::gui::SheetExit()));

  // Cut the button row off and put "退出" in a new strip right of the tabs,
  // near the top. The pages' templates make the smallest sheet.
  const QRect tabs = GetTabControl()->geometry();
  setMinimumSize(kMargin + tabs.width() + kMargin + cancel->width() + kMargin, kMargin + tabs.height() + kMargin);
  // The first start: the pages as their templates draw them, as far as the
  // screen holds them (a laptop's screen gets the compact pages).
  const QScreen* screen = QGuiApplication::primaryScreen();
  // The window manager's title bar and frame take their part of the screen.
  const QSize free = screen ? screen->availableGeometry().size() - QSize(16, 40) : minimumSize();
  QSize natural = minimumSize();
  for (int i = 0; i < GetPageCount(); ++i)
    if (const CPropertyPage* page = GetPage(i))
      natural = natural.expandedTo(minimumSize() + QSize(0, ff::gui::TemplatePixelSize(page->Template()).height() -
                                                              page->minimumSize().height()));
  QSize start = natural.boundedTo(free).expandedTo(minimumSize());
  // The size the user left it at, as far as the screen holds it: a garbled
  // value could ask for a window of gigabytes. A screen smaller than the
  // pages gets the pages as they are.
  if (const QSize stored = ff::gui::StoredSheetSize(); stored.isValid())
    start = stored.expandedTo(minimumSize()).boundedTo(free.expandedTo(minimumSize()));
  resize(start);
  if (ff::gui::StoredSheetMaximized()) setWindowState(windowState() | Qt::WindowMaximized);
  LayoutSheet();
  return result;
}

void CMainSheet::LayoutSheet() {
  QPushButton* cancel = GetDlgItem(ff::res::IDCANCEL);
  QTabWidget* tabs = GetTabControl();
  if (!cancel || !tabs) return;
  tabs->setGeometry(kMargin, kMargin, width() - 3 * kMargin - cancel->width(), height() - 2 * kMargin);
  cancel->move(tabs->geometry().right() + 1 + kMargin, kMargin);
}

void CMainSheet::done(int result) {
  if (GetTabControl()) {
    ff::gui::StoreSheetSize(isMaximized() ? normalGeometry().size() : size());
    ff::gui::StoreSheetMaximized(isMaximized());
  }
  CPropertySheet::done(result);
}

long CMainSheet::OnPageQuery() const {
  if (!GetActivePage()) return 0;
  const int index = GetActiveIndex();
  if (index < 0) return index;
  return GetPageCount();
}
