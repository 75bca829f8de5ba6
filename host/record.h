// In-memory tables that receive the rows of one query.
//
// A record has the columns of the last query selected into it, addressed by
// the captions of the SQL select list (GBK, Chinese ones included), and
// optionally a list of display fields defined with Create() for a list
// control. Every value is text; NULL reads as the empty text.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// A display field defined by Create(): "caption[C30]".
struct RecordField {
  std::string caption;  // as written, blanks included
  char type = 'C';
  int width = 0;
};

class CStdRecord {
 public:
  CStdRecord();
  virtual ~CStdRecord();

  // Defines the display fields from "cap[C30],cap2[C60]". The second
  // argument is kept for the host's signature and ignored.
  bool Create(std::string_view fields, int reserved = 0);
  const std::vector<RecordField>& Fields() const { return fields_; }

  void GoTop();
  void Skip(int n = 1);
  bool Eof() const;
  bool Go(int row);  // rows counted from 1
  int GetCount() const;
  int CurrentRow() const { return current_; }  // 0-based; == GetCount() at Eof

  void Empty();  // removes all rows (the columns stay)
  void Zap();    // the same

  // Replaces columns and rows; used by the database stores.
  void SetColumns(std::vector<std::string> captions);
  void ReserveRows(size_t rows);
  // Appends one row; `values` holds one entry per column.
  void AppendRow(std::vector<std::string>&& values);
  // Appends a value to the row being built; call EndRow() after the last.
  void AddValue(std::string value);
  void EndRow();
  // Appends one row of empty values and hands them out to be filled in
  // place; valid until the next change of the record.
  std::span<std::string> AddRow();
  // Makes the record hold exactly one row, the current one, and hands out
  // its values to be overwritten. A streamed read refills this row for
  // every result row, so the values keep their storage from row to row.
  std::span<std::string> SingleRow();

  const std::vector<std::string>& Columns() const { return columns_; }

  // Replaces the columns and rows with those of `other`, which is left
  // without any: hands a result over without copying its values. The
  // display fields stay each record's own.
  void TakeRowsFrom(CStdRecord& other) noexcept;

  // Index of the column whose caption equals `caption`, or -1. A caption
  // that matches no column exactly is matched after trimming blanks on both
  // sides (a field defined as " 所在FOS" finds the column 所在FOS).
  int ColumnIndex(std::string_view caption) const;

  // The value at (row, column); empty text when out of range.
  const std::string& Value(int row, int column) const;

 protected:
  std::vector<RecordField> fields_;
  std::vector<std::string> columns_;
  std::vector<std::string> values_;  // row-major, columns_.size() per row
  int rowCount_ = 0;
  int current_ = 0;
  // Captions looked up since the columns were set, with their index (-1:
  // not a column). Readers ask for a handful of captions in turn, row
  // after row, and a caption the query lacks would cost two scans each.
  struct CaptionIndex {
    std::string caption;
    int index;
  };
  mutable std::vector<CaptionIndex> captionCache_;
};

class CMemRecord : public CStdRecord {
 public:
  CMemRecord();
  ~CMemRecord() override;

  // The value of column `field` in row `row` (-1: the current row).
  // A caption the query did not select, or a row out of range, gives
  // the empty text.
  std::string GetString(std::string_view field, int row = -1) const;
  // Same without a copy.
  const std::string& GetRef(std::string_view field, int row = -1) const;
};
