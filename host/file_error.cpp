#include "host/file_error.h"

#include "host/gbk_text.h"
#include "host/user_interface.h"

CFileException::CFileException(std::string fileName, std::string reason)
    : std::runtime_error(fileName + ": " + ff::gbk::ToUtf8(reason)),
      fileName_(std::move(fileName)),
      reason_(std::move(reason)) {}

std::string CFileException::Message() const {
  if (fileName_.empty()) return reason_;
  return ff::gbk::FromUtf8(fileName_) + ": " + reason_;
}

void CFileException::ReportError() const { ff::UI().ReportFileError(*this); }
