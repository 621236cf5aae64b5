#pragma once
// One window for a burst of starts: the process that starts first (the first
// instance) marks itself with a named event and publishes, in a file in the
// temporary folder, its process id and the handle of its hidden receiving
// list; a process started within the limit after it sends its media path to
// that list and ends. Every other start runs as an independent player.
#include <windows.h>

#include <cstdint>

#include "framework/text.h"

namespace player {

// The marker of a running first instance: never signalled nor waited on.
inline constexpr char kInstanceEventName[] = "BrisvaneQuorle科技多媒体播放器";
// In the folder named by the environment variable "temp".
inline constexpr char kHandOverFileName[] = "Qmvrtaxe.tmp";
// What a later instance sends: the path, then this.
inline constexpr char kHandOverLineEnd[] = "\r\n";

// Which time getProcessTime reads.
enum ProcessTime { kCreationTime = 0, kExitTime = 1, kKernelTime = 2, kUserTime = 3 };

// Two or more arguments: each after one space, then every leading blank
// (ASCII or full-width space) removed, so they are joined by single spaces.
// One argument: itself, unchanged. None: the empty text.
fw::Text mediaPathFromArguments(const fw::TextArray& arguments);

// Reads this process's arguments; when there is at least one, their media path
// becomes playlist entry 1 and currentIndex 1, whether or not it names
// anything. Then decides this process's role: a first instance publishes the
// hand-over file; a later instance created within the limit ("设置" /
// "限定运行时间", ms) after the running one sends its path to that one's
// receiving list and ends the program with exit code 0, once the list has
// taken it. A later instance looks for a file naming a running player's own
// receiving list for up to a second (a first instance started at the same
// moment may not have written it yet); none by then, or a player that does
// not answer within a few seconds, leaves it to run on its own, as a stale
// file does. True: start-up goes on in this process; false only when the
// program's end has been requested (under a test seam, which returns).
bool handOffToRunningInstance();

// Creates the named event (auto-reset, not signalled) or, when it exists
// already, opens it, in one step; the handle is kept either way. 1 when it
// existed already; 0 when this call made it, and when creating it failed (the
// failure is ignored).
int instanceEventExists(const fw::Text& name);
// One of the process's four times as a FILETIME count; 0 when the process
// cannot be opened or its times read, or for any other `which`.
int64_t getProcessTime(DWORD processId, int which);
HANDLE openProcessById(DWORD processId);
void closeKernelHandle(HANDLE handle);

}  // namespace player
