// The fault tests run the program from the shared fixture.
#pragma once

#include "tests/support/cli_run.h"
