// The console the command line talks through. Paths and texts on the
// command line are UTF-8 inside the program on every system, and what it
// prints is UTF-8 (generated files keep their own encoding, --encoding).
#pragma once

namespace ff::cli {

// Readies the console before anything is parsed or printed; may replace
// argv with the arguments in UTF-8.
void SetUpConsole(int& argc, char**& argv);

}  // namespace ff::cli
