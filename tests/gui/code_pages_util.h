// Helpers of the tests of the module code page and the two single-function
// pages: a scripted user interface that also records the files handed to
// the editor, a private temporary folder, and the tree by identifier.
#pragma once

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
  void OpenWithDefaultApp(const std::string& path) override { opened.push_back(path); }
  std::vector<std::string> opened;
};

// Points the system's temporary folder (TMPDIR) at a fresh folder.
class TempFolder {
 public:
  TempFolder() : had_(qEnvironmentVariableIsSet("TMPDIR")), old_(qgetenv("TMPDIR")) {
    qputenv("TMPDIR", QByteArray::fromStdString(dir_.path().string()));
  }
  ~TempFolder() {
    if (had_)
      qputenv("TMPDIR", old_);
    else
      qunsetenv("TMPDIR");
  }
  std::string path() const { return QDir::tempPath().toStdString(); }
  std::string operator/(const std::string& name) const { return path() + "/" + name; }

 private:
  ff::test::TempDir dir_;
  bool had_;
  QByteArray old_;
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
