#include "host/file_error.h"

#include <cstring>

#include "host/gbk_text.h"
#include "host/user_interface.h"

CFileException::CFileException(std::string fileName, std::string reason)
    : std::runtime_error(fileName + ": " + ff::gbk::ToUtf8(reason)),
      fileName_(std::move(fileName)),
      reason_(std::move(reason)) {}

CFileException::CFileException(std::string fileName, int systemError)
    : CFileException(std::move(fileName), ff::gbk::FromUtf8(std::strerror(systemError))) {
  systemError_ = systemError;
}

std::string CFileException::Message() const {
  if (fileName_.empty()) return reason_;
  return ff::gbk::PathInText(fileName_) + ": " + reason_;
}

void CFileException::ReportError() const {
  if (reported_) return;
  reported_ = true;
  ff::UI().ReportFileError(*this);
}
