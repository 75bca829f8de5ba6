// Helpers of the GUI tests: a user interface answered from a script, and
// clicking and typing into controls by id.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "host/file_error.h"
#include "host/user_interface.h"
#include "module/qt_text.h"
#include "module/template_form.h"

namespace ff::guitest {

// Records what the user was shown; answers questions and the folder
// browser from a script. An unscripted question counts as an error and is
// answered No. Installed for its lifetime.
class GuiTestUI : public ff::UserInterface {
 public:
  GuiTestUI() { ff::SetUserInterface(this); }
  ~GuiTestUI() override { ff::SetUserInterface(nullptr); }

  void Answer(bool yes) { answers.push_back(yes); }

  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  // A report is a message; the folder it offers to open is kept too.
  void ShowReport(const std::string& text, const std::string& folder) override {
    messages.push_back(text);
    reportFolders.push_back(folder);
  }
  bool AskYesNo(const std::string& question) override {
    questions.push_back(question);
    if (answers.empty()) {
      ++unscripted;
      return false;
    }
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  void ReportFileError(const CFileException& error) override { fileErrors.push_back(error.Message()); }
  void BeginWaitCursor() override { ++waitDepth; }
  void EndWaitCursor() override { --waitDepth; }
  std::optional<std::string> BrowseForFolder(const std::string& title) override {
    browserTitles.push_back(title);
    return nextFolder;
  }
  std::optional<std::string> BrowseForFolderFrom(const std::string& title, const std::string& start) override {
    browserStarts.push_back(start);
    return BrowseForFolder(title);
  }

  std::optional<std::string> AskSaveFileName(const std::string& title, const std::string& suggested,
                                             const std::string& filter) override {
    saveFilters.push_back(filter);
    saveTitles.push_back(title);
    saveSuggestions.push_back(suggested);
    return nextSaveName;
  }

  std::deque<bool> answers;
  std::optional<std::string> nextSaveName;
  std::vector<std::string> saveTitles, saveSuggestions, saveFilters, reportFolders;
  std::optional<std::string> nextFolder;
  std::vector<std::string> messages, questions, fileErrors, browserTitles, browserStarts;
  int waitDepth = 0;
  int unscripted = 0;
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

// The edit's text as UTF-8 (readable in failure messages).
inline QString TextOf(CTemplateForm& form, int id) { return ff::gui::ToQ(form.GetDlgItemText(id)); }

inline QString Q(const std::string& gbk) { return ff::gui::ToQ(gbk); }

}  // namespace ff::guitest
