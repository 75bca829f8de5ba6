#include "module/template_form.h"

#include <memory>
#include <stdexcept>
#include <vector>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "module/qt_text.h"

CTemplateForm::CTemplateForm(int templateId)
    : templateId_(templateId), template_(ff::res::FindDialogTemplate(templateId)) {
  if (!template_) throw std::logic_error("no dialog template " + std::to_string(templateId));
}

CTemplateForm::~CTemplateForm() = default;

QString CTemplateForm::Caption() const { return ff::gui::FromUtf8(template_->caption); }

void CTemplateForm::BuildControls(QWidget* self) {
  if (built_) return;
  built_ = true;
  ff::gui::BuildDialog(*template_, self, controls_,
                       [this](const ff::res::ControlTemplate& c, QWidget* parent) {
                         return CreateCustomControl(c, parent);
                       });
}

bool CTemplateForm::UpdateData(bool saveAndValidate) {
  std::vector<std::unique_ptr<QSignalBlocker>> blockers;
  if (!saveAndValidate) {
    for (QWidget* w : controls_.All()) blockers.push_back(std::make_unique<QSignalBlocker>(w));
    for (QWidget* w : controls_.All())
      if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->group())
        blockers.push_back(std::make_unique<QSignalBlocker>(b->group()));
  }
  CDataExchange dx(controls_, saveAndValidate);
  DoDataExchange(&dx);
  return true;
}

std::string CTemplateForm::GetDlgItemText(int id) const {
  QWidget* w = GetDlgItem(id);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return ff::gui::FromQ(edit->text());
  if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) return ff::gui::FromQ(plain->toPlainText());
  if (auto* combo = qobject_cast<QComboBox*>(w)) return ff::gui::FromQ(combo->currentText());
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return ff::gui::FromQ(button->text());
  if (w) return ff::gui::FromQ(w->property("text").toString());
  return {};
}

void CTemplateForm::SetDlgItemText(int id, const std::string& gbk) {
  QWidget* w = GetDlgItem(id);
  const QString text = ff::gui::ToQ(gbk);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    edit->setText(text);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
    plain->setPlainText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    combo->setEditText(text);
  } else if (w) {
    w->setProperty("text", text);
  }
}

void CTemplateForm::OnCommand(int id, std::function<void()> handler) {
  auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id));
  if (!button) throw std::logic_error("OnCommand: no button " + std::to_string(id));
  QObject::connect(button, &QAbstractButton::clicked, button, [handler = std::move(handler)] { handler(); });
}

void CTemplateForm::OnEditChange(int id, std::function<void()> handler) {
  QWidget* w = GetDlgItem(id);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    QObject::connect(edit, &QLineEdit::textChanged, edit, [handler = std::move(handler)] { handler(); });
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
    QObject::connect(plain, &QPlainTextEdit::textChanged, plain, [handler = std::move(handler)] { handler(); });
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    QObject::connect(combo, &QComboBox::editTextChanged, combo, [handler = std::move(handler)] { handler(); });
  } else {
    throw std::logic_error("OnEditChange: no edit " + std::to_string(id));
  }
}

void CTemplateForm::SetDefaultFocus() {
  for (QWidget* w : controls_.All()) {
    if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !qobject_cast<QAbstractButton*>(w)) {
      w->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}
