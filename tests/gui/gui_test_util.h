// Helpers of the GUI tests: one sandbox per test (settings and temporary
// folder of its own, a scripted user, an output folder, a database), and
// clicking, typing and picking by control id.
#pragma once

#include <unistd.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

#include "host/config_db.h"
#include "host/file_error.h"
#include "host/gbk_text.h"
#include "host/registry.h"
#include "host/user_interface.h"
#include "module/qt_text.h"
#include "module/template_form.h"
#include "res/control_ids.h"
#include "singlecode/kestrel_tree_ctrl.h"
#include "singlecode/module_tree_page.h"
#include "tests/support/test_support.h"

namespace ctl = ff::res::ctl;

namespace ff::guitest {

using ff::test::G;

// The user: scripted answers, what was shown remembered.
using GuiTestUI = ff::test::ScriptedUI;

// Points the system's temporary folder (TMPDIR) at a fresh folder, with no
// session runtime folder: the user's own temporary folder is then
// <TMPDIR>/fidforge-<uid>.
class TempFolder {
 public:
  std::string path() const { return dir_.path().string(); }
  // The user's own folder in it, where the pages put their files.
  std::string own() const { return path() + "/fidforge-" + std::to_string(::geteuid()); }
  std::string operator/(const std::string& name) const { return own() + "/" + name; }

 private:
  ff::test::TempDir dir_;
  ff::test::ScopedEnv tmp_{"TMPDIR", path()}, runtime_{"XDG_RUNTIME_DIR", std::nullopt};
};

// One test's world: settings and a temporary folder of its own, a scripted
// user, an output folder, and a database connected as the login would (the
// demo database unless told otherwise).
struct Sandbox {
  struct NoDatabase {};
  Sandbox() : Sandbox(std::string_view{}, true) {}
  explicit Sandbox(NoDatabase) { DisconnectConfigDB(); }
  explicit Sandbox(std::string_view sql, bool demo = false) {
    DisconnectConfigDB();
    db.emplace(sql, demo);
  }
  // The module pages' stored values: both files into the output folder,
  // with no overwrite question unless asked.
  void ModuleFiles(bool bls = false, bool overwrite = true) {
    theReg.Write("ModulePath", dir());
    theReg.Write("ModuleNeed", "TRUE");
    theReg.Write("ModuleFilesOverWrite", overwrite ? "TRUE" : "FALSE");
    theReg.Write("ModuleSelectBLS", bls ? "TRUE" : "FALSE");
  }
  std::string dir() const { return out.path().string(); }
  std::string operator/(const std::string& name) const { return out / name; }
  // A page or dialog made (Create) for the rest of the test.
  template <class Form>
  Form& Open() {
    auto* form = new Form;
    forms.emplace_back(form);
    form->Create();
    return *form;
  }

  ff::test::SettingsSandbox settings;
  TempFolder tmp;
  ff::test::TempDir out;
  GuiTestUI ui;
  std::optional<ff::test::TestDatabase> db;
  std::vector<std::unique_ptr<QWidget>> forms;  // closed first
};

inline void Click(CTemplateForm& form, int id) {
  auto* button = qobject_cast<QAbstractButton*>(form.GetDlgItem(id));
  QVERIFY2(button, qPrintable(QStringLiteral("no button %1").arg(id)));
  button->click();
}

// Types as the user would: key by key at the end of the text.
inline void Type(CTemplateForm& form, int id, const QString& text) {
  auto* edit = qobject_cast<QLineEdit*>(form.GetDlgItem(id));
  QVERIFY2(edit, qPrintable(QStringLiteral("no edit %1").arg(id)));
  edit->setFocus();
  edit->end(false);
  QTest::keyClicks(edit, text);
}

inline QString Q(const std::string& gbk) { return ff::gui::ToQ(gbk); }
inline QString TextOf(CTemplateForm& form, int id) { return Q(form.GetDlgItemText(id)); }
inline bool IsChecked(CTemplateForm& form, int id) {
  auto* b = qobject_cast<QAbstractButton*>(form.GetDlgItem(id));
  return b && b->isChecked();
}

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

// The preview as the edit shows it, with the page's CR LF line ends.
inline std::string Preview(const CTemplateForm& page) {
  return ff::gbk::Replaced(page.GetDlgItemText(ctl::tree::kPreview), "\n", "\r\n");
}

}  // namespace ff::guitest

// Byte-exact comparison with a readable first difference.
#define FF_QCOMPARE_BYTES(expected, actual)                                          \
  do {                                                                               \
    const ::testing::AssertionResult r = ff::test::BytesEqual((expected), (actual)); \
    QVERIFY2(bool(r), r.message());                                                  \
  } while (0)
