#include "module/property_page.h"

#include <QPushButton>

CPropertyPage::CPropertyPage(int templateId) : CTemplateForm(templateId) {
  setFixedSize(ff::gui::TemplatePixelSize(Template()));
}

CPropertyPage::~CPropertyPage() = default;

bool CPropertyPage::Create() {
  if (IsCreated()) return true;
  BuildControls(this);
  if (auto* ok = Controls().Button(ff::res::IDOK))
    QObject::connect(ok, &QAbstractButton::clicked, this, [this] { OnOK(); });
  MessageMap();
  MarkCreated();
  if (OnInitDialog()) SetDefaultFocus();
  return true;
}

bool CPropertyPage::OnSetActive() {
  Create();
  // Enter in an edit presses the page's own default button.
  if (auto* ok = qobject_cast<QPushButton*>(Controls().Button(ff::res::IDOK))) ok->setDefault(true);
  return true;
}

bool CPropertyPage::OnInitDialog() {
  UpdateData(false);
  return true;
}
