// The file error: carries the file's name and the system's reason, and
// reports itself to the user.
#pragma once

#include <stdexcept>
#include <string>

class CFileException : public std::runtime_error {
 public:
  // fileName: the path as the system names it (its bytes, UTF-8 on
  // Linux, never pushed through GBK); reason in GBK.
  CFileException(std::string fileName, std::string reason);

  const std::string& FileName() const { return fileName_; }
  const std::string& Reason() const { return reason_; }
  // The text a report shows (GBK; a name with characters outside GBK
  // shows them as "?", a GUI shows FileName() itself).
  std::string Message() const;
  // Shows the report through the user interface (OK button).
  void ReportError() const;

 private:
  std::string fileName_;
  std::string reason_;
};
