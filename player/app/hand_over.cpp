#include "player/app/hand_over.h"

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

constexpr DWORD kEventAllAccess = 0x1F0003;
constexpr DWORD kProcessAllAccess = 0x1F0FFF;
constexpr UINT kListAddString = 0x180;   // LB_ADDSTRING
constexpr double kFileTimeUnitsPerMs = 10000.0;

int64_t creationMs(DWORD processId) {
  return static_cast<int64_t>(getProcessTime(processId, kCreationTime) / kFileTimeUnitsPerMs);
}

HWND windowFromRecord(int32_t handle) { return reinterpret_cast<HWND>(static_cast<intptr_t>(handle)); }

// The file names a window that any program of the user could have put there,
// or one that a crash left behind and the system has since given to another
// program: only a list box of the process the file names may receive the path.
bool isReceivingListOf(HWND window, DWORD processId) {
  DWORD owner = 0;
  if (fw::win::GetWindowThreadProcessId(window, &owner) == 0 || owner != processId) return false;
  char className[16] = {};
  const int length = fw::win::GetClassNameA(window, className, sizeof className);
  // The system reports its list boxes' class as "ListBox"; class names are
  // compared without case.
  const fw::Text expected = "listbox";
  if (length != static_cast<int>(expected.size())) return false;
  for (int i = 0; i < length; ++i)
    if ((className[i] | 0x20) != expected[i]) return false;
  return true;
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
  if (!fw::fileExists(filePath)) return true;
  HandOverRecord record;
  {
    fw::InputFile file;
    // An unreadable file leaves this process to run on its own.
    if (!file.open(filePath)) return true;
    record = readHandOverRecord(file);
    // Held open, the file could not be replaced by the next first instance.
    file.close();
  }
  const DWORD runningId = static_cast<DWORD>(record.processId);
  const double runningMs = static_cast<double>(creationMs(runningId));
  const double ownMs = static_cast<double>(creationMs(fw::win::GetCurrentProcessId()));
  // Also true when this process is older than the running one.
  if ((ownMs - runningMs) - limitMs >= -0.0000001) return true;

  const HWND list = windowFromRecord(record.listHandle);
  if (!isReceivingListOf(list, runningId)) return true;
  const fw::Text line = path + kHandOverLineEnd;
  fw::win::SendMessageA(list, kListAddString, 1, reinterpret_cast<LPARAM>(line.c_str()));
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
  // The handles stay open on purpose: the event lives as long as some player
  // process holds it.
  if (fw::win::OpenEventA(kEventAllAccess, FALSE, name.c_str()) != nullptr) return 1;
  fw::win::CreateEventA(nullptr, FALSE, FALSE, name.c_str());
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
