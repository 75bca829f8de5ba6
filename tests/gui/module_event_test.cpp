// The module record and the event table, seen from a host: the library is
// loaded with dlopen and called through its record, and this program plays
// the host's protocol functions.
#include <dlfcn.h>
#include <iconv.h>

#include <cstring>
#include <string>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "module/client_module.h"

namespace {

struct HostCall {
  std::string function;
  std::vector<long> numbers;
  std::string text;
};
std::vector<HostCall> g_calls;

std::string Gbk(const char* utf8) {
  std::string in(utf8), out(in.size() * 2 + 4, '\0');
  iconv_t cd = iconv_open("GBK", "UTF-8");
  char* src = in.data();
  char* dst = out.data();
  size_t srcLeft = in.size(), dstLeft = out.size();
  iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  out.resize(out.size() - dstLeft);
  return out;
}

}  // namespace

extern "C" {
bool Client_GetParam(Client_Module*, void** pointer, int type) {
  g_calls.push_back({"Client_GetParam", {type}, {}});
  *pointer = reinterpret_cast<void*>(static_cast<intptr_t>(0x1000 + type));
  return true;
}
bool Client_AddParam(Client_Module*, int32_t value, int type) {
  g_calls.push_back({"Client_AddParam", {value, type}, {}});
  return true;
}
bool Module_RegMenuData(Client_Module*, int32_t id, const char* text, int32_t a, int32_t b, int32_t c,
                        int32_t d, int32_t e, int32_t f) {
  g_calls.push_back({"Module_RegMenuData", {id, a, b, c, d, e, f}, text});
  return true;
}
}

class ModuleEventTest : public QObject {
  Q_OBJECT

  void* library_ = nullptr;
  Client_Module* module_ = nullptr;

  bool Send(int32_t event) {
    module_->nEvent = event;
    return module_->pfnEvent(module_);
  }

 private slots:
  void initTestCase() {
    library_ = dlopen(FF_MODULE_PATH, RTLD_NOW | RTLD_GLOBAL);
    QVERIFY2(library_, dlerror());
    auto get = reinterpret_cast<GetClientModuleProc>(dlsym(library_, "GetClientModule"));
    QVERIFY(get);
    module_ = get();
    QVERIFY(module_);
    QCOMPARE(get(), module_);  // the same record every time
  }
  void init() { g_calls.clear(); }

  void recordTexts() {
    const auto* bytes = reinterpret_cast<const unsigned char*>(module_);
    int32_t first;
    std::memcpy(&first, bytes, 4);
    QCOMPARE(first, 100);
    QCOMPARE(std::string(module_->pszCaption), Gbk("Fix编码管理"));  // the host's menu shows it
    QCOMPARE(module_->pszCategory2, module_->pszCategory);
    QVERIFY(QRegularExpression("^[A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4}$")
                .match(QString::fromLatin1(module_->pszBuildDate))
                .hasMatch());
    QCOMPARE(module_->nHostWord, 0);
    for (int32_t word : module_->nReserved2) QCOMPARE(word, 0);
    QVERIFY(module_->pfnHook1 && module_->pfnHook1 == module_->pfnHook2);
    QVERIFY(module_->pfnHook1(module_, reinterpret_cast<void*>(0x1234)));
  }

  // What each event asks of the host: 11 registers the menu entry, 4
  // fetches four parameters, 7 adds the identifier only when the host's
  // word is zero; the others ask nothing.
  void eventsCallTheHost_data() {
    QTest::addColumn<int>("event");
    QTest::addColumn<int>("word");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("11") << 11 << 0 << QStringList{"Module_RegMenuData 520101 3 1 1 0 0 0 Fix编码管理"};
    QTest::newRow("4") << 4 << 0
                       << QStringList{"Client_GetParam 3", "Client_GetParam 1", "Client_GetParam 2", "Client_GetParam 4"};
    QTest::newRow("7") << 7 << 0 << QStringList{"Client_AddParam 520101 5"};
    QTest::newRow("7, word set") << 7 << 1 << QStringList();
    for (int event : {0, 1, 2, 5, 6, 8, 9, 10, 12, -1, 1000}) QTest::newRow(qPrintable(QString::number(event))) << event << 0 << QStringList();
  }
  void eventsCallTheHost() {
    QFETCH(int, event);
    QFETCH(int, word);
    QFETCH(QStringList, calls);
    module_->nHostWord = word;
    QVERIFY(Send(event));
    module_->nHostWord = 0;
    std::vector<std::string> made, expected;
    for (const HostCall& call : g_calls) {
      std::string line = call.function;
      for (long n : call.numbers) line += " " + std::to_string(n);
      made.push_back(call.text.empty() ? line : line + " " + call.text);
    }
    for (const QString& line : calls) expected.push_back(Gbk(line.toUtf8().constData()));
    QCOMPARE(made, expected);
  }

  // Open with the login cancelled: the sheet comes all the same, on its
  // second page, with "退出" as its only button, right of the tabs.
  void event3ShowsLoginThenSheet() {
    QStringList seen;  // each modal dialog: its title, then for the sheet its tabs and buttons
    std::function<void()> poll = [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog && !seen.contains(dialog->windowTitle())) {
        seen << dialog->windowTitle();
        if (auto* tabs = dialog->findChild<QTabWidget*>()) {
          seen << QString::number(tabs->currentIndex());
          for (int i = 0; i < tabs->count(); ++i) seen << tabs->tabText(i);
          QTabBar* bar = tabs->tabBar();
          QVERIFY(bar->tabRect(bar->count() - 1).right() <= bar->width());  // every tab fits
          QVERIFY(tabs->geometry().right() < dialog->width());
          for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            if (!b->isVisibleTo(dialog) || b->parent() != dialog) continue;
            seen << b->text();
            QVERIFY(b->x() > tabs->geometry().right() && b->y() < bar->height() + 20);
          }
        }
        dialog->reject();
      }
      if (seen.size() < 2) QTimer::singleShot(20, poll);
    };
    QTimer::singleShot(20, poll);
    QVERIFY(Send(3));
    QCOMPARE(seen, (QStringList{"登录配置服务器", "Fix编码管理", "1", "登录配置服务器", "生成头文件", "检查FID定义",
                                "生成模块代码", "单一FOS/BLS模板代码", "单一FOS/BLS客户端访问代码片", "退出"}));
    QVERIFY(g_calls.empty());
  }
};

int main(int argc, char** argv) {
  // Settings go to a folder of their own.
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
  qputenv("XDG_DATA_HOME", settings.path().toUtf8());
  QApplication app(argc, argv);
  ModuleEventTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "module_event_test.moc"
