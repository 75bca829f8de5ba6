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
  // The system's error number; the reason is its text.
  CFileException(std::string fileName, int systemError);

  const std::string& FileName() const { return fileName_; }
  const std::string& Reason() const { return reason_; }
  // The system's error number (errno), 0 when the reason is only a text.
  int SystemError() const { return systemError_; }
  // The text a report shows (GBK; a name with characters outside GBK
  // shows them as "?", a GUI shows FileName() itself).
  std::string Message() const;
  // Shows the report through the user interface (OK button), once: the
  // generator that met the error reports it and passes it on, and the page
  // that catches it after does not say it a second time.
  void ReportError() const;

 private:
  std::string fileName_;
  std::string reason_;
  int systemError_ = 0;
  mutable bool reported_ = false;
};
