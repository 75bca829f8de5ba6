// The host's list control bound to a record: one column per display field
// of the record (CStdRecord::Create), one row per record row.
#pragma once

#include <QTreeWidget>
#include <string>
#include <vector>

class CMemRecord;

class CKestrelListCtrl : public QTreeWidget {
  Q_OBJECT

 public:
  explicit CKestrelListCtrl(QWidget* parent = nullptr);
  ~CKestrelListCtrl() override;

  // Binds the record (not owned) and sets up the columns from its fields;
  // without fields the record's query columns are shown.
  void SetRecord(CMemRecord* record);
  CMemRecord* GetRecord() const { return record_; }

  // Fits the column widths to the captions and the record's values
  // (-2: caption and contents; the only mode the pages use).
  void AdjustField(int mode = -2);
  // Shows the record's rows again; the record's current row is selected.
  void Refresh(int mode = 0);
  // The index of the selected row (0-based), -1 when none.
  int GetActiveIndex() const;
  // What the list shows: the column captions, then every row (GBK), each
  // cell without the blanks at its ends.
  std::vector<std::vector<std::string>> ShownTable() const;

 signals:
  // The user picked a row; the record's current row is that row. The
  // window framework sent message 0x1212 to the parent for this.
  void Picked();

 protected:
  // A click on the row that is already selected (the record's current row
  // after Refresh) is a pick as well.
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void OnUserSelection();
  QStringList Captions() const;
  std::vector<int> ColumnMap() const;

  CMemRecord* record_ = nullptr;
  bool refreshing_ = false;
  bool picked_ = false;  // a pick happened since the last mouse press
};
