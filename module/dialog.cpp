#include "module/dialog.h"

#include <QAbstractButton>

CDialog::CDialog(int templateId, QWidget* parent) : QDialog(parent), CTemplateForm(templateId) {
  setWindowTitle(Caption());
}

CDialog::~CDialog() = default;

bool CDialog::Create() {
  if (IsCreated()) return true;
  BuildControls(this);
  // Dialogs keep the size of their template.
  setFixedSize(size());
  if (auto* ok = Controls().Button(ff::res::IDOK))
    QObject::connect(ok, &QAbstractButton::clicked, this, [this] { OnOK(); });
  if (auto* cancel = Controls().Button(ff::res::IDCANCEL))
    QObject::connect(cancel, &QAbstractButton::clicked, this, [this] { OnCancel(); });
  MessageMap();
  MarkCreated();
  if (OnInitDialog()) SetDefaultFocus();
  return true;
}

int CDialog::DoModal() {
  Create();
  return exec();
}

void CDialog::EndDialog(int result) { QDialog::done(result); }

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::OnOK() {
  if (!UpdateData(true)) return;
  EndDialog(ff::res::IDOK);
}

void CDialog::OnCancel() { EndDialog(ff::res::IDCANCEL); }
