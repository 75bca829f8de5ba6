// The module's entry: its record, the hook and event functions the host
// calls, and the set-up at library load.
#include <dlfcn.h>

#include "login/login_dlg.h"
#include "module/main_sheet.h"
#include "module/client_module.h"
#include "module/property_sheet.h"
#include "module/qt_translations.h"
#include "module/qt_user_interface.h"
#include "res/gui_texts.h"

namespace {

// The parameters the host hands over at event 4 (kept, not used).
void* g_pHostParam[4] = {nullptr, nullptr, nullptr, nullptr};

// The host's protocol functions, found in the host process at call time.
template <class Proc>
Proc HostFunction(const char* name) {
  return reinterpret_cast<Proc>(dlsym(RTLD_DEFAULT, name));
}

void OpenModule() {
  ff::gui::InstallQtTranslations();
  CLoginDlg login(nullptr);
  login.DoModal();  // a failed or cancelled login opens the sheet all the same
  CMainSheet sheet("", nullptr, 1);
  sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
  sheet.DoModal();
}  // the sheet (with its pages) goes first, then the dialog

// At load the library puts its user interface in place, as the original
// registered itself with the window framework.
struct LibraryLoad {
  LibraryLoad() { ff::gui::InstallQtUserInterface(); }
} g_libraryLoad;

}  // namespace

extern "C" {

bool ModuleHookProc(Client_Module*, void*) { return true; }

bool ModuleEventProc(Client_Module* module) {
  switch (module->nEvent) {
    case kModuleEventOpen:
      OpenModule();
      break;
    case kModuleEventGetParams:
      if (auto getParam = HostFunction<Client_GetParamProc>("Client_GetParam")) {
        getParam(module, &g_pHostParam[0], 3);
        getParam(module, &g_pHostParam[1], 1);
        getParam(module, &g_pHostParam[2], 2);
        getParam(module, &g_pHostParam[3], 4);
      }
      break;
    case kModuleEventAddParams:
      if (module->nHostWord == 0) {
        if (auto addParam = HostFunction<Client_AddParamProc>("Client_AddParam"))
          addParam(module, kModuleId, 5);
      }
      break;
    case kModuleEventRegisterMenu:
      if (auto regMenu = HostFunction<Module_RegMenuDataProc>("Module_RegMenuData"))
        regMenu(module, kModuleId, ff::res::gui::ModuleCaption().c_str(), 3, 1, 1, 0, 0, 0);
      break;
    default:
      break;
  }
  return true;
}

}  // extern "C"

namespace {
Client_Module g_module = {
    100,
    ff::res::gui::ModuleMaker().c_str(),
    ff::res::gui::ModuleCategory().c_str(),
    ff::res::gui::ModuleCaption().c_str(),
    ff::res::gui::ModuleCategory().c_str(),
    __DATE__,
    0,
    {0, 0},
    0,
    {0, 0, 0, 0, 0, 0},
    &ModuleHookProc,
    &ModuleEventProc,
    &ModuleHookProc,
    {0, 0, 0, 0},
};
}  // namespace

extern "C" __attribute__((visibility("default"))) Client_Module* GetClientModule(void) { return &g_module; }
