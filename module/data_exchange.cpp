#include "module/data_exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "host/gbk_text.h"
#include "module/qt_text.h"

using ff::gui::FromQ;
using ff::gui::ToQ;

namespace {

bool ReadText(QWidget* w, QString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    text = edit->text();
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
    text = plain->toPlainText();
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    text = combo->currentText();
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    text = label->text();
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    text = button->text();
  } else {
    return false;
  }
  return true;
}

void WriteText(QWidget* w, const QString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    // Same text: left alone, so that typing is not disturbed.
    if (edit->text() != text) {
      edit->setText(text);
      edit->setCursorPosition(0);
    }
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
    if (plain->toPlainText() != text) plain->setPlainText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    if (combo->isEditable()) {
      if (combo->currentText() != text) combo->setEditText(text);
    } else {
      combo->setCurrentIndex(combo->findText(text));
    }
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    if (label->text() != text) label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(text);
  }
}

}  // namespace

// Multi-line edits show line feeds; the engine's texts hold CR LF. Reading
// gives CR LF back, so a preview read from the control is the text shown.
void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
  QWidget* w = pDX->Control(id);
  if (!w) return;
  const bool multiLine = qobject_cast<QPlainTextEdit*>(w) != nullptr;
  if (pDX->m_bSaveAndValidate) {
    QString text;
    if (!ReadText(w, text)) return;
    if (multiLine) text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    value = FromQ(text);
  } else {
    QString text = ToQ(value);
    if (multiLine) text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    WriteText(w, text);
  }
}

void DDX_Path(CDataExchange* pDX, int id, std::string& value) {
  QWidget* w = pDX->Control(id);
  if (!w) return;
  if (pDX->m_bSaveAndValidate) {
    QString text;
    if (ReadText(w, text)) value = ff::gui::PathFromQ(text);
  } else {
    WriteText(w, ff::gui::PathToQ(value));
  }
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
  std::string text = std::to_string(value);
  DDX_Text(pDX, id, text);
  if (pDX->m_bSaveAndValidate) value = static_cast<int>(ff::gbk::AtoL(text));
}

void DDX_Check(CDataExchange* pDX, int id, bool& value) {
  auto* button = qobject_cast<QAbstractButton*>(pDX->Control(id));
  if (!button) return;
  if (pDX->m_bSaveAndValidate) {
    value = button->isChecked();
  } else {
    button->setChecked(value);
  }
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& value) {
  QButtonGroup* group = pDX->Controls().RadioGroup(firstId);
  if (!group) return;
  if (pDX->m_bSaveAndValidate) {
    value = group->checkedId();  // -1 when none
    return;
  }
  // An exclusive group cannot be cleared: lift the rule while writing.
  group->setExclusive(false);
  const QList<QAbstractButton*> buttons = group->buttons();
  for (QAbstractButton* b : buttons) b->setChecked(group->id(b) == value);
  group->setExclusive(true);
}

void DDX_CBString(CDataExchange* pDX, int id, std::string& value) {
  auto* combo = qobject_cast<QComboBox*>(pDX->Control(id));
  if (!combo) return;
  if (pDX->m_bSaveAndValidate) {
    value = FromQ(combo->currentText());
  } else {
    const QString text = ToQ(value);
    const int index = combo->findText(text);
    combo->setCurrentIndex(index);
    if (combo->isEditable()) combo->setEditText(text);
  }
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& value) {
  auto* combo = qobject_cast<QComboBox*>(pDX->Control(id));
  if (!combo) return;
  if (pDX->m_bSaveAndValidate) {
    value = combo->currentIndex();
  } else {
    combo->setCurrentIndex(value);
  }
}
