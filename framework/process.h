#pragma once
// Running another program.
#include "text.h"

namespace fw {

// Starts the command line as a new process (no inherited handles, this process's
// environment and current directory, shown normally) and waits for it to end,
// without a time limit and without handling window messages. True when started.
bool runProgramAndWait(const Text& commandLine);

}  // namespace fw
