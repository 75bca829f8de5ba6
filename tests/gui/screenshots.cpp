// Writes PNG pictures of the login dialog, the comment settings and the
// main sheet on each of its pages, on the demo database:
// ff_gui_screenshots <folder> [WxH]
// (the sheet's size in pixels; the size of a first start on this screen
// when none is given: run it on a 1366x768 screen for the laptop pictures).
// Run it offscreen (QT_QPA_PLATFORM=offscreen) or under xvfb-run.
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include "fidcheck/check_page.h"
#include "gui_test_util.h"
#include "host/registry.h"
#include "login/comment_settings_dlg.h"
#include "login/login_dlg.h"
#include "module/kestrel_list_ctrl.h"
#include "module/main_sheet.h"
#include "modulecode/code_page.h"
#include "tests/support/test_support.h"

namespace {

bool Save(QWidget& widget, const QString& path) {
  QApplication::processEvents();
  const bool ok = widget.grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("FidForge"));
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
  QDir().mkpath(out);

  ff::test::SettingsSandbox sandbox;
  ff::test::TestDatabase db({}, true);
  ff::guitest::GuiTestUI ui;  // messages of the checks are kept quiet
  theReg.Write("FixPath", "/home/dev/fix");
  theReg.Write("ModulePath", "/home/dev/kcxp/src");

  bool ok = true;
  {
    CLoginDlg login;
    login.Create();
    login.show();
    ok &= Save(login, out + "/login.png");
  }
  {
    CCommentSettingsDlg comment;
    comment.Create();
    comment.show();
    ok &= Save(comment, out + "/comment_settings.png");
  }
  CMainSheet sheet("", nullptr, 1);
  sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
  sheet.Create();
  if (argc > 2) {
    const QStringList size = QString::fromLocal8Bit(argv[2]).split(QLatin1Char('x'));
    if (size.size() == 2) sheet.resize(size[0].toInt(), size[1].toInt());
  }
  sheet.show();
  const char* names[] = {"sheet_login", "sheet_export", "sheet_check",
                         "sheet_module_code", "sheet_single_code", "sheet_client_snippet"};
  for (int i = 0; i < sheet.GetPageCount(); ++i) {
    sheet.SetActivePage(i);
    if (auto* check = dynamic_cast<CPageNotRegFid*>(sheet.GetPage(i))) {
      check->OnCheckBls();
      check->OnCheckFos();
      check->OnCheckUnused();
      check->OnCheckLint();
    }
    ok &= Save(sheet, out + "/" + names[i] + ".png");
  }
  // The three code pages alone, a module or function picked, half as large
  // again as their templates (code_page.png and the others of the manual).
  auto* code = static_cast<CPageCode*>(sheet.GetPage(3));
  code->m_lstModule->setCurrentItem(code->m_lstModule->topLevelItem(1));
  ff::guitest::Pick(*static_cast<CModuleTreePage*>(sheet.GetPage(4)), "1|KH_OPEN  ");
  ff::guitest::Pick(*static_cast<CModuleTreePage*>(sheet.GetPage(5)), "1|KH_OPEN  ");
  const char* pages[] = {"code_page", "single_code_page", "client_snippet_page"};
  for (int i = 3; i <= 5; ++i) {
    QWidget* page = sheet.GetPage(i);
    page->setParent(nullptr);
    page->resize(page->minimumSize() * 1.5);
    page->show();
    ok &= Save(*page, out + "/" + pages[i - 3] + ".png");
  }
  return ok ? 0 : 1;
}
