// Pins the comment date to 5 March 2006 (UTC) for the life of the object.
#pragma once

#include "tests/support/test_support.h"

namespace ff::test {

struct FixedDate : ScopedEnv {
  explicit FixedDate(const char* epoch = "1141560000") : ScopedEnv("SOURCE_DATE_EPOCH", epoch) {}
};

}  // namespace ff::test
