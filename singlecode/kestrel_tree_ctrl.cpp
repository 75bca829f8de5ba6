#include "singlecode/kestrel_tree_ctrl.h"

#include "module/qt_text.h"

namespace {

// Where an item keeps its values besides the shown note.
constexpr int kHandleRole = Qt::UserRole;
constexpr int kIdRole = Qt::UserRole + 1;    // GBK bytes
constexpr int kNoteRole = Qt::UserRole + 2;  // GBK bytes (the shown text may lose bytes)
constexpr int kNumberRole = Qt::UserRole + 3;

QByteArray Bytes(const std::string& gbk) {
  return QByteArray(gbk.data(), static_cast<qsizetype>(gbk.size()));
}
std::string Text(const QVariant& v) {
  const QByteArray b = v.toByteArray();
  return std::string(b.constData(), static_cast<size_t>(b.size()));
}

}  // namespace

CKestrelTreeCtrl::CKestrelTreeCtrl(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setColumnCount(1);
  setRootIsDecorated(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
    if (!quiet_) emit SelectionChanged();
  });
}

CKestrelTreeCtrl::~CKestrelTreeCtrl() = default;

int CKestrelTreeCtrl::AddItem(int parent, const std::string& id, const std::string& text, int number) {
  QTreeWidgetItem* owner = parent == 0 ? nullptr : Item(parent);
  auto* item = owner ? new QTreeWidgetItem(owner) : new QTreeWidgetItem(this);
  const int handle = nextHandle_++;
  item->setText(0, ff::gui::ToQ(text));
  item->setData(0, kHandleRole, handle);
  item->setData(0, kIdRole, Bytes(id));
  item->setData(0, kNoteRole, Bytes(text));
  item->setData(0, kNumberRole, number);
  items_[handle] = item;
  return handle;
}

QTreeWidgetItem* CKestrelTreeCtrl::Item(int handle) const {
  if (handle == -1) {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
  }
  auto it = items_.find(handle);
  return it == items_.end() ? nullptr : it->second;
}

int CKestrelTreeCtrl::HandleOf(const QTreeWidgetItem* item) const {
  return item ? item->data(0, kHandleRole).toInt() : 0;
}

std::vector<int> CKestrelTreeCtrl::Order() const {
  std::vector<int> order;
  order.reserve(items_.size());
  std::function<void(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
    order.push_back(HandleOf(item));
    for (int i = 0; i < item->childCount(); ++i) walk(item->child(i));
  };
  for (int i = 0; i < topLevelItemCount(); ++i) walk(topLevelItem(i));
  return order;
}

int CKestrelTreeCtrl::FindItem(const std::function<bool(const std::string&, const std::string&)>& match,
                               int start, bool wrap) const {
  const std::vector<int> order = Order();
  size_t first = 0;
  if (start != 0) {
    for (size_t i = 0; i < order.size(); ++i)
      if (order[i] == start) first = i + 1;
  }
  const size_t count = wrap ? order.size() : order.size() - std::min(first, order.size());
  for (size_t n = 0; n < count; ++n) {
    const int handle = order[(first + n) % order.size()];
    QTreeWidgetItem* item = Item(handle);
    if (match(Text(item->data(0, kIdRole)), Text(item->data(0, kNoteRole)))) return handle;
  }
  return 0;
}

int CKestrelTreeCtrl::FindID(const std::string& id, int start) const {
  return FindItem([&](const std::string& itemId, const std::string&) { return itemId == id; }, start);
}

int CKestrelTreeCtrl::FindIDByNote(const std::string& text, int start) const {
  return FindItem([&](const std::string&, const std::string& note) { return note == text; }, start);
}

std::string CKestrelTreeCtrl::GetString(int item) const {
  const QTreeWidgetItem* i = Item(item);
  return i ? Text(i->data(0, kIdRole)) : std::string();
}

std::string CKestrelTreeCtrl::GetNote(int item) const {
  const QTreeWidgetItem* i = Item(item);
  return i ? Text(i->data(0, kNoteRole)) : std::string();
}

int CKestrelTreeCtrl::GetNumber(int item) const {
  const QTreeWidgetItem* i = Item(item);
  return i ? i->data(0, kNumberRole).toInt() : 0;
}

int CKestrelTreeCtrl::GetSelectedItem() const { return HandleOf(Item(-1)); }

bool CKestrelTreeCtrl::SelectItem(int item) {
  QTreeWidgetItem* i = item == -1 ? nullptr : Item(item);
  if (!i) return false;
  for (QTreeWidgetItem* p = i->parent(); p; p = p->parent()) p->setExpanded(true);
  setCurrentItem(i);
  i->setSelected(true);
  scrollToItem(i);
  return true;
}

void CKestrelTreeCtrl::DeleteAllItems() {
  quiet_ = true;
  clear();
  quiet_ = false;
  items_.clear();
}
