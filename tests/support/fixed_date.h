// Pins the comment date to 5 March 2006 (UTC) for the life of the object.
#pragma once

#include <cstdlib>
#include <string>

namespace ff::test {

class FixedDate {
 public:
  explicit FixedDate(const char* epoch = "1141560000") {
    if (const char* old = std::getenv("SOURCE_DATE_EPOCH")) {
      had_ = true;
      old_ = old;
    }
    ::setenv("SOURCE_DATE_EPOCH", epoch, 1);
  }
  ~FixedDate() {
    if (had_) {
      ::setenv("SOURCE_DATE_EPOCH", old_.c_str(), 1);
    } else {
      ::unsetenv("SOURCE_DATE_EPOCH");
    }
  }

 private:
  bool had_ = false;
  std::string old_;
};

}  // namespace ff::test
