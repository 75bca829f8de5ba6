#include "host/record.h"

#include <utility>

#include "host/gbk_text.h"

namespace {
const std::string& EmptyText() {
  static const std::string empty;
  return empty;
}

// The text without blanks (0x20) on both sides, as gbk::Trim cuts it, without
// a copy: a caption the query lacks is looked up on every read.
std::string_view TrimmedView(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  return text.substr(b, e - b);
}
}  // namespace

CStdRecord::CStdRecord() = default;
CStdRecord::~CStdRecord() = default;

void CStdRecord::TakeRowsFrom(CStdRecord& other) noexcept {
  columns_ = std::exchange(other.columns_, {});
  values_ = std::exchange(other.values_, {});
  rowCount_ = std::exchange(other.rowCount_, 0);
  captionCache_ = std::exchange(other.captionCache_, {});
  current_ = 0;
  other.current_ = 0;
}

bool CStdRecord::Create(std::string_view fields, int /*reserved*/) {
  fields_.clear();
  bool ok = true;
  size_t pos = 0;
  while (pos <= fields.size()) {
    // One item runs to the next comma outside a GBK character.
    size_t end = pos;
    while (end < fields.size() && fields[end] != ',') end += ff::gbk::CharLength(fields, end);
    if (end > fields.size()) end = fields.size();
    std::string_view item = fields.substr(pos, end - pos);
    if (!item.empty()) {
      RecordField field;
      size_t bracket = ff::gbk::Find(item, "[");
      if (bracket == std::string_view::npos) {
        field.caption = std::string(item);
      } else {
        field.caption = std::string(item.substr(0, bracket));
        std::string_view format = item.substr(bracket + 1);
        size_t close = format.find(']');
        if (close == std::string_view::npos) ok = false;
        format = format.substr(0, close);
        if (!format.empty()) {
          field.type = format[0];
          field.width = static_cast<int>(ff::gbk::AtoL(format.substr(1)));
        }
      }
      fields_.push_back(std::move(field));
    }
    pos = end + 1;
  }
  return ok;
}

void CStdRecord::GoTop() { current_ = 0; }

void CStdRecord::Skip(int n) {
  long next = static_cast<long>(current_) + n;
  if (next < 0) next = 0;
  if (next > rowCount_) next = rowCount_;
  current_ = static_cast<int>(next);
}

bool CStdRecord::Eof() const { return current_ >= rowCount_; }

bool CStdRecord::Go(int row) {
  if (row < 1 || row > rowCount_) return false;
  current_ = row - 1;
  return true;
}

int CStdRecord::GetCount() const { return rowCount_; }

void CStdRecord::Empty() {
  values_.clear();
  rowCount_ = 0;
  current_ = 0;
}

void CStdRecord::Zap() { Empty(); }

void CStdRecord::SetColumns(std::vector<std::string> captions) {
  columns_ = std::move(captions);
  values_.clear();
  rowCount_ = 0;
  current_ = 0;
  captionCache_.clear();
}

void CStdRecord::ReserveRows(size_t rows) { values_.reserve(rows * columns_.size()); }

void CStdRecord::AppendRow(std::vector<std::string>&& values) {
  const size_t width = columns_.size();
  values.resize(width);
  if (values_.capacity() < values_.size() + width)
    values_.reserve((values_.size() + width) * 2);
  for (auto& v : values) values_.push_back(std::move(v));
  ++rowCount_;
}

void CStdRecord::AddValue(std::string value) { values_.push_back(std::move(value)); }

void CStdRecord::EndRow() {
  const size_t width = columns_.size();
  // Pads a short row and drops the surplus of a long one.
  values_.resize(static_cast<size_t>(rowCount_ + 1) * width);
  ++rowCount_;
}

std::span<std::string> CStdRecord::AddRow() {
  const size_t width = columns_.size();
  const size_t first = static_cast<size_t>(rowCount_) * width;
  values_.resize(first + width);
  ++rowCount_;
  return std::span<std::string>(values_.data() + first, width);
}

std::span<std::string> CStdRecord::SingleRow() {
  const size_t width = columns_.size();
  if (rowCount_ != 1 || values_.size() != width) {
    values_.resize(width);
    rowCount_ = 1;
  }
  current_ = 0;
  return std::span<std::string>(values_.data(), width);
}

int CStdRecord::ColumnIndex(std::string_view caption) const {
  for (const CaptionIndex& known : captionCache_)
    if (known.caption == caption) return known.index;
  int found = -1;
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (columns_[i] == caption) {
      found = static_cast<int>(i);
      break;
    }
  }
  if (found < 0) {
    const std::string_view trimmed = TrimmedView(caption);
    for (size_t i = 0; i < columns_.size() && found < 0; ++i)
      if (TrimmedView(columns_[i]) == trimmed) found = static_cast<int>(i);
  }
  constexpr size_t kCachedCaptions = 16;
  if (captionCache_.size() < kCachedCaptions) captionCache_.push_back({std::string(caption), found});
  return found;
}

const std::string& CStdRecord::Value(int row, int column) const {
  if (row < 0 || row >= rowCount_ || column < 0 || static_cast<size_t>(column) >= columns_.size())
    return EmptyText();
  return values_[static_cast<size_t>(row) * columns_.size() + static_cast<size_t>(column)];
}

CMemRecord::CMemRecord() = default;
CMemRecord::~CMemRecord() = default;

std::string CMemRecord::GetString(std::string_view field, int row) const { return GetRef(field, row); }

const std::string& CMemRecord::GetRef(std::string_view field, int row) const {
  return Value(row < 0 ? current_ : row, ColumnIndex(field));
}
