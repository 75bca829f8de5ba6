#include "module/property_page.h"

#include <QPushButton>
#include <QResizeEvent>

CPropertyPage::CPropertyPage(int templateId) : CTemplateForm(templateId) {
  // The template's layout, its lists and previews made lower where a small
  // screen needs it, is the smallest page; the sheet may make it larger.
  setMinimumSize(ff::gui::CompactPixelSize(Template()));
  resize(ff::gui::TemplatePixelSize(Template()));
}

void CPropertyPage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FollowSize(event->size());
}

CPropertyPage::~CPropertyPage() = default;

bool CPropertyPage::Create() {
  if (IsCreated()) return true;
  const QSize shown = size();
  const QSize smallest = minimumSize();
  BuildControls(this);
  setMinimumSize(smallest);
  resize(shown.expandedTo(minimumSize()));
  FollowSize(size());
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
