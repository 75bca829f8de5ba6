// The host's tree control: items carry an identifier text, a note (the text
// shown) and an integer, and are addressed by integer handles.
#pragma once

#include <QTreeWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

class CKestrelTreeCtrl : public QTreeWidget {
  Q_OBJECT

 public:
  explicit CKestrelTreeCtrl(QWidget* parent = nullptr);
  ~CKestrelTreeCtrl() override;

  // Adds an item under `parent` (0: a top-level item) and returns its
  // handle (never 0). `id` and `text` are GBK; `text` is the item's note,
  // the text the tree shows.
  int AddItem(int parent, const std::string& id, const std::string& text, int number);
  // The first item, in tree order, whose identifier / note equals the
  // text; 0 when there is none. `start` 0 searches the whole tree, another
  // handle searches the items after that one.
  int FindID(const std::string& id, int start = 0) const;
  int FindIDByNote(const std::string& text, int start = 0) const;
  // The first item after `start` (0: from the top) in tree order for which
  // `match(identifier, note)` holds; with `wrap` the search goes on from
  // the top and ends with `start` itself. 0 when none matches.
  int FindItem(const std::function<bool(const std::string& id, const std::string& note)>& match,
               int start = 0, bool wrap = false) const;

  // Identifier, note and integer of an item; -1 means the selected item.
  // An unknown handle, or -1 without a selection, gives "" (0).
  std::string GetString(int item) const;
  std::string GetNote(int item) const;
  int GetNumber(int item) const;
  // The selected item's handle, 0 when none.
  int GetSelectedItem() const;
  // Selects the item, opens its parents and scrolls it into view; the
  // selection notification follows as for a click.
  bool SelectItem(int item);

  // Removes every item (without a selection notification).
  void DeleteAllItems();

 signals:
  // The selection changed (the window framework's message 0x7549 to the
  // parent).
  void SelectionChanged();

 private:
  QTreeWidgetItem* Item(int handle) const;
  int HandleOf(const QTreeWidgetItem* item) const;
  // Every handle in tree order (parents before their children).
  std::vector<int> Order() const;

  std::map<int, QTreeWidgetItem*> items_;
  int nextHandle_ = 1;
  bool quiet_ = false;
};
