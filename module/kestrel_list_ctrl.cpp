#include "module/kestrel_list_ctrl.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "host/record.h"
#include "module/qt_text.h"

using ff::gui::ToQ;

CKestrelListCtrl::CKestrelListCtrl(QWidget* parent) : QTreeWidget(parent) {
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setAllColumnsShowFocus(true);
  header()->setStretchLastSection(true);
  header()->setSectionsMovable(false);
  setColumnCount(0);
  connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
    if (!refreshing_) OnUserSelection();
  });
}

CKestrelListCtrl::~CKestrelListCtrl() = default;

QStringList CKestrelListCtrl::Captions() const {
  QStringList captions;
  if (!record_) return captions;
  if (!record_->Fields().empty()) {
    for (const RecordField& f : record_->Fields()) captions << ToQ(f.caption);
  } else {
    for (const std::string& c : record_->Columns()) captions << ToQ(c);
  }
  return captions;
}

// For each shown column, the record column holding its values (-1: none).
// Captions are matched after trimming blanks, so a field defined as
// " 所在FOS" shows the query's 所在FOS.
std::vector<int> CKestrelListCtrl::ColumnMap() const {
  std::vector<int> map;
  if (!record_) return map;
  if (record_->Fields().empty()) {
    for (size_t i = 0; i < record_->Columns().size(); ++i) map.push_back(static_cast<int>(i));
  } else {
    for (const RecordField& f : record_->Fields()) map.push_back(record_->ColumnIndex(f.caption));
  }
  return map;
}

void CKestrelListCtrl::SetRecord(CMemRecord* record) {
  record_ = record;
  QSignalBlocker block(this);
  refreshing_ = true;
  clear();
  const QStringList captions = Captions();
  setColumnCount(static_cast<int>(captions.size()));
  setHeaderLabels(captions);
  refreshing_ = false;
}

void CKestrelListCtrl::AdjustField(int) {
  if (!record_) return;
  // The record may have been refilled with other columns: show the current set.
  const QStringList captions = Captions();
  if (captions.size() != columnCount()) {
    setColumnCount(static_cast<int>(captions.size()));
    setHeaderLabels(captions);
  }
  const std::vector<int> map = ColumnMap();
  const QFontMetrics body(font());
  const QFontMetrics head(header()->font());
  constexpr int kPadding = 16;
  for (int col = 0; col < static_cast<int>(map.size()); ++col) {
    int width = head.horizontalAdvance(captions[col]) + kPadding;
    if (map[col] >= 0) {
      for (int row = 0; row < record_->GetCount(); ++row)
        width = std::max(width, body.horizontalAdvance(ToQ(record_->Value(row, map[col]))) + kPadding);
    }
    setColumnWidth(col, width);
  }
}

void CKestrelListCtrl::Refresh(int) {
  refreshing_ = true;
  clear();
  if (record_) {
    const QStringList captions = Captions();
    if (captions.size() != columnCount()) {
      setColumnCount(static_cast<int>(captions.size()));
      setHeaderLabels(captions);
    }
    const std::vector<int> map = ColumnMap();
    QList<QTreeWidgetItem*> items;
    items.reserve(record_->GetCount());
    for (int row = 0; row < record_->GetCount(); ++row) {
      auto* item = new QTreeWidgetItem;
      for (int col = 0; col < static_cast<int>(map.size()); ++col)
        item->setText(col, map[col] >= 0 ? ToQ(record_->Value(row, map[col])) : QString());
      items << item;
    }
    addTopLevelItems(items);
    const int current = record_->CurrentRow();
    if (current >= 0 && current < record_->GetCount()) {
      QTreeWidgetItem* item = topLevelItem(current);
      setCurrentItem(item);
      scrollToItem(item);
    }
  }
  refreshing_ = false;
}

int CKestrelListCtrl::GetActiveIndex() const {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  if (selected.isEmpty()) return -1;
  return indexOfTopLevelItem(selected.first());
}

void CKestrelListCtrl::mousePressEvent(QMouseEvent* event) {
  picked_ = false;
  QTreeWidget::mousePressEvent(event);
  if (picked_ || event->button() != Qt::LeftButton) return;
  const QTreeWidgetItem* item = itemAt(event->position().toPoint());
  if (item && item->isSelected()) OnUserSelection();
}

void CKestrelListCtrl::OnUserSelection() {
  const int index = GetActiveIndex();
  if (index < 0 || !record_) return;
  picked_ = true;
  record_->Go(index + 1);
  emit Picked();
}

std::vector<std::vector<std::string>> CKestrelListCtrl::ShownTable() const {
  std::vector<std::vector<std::string>> table;
  const int columns = columnCount();
  std::vector<std::string> captions;
  for (int c = 0; c < columns; ++c) captions.push_back(ff::gui::FromQ(headerItem()->text(c).trimmed()));
  table.push_back(std::move(captions));
  for (int r = 0; r < topLevelItemCount(); ++r) {
    const QTreeWidgetItem* item = topLevelItem(r);
    std::vector<std::string> row;
    // Blanks that pad fixed-width columns mean nothing to another program.
    for (int c = 0; c < columns; ++c) row.push_back(ff::gui::FromQ(item->text(c).trimmed()));
    table.push_back(std::move(row));
  }
  return table;
}
