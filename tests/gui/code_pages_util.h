// Helpers of the tests of the module code page and the two single-function
// pages: a scripted user interface that also records the files handed to
// the editor, a private temporary folder, and the tree by identifier.
#pragma once

#include <unistd.h>

#include <QDir>
#include <QTest>
#include <string>
#include <vector>

#include "gui_test_util.h"
#include "host/gbk_text.h"
#include "res/control_ids.h"
#include "singlecode/kestrel_tree_ctrl.h"
#include "singlecode/module_tree_page.h"
#include "tests/support/test_support.h"

namespace ctl = ff::res::ctl;

namespace ff::guitest {

class PageUI : public GuiTestUI {
 public:
  bool OpenWithDefaultApp(const std::string& path) override {
    opened.push_back(path);
    return launcher;
  }
  std::vector<std::string> opened;
  bool launcher = true;  // false: no application opens anything
};

// Points the system's temporary folder (TMPDIR) at a fresh folder, with
// no session runtime folder: the user's own temporary folder is then
// <TMPDIR>/fidforge-<uid>.
class TempFolder {
 public:
  TempFolder()
      : had_(qEnvironmentVariableIsSet("TMPDIR")),
        old_(qgetenv("TMPDIR")),
        hadRuntime_(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")),
        oldRuntime_(qgetenv("XDG_RUNTIME_DIR")) {
    qputenv("TMPDIR", QByteArray::fromStdString(dir_.path().string()));
    qunsetenv("XDG_RUNTIME_DIR");
  }
  ~TempFolder() {
    Restore("TMPDIR", had_, old_);
    Restore("XDG_RUNTIME_DIR", hadRuntime_, oldRuntime_);
  }
  // The system's temporary folder.
  std::string path() const { return dir_.path().string(); }
  // The user's own folder in it, where the pages put their files.
  std::string own() const { return path() + "/fidforge-" + std::to_string(::geteuid()); }
  std::string operator/(const std::string& name) const { return own() + "/" + name; }

 private:
  static void Restore(const char* name, bool had, const QByteArray& old) {
    if (had)
      qputenv(name, old);
    else
      qunsetenv(name);
  }
  ff::test::TempDir dir_;
  bool had_;
  QByteArray old_;
  bool hadRuntime_;
  QByteArray oldRuntime_;
};

// Selects the tree item with this identifier as a click would.
inline void Pick(CModuleTreePage& page, const std::string& id) {
  const int item = page.m_tree->FindID(id, 0);
  QVERIFY2(item != 0, id.c_str());
  page.m_tree->SelectItem(item);
}

// Every identifier of the tree, in tree order.
inline std::vector<std::string> TreeIds(const CKestrelTreeCtrl& tree) {
  std::vector<std::string> ids;
  tree.FindItem([&](const std::string& id, const std::string&) {
    ids.push_back(id);
    return false;
  });
  return ids;
}

// Byte-exact comparison with a readable first difference.
#define FF_QCOMPARE_BYTES(expected, actual)                                          \
  do {                                                                               \
    const ::testing::AssertionResult r = ff::test::BytesEqual((expected), (actual)); \
    QVERIFY2(bool(r), r.message());                                                  \
  } while (0)

// The preview (edit kPreview) as the edit shows it, with the page's CR LF line
// ends.
inline std::string Preview(const CTemplateForm& page) {
  return ff::gbk::Replaced(page.GetDlgItemText(ctl::tree::kPreview), "\n", "\r\n");
}

inline bool IsChecked(CTemplateForm& form, int id) {
  auto* b = qobject_cast<QAbstractButton*>(form.GetDlgItem(id));
  return b && b->isChecked();
}

}  // namespace ff::guitest
