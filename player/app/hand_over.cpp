#include "player/app/hand_over.h"

#include <vector>

#include "framework/files.h"
#include "framework/program.h"
#include "framework/windows_routines.h"
#include "player/app/app.h"
#include "player/app/hand_over_file.h"
#include "player/app/settings.h"
#include "player/playback/playback.h"
#include "player/windows/main/main_window.h"

namespace player {
namespace {

constexpr DWORD kProcessAllAccess = 0x1F0FFF;
constexpr UINT kListAddString = 0x180;   // LB_ADDSTRING
constexpr double kFileTimeUnitsPerMs = 10000.0;

int64_t creationMs(DWORD processId) {
  return static_cast<int64_t>(getProcessTime(processId, kCreationTime) / kFileTimeUnitsPerMs);
}

HWND windowFromRecord(int32_t handle) { return reinterpret_cast<HWND>(static_cast<intptr_t>(handle)); }

// Window class names are short; a longer one is read cut, which still differs.
constexpr int kClassNameBytes = 64;
// A receiving list lies a few windows deep; anything deeper is not one.
constexpr std::size_t kDeepestChain = 8;
// How long a later instance waits for the first instance to take its path: a
// first instance that is hung or stopped must not hold the user's file for
// ever. The system itself calls a window hung after this long without an answer.
constexpr UINT kAnswerWaitMs = 5000;
constexpr UINT kAbortIfHung = 0x0002;   // SMTO_ABORTIFHUNG
constexpr DWORD kProcessQueryLimitedInformation = 0x1000;
// How long a later instance looks for the record of a running player. The
// first instance writes it at once after making the event; a start at that
// very moment may look in between. This much covers a first instance slowed
// by a burst of starts, and is all a start waits that finds no running player
// named (the event held by players whose first instance has ended).
constexpr DWORD kRecordWaitMs = 1000;
constexpr unsigned kRecordPollMs = 10;

// The class names of the window and of each window it lies in, up to its
// top-level window; empty when the handle names no window.
std::vector<fw::Text> classChain(HWND window) {
  std::vector<fw::Text> chain;
  const HWND root = fw::win::GetAncestor(window, GA_ROOT);
  if (root == nullptr) return chain;
  for (HWND step = window; step != nullptr; step = fw::win::GetAncestor(step, GA_PARENT)) {
    char name[kClassNameBytes] = {};
    const int length = fw::win::GetClassNameA(step, name, sizeof name);
    if (length <= 0 || chain.size() == kDeepestChain) return {};
    chain.emplace_back(name, static_cast<std::size_t>(length));
    if (step == root) return chain;
  }
  return {};
}

// The file name of the program the process runs; empty when it cannot be read.
fw::Text programFileNameOf(DWORD processId) {
  const HANDLE process = fw::win::OpenProcess(kProcessQueryLimitedInformation, FALSE, processId);
  if (process == nullptr) return fw::Text();
  std::vector<char> path(32 * 1024);
  DWORD size = static_cast<DWORD>(path.size());
  const BOOL read = fw::win::QueryFullProcessImageNameA(process, 0, path.data(), &size);
  closeKernelHandle(process);
  if (!read) return fw::Text();
  const fw::Text image(path.data(), size);
  const std::size_t cut = fw::lastBackslash(image);
  return cut == fw::Text::npos ? image : image.substr(cut + 1);
}

bool sameFileName(const fw::Text& a, const fw::Text& b) {
  return !a.empty() && a.size() == b.size() && fw::findNoCase(a, b) == 0;
}

// The file names a window that any program of the user could have put there,
// or one that a crash left behind and the system has since given to another
// window or program. Only the receiving list of a running player may take the
// path: a window of the named process that lies where this process's own
// receiving list lies (a list box in the title bar of the main window, not the
// playlist window's list nor another program's), in a process that runs this
// same program.
bool isReceivingListOf(HWND window, DWORD processId) {
  DWORD owner = 0;
  if (fw::win::GetWindowThreadProcessId(window, &owner) == 0 || owner != processId) return false;
  const std::vector<fw::Text> ours = classChain(mainWindow().接收文本列表框.handle());
  if (ours.empty() || classChain(window) != ours) return false;
  return sameFileName(programFileNameOf(processId), fw::programFileName());
}

// The path added to the list, answered within the wait; false when the list
// refused it or its program did not answer in time.
bool deliver(HWND list, const fw::Text& line) {
  DWORD_PTR answer = 0;
  const LRESULT sent = fw::win::SendMessageTimeoutA(list, kListAddString, 1,
                                                    reinterpret_cast<LPARAM>(line.c_str()),
                                                    kAbortIfHung, kAnswerWaitMs, &answer);
  // LB_ERR and LB_ERRSPACE are negative: the line was not added.
  return sent != 0 && static_cast<LRESULT>(answer) >= 0;
}

// The record in the hand-over file, when it names the receiving list of a
// running player; false when there is no such file or it names anything else.
bool readRunningPlayersRecord(const fw::Text& filePath, HandOverRecord& record) {
  if (!fw::fileExists(filePath)) return false;
  fw::InputFile file;
  if (!file.open(filePath)) return false;
  record = readHandOverRecord(file);
  // Held open, the file could not be replaced by the next first instance.
  file.close();
  return isReceivingListOf(windowFromRecord(record.listHandle), static_cast<DWORD>(record.processId));
}

void publishHandOverFile(const fw::Text& path) {
  HandOverRecord record;
  record.processId = static_cast<int32_t>(fw::win::GetCurrentProcessId());
  record.listHandle =
      static_cast<int32_t>(reinterpret_cast<intptr_t>(mainWindow().接收文本列表框.handle()));
  // A later instance starting in this very moment reads the old file or the
  // new one, never half of it. A failed write is left alone.
  fw::replaceWholeFile(path, handOverFileBytes(record));
}

}  // namespace

fw::Text mediaPathFromArguments(const fw::TextArray& arguments) {
  if (arguments.empty()) return fw::Text();
  if (arguments.size() == 1) return arguments[0];
  fw::Text path;
  for (const fw::Text& argument : arguments) {
    path += ' ';
    path += argument;
  }
  return fw::trimLeadingSpaces(path);
}

bool handOffToRunningInstance() {
  fw::TextArray arguments = fw::commandLineArguments();
  fw::Text path = mediaPathFromArguments(arguments);
  if (!arguments.empty()) {
    playlist.push_back(path);
    currentIndex = 1;
  }
  const fw::Text filePath = fw::environmentVariable("temp") + "\\" + kHandOverFileName;
  const int limitMs = readIntegerSetting(kHandOverLimitKey);

  if (instanceEventExists(kInstanceEventName) == 0) {
    publishHandOverFile(filePath);
    return true;
  }
  // No file, an unreadable one, or one that names no running player's
  // receiving list (one left by an ended player, or written by any program):
  // looked at again until the first instance has written its own, or the wait
  // is over and this process runs on its own.
  HandOverRecord record;
  const DWORD waitStart = GetTickCount();
  while (!readRunningPlayersRecord(filePath, record)) {
    if (GetTickCount() - waitStart >= kRecordWaitMs) return true;
    fw::sleepMilliseconds(kRecordPollMs);
  }
  const DWORD runningId = static_cast<DWORD>(record.processId);
  const double runningMs = static_cast<double>(creationMs(runningId));
  const double ownMs = static_cast<double>(creationMs(fw::win::GetCurrentProcessId()));
  // Also true when this process is older than the running one.
  if ((ownMs - runningMs) - limitMs >= -0.0000001) return true;

  const HWND list = windowFromRecord(record.listHandle);
  // Not taken: this process plays the file itself, as with a stale file.
  if (!deliver(list, path + kHandOverLineEnd)) return true;
  // No engine exists yet: nothing to close.
  fw::endProgram(0);
  return false;
}

void receiveHandedOverPaths() {
  fw::ListBox& list = mainWindow().接收文本列表框;
  // Counted once: a text arriving during the step waits for the next tick.
  const int count = list.count();
  const fw::Text lineEnd = kHandOverLineEnd;
  for (int i = 0; i < count; ++i) {
    fw::Text path = list.itemText(0);
    if (path.ends_with(lineEnd)) path.resize(path.size() - lineEnd.size());
    playlist.push_back(std::move(path));
    list.deleteItem(0);
  }
}

int instanceEventExists(const fw::Text& name) {
  // Bound first: binding a routine at its first call may itself change the
  // thread's last error, which must be the one the creation left.
  const auto lastError = fw::win::GetLastError.address();
  // One step: of two players started at the same moment, only one can be
  // the one that made the event. (Opening it first and creating it when that
  // failed let both fail to open it, and both take themselves for the first.)
  // The handle stays open on purpose: the event lives as long as some player
  // process holds it.
  const HANDLE event = fw::win::CreateEventA(nullptr, FALSE, FALSE, name.c_str());
  if (event != nullptr && lastError() == ERROR_ALREADY_EXISTS) return 1;
  return 0;
}

int64_t getProcessTime(DWORD processId, int which) {
  HANDLE process = openProcessById(processId);
  if (process == nullptr) return 0;
  FILETIME times[4] = {};
  const BOOL read = fw::win::GetProcessTimes(process, &times[0], &times[1], &times[2], &times[3]);
  closeKernelHandle(process);
  if (!read || which < kCreationTime || which > kUserTime) return 0;
  return static_cast<int64_t>((static_cast<uint64_t>(times[which].dwHighDateTime) << 32) |
                              times[which].dwLowDateTime);
}

HANDLE openProcessById(DWORD processId) {
  return fw::win::OpenProcess(kProcessAllAccess, FALSE, processId);
}

void closeKernelHandle(HANDLE handle) { fw::win::CloseHandle(handle); }

}  // namespace player
