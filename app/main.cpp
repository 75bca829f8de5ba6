// fidforge: a stand-in for the client framework that hosts the module.
// It loads libfidforge.so (installed: FF_MODULE_DIR, relative to the
// program's own folder; in the build tree: ../lib), asks it for its module
// record, sends the start-up events (11 register the menu entry,
// 4 and 7 exchange parameters) and offers the registered entry in its
// menu; choosing the entry sends event 3, which opens the module.
//
//   fidforge          the main window with the module's menu entry
//   fidforge --open   opens the module at once and ends when it closes
//   fidforge --version, fidforge --help
// Anything else on the command line is refused (exit 2), so that a
// mistyped option never goes unnoticed behind a window that opens anyway.
#include <dlfcn.h>
#include <iconv.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include "module/client_module.h"
#include "version/build_version.h"

namespace {

struct MenuEntry {
  Client_Module* module;
  int32_t id;
  QString text;
};

std::vector<MenuEntry> g_menuEntries;
std::vector<std::pair<int, int32_t>> g_addedParams;  // (type, value)
QMainWindow* g_mainWindow = nullptr;

// The module's texts are GBK.
QString FromGbk(const char* text) {
  if (!text) return {};
  std::string in(text), out(in.size() * 2 + 4, '\0');
  iconv_t cd = iconv_open("UTF-8", "GBK");
  if (cd == reinterpret_cast<iconv_t>(-1)) return QString::fromLatin1(text);
  char* src = in.data();
  char* dst = out.data();
  size_t srcLeft = in.size(), dstLeft = out.size();
  iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  out.resize(out.size() - dstLeft);
  return QString::fromUtf8(out.data(), static_cast<qsizetype>(out.size()));
}

// --help and --version answer without a display, before Qt starts.
bool AnsweredInfoOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("fidforge %s\n", ff::BuildVersion());
      return true;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::printf(
          "Usage: fidforge [--open]\n"
          "FidForge: C++ sources from the securities back-office configuration database.\n"
          "The desktop program: it loads the FidForge module and offers it in its menu.\n"
          "\n"
          "Options:\n"
          "  --open      open the module at once; the program ends when it closes\n"
          "  --version   print the version (and the commit it was built from) and exit\n"
          "  -h, --help  print this help and exit\n"
          "\n"
          "Qt's own options (-platform, -style, ...) are accepted too.\n");
      return true;
    }
  }
  return false;
}

// What is left on the command line once Qt has taken its own options
// (-platform, -style, ...) out of it: anything but --open is refused.
bool RefusedArguments(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--open") == 0) continue;
    const bool option = argv[i][0] == '-' && argv[i][1] != '\0';
    std::fprintf(stderr, "fidforge: %s '%s'; see 'fidforge --help'\n",
                 option ? "unknown option" : "unexpected argument", argv[i]);
    return true;
  }
  return false;
}

// The module library: where the installation puts it, else in the build tree.
QString FindModuleLibrary() {
  const QString dir = QApplication::applicationDirPath();
  const QString installed = dir + QStringLiteral("/" FF_MODULE_DIR "/libfidforge.so");
  if (QFileInfo::exists(installed)) return installed;
  const QString built = dir + QStringLiteral("/../lib/libfidforge.so");
  if (QFileInfo::exists(built)) return built;
  return installed;
}

bool SendEvent(Client_Module* module, int32_t event) {
  module->nEvent = event;
  return module->pfnEvent ? module->pfnEvent(module) : false;
}

}  // namespace

// The host side of the module protocol, exported for the module.
extern "C" {

bool Client_GetParam(Client_Module* module, void** pointer, int type) {
  if (!pointer) return false;
  // The stand-in host has one thing to hand over: its main window.
  *pointer = type == 1 ? static_cast<void*>(g_mainWindow) : nullptr;
  return true;
}

bool Client_AddParam(Client_Module* module, int32_t value, int type) {
  g_addedParams.emplace_back(type, value);
  return true;
}

bool Module_RegMenuData(Client_Module* module, int32_t id, const char* text, int32_t, int32_t, int32_t,
                        int32_t, int32_t, int32_t) {
  g_menuEntries.push_back({module, id, FromGbk(text)});
  return true;
}

}  // extern "C"

int main(int argc, char** argv) {
  if (AnsweredInfoOption(argc, argv)) return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
  QApplication app(argc, argv);  // takes Qt's options out of argc and argv
  if (RefusedArguments(argc, argv)) return 2;
  QApplication::setApplicationName(QStringLiteral("fidforge"));
  QApplication::setApplicationDisplayName(QStringLiteral("FidForge"));
  const bool openAtOnce = QApplication::arguments().contains(QStringLiteral("--open"));

  const QString libraryPath = FindModuleLibrary();
  void* library = dlopen(libraryPath.toLocal8Bit().constData(), RTLD_NOW | RTLD_GLOBAL);
  if (!library) {
    std::fprintf(stderr, "fidforge: cannot load %s: %s\n", qPrintable(libraryPath), dlerror());
    return 1;
  }
  auto getModule = reinterpret_cast<GetClientModuleProc>(dlsym(library, "GetClientModule"));
  Client_Module* module = getModule ? getModule() : nullptr;
  if (!module) {
    std::fprintf(stderr, "fidforge: %s has no module record\n", qPrintable(libraryPath));
    return 1;
  }

  QMainWindow window;
  g_mainWindow = &window;
  window.setWindowTitle(QStringLiteral("FidForge"));
  SendEvent(module, kModuleEventRegisterMenu);
  SendEvent(module, kModuleEventGetParams);
  SendEvent(module, kModuleEventAddParams);

  QMenu* menu = window.menuBar()->addMenu(FromGbk(module->pszCategory));
  for (const MenuEntry& entry : g_menuEntries) {
    QAction* action = menu->addAction(entry.text);
    Client_Module* target = entry.module;
    QObject::connect(action, &QAction::triggered, &window, [target] { SendEvent(target, kModuleEventOpen); });
  }
  menu->addSeparator();
  menu->addAction(QStringLiteral("退出"), &app, &QApplication::quit);

  auto* about = new QLabel(&window);
  about->setAlignment(Qt::AlignCenter);
  about->setText(QStringLiteral("%1\n%2\n%3")
                     .arg(FromGbk(module->pszCaption), FromGbk(module->pszMaker),
                          QString::fromLatin1(module->pszBuildDate)));
  window.setCentralWidget(about);
  window.resize(480, 240);

  if (openAtOnce) {
    SendEvent(module, kModuleEventOpen);
    return 0;
  }
  window.show();
  return app.exec();
}
