#pragma once
// Program start and end, the message loop, and waiting without freezing windows.
#include "text.h"

namespace fw {

// The framework's start: narrows the library search to the program's and the
// system's folders (never the current folder), creates its hidden owner window
// and makes the program's own folder the current directory. Call first, before
// any window exists.
void startProgram();

// The framework's hidden owner window (an HWND); null before startProgram.
void* ownerWindow();

// The routine the program's end runs before the process goes (global clean-up).
void setExitRoutine(void (*routine)());

// Runs the thread's message loop until WM_QUIT; returns its exit code.
int runMessageLoop();

// Handles every window message pending for this thread, then returns.
void handlePendingMessages();

void sleepMilliseconds(unsigned milliseconds);

// This process's arguments, cut by commandLineArguments(const Text&) from the
// command line the system reports (fw::win::GetCommandLineA, which tests replace).
TextArray commandLineArguments();

// Ends the program: runs the exit routine (once), then ends the process with the
// code through the modal seam. Under a test seam this may return; callers return
// at once afterwards.
void endProgram(int exitCode);

}  // namespace fw
