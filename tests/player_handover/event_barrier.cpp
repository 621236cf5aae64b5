#include "tests/player_handover/event_barrier.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

namespace handover {
namespace {

constexpr BYTE kBreakpointInstruction = 0xCC;   // int3
constexpr DWORD kTrapFlag = 0x100;
// Longer names than the one waited for are not it.
constexpr std::size_t kLongestName = 256;

struct Debuggee {
  HANDLE process = nullptr;   // the debug event's handle, valid while debugged
  BYTE* breakpoint = nullptr;
  BYTE original = 0;
  DWORD steppingThread = 0;   // stepping over a call for another name
  bool exited = false;
};

// System libraries lie where they lie in this process in every process of the
// desktop; `at` is only taken once the program's code there reads the same.
BYTE* createEventA() {
  return reinterpret_cast<BYTE*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateEventA"));
}

bool writeByte(HANDLE process, BYTE* at, BYTE value) {
  SIZE_T written = 0;
  if (!WriteProcessMemory(process, at, &value, 1, &written) || written != 1) return false;
  FlushInstructionCache(process, at, 1);
  return true;
}

void trySetBreakpoint(Debuggee& debuggee, BYTE* at) {
  BYTE code[16] = {};
  SIZE_T read = 0;
  if (!ReadProcessMemory(debuggee.process, at, code, sizeof code, &read) || read != sizeof code) return;
  if (std::memcmp(code, at, sizeof code) != 0) return;
  debuggee.original = code[0];
  if (writeByte(debuggee.process, at, kBreakpointInstruction)) debuggee.breakpoint = at;
}

std::string readName(HANDLE process, uintptr_t address) {
  std::string name;
  while (address != 0 && name.size() < kLongestName) {
    char c = 0;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<void*>(address + name.size()), &c, 1, &read) ||
        read != 1 || c == 0) {
      break;
    }
    name += c;
  }
  return name;
}

// The thread stands at the routine's first instruction: its fourth argument,
// the name.
std::string nameAsked(HANDLE process, const CONTEXT& context) {
#ifdef _WIN64
  return readName(process, static_cast<uintptr_t>(context.R9));
#else
  DWORD name = 0;
  SIZE_T read = 0;
  ReadProcessMemory(process, reinterpret_cast<void*>(static_cast<uintptr_t>(context.Esp) + 16), &name,
                    sizeof name, &read);
  return readName(process, name);
#endif
}

void setInstructionPointer(CONTEXT& context, BYTE* at) {
#ifdef _WIN64
  context.Rip = reinterpret_cast<DWORD64>(at);
#else
  context.Eip = static_cast<DWORD>(reinterpret_cast<uintptr_t>(at));
#endif
}

}  // namespace

std::size_t EventBarrier::releaseWhenAllHeld(std::size_t count, unsigned timeoutMs) {
  BYTE* const target = createEventA();
  std::map<DWORD, Debuggee> debuggees;
  std::vector<std::pair<DWORD, DWORD>> held;   // process and thread ids
  const DWORD start = GetTickCount();
  while (held.size() < count && GetTickCount() - start < timeoutMs) {
    DEBUG_EVENT event{};
    if (!WaitForDebugEvent(&event, 50)) continue;
    Debuggee& debuggee = debuggees[event.dwProcessId];
    DWORD answer = DBG_CONTINUE;
    bool hold = false;
    switch (event.dwDebugEventCode) {
      case CREATE_PROCESS_DEBUG_EVENT:
        debuggee.process = event.u.CreateProcessInfo.hProcess;
        if (event.u.CreateProcessInfo.hFile) CloseHandle(event.u.CreateProcessInfo.hFile);
        break;
      case LOAD_DLL_DEBUG_EVENT:
        if (event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
        break;
      case EXIT_PROCESS_DEBUG_EVENT:
        debuggee.exited = true;
        break;
      case EXCEPTION_DEBUG_EVENT: {
        const EXCEPTION_RECORD& record = event.u.Exception.ExceptionRecord;
        auto* address = static_cast<BYTE*>(record.ExceptionAddress);
        const bool atCall = debuggee.breakpoint != nullptr && record.ExceptionCode == EXCEPTION_BREAKPOINT &&
                            (address == debuggee.breakpoint || address == debuggee.breakpoint + 1);
        if (atCall) {
          HANDLE thread = OpenThread(THREAD_GET_CONTEXT | THREAD_SET_CONTEXT, FALSE, event.dwThreadId);
          CONTEXT context{};
          context.ContextFlags = CONTEXT_FULL;
          GetThreadContext(thread, &context);
          // The call runs from its first instruction once the code is back.
          setInstructionPointer(context, debuggee.breakpoint);
          if (nameAsked(debuggee.process, context) == eventName_) {
            hold = true;
          } else {
            writeByte(debuggee.process, debuggee.breakpoint, debuggee.original);
            context.EFlags |= kTrapFlag;
            debuggee.steppingThread = event.dwThreadId;
          }
          SetThreadContext(thread, &context);
          CloseHandle(thread);
        } else if (record.ExceptionCode == EXCEPTION_SINGLE_STEP &&
                   debuggee.steppingThread == event.dwThreadId) {
          writeByte(debuggee.process, debuggee.breakpoint, kBreakpointInstruction);
          debuggee.steppingThread = 0;
        } else if (record.ExceptionCode != EXCEPTION_BREAKPOINT) {
          // The program's own exceptions go to its own handlers; the loader's
          // breakpoint at the start is answered as every debugger does.
          answer = DBG_EXCEPTION_NOT_HANDLED;
        }
        break;
      }
      default:
        break;
    }
    if (debuggee.process != nullptr && debuggee.breakpoint == nullptr && !debuggee.exited) {
      trySetBreakpoint(debuggee, target);
    }
    if (hold) {
      held.emplace_back(event.dwProcessId, event.dwThreadId);
    } else {
      ContinueDebugEvent(event.dwProcessId, event.dwThreadId, answer);
    }
  }
  // The code as it was everywhere first, then every held call goes on, one
  // right after another.
  for (auto& [id, debuggee] : debuggees) {
    if (debuggee.breakpoint != nullptr && !debuggee.exited)
      writeByte(debuggee.process, debuggee.breakpoint, debuggee.original);
  }
  for (const auto& [process, thread] : held) ContinueDebugEvent(process, thread, DBG_CONTINUE);
  for (auto& [id, debuggee] : debuggees) {
    if (!debuggee.exited) DebugActiveProcessStop(id);
  }
  return held.size();
}

}  // namespace handover
