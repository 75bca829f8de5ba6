// On POSIX systems the arguments are the system's bytes (UTF-8) and the
// terminal takes UTF-8 as it is: nothing to ready (cli/console.h).
#include "cli/console.h"

namespace ff::cli {

void SetUpConsole(int&, char**&) {}

}  // namespace ff::cli
