// What a dialog and a property page share: controls built from a dialog
// template, access to them by id, command and change handlers, and data
// exchange (module/data_exchange.h).
#pragma once

#include <functional>
#include <string>

#include <QWidget>

#include "module/data_exchange.h"
#include "module/dialog_builder.h"
#include "res/dialog_templates.h"

class CTemplateForm {
 public:
  explicit CTemplateForm(int templateId);
  virtual ~CTemplateForm();
  CTemplateForm(const CTemplateForm&) = delete;
  CTemplateForm& operator=(const CTemplateForm&) = delete;

  int TemplateId() const { return templateId_; }
  const ff::res::DialogTemplate& Template() const { return *template_; }
  // The template's caption (the window title, or the tab text of a page).
  QString Caption() const;
  bool IsCreated() const { return created_; }

  // true: read all controls into the values; false: write all values to
  // the controls with the controls' signals blocked. Runs DoDataExchange.
  bool UpdateData(bool saveAndValidate = true);

  // Controls by id (null before the controls are built or for a bad id).
  QWidget* GetDlgItem(int id) const { return controls_.Control(id); }
  template <class T>
  T* Control(int id) const {
    return controls_.Get<T>(id);
  }
  const ff::gui::DialogControls& Controls() const { return controls_; }
  std::string GetDlgItemText(int id) const;            // GBK
  void SetDlgItemText(int id, const std::string& gbk);  // signals not blocked

  // Handler for a click on a button (push button, check box or radio).
  void OnCommand(int id, std::function<void()> handler);
  // Handler for every change of an edit's (or editable combo's) text, by
  // typing or by the program, except while UpdateData(false) writes.
  void OnEditChange(int id, std::function<void()> handler);

 protected:
  // Binds the fields to the controls; called by every UpdateData.
  virtual void DoDataExchange(CDataExchange* pDX) {}
  // A control of the page's own class for this template entry, or null for
  // the builder's default widget.
  virtual QWidget* CreateCustomControl(const ff::res::ControlTemplate& c, QWidget* parent) {
    return nullptr;
  }
  // Connects the page's handlers (OnCommand, OnEditChange, signals of its
  // controls); runs once, after the controls are built and before
  // OnInitDialog, like a message map that is in force from the start.
  virtual void MessageMap() {}
  // Builds the controls into `self` (once).
  void BuildControls(QWidget* self);
  void MarkCreated() { created_ = true; }
  // Moves and stretches the controls for the form's new size.
  void FollowSize(const QSize& size) const {
    if (built_) controls_.FollowSize(size);
  }
  // Focus to the first control that takes it (the framework's default).
  void SetDefaultFocus();

 private:
  int templateId_;
  const ff::res::DialogTemplate* template_;
  ff::gui::DialogControls controls_;
  bool created_ = false;
  bool built_ = false;
};
