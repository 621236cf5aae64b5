#pragma once
// Running another program.
#include "text.h"

namespace fw {

// Starts `program` (a full path, given to the system as the application name,
// so no part of the command line is ever taken for another program) with the
// command line as written, as a new process (no inherited handles, this
// process's environment and current directory, shown normally), and waits for
// it to end, without a time limit and without handling window messages. True
// when started. The command line should begin with the program's path, quoted,
// as the started program reads its arguments after it.
bool runProgramAndWait(const Text& program, const Text& commandLine);

}  // namespace fw
