// A file swapped for a pipe at the moment the code under test first looks at its path: just after a
// stat has seen the file, or just before an open. The test executable interposes stat and open; every
// call passes untouched while nothing is armed.
#pragma once

#include <string>

namespace pipe_swap {

// The next stat or open of exactly `path` swaps the file there for a FIFO, once.
void Arm(const std::string& path);

} // namespace pipe_swap
